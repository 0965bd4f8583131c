#include "engine/graphics/ImageFilter.h"

#include "engine/graphics/Image.h"

#include <algorithm>

namespace {

template <typename Rule> void forEachPixel(Image& image, Rule rule) {
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
