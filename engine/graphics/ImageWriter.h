#pragma once

#include <string>

struct SDL_Surface;

// Writes pictures to disk: test fixtures, benchmark scenes, screenshots for
// comparison. Both take surfaces of any pixel format SDL can blit from and
// return false after printing one line naming the path when writing fails.

// PNG with alpha (8-bit RGBA).
bool writePng(SDL_Surface* surface, const std::string& path);

// Baseline JPEG without alpha, 4:4:4 sampling; `quality` is clamped to
// 1..100. With `rgbColourSpace` the samples are stored as RGB instead of
// YCbCr, so flat colours survive a quality-100 round trip exactly.
bool writeJpeg(SDL_Surface* surface, const std::string& path, int quality,
               bool rgbColourSpace = false);
