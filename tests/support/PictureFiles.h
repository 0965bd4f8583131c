#pragma once

#include "engine/graphics/ImageWriter.h"
#include "engine/graphics/SDLSurfaceImage.h"

#include <functional>
#include <memory>
#include <string>

// Picture files written for texture tests: every pixel from a function of
// its position.
using PixelRule = std::function<Color(int x, int y)>;

inline std::unique_ptr<SDLSurfaceImage> paintedImage(int width, int height, const PixelRule& rule) {
    auto image = std::make_unique<SDLSurfaceImage>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image->setPixel(x, y, rule(x, y));
        }
    }
    return image;
}

inline bool writePngPicture(const std::string& path, int width, int height, const PixelRule& rule) {
    return writePng(paintedImage(width, height, rule)->surface(), path);
}

// Quality 100 in RGB samples: flat colours come back exactly.
inline bool writeJpegPicture(const std::string& path, int width, int height,
                             const PixelRule& rule) {
    return writeJpeg(paintedImage(width, height, rule)->surface(), path, 100, true);
}

inline PixelRule flat(const Color& color) {
    return [color](int, int) { return color; };
}
