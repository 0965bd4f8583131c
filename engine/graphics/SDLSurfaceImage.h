#pragma once

#include "engine/graphics/Image.h"

#include <memory>
#include <string>

struct SDL_Surface;
class SDLImageGraphics;

// A picture held in an SDL surface, which it owns. Blank images are 32-bit
// RGBA surfaces with the bytes in R, G, B, A order in memory.
class SDLSurfaceImage : public Image {
public:
    static constexpr unsigned kRedMask = 0x000000FF;
    static constexpr unsigned kGreenMask = 0x0000FF00;
    static constexpr unsigned kBlueMask = 0x00FF0000;
    static constexpr unsigned kAlphaMask = 0xFF000000;

    // No surface: width and height 0, reads give transparent black.
    SDLSurfaceImage();
    // Decodes the file; on failure prints one line naming the path and stays empty.
    explicit SDLSurfaceImage(const std::string& path);
    // Adopts the surface (may be null).
    explicit SDLSurfaceImage(SDL_Surface* surface);
    // A blank (transparent black) RGBA image of width x height.
    SDLSurfaceImage(int width, int height);
    ~SDLSurfaceImage() override;

    std::unique_ptr<Image> clone() const override;
    Color getPixel(int x, int y) const override;
    void setPixel(int x, int y, const Color& color) override;
    ImageGraphics* graphics() override;

    SDL_Surface* surface() const { return surface_; }
    // Gives up the surface to the caller; the image becomes empty.
    SDL_Surface* releaseSurface();

    // A new RGBA surface of width x height with the masks above, zero-filled;
    // null when SDL cannot allocate it.
    static SDL_Surface* createRGBASurface(int width, int height);
    static bool isRGBASurface(const SDL_Surface* surface);

private:
    bool contains(int x, int y) const;
    void adopt(SDL_Surface* surface);

    SDL_Surface* surface_ = nullptr;
    std::unique_ptr<SDLImageGraphics> graphics_;
};
