#include "engine/app/AppConfig.h"
#include "engine/graphics/GLTexture.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/TestApp.h"
#include "tests/support/WidgetScreenFixture.h"

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

// On a background of its own colour; pictures are 40 x 30 with the left half
// opaque.
class ImageWidgetDrawingTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        screen->fillBackground = true;
        picture = uploadedPicture(
            40, 30, [](int x, int) { return x < 20 ? Color(200, 100, 50) : Color(0, 0, 0, 0); });
    }

    std::unique_ptr<GLTexture> picture;
};

TEST_F(ImageWidgetDrawingTest, UnrotatedDrawsAtItsCornerRotatedCentresOnItsPoint) {
    auto* image = add(std::make_unique<ImageWidget>(picture.get(), 100, 50));
    image->setTint(Color(255, 255, 0));
    app->step();
    EXPECT_EQ(seen(105, 55), Color(200, 100, 0)) << "the opaque half, tinted yellow";
    EXPECT_EQ(seen(125, 55), screen->background) << "the transparent half";
    EXPECT_EQ(seen(98, 55), screen->background);
    EXPECT_EQ(seen(105, 48), screen->background);

    // A quarter turn about (100, 50): 30 wide and 40 high around the point.
    // With rows counted down, a positive angle turns clockwise, so the
    // opaque left half comes to lie above the point.
    image->setAngle(90);
    app->step();
    EXPECT_EQ(seen(100, 40), Color(200, 100, 0));
    EXPECT_EQ(seen(100, 60), screen->background);
    EXPECT_EQ(seen(110, 40), Color(200, 100, 0));
    EXPECT_EQ(seen(120, 40), screen->background) << "15 pixels right of the point is off it";
    EXPECT_EQ(seen(105, 55), screen->background) << "no longer at its corner";
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
