// Clipped pictures on a running screen, checked in the frame read back.
#include "engine/ui/ClippedImageWidget.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

const Color Green(90, 160, 40);

// On a background of its own colour, 40 x 30 green pictures.
class ClippedImageTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        screen->fillBackground = true;
        picture = uploadedPicture(40, 30, flat(Green));
    }

    std::unique_ptr<GLTexture> picture;
};

TEST_F(ClippedImageTest, ShowsOnlyTheClipRectangleAndLeavesClippingOffForLaterWidgets) {
    auto* image = add(std::make_unique<ClippedImageWidget>(picture.get(), 15, 25));
    image->setTint(Color(255, 0, 255));
    image->setClip(20, 30, 10, 10);
    add(std::make_unique<ImageWidget>(picture.get(), 100, 100)); // drawn after it
    app->step();
    EXPECT_EQ(seen(25, 35), Color(90, 0, 40)) << "inside the clip, tinted: green times magenta";
    EXPECT_EQ(seen(17, 27), screen->background) << "on the picture, left of the clip";
    EXPECT_EQ(seen(50, 50), screen->background) << "on the picture, below the clip";
    EXPECT_EQ(seen(120, 110), Green) << "the next widget is not clipped";

    // Turned by 45 degrees about its point (15, 25), the picture still
    // covers (25, 35), 14 pixels along its width from the middle.
    image->setAngle(45);
    app->step();
    EXPECT_EQ(seen(25, 35), Color(90, 0, 40));
    EXPECT_EQ(seen(15, 25), screen->background) << "its middle is outside the clip";
    EXPECT_EQ(seen(120, 110), Green);
}

TEST_F(ClippedImageTest, AnyNegativeClipValueDrawsExactlyLikeAnImage) {
    auto* plain = add(std::make_unique<ImageWidget>(picture.get(), 300, 200));
    plain->setAngle(30);
    // Drawn before the widgets under test, this one leaves a clip far from
    // them set in GL: a clip of negative size that reached GL, which refuses
    // it, would keep that one and hide the picture.
    add(std::make_unique<ClippedImageWidget>(picture.get(), 500, 400))->setClip(0, 0, 5, 5);
    app->step();
    const std::vector<std::uint8_t> expected = app->frame();
    ASSERT_EQ(seen(300, 200), Green);
    plain->setVisible(false);

    auto* image = add(std::make_unique<ClippedImageWidget>(picture.get(), 300, 200));
    image->setAngle(30);
    const int clips[][4] = {
        {-1, -1, -1, -1}, {-1, 0, 10, 10}, {0, -1, 10, 10}, {0, 0, -1, 10}, {0, 0, 10, -1}};
    for (const auto& clip : clips) {
        image->setClip(clip[0], clip[1], clip[2], clip[3]);
        app->step();
        EXPECT_TRUE(app->frame() == expected)
            << "clip " << clip[0] << ", " << clip[1] << ", " << clip[2] << ", " << clip[3];
    }
    EXPECT_EQ(image->rect(), WidgetRect(300, 200, image->z(), 40, 30));
}

TEST_F(ClippedImageTest, WithoutAPictureNothingIsDrawnAndClippingIsStillSwitchedOff) {
    auto* image = add(std::make_unique<ClippedImageWidget>(nullptr));
    image->setClip(0, 0, 10, 10);
    add(std::make_unique<ImageWidget>(picture.get(), 100, 100));
    app->step();
    EXPECT_EQ(seen(5, 5), screen->background);
    EXPECT_EQ(seen(120, 110), Green);
}

} // namespace
