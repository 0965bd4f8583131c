#pragma once

#include "engine/graphics/Image.h"

#include <ostream>
#include <vector>

// An in-memory picture of plain colours, row by row from the top.
class PixelImage : public Image {
public:
    PixelImage(int width, int height, const Color& fill = Color())
        : Image(width, height), pixels_(std::size_t(width * height), fill) {}

    std::unique_ptr<Image> clone() const override {
        auto copy = std::make_unique<PixelImage>(width_, height_);
        copy->pixels_ = pixels_;
        return copy;
    }
    Color getPixel(int x, int y) const override { return pixels_.at(index(x, y)); }
    void setPixel(int x, int y, const Color& color) override { pixels_.at(index(x, y)) = color; }

    void fillArea(int x, int y, int width, int height, const Color& color) {
        for (int row = y; row < y + height; ++row) {
            for (int column = x; column < x + width; ++column) {
                setPixel(column, row, color);
            }
        }
    }

    const std::vector<Color>& pixels() const { return pixels_; }

private:
    std::size_t index(int x, int y) const { return std::size_t(y * width_ + x); }

    std::vector<Color> pixels_;
};

// Readable colours in test failure messages.
inline void PrintTo(const Color& color, std::ostream* out) {
    *out << "Color(" << int(color.r) << ", " << int(color.g) << ", " << int(color.b) << ", "
         << int(color.a) << ")";
}
