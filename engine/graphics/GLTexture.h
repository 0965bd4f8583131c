#pragma once

#include "engine/graphics/Texture.h"

#include <memory>
#include <string>
#include <vector>

struct SDL_Surface;
class ImageFilter;
class SDLSurfaceImage;

// A picture on the graphics card. It knows the picture's size (what drawing
// uses) and the power-of-two size of the GL texture that holds the picture in
// its top-left corner, and it may keep a CPU copy of the pixels so that game
// code can ask whether a pixel of the picture is transparent.
//
// A picture that cannot be read leaves an empty texture: it draws nothing and
// every hit test misses.
class GLTexture : public Texture {
public:
    // What a texture loaded from a file keeps in memory after the upload.
    enum KeepMode : int {
        KeepFullImage = 0, // RGBA copy: hit tests, re-upload
        KeepAlphaOnly = 1, // alpha bytes: hit tests; re-upload reads the file again
        KeepNothing = 2,   // re-upload reads the file again
    };

    // Loads the file (PNG, or JPEG with an optional "_"-suffixed grey mask),
    // pads it to a power of two, applies the filter and uploads.
    GLTexture(const std::string& path, const ImageFilter* filter = nullptr,
              int keepMode = KeepFullImage);
    GLTexture(const std::wstring& path, const ImageFilter* filter = nullptr,
              int keepMode = KeepFullImage);
    // Takes the image, copies it into a power-of-two picture and uploads.
    GLTexture(std::unique_ptr<SDLSurfaceImage> image, const ImageFilter* filter = nullptr,
              int keepMode = KeepFullImage);
    // The top-left width x height of a surface that stays the caller's (a
    // screen capture, say); the picture size is width x height.
    GLTexture(SDL_Surface* surface, int width, int height, const ImageFilter* filter = nullptr,
              int keepMode = KeepFullImage);
    ~GLTexture() override;

    // Wraps a picture that is already in memory; nothing is uploaded, so it
    // draws nothing but answers hit tests. Used where only the pixels matter.
    static std::unique_ptr<GLTexture> fromKeptImage(std::unique_ptr<Image> image);

    void load() override;
    void bind() const override;
    void reupload() override;
    void releaseGL() override;
    // A picture read from a file may be set aside while nothing shows it: its
    // GL texture and kept copy are freed and its sizes stay, so the widgets
    // that show it keep their layout. `bringBack` reads the file again. A
    // picture made in memory has nowhere to come back from and stays.
    void setAside();
    void bringBack();
    bool isSetAside() const { return setAside_; }

    int imageWidth() const { return imageWidth_; }
    int imageHeight() const { return imageHeight_; }
    int textureWidth() const { return textureWidth_; }
    int textureHeight() const { return textureHeight_; }
    int sourceWidth() const { return sourceWidth_; }
    int sourceHeight() const { return sourceHeight_; }
    // 4 x texture width x texture height for pictures loaded from files, else 0.
    long byteCount() const { return byteCount_; }
    int keepMode() const { return keepMode_; }
    const ImageFilter* filter() const { return filter_; }
    // The GL texture name; 0 when there is nothing on the card to draw.
    unsigned glName() const { return glName_; }
    bool hasGLTexture() const { return glName_ != 0; }
    // Every pixel of the picture is fully opaque: drawn over the window, it
    // hides what is under it.
    bool isOpaque() const { return opaque_; }
    // Samples the bound texture nearest (a picture drawn pixel for pixel) or
    // linear (moved by parts of a pixel, scaled or turned); GL is told only
    // when the choice changes. Only for pictures this class uploaded.
    void useNearestFilter(bool nearest) const;

    // The pixel-exact hit test: (x, y) lies inside the picture and the kept
    // image has a non-zero alpha there. Without a kept image nothing is hit.
    bool isOpaqueAt(int x, int y) const;

    static int nextPowerOfTwo(int value);
    // The text after the last '.' that follows the last '/', else empty.
    static std::string extensionOf(const std::string& path);
    // "dir/Room.jpg" -> "dir/Room_.jpg"; empty when the path has no extension.
    static std::string maskPathOf(const std::string& path);

protected:
    // For test textures that set the fields themselves.
    GLTexture() = default;

    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    unsigned glName_ = 0;
    bool opaque_ = false;

private:
    void loadFromPath();
    // Builds the kept picture from the top-left width x height of a surface.
    void adoptPicture(SDL_Surface* surface, int width, int height);
    // Reads the grey mask beside a JPEG into the picture's alpha channel.
    void applyJpegMask(SDLSurfaceImage& picture);
    // GL's limit, or a common one without a GL context.
    static int largestTextureSize();
    static void convertCmykToRgb(SDL_Surface* surface);
    bool upload(SDLSurfaceImage& picture);
    void applyKeepMode();
    void deleteGLTexture();
    void clearPicture();

    const ImageFilter* filter_ = nullptr;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    long byteCount_ = 0;
    std::vector<unsigned char> maskAlpha_;
    int keepMode_ = KeepFullImage;
    bool setAside_ = false;
    // The filter the GL texture has now; uploads start linear.
    mutable bool nearest_ = false;
};
