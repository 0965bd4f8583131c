#pragma once

#include "engine/graphics/Image.h"

#include <memory>

// A picture on the graphics card. It knows the picture's size (what drawing
// uses) and the power-of-two size of the GL texture that holds the picture in
// its top-left corner, and it may keep a CPU copy of the pixels so that game
// code can ask whether a pixel of the picture is transparent.
class GLTexture {
public:
    virtual ~GLTexture();
    GLTexture(const GLTexture&) = delete;
    GLTexture& operator=(const GLTexture&) = delete;

    // Wraps a picture that is already in memory; nothing is uploaded, so it
    // draws nothing but answers hit tests. Used where only the pixels matter.
    static std::unique_ptr<GLTexture> fromKeptImage(std::unique_ptr<Image> image);

    int imageWidth() const { return imageWidth_; }
    int imageHeight() const { return imageHeight_; }
    int textureWidth() const { return textureWidth_; }
    int textureHeight() const { return textureHeight_; }
    bool isUploaded() const { return glName_ != 0; }
    unsigned glName() const { return glName_; }
    const Image* keptImage() const { return keptImage_.get(); }

    void bind() const;

    // The pixel-exact hit test: (x, y) lies inside the picture and the kept
    // image has a non-zero alpha there. Without a kept image nothing is hit.
    bool isOpaqueAt(int x, int y) const;

    static int nextPowerOfTwo(int value);

protected:
    GLTexture() = default;

    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    unsigned glName_ = 0;
    std::unique_ptr<Image> keptImage_;
};
