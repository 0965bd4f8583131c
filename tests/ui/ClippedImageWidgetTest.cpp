#include "engine/ui/ClippedImageWidget.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/ui/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> withoutDrawing(const RecordingGraphics& graphics) {
    std::vector<std::string> names = graphics.names();
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& n) {
                                   return n == "drawTextureRegion" ||
                                          n == "drawTextureRegionScaled";
                               }),
                names.end());
    return names;
}

TEST(ClippedImageWidget, ClipsItsDrawingToTheRectangleAndSwitchesClippingOffAfter) {
    auto picture = blockTexture(40, 30, 40, 30);
    ClippedImageWidget image(picture.get(), 15, 25);
    image.setTint(Color(9, 8, 7, 6));
    image.setClip(10, 20, 30, 0);
    RecordingGraphics graphics;
    image.render(graphics, nullptr);
    EXPECT_EQ(withoutDrawing(graphics), (std::vector<std::string>{"setClipping", "setClipRect",
                                                                  "drawTexture", "setClipping"}));
    EXPECT_EQ(graphics.find("setClipping", 0)->ints, std::vector<int>{1});
    EXPECT_EQ(graphics.find("setClipRect")->ints, (std::vector<int>{10, 20, 30, 0}));
    EXPECT_EQ(graphics.find("setClipping", 1)->ints, std::vector<int>{0});
    EXPECT_EQ(graphics.find("drawTexture")->ints, (std::vector<int>{0, 0}));
    EXPECT_EQ(graphics.find("drawTexture")->color, Color(9, 8, 7, 6));

    // A rotated image is clipped as a whole too.
    image.setAngle(45);
    graphics.clearCalls();
    image.render(graphics, nullptr);
    EXPECT_EQ(graphics.names().front(), "setClipping");
    EXPECT_EQ(graphics.names().back(), "setClipping");
    EXPECT_EQ(graphics.count("rotate"), 1);
}

TEST(ClippedImageWidget, AnyNegativeClipValueDrawsExactlyLikeAnImage) {
    auto picture = blockTexture(40, 30, 40, 30);
    ImageWidget plain(picture.get(), 15, 25);
    plain.setAngle(30);
    RecordingGraphics expected;
    plain.render(expected, nullptr);

    ClippedImageWidget image(picture.get(), 15, 25);
    image.setAngle(30);
    const int clips[][4] = {
        {-1, -1, -1, -1}, {-1, 0, 10, 10}, {0, -1, 10, 10}, {0, 0, -1, 10}, {0, 0, 10, -1}};
    for (const auto& clip : clips) {
        image.setClip(clip[0], clip[1], clip[2], clip[3]);
        RecordingGraphics graphics;
        image.render(graphics, nullptr);
        EXPECT_EQ(graphics.names(), expected.names());
        EXPECT_EQ(graphics.find("rotate")->floats, expected.find("rotate")->floats);
        EXPECT_EQ(graphics.count("setClipping"), 0);
    }
    EXPECT_EQ(image.rect(), WidgetRect(15, 25, 0, 40, 30));
}

TEST(ClippedImageWidget, WithoutAPictureNothingIsDrawn) {
    ClippedImageWidget image(nullptr);
    image.setClip(0, 0, 10, 10);
    RecordingGraphics graphics;
    image.render(graphics, nullptr);
    EXPECT_EQ(graphics.count("drawTexture"), 0);
    EXPECT_EQ(graphics.count("setClipping"), 2) << "clipping is still switched back off";
}

} // namespace
