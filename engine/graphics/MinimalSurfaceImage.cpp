#include "engine/graphics/MinimalSurfaceImage.h"

#include <SDL.h>

MinimalSurfaceImage::MinimalSurfaceImage(const SDL_Surface* surface) {
    if (!surface || surface->format->BytesPerPixel != 4) {
        return;
    }
    width_ = surface->w;
    height_ = surface->h;
    alpha_.resize(std::size_t(width_) * std::size_t(height_));
    const SDL_PixelFormat* format = surface->format;
    // Rows are read through the pitch, so padded surfaces work as well.
    const auto* bytes = static_cast<const std::uint8_t*>(surface->pixels);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(bytes + std::size_t(y) * surface->pitch);
        for (int x = 0; x < width_; ++x) {
            alpha_[std::size_t(y) * width_ + x] =
                std::uint8_t((row[x] & format->Amask) >> format->Ashift);
        }
    }
}

MinimalSurfaceImage::MinimalSurfaceImage(std::vector<std::uint8_t> alpha, int width, int height)
    : Image(width, height), alpha_(std::move(alpha)) {
    // A buffer shorter than it claims would be read past its end.
    if (alpha_.size() < std::size_t(width) * std::size_t(height)) {
        alpha_.resize(std::size_t(width) * std::size_t(height), 0);
    }
}

bool MinimalSurfaceImage::contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
}

bool MinimalSurfaceImage::isTransparentAt(int x, int y) const {
    return contains(x, y) && alpha_[std::size_t(y) * width_ + x] == 0;
}

Color MinimalSurfaceImage::getPixel(int x, int y) const {
    if (!contains(x, y)) {
        return Color(0, 0, 0, 255);
    }
    return Color(0, 0, 0, alpha_[std::size_t(y) * width_ + x]);
}

void MinimalSurfaceImage::setPixel(int x, int y, const Color& color) {
    if (contains(x, y)) {
        alpha_[std::size_t(y) * width_ + x] = color.a;
    }
}
