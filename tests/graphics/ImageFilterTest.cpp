#include "engine/graphics/ImageFilter.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/PixelImage.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

// One row of test colours, the filter applied, the row read back.
std::vector<Color> filtered(const ImageFilter& filter, const std::vector<Color>& colours) {
    PixelImage image(int(colours.size()), 1);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        image.setPixel(int(i), 0, colours[i]);
    }
    filter.apply(image);
    return image.pixels();
}

TEST(ImageFilterTest, BlackAndWhiteAveragesVisiblePixelsAndKeepsTheirAlpha) {
    const auto out = filtered(BWImageFilter(), {Color(10, 20, 40, 128), Color(255, 255, 254, 255),
                                                Color(10, 20, 40, 0), Color(1, 1, 0, 1)});
    EXPECT_EQ(Color(23, 23, 23, 128), out[0]);
    EXPECT_EQ(Color(254, 254, 254, 255), out[1]);
    EXPECT_EQ(Color(10, 20, 40, 0), out[2]) << "fully transparent pixels stay as they are";
    EXPECT_EQ(Color(0, 0, 0, 1), out[3]);
}

TEST(ImageFilterTest, SilhouetteWhitensVisiblePixelsOnly) {
    const auto out = filtered(SilhouetteImageFilter(),
                              {Color(10, 20, 40, 128), Color(0, 0, 0, 255), Color(9, 8, 7, 0)});
    EXPECT_EQ(Color(255, 255, 255, 128), out[0]);
    EXPECT_EQ(Color(255, 255, 255, 255), out[1]);
    EXPECT_EQ(Color(9, 8, 7, 0), out[2]);
}

TEST(ImageFilterTest, IntensityBecomesAlphaOfWhiteInSinglePrecision) {
    const auto out = filtered(IntensityAsAlphaImageFilter(),
                              {Color(255, 255, 255, 7), Color(0, 0, 0, 255), Color(30, 60, 90, 0),
                               Color(3, 0, 0, 255), Color(128, 128, 128, 255)});
    EXPECT_EQ(Color(255, 255, 255, 254), out[0]) << "765 x 0.3333 = 254.97, truncated";
    EXPECT_EQ(Color(255, 255, 255, 0), out[1]);
    EXPECT_EQ(Color(255, 255, 255, 59), out[2]) << "the old alpha plays no part";
    EXPECT_EQ(Color(255, 255, 255, 0), out[3]) << "3 x 0.3333 is just under 1";
    EXPECT_EQ(Color(255, 255, 255, 127), out[4]);
}

TEST(ImageFilterTest, FiltersReachEveryPixelOfASurfaceImage) {
    SDLSurfaceImage image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.setPixel(x, y, Color(std::uint8_t(x * 40), std::uint8_t(y * 50), 0, 200));
        }
    }
    BWImageFilter().apply(image);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const auto grey = std::uint8_t((x * 40 + y * 50) / 3);
            EXPECT_EQ(Color(grey, grey, grey, 200), image.getPixel(x, y)) << x << ", " << y;
        }
    }
}

// Surfaces are filtered straight over their pixel words: whatever the channel
// order, the result must be what the per-pixel path gives.
TEST(ImageFilterTest, SurfacesOfAnyChannelOrderFilterLikeThePerPixelPath) {
    const std::vector<Color> colours = {Color(10, 20, 40, 128), Color(255, 255, 254, 255),
                                        Color(10, 20, 40, 0), Color(200, 3, 90, 255),
                                        Color(128, 128, 128, 1)};
    struct Format {
        const char* name;
        Uint32 r, g, b, a;
    };
    const Format formats[] = {{"RGBA", 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
                              {"BGRA", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
                              {"XRGB (no alpha)", 0x00FF0000, 0x0000FF00, 0x000000FF, 0}};
    const BWImageFilter bw;
    const SilhouetteImageFilter silhouette;
    const IntensityAsAlphaImageFilter intensity;
    const ImageFilter* filters[] = {&bw, &silhouette, &intensity};
    for (const Format& format : formats) {
        for (const ImageFilter* filter : filters) {
            SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, int(colours.size()), 1, 32,
                                                        format.r, format.g, format.b, format.a);
            ASSERT_NE(nullptr, surface);
            SDLSurfaceImage image(surface); // takes the surface
            std::vector<Color> stored;      // what the surface holds: no alpha reads back as 255
            for (std::size_t i = 0; i < colours.size(); ++i) {
                image.setPixel(int(i), 0, colours[i]);
                stored.push_back(image.getPixel(int(i), 0));
            }
            filter->apply(image);
            const std::vector<Color> expected = filtered(*filter, stored);
            for (std::size_t i = 0; i < colours.size(); ++i) {
                Color want = expected[i];
                if (!format.a) {
                    want.a = 255; // the surface cannot keep another alpha
                }
                EXPECT_EQ(want, image.getPixel(int(i), 0)) << format.name << " pixel " << i;
            }
        }
    }
}

} // namespace
