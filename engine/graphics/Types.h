#pragma once

#include <cmath>
#include <cstdint>

// A colour with straight (non-premultiplied) alpha; opaque white by default.
struct Color {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t a = 255;

    constexpr Color() = default;
    constexpr Color(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                    std::uint8_t alpha = 255)
        : r(red), g(green), b(blue), a(alpha) {}

    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Color& o) const { return !(*this == o); }
};

// A rectangle of image pixels. Built from (left, top, right, bottom).
struct Rect {
    float left = 0;
    float right = 0;
    float top = 0;
    float bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(float l, float t, float r, float b) : left(l), right(r), top(t), bottom(b) {}

    float width() const { return std::fabs(right - left); }
    float height() const { return std::fabs(bottom - top); }
    bool operator==(const Rect& o) const {
        return left == o.left && right == o.right && top == o.top && bottom == o.bottom;
    }
};

struct Point {
    float x = 0;
    float y = 0;

    constexpr Point() = default;
    constexpr Point(float px, float py) : x(px), y(py) {}
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// The rectangle of a widget: position, depth and size, always handled together.
struct WidgetRect {
    int x = 0;
    int y = 0;
    int z = 0;
    int width = 0;
    int height = 0;

    constexpr WidgetRect() = default;
    constexpr WidgetRect(int px, int py, int pz, int w, int h)
        : x(px), y(py), z(pz), width(w), height(h) {}
    bool operator==(const WidgetRect& o) const {
        return x == o.x && y == o.y && z == o.z && width == o.width && height == o.height;
    }
    bool operator!=(const WidgetRect& o) const { return !(*this == o); }
};
