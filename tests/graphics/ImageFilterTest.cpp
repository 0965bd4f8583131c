#include "engine/graphics/ImageFilter.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/PixelImage.h"

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

} // namespace
