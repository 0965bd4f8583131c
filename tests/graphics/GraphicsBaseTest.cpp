#include "engine/graphics/GLTexture.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const Color kTint(10, 20, 30, 40);

std::unique_ptr<GLTexture> pictureOf(int width, int height) {
    return GLTexture::fromKeptImage(std::make_unique<PixelImage>(width, height));
}

// The operations Graphics implements by calling the pure ones.
class GraphicsBaseTest : public testing::Test {
protected:
    const RecordedCall& drawn() {
        const RecordedCall* call = graphics.last("drawTextureRegionScaled");
        if (!call) {
            ADD_FAILURE() << "nothing drawn:\n" << graphics.dump();
            static const RecordedCall none;
            return none;
        }
        return *call;
    }

    RecordingGraphics graphics;
};

TEST_F(GraphicsBaseTest, DrawTextureDrawsTheWholePictureAtItsOwnSize) {
    auto texture = pictureOf(300, 200);
    EXPECT_EQ(512, texture->textureWidth());
    EXPECT_EQ(256, texture->textureHeight());

    graphics.drawTexture(7, 9, texture.get(), kTint);

    EXPECT_EQ(1, graphics.count("drawTextureRegionScaled")) << "one quad";
    const RecordedCall& call = drawn();
    EXPECT_EQ((std::vector<int>{7, 9, 300, 200}), call.ints);
    EXPECT_EQ(Rect(0, 0, 300, 200), call.source);
    EXPECT_EQ(texture.get(), call.texture);
    EXPECT_EQ(kTint, call.color);
}

TEST_F(GraphicsBaseTest, DrawTextureRegionDrawsTheRegionAtItsOwnSize) {
    auto texture = pictureOf(300, 200);
    graphics.drawTextureRegion(1, 2, texture.get(), Rect(20, 30, 70, 50), kTint);
    const RecordedCall& call = drawn();
    EXPECT_EQ((std::vector<int>{1, 2, 50, 20}), call.ints);
    EXPECT_EQ(Rect(20, 30, 70, 50), call.source);
}

TEST_F(GraphicsBaseTest, HorizontalFramesAreCutFromEqualColumns) {
    auto texture = pictureOf(400, 100);

    graphics.drawFrameH(5, 6, 4, 3, texture.get(), kTint);
    EXPECT_EQ(Rect(300, 0, 399, 99), drawn().source);
    // Right and bottom are inclusive indices: one pixel narrower than the cell.
    EXPECT_EQ((std::vector<int>{5, 6, 99, 99}), drawn().ints);
    EXPECT_EQ(kTint, drawn().color);

    graphics.drawFrameH(0, 0, 4, 0, texture.get(), kTint);
    EXPECT_EQ(Rect(0, 0, 99, 99), drawn().source);
}

TEST_F(GraphicsBaseTest, VerticalFramesAreCutFromEqualRows) {
    auto texture = pictureOf(50, 300);
    graphics.drawFrameV(0, 0, 3, 1, texture.get(), kTint);
    EXPECT_EQ(Rect(0, 100, 49, 199), drawn().source);
    EXPECT_EQ(49, drawn().intArg(2));
    EXPECT_EQ(99, drawn().intArg(3));
}

TEST_F(GraphicsBaseTest, GridFrameIndexRunsAlongRowsOrDownColumns) {
    auto texture = pictureOf(300, 200);

    // Three columns, two rows, frame 4.
    graphics.drawFrameGrid(0, 0, 3, 2, 4, texture.get(), kTint, true);
    EXPECT_EQ(Rect(100, 100, 199, 199), drawn().source) << "row-major: column 1, row 1";

    graphics.drawFrameGrid(0, 0, 3, 2, 4, texture.get(), kTint, false);
    EXPECT_EQ(Rect(200, 0, 299, 99), drawn().source) << "column-major: column 2, row 0";
    EXPECT_EQ((std::vector<int>{0, 0, 99, 99}), drawn().ints);
}

TEST_F(GraphicsBaseTest, FramesOfNoTextureOrNoCountDrawNothing) {
    auto texture = pictureOf(300, 200);
    graphics.drawFrameH(0, 0, 4, 1, nullptr, kTint);
    graphics.drawFrameV(0, 0, 4, 1, nullptr, kTint);
    graphics.drawFrameGrid(0, 0, 3, 2, 1, nullptr, kTint, true);
    graphics.drawFrameH(0, 0, 0, 0, texture.get(), kTint);
    graphics.drawFrameV(0, 0, -1, 0, texture.get(), kTint);
    graphics.drawFrameGrid(0, 0, 0, 2, 0, texture.get(), kTint, true);
    graphics.drawFrameGrid(0, 0, 3, 0, 0, texture.get(), kTint, false);
    graphics.drawTexture(0, 0, nullptr, kTint);
    EXPECT_EQ(0, graphics.count("drawTextureRegion")) << graphics.dump();
}

TEST_F(GraphicsBaseTest, OutlinesForwardTheFullPicture) {
    auto texture = pictureOf(120, 80);
    auto fill = pictureOf(64, 64);

    graphics.drawOutline(3, 4, texture.get(), kTint, 2, 0.25f);
    const RecordedCall* plain = graphics.last("drawOutlineRegion");
    ASSERT_NE(nullptr, plain) << graphics.dump();
    EXPECT_EQ((std::vector<int>{3, 4, 2, 120, 80}), plain->ints);
    EXPECT_EQ(Rect(0, 0, 120, 80), plain->source);
    EXPECT_FLOAT_EQ(0.25f, plain->floatArg(0));
    EXPECT_EQ(texture.get(), plain->texture);
    EXPECT_EQ(kTint, plain->color);

    graphics.drawTexturedOutline(5, 6, texture.get(), fill.get(), 3, 0.5f);
    const RecordedCall* textured = graphics.last("drawTexturedOutlineRegion");
    ASSERT_NE(nullptr, textured) << graphics.dump();
    EXPECT_EQ((std::vector<int>{5, 6, 3, 120, 80}), textured->ints);
    EXPECT_EQ(Rect(0, 0, 120, 80), textured->source);
    EXPECT_FLOAT_EQ(0.5f, textured->floatArg(0));
    EXPECT_EQ(texture.get(), textured->texture);
    EXPECT_EQ(fill.get(), textured->fill);
}

TEST_F(GraphicsBaseTest, OutlinesOfNoTextureAreDropped) {
    auto fill = pictureOf(64, 64);
    graphics.drawOutline(0, 0, nullptr, kTint, 2, 0.5f);
    graphics.drawTexturedOutline(0, 0, nullptr, fill.get(), 2, 0.5f);
    EXPECT_EQ(0, graphics.count("drawOutlineRegion"));
    EXPECT_EQ(0, graphics.count("drawTexturedOutlineRegion"));
}

TEST_F(GraphicsBaseTest, WidgetRectStrokeDropsTheDepth) {
    graphics.strokeRect(WidgetRect(1, 2, 3, 4, 5), kTint);
    const RecordedCall* call = graphics.find("strokeRect");
    ASSERT_NE(nullptr, call) << graphics.dump();
    EXPECT_EQ((std::vector<int>{1, 2, 4, 5}), call->ints);
    EXPECT_EQ(kTint, call->color);
    EXPECT_EQ(1, graphics.count("strokeRect"));
}

} // namespace
