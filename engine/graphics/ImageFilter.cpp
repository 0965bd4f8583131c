#include "engine/graphics/ImageFilter.h"

#include "engine/graphics/Image.h"
#include "engine/graphics/SDLSurfaceImage.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace {

// Straight over the words of a 32-bit surface, which is what every texture's
// picture is: the per-pixel calls cost more than the rule itself.
template <typename Rule> bool forEach32BitPixel(Image& image, Rule rule) {
    auto* picture = dynamic_cast<SDLSurfaceImage*>(&image);
    SDL_Surface* surface = picture ? picture->surface() : nullptr;
    if (!surface || surface->format->BytesPerPixel != 4 || !surface->pixels ||
        SDL_MUSTLOCK(surface)) {
        return false;
    }
    const SDL_PixelFormat& f = *surface->format;
    auto channel = [](Uint32 word, Uint32 mask, Uint8 shift, Uint8 loss) {
        return std::uint8_t(((word & mask) >> shift) << loss);
    };
    for (int y = 0; y < surface->h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                              std::size_t(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            const Uint32 word = row[x];
            const Color before(channel(word, f.Rmask, f.Rshift, f.Rloss),
                               channel(word, f.Gmask, f.Gshift, f.Gloss),
                               channel(word, f.Bmask, f.Bshift, f.Bloss),
                               f.Amask ? channel(word, f.Amask, f.Ashift, f.Aloss) : 255);
            const Color after = rule(before);
            row[x] = (Uint32(after.r >> f.Rloss) << f.Rshift) |
                     (Uint32(after.g >> f.Gloss) << f.Gshift) |
                     (Uint32(after.b >> f.Bloss) << f.Bshift) |
                     (f.Amask ? (Uint32(after.a >> f.Aloss) << f.Ashift) : 0);
        }
    }
    return true;
}

template <typename Rule> void forEachPixel(Image& image, Rule rule) {
    if (forEach32BitPixel(image, rule)) {
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, rule(image.getPixel(x, y)));
        }
    }
}

} // namespace

void BWImageFilter::apply(Image& image) const {
    forEachPixel(image, [](Color c) {
        if (c.a != 0) {
            const auto grey = std::uint8_t((c.r + c.g + c.b) / 3);
            c = Color(grey, grey, grey, c.a);
        }
        return c;
    });
}

void SilhouetteImageFilter::apply(Image& image) const {
    forEachPixel(image, [](Color c) {
        if (c.a != 0) {
            c = Color(255, 255, 255, c.a);
        }
        return c;
    });
}

void IntensityAsAlphaImageFilter::apply(Image& image) const {
    forEachPixel(image, [](Color c) {
        // Single precision on purpose: pure white gives 254, not 255.
        const float intensity = float(c.r + c.g + c.b) * 0.3333f;
        const auto alpha = std::uint8_t(std::min(intensity, 255.0f));
        return Color(255, 255, 255, alpha);
    });
}
