#include "engine/graphics/SDLImageGraphics.h"

#include "engine/graphics/SDLSurfaceImage.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

namespace {

// The part of a w x h region at (x, y) of the target, fed from (sx, sy) of the
// source, that lies inside both pictures.
struct Span {
    int x = 0, y = 0, sx = 0, sy = 0, width = 0, height = 0;
};

Span clipSpan(int x, int y, const Image& target, const Image& source, const Rect& sourceRect) {
    Span s{x,
           y,
           int(std::min(sourceRect.left, sourceRect.right)),
           int(std::min(sourceRect.top, sourceRect.bottom)),
           int(sourceRect.width()),
           int(sourceRect.height())};
    // Shift away whatever lies left of or above either picture.
    const int skipX = std::max({0, -s.x, -s.sx});
    const int skipY = std::max({0, -s.y, -s.sy});
    s.x += skipX;
    s.sx += skipX;
    s.width -= skipX;
    s.y += skipY;
    s.sy += skipY;
    s.height -= skipY;
    s.width = std::min({s.width, target.width() - s.x, source.width() - s.sx});
    s.height = std::min({s.height, target.height() - s.y, source.height() - s.sy});
    s.width = std::max(s.width, 0);
    s.height = std::max(s.height, 0);
    return s;
}

std::uint8_t combine(std::uint8_t target, std::uint8_t source, bool enabled, bool copy) {
    if (!enabled) {
        return target;
    }
    return copy ? source : std::uint8_t(std::min(255, target + source));
}

Color combine(const Color& t, const Color& s, const bool flags[4], bool copy) {
    return Color(combine(t.r, s.r, flags[0], copy), combine(t.g, s.g, flags[1], copy),
                 combine(t.b, s.b, flags[2], copy), combine(t.a, s.a, flags[3], copy));
}

} // namespace

void SDLImageGraphics::fillRect(int x, int y, int width, int height, const Color& color) {
    SDL_Surface* surface = target_.surface();
    if (!surface || width <= 0 || height <= 0) {
        return;
    }
    // SDL keeps rectangles in 16 bits; clip first so large values cannot wrap.
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, surface->w);
    const int bottom = std::min(y + height, surface->h);
    if (right <= left || bottom <= top) {
        return;
    }
    SDL_Rect area{Sint16(left), Sint16(top), Uint16(right - left), Uint16(bottom - top)};
    SDL_FillRect(surface, &area, SDL_MapRGBA(surface->format, color.r, color.g, color.b, color.a));
}

void SDLImageGraphics::blit(int x, int y, Image& source, const Rect& sourceRect, bool useAlpha) {
    const Span s = clipSpan(x, y, target_, source, sourceRect);
    if (s.width == 0 || s.height == 0) {
        return;
    }
    auto* sourceImage = dynamic_cast<SDLSurfaceImage*>(&source);
    if (sourceImage && sourceImage->surface() && target_.surface()) {
        SDL_SetAlpha(sourceImage->surface(), useAlpha ? SDL_SRCALPHA : 0, 255);
        SDL_Rect from{Sint16(s.sx), Sint16(s.sy), Uint16(s.width), Uint16(s.height)};
        SDL_Rect to{Sint16(s.x), Sint16(s.y), 0, 0};
        SDL_UpperBlit(sourceImage->surface(), &from, target_.surface(), &to);
        return;
    }
    // Any other kind of picture is copied pixel by pixel.
    for (int row = 0; row < s.height; ++row) {
        for (int column = 0; column < s.width; ++column) {
            Color c = source.getPixel(s.sx + column, s.sy + row);
            if (useAlpha) {
                const Color under = target_.getPixel(s.x + column, s.y + row);
                const auto mix = [&](std::uint8_t src, std::uint8_t dst) {
                    return std::uint8_t((src * c.a + dst * (255 - c.a)) / 255);
                };
                c = Color(mix(c.r, under.r), mix(c.g, under.g), mix(c.b, under.b), under.a);
            }
            target_.setPixel(s.x + column, s.y + row, c);
        }
    }
}

void SDLImageGraphics::blendChannels(int x, int y, Image& source, const Rect& sourceRect, bool red,
                                     bool green, bool blue, bool alpha, bool copy, bool /*fast*/) {
    const Span s = clipSpan(x, y, target_, source, sourceRect);
    const bool flags[4] = {red, green, blue, alpha};
    for (int row = 0; row < s.height; ++row) {
        for (int column = 0; column < s.width; ++column) {
            const Color t = target_.getPixel(s.x + column, s.y + row);
            const Color c = source.getPixel(s.sx + column, s.sy + row);
            target_.setPixel(s.x + column, s.y + row, combine(t, c, flags, copy));
        }
    }
}

void SDLImageGraphics::compositeChannels(int x, int y, Image& source, const Rect& sourceRect,
                                         bool red, bool green, bool blue, bool alpha, bool copy) {
    const Span s = clipSpan(x, y, target_, source, sourceRect);
    const bool flags[4] = {red, green, blue, alpha};
    std::vector<Color> from;
    std::vector<Color> to;
    from.reserve(std::size_t(s.width) * s.height);
    to.reserve(std::size_t(s.width) * s.height);
    for (int row = 0; row < s.height; ++row) {
        for (int column = 0; column < s.width; ++column) {
            from.push_back(source.getPixel(s.sx + column, s.sy + row));
            to.push_back(target_.getPixel(s.x + column, s.y + row));
        }
    }
    std::size_t i = 0;
    for (int row = 0; row < s.height; ++row) {
        for (int column = 0; column < s.width; ++column, ++i) {
            target_.setPixel(s.x + column, s.y + row, combine(to[i], from[i], flags, copy));
        }
    }
}
