#include "engine/ui/CustomSliderWidget.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct RecordingSliderListener : CustomSliderListener {
    void onSliderChanged(int sliderId, float value) override {
        changes.emplace_back(sliderId, value);
    }
    std::vector<std::pair<int, float>> changes;

    std::vector<float> values() const {
        std::vector<float> out;
        for (const auto& change : changes) {
            out.push_back(change.second);
        }
        return out;
    }
};

// A 200 x 10 rail and a 20 x 30 thumb.
class CustomSliderTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        slider = add(
            std::make_unique<CustomSliderWidget>(7, &listener, 100, 200, rail.get(), thumb.get()));
    }

    std::unique_ptr<GLTexture> rail = blockTexture(200, 10, 200, 10);
    std::unique_ptr<GLTexture> thumb = blockTexture(20, 30, 20, 30);
    RecordingSliderListener listener;
    CustomSliderWidget* slider = nullptr;
};

TEST_F(CustomSliderTest, TakesTheRailsSizeAndStartsAtZero) {
    EXPECT_EQ(slider->rect(), WidgetRect(100, 200, slider->z(), 200, 10));
    EXPECT_FLOAT_EQ(slider->value(), 0);
    EXPECT_EQ(slider->sliderId(), 7);
}

TEST_F(CustomSliderTest, DragPastEitherEndPinsTheValueAndKeepsNotifying) {
    // The 20-pixel thumb is held by its middle: (160 - 100 - 10) / 200 at the press.
    // At (450, 300) the pointer is off the widget: the manager keeps sending the moves.
    input().drag({{160, 205}, {400, 205}, {450, 300}, {270, 205}, {40, 205}, {10, 400}});
    app->step();
    EXPECT_EQ(listener.values(), (std::vector<float>{0.25f, 1, 1, 0.8f, 0, 0}));
    EXPECT_EQ(listener.changes.front().first, 7);
    EXPECT_FLOAT_EQ(slider->value(), 0);
    EXPECT_FALSE(slider->isDragging());

    app->pushMotion(150, 205);
    app->step();
    EXPECT_EQ(listener.changes.size(), 6u) << "moves after the release do not slide";
}

TEST_F(CustomSliderTest, ThePointerHoldsTheThumbByItsMiddle) {
    // The 20-pixel thumb hangs 10 pixels left of its value: its middle is on
    // the rail's point for the value.
    slider->setThumbOffset(-10, -10);
    input().clickAt(200, 205);
    app->step();
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_FLOAT_EQ(listener.changes[0].second, 0.5f) << "the rail's middle is one half";
    EXPECT_EQ(190, slider->thumbX() + slider->x()) << "the thumb centred on the pointer";

    slider->setThumbOffset(0, -10);
    input().clickAt(130, 205);
    app->step();
    ASSERT_EQ(listener.changes.size(), 2u);
    EXPECT_FLOAT_EQ(listener.changes[1].second, 0.1f) << "(130 - 100 - 0 - 10) / 200";
}

TEST_F(CustomSliderTest, RailAndThumbBothTakeClicks) {
    EXPECT_TRUE(slider->hitTest(100, 200));
    EXPECT_TRUE(slider->hitTest(299, 209));
    EXPECT_FALSE(slider->hitTest(300, 200));
    EXPECT_FALSE(slider->hitTest(99, 205));
    EXPECT_FALSE(slider->hitTest(150, 210));

    // At 0.5 with offset (-10, -10) the thumb covers x 190..209 and y 190..219.
    slider->setThumbOffset(-10, -10);
    slider->setValue(0.5f);
    EXPECT_TRUE(slider->hitTest(195, 190)) << "thumb above the rail";
    EXPECT_TRUE(slider->hitTest(209, 219)) << "thumb below the rail";
    EXPECT_FALSE(slider->hitTest(210, 195));
    EXPECT_FALSE(slider->hitTest(189, 195));
    EXPECT_FALSE(slider->hitTest(195, 220));
    EXPECT_FALSE(slider->hitTest(195, 189));
    slider->setValue(0);
    EXPECT_TRUE(slider->hitTest(90, 195)) << "the thumb may hang off the rail's left end";

    // A press on the thumb above the rail grabs the slider without a jump.
    slider->setValue(0.5f);
    input().clickAt(200, 192);
    app->step();
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_FLOAT_EQ(listener.changes[0].second, 0.5f);
}

TEST_F(CustomSliderTest, SetValueIsSilentAndStaysOnTheRail) {
    slider->setValue(0.3f);
    EXPECT_FLOAT_EQ(slider->value(), 0.3f);
    slider->setValue(1.5f);
    EXPECT_FLOAT_EQ(slider->value(), 1);
    slider->setValue(-2);
    EXPECT_FLOAT_EQ(slider->value(), 0);
    EXPECT_TRUE(listener.changes.empty());
}

TEST_F(CustomSliderTest, DrawsRailFillCopiesUpToTheValueAndTheThumb) {
    auto fillPiece = blockTexture(30, 8, 30, 8);
    slider->setFillTexture(fillPiece.get(), 3, 1);
    slider->setThumbOffset(-10, -5);
    slider->setValue(0.5f); // 100 pixels of rail: 3.33 pieces, so 4 copies
    RecordingGraphics graphics;
    slider->render(graphics, nullptr);
    const auto drawn = graphics.findAll("drawTexture");
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0]->texture, rail.get());
    EXPECT_EQ(drawn[0]->ints, (std::vector<int>{0, 0}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(drawn[std::size_t(1 + i)]->texture, fillPiece.get());
        EXPECT_EQ(drawn[std::size_t(1 + i)]->ints, (std::vector<int>{3 + 30 * i, 1}));
    }
    EXPECT_EQ(drawn[5]->texture, thumb.get());
    EXPECT_EQ(drawn[5]->ints, (std::vector<int>{90, -5}));
    for (const RecordedCall* call : drawn) {
        EXPECT_EQ(call->color, Color(255, 255, 255, 255));
    }

    graphics.clearCalls();
    slider->setValue(0.75f); // exactly 5 pieces: i < 5
    slider->render(graphics, nullptr);
    EXPECT_EQ(graphics.count("drawTexture"), 7);
    graphics.clearCalls();
    slider->setValue(0.333f); // 66.6 - 10 truncates to 56
    slider->render(graphics, nullptr);
    EXPECT_EQ(graphics.last("drawTexture")->ints, (std::vector<int>{56, -5}));
}

TEST(CustomSliderWidget, WithoutPicturesItDrawsNothingAndIsNeverHit) {
    CustomSliderWidget slider(0, nullptr, 10, 10, nullptr, nullptr);
    EXPECT_EQ(slider.width(), 0);
    EXPECT_FALSE(slider.hitTest(10, 10));
    MouseEvent press;
    press.x = 50;
    slider.mousePressed(press);
    EXPECT_FLOAT_EQ(slider.value(), 0);
    RecordingGraphics graphics;
    slider.render(graphics, nullptr);
    EXPECT_TRUE(graphics.calls().empty());
}

} // namespace
