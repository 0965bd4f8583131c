#pragma once

#include "engine/graphics/Types.h"

#include <memory>

class ImageGraphics;

// A picture held in memory: the pixels that textures are made from and that
// pixel-exact hit tests read.
class Image {
public:
    Image() = default;
    Image(int width, int height) : width_(width), height_(height) {}
    virtual ~Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // A copy owned by the caller, or none when the image cannot be copied.
    virtual std::unique_ptr<Image> clone() const = 0;
    virtual bool isTransparentAt(int x, int y) const { return getPixel(x, y).a == 0; }
    virtual Color getPixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, const Color& color) = 0;
    // Software drawing into the image's pixels, when the image offers it.
    virtual ImageGraphics* graphics() { return nullptr; }

protected:
    int width_ = 0;
    int height_ = 0;
};
