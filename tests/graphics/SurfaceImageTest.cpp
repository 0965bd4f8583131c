#include "engine/graphics/MinimalSurfaceImage.h"
#include "engine/graphics/SDLImageGraphics.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/PixelImage.h"
#include "tests/support/StdoutCapture.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

const Color kClear(0, 0, 0, 0);

TEST(SDLSurfaceImageTest, BlankImageIsTransparentRGBAInByteOrder) {
    SDLSurfaceImage image(7, 5);
    ASSERT_NE(nullptr, image.surface());
    EXPECT_EQ(7, image.width());
    EXPECT_EQ(5, image.height());
    EXPECT_TRUE(SDLSurfaceImage::isRGBASurface(image.surface()));
    EXPECT_EQ(kClear, image.getPixel(6, 4));
    EXPECT_TRUE(image.isTransparentAt(3, 3));

    image.setPixel(2, 1, Color(10, 20, 30, 40));
    const auto* bytes =
        static_cast<const Uint8*>(image.surface()->pixels) + image.surface()->pitch * 1 + 2 * 4;
    EXPECT_EQ(10, bytes[0]);
    EXPECT_EQ(20, bytes[1]);
    EXPECT_EQ(30, bytes[2]);
    EXPECT_EQ(40, bytes[3]);
    EXPECT_EQ(Color(10, 20, 30, 40), image.getPixel(2, 1));
    EXPECT_FALSE(image.isTransparentAt(2, 1));
}

TEST(SDLSurfaceImageTest, ReadsAndWritesPixelsOfEveryDepth) {
    struct Format {
        int bits;
        Uint32 r, g, b, a;
        Color written, expected;
    };
    const Format formats[] = {
        {32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, Color(1, 2, 3, 4), Color(1, 2, 3, 4)},
        {24, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, Color(200, 100, 50), Color(200, 100, 50)},
        // 5-6-5: the low bits are lost, SDL widens the rest back.
        {16, 0xF800, 0x07E0, 0x001F, 0, Color(255, 0, 255), Color(255, 0, 255)},
    };
    for (const Format& f : formats) {
        // Width 5 gives padded rows for the narrow formats.
        SDL_Surface* surface =
            SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, f.bits, f.r, f.g, f.b, f.a);
        ASSERT_NE(nullptr, surface);
        SDLSurfaceImage image(surface);
        image.setPixel(4, 2, f.written);
        image.setPixel(0, 0, Color(0, 0, 0));
        EXPECT_EQ(f.expected, image.getPixel(4, 2)) << f.bits << " bits";
        EXPECT_EQ(Color(0, 0, 0), image.getPixel(0, 0)) << f.bits << " bits";
        EXPECT_EQ(Color(0, 0, 0, f.a ? 0 : 255), image.getPixel(3, 1)) << f.bits << " bits";
    }
}

TEST(SDLSurfaceImageTest, PalettedPixelsReadThroughThePalette) {
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 8, 0, 0, 0, 0);
    ASSERT_NE(nullptr, surface);
    SDL_Color colours[2] = {{0, 0, 0, 0}, {12, 34, 56, 0}};
    SDL_SetColors(surface, colours, 0, 2);
    static_cast<Uint8*>(surface->pixels)[surface->pitch * 2 + 3] = 1;
    SDLSurfaceImage image(surface);
    EXPECT_EQ(Color(12, 34, 56, 255), image.getPixel(3, 2));
}

TEST(SDLSurfaceImageTest, PixelsOutsideOrWithoutASurfaceAreTransparentAndIgnored) {
    SDLSurfaceImage image(4, 4);
    image.setPixel(0, 0, Color(9, 9, 9));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}}) {
        image.setPixel(x, y, Color(255, 0, 0));
        EXPECT_EQ(kClear, image.getPixel(x, y));
        EXPECT_TRUE(image.isTransparentAt(x, y));
    }
    SDLSurfaceImage empty;
    EXPECT_EQ(0, empty.width());
    empty.setPixel(0, 0, Color(1, 1, 1));
    EXPECT_EQ(kClear, empty.getPixel(0, 0));
    EXPECT_NE(nullptr, empty.graphics()) << "every surface image offers its software graphics";
    auto copy = empty.clone();
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(0, copy->width());
}

TEST(SDLSurfaceImageTest, CloneIsAnIndependentCopyWithAlpha) {
    SDLSurfaceImage image(3, 2);
    image.setPixel(1, 1, Color(10, 20, 30, 77));
    auto copy = image.clone();
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(3, copy->width());
    EXPECT_EQ(2, copy->height());
    EXPECT_EQ(Color(10, 20, 30, 77), copy->getPixel(1, 1));
    EXPECT_EQ(kClear, copy->getPixel(0, 0));
    copy->setPixel(1, 1, Color(1, 1, 1));
    EXPECT_EQ(Color(10, 20, 30, 77), image.getPixel(1, 1));
}

TEST(SDLSurfaceImageTest, MissingFileLeavesAnEmptyImageAndSaysWhich) {
    StdoutCapture capture;
    SDLSurfaceImage image(std::string("content/no/such/picture.png"));
    const std::string out = capture.finish();
    EXPECT_EQ(nullptr, image.surface());
    EXPECT_EQ(0, image.width());
    EXPECT_NE(std::string::npos, out.find("content/no/such/picture.png"));
    EXPECT_EQ(1, StdoutCapture::lineCount(out));
}

TEST(MinimalSurfaceImageTest, KeepsTheAlphaOfEveryPixelAndIsOpaqueOutside) {
    SDLSurfaceImage source(3, 2);
    source.setPixel(0, 0, Color(1, 2, 3, 0));
    source.setPixel(1, 0, Color(1, 2, 3, 99));
    source.setPixel(2, 1, Color(0, 0, 0, 255));
    MinimalSurfaceImage alpha(source.surface());
    EXPECT_EQ(3, alpha.width());
    EXPECT_EQ(2, alpha.height());
    EXPECT_EQ(Color(0, 0, 0, 0), alpha.getPixel(0, 0));
    EXPECT_EQ(Color(0, 0, 0, 99), alpha.getPixel(1, 0));
    EXPECT_EQ(Color(0, 0, 0, 255), alpha.getPixel(2, 1));
    EXPECT_TRUE(alpha.isTransparentAt(0, 0));
    EXPECT_FALSE(alpha.isTransparentAt(1, 0));

    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -5}}) {
        EXPECT_FALSE(alpha.isTransparentAt(x, y)) << x << ", " << y;
        EXPECT_EQ(Color(0, 0, 0, 255), alpha.getPixel(x, y)) << x << ", " << y;
    }
    EXPECT_EQ(nullptr, alpha.clone());
    EXPECT_EQ(nullptr, alpha.graphics());
}

TEST(MinimalSurfaceImageTest, AdoptedBufferIsReadRowByRowAndWritable) {
    MinimalSurfaceImage alpha({0, 1, 2, 3, 4, 5}, 3, 2);
    EXPECT_EQ(5, alpha.getPixel(2, 1).a);
    EXPECT_EQ(3, alpha.getPixel(0, 1).a);
    alpha.setPixel(0, 0, Color(9, 9, 9, 200));
    alpha.setPixel(7, 7, Color(9, 9, 9, 200));
    EXPECT_EQ(200, alpha.getPixel(0, 0).a);

    // A short buffer is padded rather than read past its end.
    MinimalSurfaceImage shortBuffer({7}, 4, 4);
    EXPECT_EQ(7, shortBuffer.getPixel(0, 0).a);
    EXPECT_TRUE(shortBuffer.isTransparentAt(3, 3));
}

class SDLImageGraphicsTest : public testing::Test {
protected:
    SDLSurfaceImage target{8, 8};
    ImageGraphics& g = *target.graphics();
};

TEST_F(SDLImageGraphicsTest, FillRectFillsOnlyItsClippedArea) {
    g.fillRect(2, 3, 3, 2, Color(10, 20, 30, 40));
    EXPECT_EQ(Color(10, 20, 30, 40), target.getPixel(2, 3));
    EXPECT_EQ(Color(10, 20, 30, 40), target.getPixel(4, 4));
    EXPECT_EQ(kClear, target.getPixel(5, 4));
    EXPECT_EQ(kClear, target.getPixel(2, 5));
    EXPECT_EQ(kClear, target.getPixel(1, 3));

    g.fillRect(-100000, 6, 200000, 70000, Color(1, 1, 1));
    EXPECT_EQ(Color(1, 1, 1), target.getPixel(0, 7));
    EXPECT_EQ(Color(1, 1, 1), target.getPixel(7, 6));
    EXPECT_EQ(kClear, target.getPixel(7, 5));
    g.fillRect(0, 0, -3, 4, Color(2, 2, 2));
    EXPECT_EQ(kClear, target.getPixel(0, 0));
}

TEST_F(SDLImageGraphicsTest, BlitCopiesOrBlendsTheSourceRegion) {
    SDLSurfaceImage source(4, 4);
    source.setPixel(1, 1, Color(200, 0, 0, 128));
    source.setPixel(2, 1, Color(0, 200, 0, 255));
    target.graphics()->fillRect(0, 0, 8, 8, Color(0, 0, 100, 255));

    g.blit(5, 5, source, Rect(1, 1, 3, 2), false);
    EXPECT_EQ(Color(200, 0, 0, 128), target.getPixel(5, 5)) << "copied with its alpha";
    EXPECT_EQ(Color(0, 200, 0, 255), target.getPixel(6, 5));
    EXPECT_EQ(Color(0, 0, 100, 255), target.getPixel(7, 5));
    EXPECT_EQ(Color(0, 0, 100, 255), target.getPixel(5, 6));

    g.blit(0, 0, source, Rect(1, 1, 2, 2), true);
    const Color blended = target.getPixel(0, 0);
    EXPECT_NEAR(100, blended.r, 2) << "half of the red over the blue";
    EXPECT_NEAR(50, blended.b, 2);
    EXPECT_EQ(255, blended.a) << "blending keeps the target's alpha";
}

TEST_F(SDLImageGraphicsTest, BlitOfOtherImagesAndPartlyOutsideRegionsIsClipped) {
    PixelImage source(3, 3, Color(9, 8, 7, 255));
    g.blit(6, 6, source, Rect(0, 0, 3, 3), false);
    EXPECT_EQ(Color(9, 8, 7, 255), target.getPixel(7, 7));
    EXPECT_EQ(kClear, target.getPixel(5, 7));
    g.blit(-2, 0, source, Rect(0, 0, 3, 3), false);
    EXPECT_EQ(Color(9, 8, 7, 255), target.getPixel(0, 0));
    EXPECT_EQ(kClear, target.getPixel(1, 0));
}

TEST_F(SDLImageGraphicsTest, BlendChannelsAddsClampedOrCopiesTheChosenChannels) {
    target.graphics()->fillRect(0, 0, 8, 8, Color(100, 100, 100, 100));
    SDLSurfaceImage source(2, 1);
    source.setPixel(0, 0, Color(200, 50, 10, 5));
    source.setPixel(1, 0, Color(1, 2, 3, 4));

    g.blendChannels(0, 0, source, Rect(0, 0, 2, 1), true, true, false, true, false, false);
    EXPECT_EQ(Color(255, 150, 100, 105), target.getPixel(0, 0));
    EXPECT_EQ(Color(101, 102, 100, 104), target.getPixel(1, 0));
    EXPECT_EQ(Color(100, 100, 100, 100), target.getPixel(2, 0));

    g.blendChannels(0, 1, source, Rect(0, 0, 2, 1), false, true, true, false, true, true);
    EXPECT_EQ(Color(100, 50, 10, 100), target.getPixel(0, 1)) << "copy, and the fast flag agrees";
}

TEST_F(SDLImageGraphicsTest, CompositeChannelsMatchesBlendChannels) {
    SDLSurfaceImage other(8, 8);
    other.graphics()->fillRect(0, 0, 8, 8, Color(100, 100, 100, 100));
    target.graphics()->fillRect(0, 0, 8, 8, Color(100, 100, 100, 100));
    SDLSurfaceImage source(3, 3);
    source.graphics()->fillRect(0, 0, 3, 3, Color(200, 7, 0, 255));

    static_cast<SDLImageGraphics&>(g).compositeChannels(1, 1, source, Rect(0, 0, 3, 3), true, false,
                                                        true, true, false);
    other.graphics()->blendChannels(1, 1, source, Rect(0, 0, 3, 3), true, false, true, true, false,
                                    false);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(other.getPixel(x, y), target.getPixel(x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(Color(255, 100, 100, 255), target.getPixel(2, 2));
}

} // namespace
