#include "engine/graphics/GLGraphics.h"
#include "engine/graphics/GLTexture.h"
#include "tests/graphics/UploadedTexture.h"
#include "tests/support/GLWindowTest.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/PixelImage.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const Color kRed(255, 0, 0);
const Color kGreen(0, 255, 0);
const Color kBlue(0, 0, 255);
const Color kYellow(255, 255, 0);
const Color kWhite(255, 255, 255);
const Color kClear(0, 0, 0, 0);

class GLTextureDrawingTest : public GLWindowTest {
protected:
    // A 3x2 picture (in a 4x2 texture) of six distinct colours:
    //   red   green blue
    //   yellow white red
    static std::unique_ptr<PixelImage> sixColours() {
        auto image = std::make_unique<PixelImage>(3, 2);
        image->setPixel(0, 0, kRed);
        image->setPixel(1, 0, kGreen);
        image->setPixel(2, 0, kBlue);
        image->setPixel(0, 1, kYellow);
        image->setPixel(1, 1, kWhite);
        image->setPixel(2, 1, kRed);
        return image;
    }

    // Every pixel of the window that is not black.
    static int litPixelCount() {
        std::vector<unsigned char> rgba(std::size_t(kWidth * kHeight * 4));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            if (rgba[i] || rgba[i + 1] || rgba[i + 2]) {
                ++lit;
            }
        }
        return lit;
    }
};

TEST_F(GLTextureDrawingTest, ScaledRegionMapsEachTexelUprightToItsPlace) {
    UploadedTexture texture(*sixColours());
    ASSERT_EQ(4, texture.textureWidth());
    // Each texel becomes a 10x10 block.
    graphics.drawTextureRegionScaled(100, 200, 30, 20, &texture, Rect(0, 0, 3, 2), kWhite);

    EXPECT_EQ(kRed, pixelAt(105, 205));
    EXPECT_EQ(kGreen, pixelAt(115, 205));
    EXPECT_EQ(kBlue, pixelAt(125, 205));
    EXPECT_EQ(kYellow, pixelAt(105, 215));
    EXPECT_EQ(kWhite, pixelAt(115, 215));
    EXPECT_EQ(kRed, pixelAt(125, 215));
    // Exactly the requested area.
    EXPECT_EQ(kRed, pixelAt(100, 200));
    EXPECT_EQ(kRed, pixelAt(129, 219));
    EXPECT_TRUE(isBlack(pixelAt(99, 210)));
    EXPECT_TRUE(isBlack(pixelAt(130, 210)));
    EXPECT_TRUE(isBlack(pixelAt(115, 199)));
    EXPECT_TRUE(isBlack(pixelAt(115, 220)));
    // The model-view matrix is left as it was.
    EXPECT_EQ(1, intState(GL_MODELVIEW_STACK_DEPTH));
    EXPECT_EQ(0, graphics.pushCount());
}

// A picture landing pixel for pixel is sampled nearest (the same pixels,
// cheaper); moved by part of a pixel, scaled or turned, it is sampled linear.
TEST_F(GLTextureDrawingTest, FilterIsNearestOnlyWhenThePictureLandsPixelForPixel) {
    auto surface = paintedImage(2, 1, [](int x, int) { return x == 0 ? kRed : kBlue; });
    GLTexture texture(surface->surface(), 2, 1);
    const auto filter = [&] {
        texture.bind();
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
        return value;
    };
    graphics.pushTransform();
    graphics.translate(10.0f, 20.0f);
    graphics.drawTexture(0, 0, &texture, kWhite);
    EXPECT_EQ(GL_NEAREST, filter());
    EXPECT_EQ(kRed, pixelAt(10, 20));
    EXPECT_EQ(kBlue, pixelAt(11, 20));

    graphics.translate(0.5f, 0.0f);
    graphics.drawTexture(0, 10, &texture, kWhite);
    EXPECT_EQ(GL_LINEAR, filter());
    // Half a pixel to the right: the pixel centre at 11.5 samples halfway between red and blue.
    EXPECT_NEAR(128, pixelAt(11, 30).r, 2);
    EXPECT_NEAR(128, pixelAt(11, 30).b, 2);
    graphics.popTransform();

    graphics.drawTexture(40, 40, &texture, kWhite);
    EXPECT_EQ(GL_NEAREST, filter()) << "the pop brought back the whole-pixel placement";
    graphics.drawTextureRegionScaled(40, 50, 4, 1, &texture, Rect(0, 0, 2, 1), kWhite);
    EXPECT_EQ(GL_LINEAR, filter()) << "scaled";
    graphics.pushTransform();
    graphics.rotate(90.0f, 0, 0, 1);
    graphics.drawTexture(60, -60, &texture, kWhite);
    EXPECT_EQ(GL_LINEAR, filter()) << "turned";
    graphics.popTransform();
}

TEST_F(GLTextureDrawingTest, ScaledRegionDrawsOnlyTheSourceRegion) {
    UploadedTexture texture(*sixColours());
    // The right column only, stretched to 20x40.
    graphics.drawTextureRegionScaled(0, 0, 20, 40, &texture, Rect(2, 0, 3, 2), kWhite);
    EXPECT_EQ(kBlue, pixelAt(10, 10));
    EXPECT_EQ(kRed, pixelAt(10, 30));
    EXPECT_TRUE(isBlack(pixelAt(20, 10)));
}

TEST_F(GLTextureDrawingTest, ScaledRegionOfOddSizeCoversWholePixels) {
    UploadedTexture texture(PixelImage(1, 1, kGreen));
    graphics.drawTextureRegionScaled(50, 60, 7, 5, &texture, Rect(0, 0, 1, 1), kWhite);
    EXPECT_EQ(kGreen, pixelAt(50, 60));
    EXPECT_EQ(kGreen, pixelAt(56, 64));
    EXPECT_TRUE(isBlack(pixelAt(57, 62)));
    EXPECT_TRUE(isBlack(pixelAt(53, 65)));
    EXPECT_TRUE(isBlack(pixelAt(49, 62)));
}

TEST_F(GLTextureDrawingTest, TextureIsTintedByTheColour) {
    PixelImage image(2, 1, kWhite);
    image.setPixel(1, 0, Color(128, 128, 128));
    UploadedTexture texture(image);
    // Untextured drawing first, which turns texturing off.
    graphics.fillRect(50, 0, 10, 10, kBlue);
    graphics.drawTextureRegionScaled(0, 0, 20, 10, &texture, Rect(0, 0, 2, 1), Color(0, 255, 0));
    EXPECT_EQ(kGreen, pixelAt(5, 5));
    const Color tintedGrey = pixelAt(15, 5);
    EXPECT_EQ(0, tintedGrey.r);
    EXPECT_NEAR(128, tintedGrey.g, 1);
    EXPECT_EQ(0, tintedGrey.b);
    // A plain fill afterwards is neither tinted nor textured.
    graphics.fillRect(20, 0, 10, 10, kRed);
    EXPECT_EQ(kRed, pixelAt(25, 5));
}

TEST_F(GLTextureDrawingTest, DrawTextureDrawsTheWholePictureInItsOwnSize) {
    UploadedTexture texture(*sixColours());
    graphics.drawTexture(10, 10, &texture, kWhite);
    EXPECT_EQ(kRed, pixelAt(10, 10));
    EXPECT_EQ(kGreen, pixelAt(11, 10));
    EXPECT_EQ(kBlue, pixelAt(12, 10));
    EXPECT_EQ(kWhite, pixelAt(11, 11));
    EXPECT_TRUE(isBlack(pixelAt(13, 10)));
    EXPECT_TRUE(isBlack(pixelAt(10, 12)));
}

TEST_F(GLTextureDrawingTest, MissingOrNotUploadedTexturesDrawNothing) {
    auto notUploaded = GLTexture::fromKeptImage(std::make_unique<PixelImage>(8, 8, kRed));
    ASSERT_FALSE(notUploaded->isUploaded());
    const Rect source(0, 0, 8, 8);

    graphics.drawTextureRegionScaled(0, 0, 100, 100, nullptr, source, kWhite);
    graphics.drawTextureRegionScaled(0, 0, 100, 100, notUploaded.get(), source, kWhite);
    graphics.drawTextureQuad(nullptr, Point(0, 0), Point(100, 0), Point(100, 100), Point(0, 100),
                             source, kWhite);
    graphics.drawTextureQuad(notUploaded.get(), Point(0, 0), Point(100, 0), Point(100, 100),
                             Point(0, 100), source, kWhite);
    graphics.drawTexture(0, 0, nullptr, kWhite);

    EXPECT_EQ(0, litPixelCount());
}

TEST_F(GLTextureDrawingTest, TextureQuadMapsTheSourceCornersToThePointsInOrder) {
    UploadedTexture texture(*sixColours());
    const Rect source(0, 0, 3, 2);
    // Untextured drawing first, which turns texturing off.
    graphics.fillRect(0, 0, 1, 1, kRed);
    graphics.drawTextureQuad(&texture, Point(100, 100), Point(130, 100), Point(130, 120),
                             Point(100, 120), source, kWhite);
    EXPECT_EQ(kRed, pixelAt(105, 105));
    EXPECT_EQ(kBlue, pixelAt(125, 105));
    EXPECT_EQ(kYellow, pixelAt(105, 115));
    EXPECT_TRUE(isBlack(pixelAt(131, 110)));

    // Swapping left and right points mirrors the picture.
    graphics.drawTextureQuad(&texture, Point(330, 100), Point(300, 100), Point(300, 120),
                             Point(330, 120), source, kWhite);
    EXPECT_EQ(kBlue, pixelAt(305, 105));
    EXPECT_EQ(kRed, pixelAt(325, 105));
    EXPECT_EQ(kRed, pixelAt(305, 115));
    EXPECT_EQ(1, intState(GL_MODELVIEW_STACK_DEPTH));
}

// A solid 10x10 square outlined 3 pixels thick at (100, 100): the ring spans
// 97..112 and only the middle 4x4 (103..106), under all nine copies, stays empty.
TEST_F(GLTextureDrawingTest, OutlinePaintsTheRingAroundTheOpaqueShape) {
    UploadedTexture square(PixelImage(10, 10, kWhite));
    graphics.drawOutline(100, 100, &square, kRed, 3, 0.5f);

    EXPECT_EQ(kRed, pixelAt(97, 97));
    EXPECT_EQ(kRed, pixelAt(112, 112));
    EXPECT_EQ(kRed, pixelAt(97, 105));
    EXPECT_EQ(kRed, pixelAt(100, 105));
    EXPECT_EQ(kRed, pixelAt(102, 102));
    EXPECT_TRUE(isBlack(pixelAt(96, 105)));
    EXPECT_TRUE(isBlack(pixelAt(113, 105)));
    EXPECT_TRUE(isBlack(pixelAt(105, 96)));
    EXPECT_TRUE(isBlack(pixelAt(103, 103)));
    EXPECT_TRUE(isBlack(pixelAt(106, 106)));
    EXPECT_EQ(16 * 16 - 4 * 4, litPixelCount());
}

TEST_F(GLTextureDrawingTest, OutlineOfOnePixelShowsEachOfTheNineCopies) {
    UploadedTexture dot(PixelImage(1, 1, kWhite));
    graphics.drawOutline(200, 200, &dot, kRed, 3, 0.5f);
    for (int y : {197, 200, 203}) {
        for (int x : {197, 200, 203}) {
            EXPECT_EQ(kRed, pixelAt(x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(9, litPixelCount());
}

TEST_F(GLTextureDrawingTest, OutlineLeavesAPinholeMissedByOneCopyUnpainted) {
    // The hole at (5, 5) hides that pixel from the unshifted copy only, so
    // eight copies still cover it: it counts as inside.
    PixelImage image(10, 10, kWhite);
    image.setPixel(5, 5, kClear);
    UploadedTexture texture(image);
    graphics.drawOutline(100, 100, &texture, kRed, 3, 0.5f);
    EXPECT_TRUE(isBlack(pixelAt(105, 105)));
    EXPECT_EQ(16 * 16 - 4 * 4, litPixelCount());
}

TEST_F(GLTextureDrawingTest, OutlineRestoresStateForLaterDrawing) {
    UploadedTexture square(PixelImage(10, 10, kWhite));
    graphics.drawOutline(100, 100, &square, kRed, 3, 0.5f);

    EXPECT_FALSE(isEnabled(GL_STENCIL_TEST));
    GLboolean mask[4] = {};
    glGetBooleanv(GL_COLOR_WRITEMASK, mask);
    EXPECT_TRUE(mask[0] && mask[1] && mask[2] && mask[3]);
    EXPECT_EQ(GL_ALWAYS, intState(GL_ALPHA_TEST_FUNC));
    // Drawing over the empty middle works again.
    graphics.fillRect(103, 103, 4, 4, kGreen);
    EXPECT_EQ(kGreen, pixelAt(104, 104));
}

TEST_F(GLTextureDrawingTest, OutlineFollowsOnlyPixelsAboveTheAlphaThreshold) {
    // Left half faint, right half opaque: only the right half has an outline.
    PixelImage image(20, 10, Color(255, 255, 255, 40));
    image.fillArea(10, 0, 10, 10, kWhite);
    UploadedTexture texture(image);
    graphics.drawOutline(100, 100, &texture, kRed, 2, 0.5f);

    EXPECT_EQ(kRed, pixelAt(108, 105)); // left of the opaque half
    EXPECT_EQ(kRed, pixelAt(121, 105));
    EXPECT_TRUE(isBlack(pixelAt(101, 105)));
    EXPECT_TRUE(isBlack(pixelAt(98, 105)));

    graphics.clear();
    UploadedTexture faint(PixelImage(10, 10, Color(255, 255, 255, 40)));
    graphics.drawOutline(100, 100, &faint, kRed, 2, 0.5f);
    EXPECT_EQ(0, litPixelCount());
}

TEST_F(GLTextureDrawingTest, OutlineRegionUsesTheGivenSizeAndSource) {
    UploadedTexture texture(*sixColours());
    // The single white texel stretched to 10x10.
    graphics.drawOutlineRegion(100, 100, &texture, kBlue, 3, 0.5f, 10, 10, Rect(1, 1, 2, 2));
    EXPECT_EQ(kBlue, pixelAt(97, 97));
    EXPECT_EQ(kBlue, pixelAt(112, 112));
    EXPECT_TRUE(isBlack(pixelAt(105, 105)));
    EXPECT_EQ(16 * 16 - 4 * 4, litPixelCount());
}

TEST_F(GLTextureDrawingTest, OutlineWithoutTextureDrawsNothing) {
    UploadedTexture fill(PixelImage(32, 32, kGreen));
    graphics.drawOutline(100, 100, nullptr, kRed, 3, 0.5f);
    graphics.drawOutlineRegion(100, 100, nullptr, kRed, 3, 0.5f, 10, 10, Rect(0, 0, 10, 10));
    graphics.drawTexturedOutline(100, 100, nullptr, &fill, 3, 0.5f);
    graphics.drawTexturedOutlineRegion(100, 100, nullptr, &fill, 3, 0.5f, 10, 10,
                                       Rect(0, 0, 10, 10));
    EXPECT_EQ(0, litPixelCount());
    EXPECT_FALSE(isEnabled(GL_STENCIL_TEST));
}

TEST_F(GLTextureDrawingTest, TexturedOutlineWithoutFillDrawsNothing) {
    UploadedTexture square(PixelImage(10, 10, kWhite));
    graphics.drawTexturedOutline(100, 100, &square, nullptr, 3, 0.5f);
    graphics.drawTexturedOutlineRegion(100, 100, &square, nullptr, 3, 0.5f, 10, 10,
                                       Rect(0, 0, 10, 10));
    EXPECT_EQ(0, litPixelCount());
}

TEST_F(GLTextureDrawingTest, TexturedOutlinePaintsTheRingWithTheFillPicture) {
    UploadedTexture square(PixelImage(10, 10, kWhite));
    // Fill: left half green, right half blue, placed at the ring's top-left.
    PixelImage fillImage(16, 16, kGreen);
    fillImage.fillArea(8, 0, 8, 16, kBlue);
    UploadedTexture fill(fillImage);
    graphics.drawTexturedOutline(100, 100, &square, &fill, 3, 0.5f);

    EXPECT_EQ(kGreen, pixelAt(97, 97));
    EXPECT_EQ(kBlue, pixelAt(112, 112));
    EXPECT_TRUE(isBlack(pixelAt(104, 104)));
    EXPECT_TRUE(isBlack(pixelAt(113, 105)));
    EXPECT_EQ(16 * 16 - 4 * 4, litPixelCount());
    EXPECT_FALSE(isEnabled(GL_STENCIL_TEST));
}

} // namespace
