#include "engine/ui/TextLabelEx.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"

#include <gtest/gtest.h>

namespace {

const Color Ink(10, 20, 30, 255);
const Color Box(0, 0, 90, 128);

class TextLabelExTest : public ::testing::Test {
protected:
    TextLabelExTest() : label("Hi", &font, Ink, Box) { label.setBounds(300, 400, 100, 60); }

    void render() {
        font.drawn.clear();
        graphics.clearCalls();
        label.render(graphics, nullptr);
    }

    FixedWidthFont font;
    TextLabelEx label;
    RecordingGraphics graphics;
};

TEST_F(TextLabelExTest, BoxFillsTheWidgetAndTextIsCentredBothWaysByDefault) {
    render();
    ASSERT_EQ(graphics.count("fillRect"), 1);
    EXPECT_EQ(graphics.find("fillRect")->ints, (std::vector<int>{0, 0, 100, 60}));
    EXPECT_EQ(graphics.find("fillRect")->color, Box);
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].x, 44) << "(100 - 12) / 2, in the widget's own coordinates";
    EXPECT_EQ(font.drawn[0].y, 20);
    EXPECT_EQ(font.drawn[0].color, Ink);
    EXPECT_EQ(font.drawn[0].callsBefore, 1);
}

TEST_F(TextLabelExTest, AlignmentCodesPlaceTheText) {
    label.setAlignment(0, 0);
    render();
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].x, 0);
    EXPECT_EQ(font.drawn[0].y, 0);

    label.setAlignment(1, 4);
    render();
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].x, 88);
    EXPECT_EQ(font.drawn[0].y, 40);
}

TEST_F(TextLabelExTest, WrapsToTheWidgetWidthUnlessSwitchedOff) {
    label.setText("aaaa bbbb cccc"); // 112 pixels, each word 32
    render();
    ASSERT_EQ(font.drawn.size(), 2u);
    EXPECT_EQ(font.drawn[0].text, "aaaa bbbb");
    EXPECT_EQ(font.drawn[0].x, 14);
    EXPECT_EQ(font.drawn[0].y, 10);
    EXPECT_EQ(font.drawn[1].text, "cccc");
    EXPECT_EQ(font.drawn[1].y, 30);

    label.setWrap(false);
    render();
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].text, "aaaa bbbb cccc");
    EXPECT_EQ(font.drawn[0].x, -6);
}

TEST_F(TextLabelExTest, HiddenDrawsNothingAndMissingFontDrawsOnlyTheBox) {
    label.setHidden(true);
    render();
    EXPECT_TRUE(graphics.calls().empty());
    EXPECT_TRUE(font.drawn.empty());

    label.setHidden(false);
    label.setFont(nullptr);
    render();
    EXPECT_EQ(graphics.count("fillRect"), 1);
    EXPECT_TRUE(font.drawn.empty());
}

} // namespace
