#include "engine/app/AppConfig.h"
#include "engine/graphics/GLTexture.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/TestApp.h"

#include <gtest/gtest.h>

namespace {

// A 40 x 30 picture whose left half is opaque and right half fully transparent.
std::unique_ptr<GLTexture> halfOpaqueTexture() {
    auto image = std::make_unique<PixelImage>(40, 30, Color(0, 0, 0, 0));
    image->fillArea(0, 0, 20, 30, Color(200, 100, 50, 255));
    return GLTexture::fromKeptImage(std::move(image));
}

struct RecordingButtonListener : QuillButtonListener {
    void buttonEvent(int id, int code) override { events.emplace_back(id, code); }
    std::vector<std::pair<int, int>> events;
};

TEST(ImageWidget, TakesTheTextureSizeUnlessZeroSized) {
    auto texture = halfOpaqueTexture();
    ImageWidget sized(texture.get(), 5, 6);
    EXPECT_EQ(sized.rect(), WidgetRect(5, 6, 0, 40, 30));
    ImageWidget zero(texture.get(), 5, 6, true);
    EXPECT_EQ(zero.width(), 0);
    EXPECT_EQ(zero.height(), 0);
    zero.setTexture(texture.get());
    EXPECT_EQ(zero.width(), 40);
    ImageWidget none(nullptr, 1, 2);
    EXPECT_EQ(none.width(), 0);
    RecordingGraphics graphics;
    none.render(graphics, nullptr);
    EXPECT_TRUE(graphics.calls().empty()) << "no texture, nothing drawn";
}

TEST(ImageWidget, UnrotatedDrawsAtItsCornerRotatedCentresOnItsPoint) {
    auto texture = halfOpaqueTexture();
    ImageWidget image(texture.get(), 100, 50);
    image.setTint(Color(10, 20, 30, 40));
    RecordingGraphics graphics;
    image.render(graphics, nullptr);
    ASSERT_EQ(graphics.count("drawTexture"), 1);
    EXPECT_EQ(graphics.find("drawTexture")->ints, (std::vector<int>{0, 0}));
    EXPECT_EQ(graphics.find("drawTexture")->color, Color(10, 20, 30, 40));
    EXPECT_EQ(graphics.count("rotate"), 0);

    graphics.clearCalls();
    graphics.translate(100, 50); // what the manager does before render
    graphics.clearCalls();
    image.setAngle(30);
    image.render(graphics, nullptr);
    EXPECT_EQ(graphics.names(),
              (std::vector<std::string>{"pushTransform", "resetTransform", "translate", "rotate",
                                        "translate", "drawTexture", "drawTextureRegion",
                                        "drawTextureRegionScaled", "popTransform"}));
    const RecordedCall* rotate = graphics.find("rotate");
    EXPECT_FLOAT_EQ(rotate->floatArg(0), 30);
    EXPECT_FLOAT_EQ(rotate->floatArg(3), 1) << "about the z axis";
    const RecordedCall* centre = graphics.find("translate", 1);
    EXPECT_FLOAT_EQ(centre->floatArg(0), -20);
    EXPECT_FLOAT_EQ(centre->floatArg(1), -15);
    EXPECT_FLOAT_EQ(graphics.find("translate", 0)->floatArg(0), 100);
}

TEST(ClickableImageWidget, PixelPreciseHitsOnlyOpaquePixelsOfThePicture) {
    auto texture = halfOpaqueTexture();
    ClickableImageWidget widget(texture.get());
    widget.setPosition(10, 10);
    EXPECT_TRUE(widget.hitTest(45, 20)) << "rectangle test by default";

    widget.setPixelPrecise(true);
    EXPECT_TRUE(widget.hitTest(10, 10));
    EXPECT_TRUE(widget.hitTest(29, 39));
    EXPECT_FALSE(widget.hitTest(30, 20)) << "transparent half";
    EXPECT_FALSE(widget.hitTest(9, 20));
    EXPECT_FALSE(widget.hitTest(20, 40)) << "below the picture";

    // The widget may be larger than the picture; outside the picture is no hit.
    widget.setSize(200, 200);
    EXPECT_FALSE(widget.hitTest(100, 100));

    ClickableImageWidget empty(nullptr);
    empty.setPixelPrecise(true);
    EXPECT_FALSE(empty.hitTest(0, 0));
}

TEST(ClickableImageWidget, ReportsPressAndReleaseToItsListener) {
    AppConfig::reset();
    TestApp app;
    app.setMousePosition(-1, -1);
    auto texture = halfOpaqueTexture();
    ClickableImageWidget widget(texture.get());
    RecordingButtonListener listener;
    widget.setListener(&listener);
    widget.setId(7);
    widget.setPixelPrecise(true);
    WidgetManager manager(nullptr);
    manager.addWidget(&widget);

    MouseEvent e;
    e.x = 30; // transparent: nobody there
    e.y = 5;
    manager.mouseEvent(e);
    EXPECT_TRUE(listener.events.empty());
    e.x = 5;
    manager.mouseEvent(e);
    e.type = MouseEvent::ButtonUp;
    manager.mouseEvent(e);
    manager.removeWidget(&widget);
    EXPECT_EQ(listener.events, (std::vector<std::pair<int, int>>{{7, 0}, {7, 1}}));
}

} // namespace
