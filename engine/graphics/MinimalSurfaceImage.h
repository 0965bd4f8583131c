#pragma once

#include "engine/graphics/Image.h"

#include <cstdint>
#include <vector>

struct SDL_Surface;

// Only the alpha channel of a picture, one byte per pixel: what a texture
// keeps when it needs hit tests but not the colours. Outside the picture it
// reads as opaque black.
class MinimalSurfaceImage : public Image {
public:
    // Alpha of every pixel of a 32-bit surface, row by row.
    explicit MinimalSurfaceImage(const SDL_Surface* surface);
    // Adopts a ready buffer of width x height alpha bytes.
    MinimalSurfaceImage(std::vector<std::uint8_t> alpha, int width, int height);

    std::unique_ptr<Image> clone() const override { return nullptr; }
    bool isTransparentAt(int x, int y) const override;
    Color getPixel(int x, int y) const override;
    void setPixel(int x, int y, const Color& color) override;

    const std::vector<std::uint8_t>& alpha() const { return alpha_; }

private:
    bool contains(int x, int y) const;

    std::vector<std::uint8_t> alpha_;
};
