#include "engine/ui/TextLabel.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"

#include <gtest/gtest.h>

namespace {

const Color Ink(10, 20, 30, 255);
const Color Box(0, 0, 90, 128);
const Color Shade(0, 0, 0, 100);

// "Hi" is 12 pixels wide in the test font, whose lines are 20 high.
struct Drawn {
    WidgetRect box;
    std::vector<FixedWidthFont::DrawnText> texts;
};

Drawn draw(const std::string& text, int alignMode, int width, int height,
           const Color& shadow = TextLabel::NoShadow) {
    FixedWidthFont font;
    TextLabel label(text, &font, alignMode, Ink, Box, shadow);
    label.setBounds(300, 400, width, height);
    RecordingGraphics graphics;
    label.render(graphics, nullptr);
    const RecordedCall* fill = graphics.find("fillRect");
    EXPECT_NE(fill, nullptr);
    EXPECT_EQ(graphics.count("fillRect"), 1);
    Drawn out;
    if (fill) {
        EXPECT_EQ(fill->color, Box);
        out.box = WidgetRect(fill->intArg(0), fill->intArg(1), 0, fill->intArg(2), fill->intArg(3));
    }
    out.texts = font.drawn;
    return out;
}

TEST(TextLabel, AlignModesMoveTextAndBoxTogether) {
    Drawn topLeft = draw("Hi", TextLabel::TopLeft, 100, 50);
    EXPECT_EQ(topLeft.box, WidgetRect(0, 0, 0, 100, 50));
    ASSERT_EQ(topLeft.texts.size(), 1u);
    EXPECT_EQ(topLeft.texts[0].x, 0);
    EXPECT_EQ(topLeft.texts[0].y, 0);

    Drawn across = draw("Hi", TextLabel::CentredHorizontally, 100, 50);
    EXPECT_EQ(across.box, WidgetRect(44, 0, 0, 100, 50)) << "the box shifts with the text";
    ASSERT_EQ(across.texts.size(), 1u);
    EXPECT_EQ(across.texts[0].x, 44);
    EXPECT_EQ(across.texts[0].y, 0);

    Drawn centred = draw("Hi", TextLabel::Centred, 100, 50);
    EXPECT_EQ(centred.box, WidgetRect(44, 15, 0, 100, 50));
    ASSERT_EQ(centred.texts.size(), 1u);
    EXPECT_EQ(centred.texts[0].x, 44);
    EXPECT_EQ(centred.texts[0].y, 15);
    EXPECT_EQ(centred.texts[0].text, "Hi");
    EXPECT_EQ(centred.texts[0].color, Ink);
    EXPECT_EQ(centred.texts[0].callsBefore, 1) << "text over the box";
}

TEST(TextLabel, CentringOffsetsTruncateTowardZero) {
    // 108 pixels of text in 101: -7 / 2 is -3, not -4.
    Drawn wide = draw("wwwwwwwww", TextLabel::Centred, 101, 15);
    ASSERT_EQ(wide.texts.size(), 1u);
    EXPECT_EQ(wide.texts[0].x, -3);
    EXPECT_EQ(wide.texts[0].y, -2);
    Drawn odd = draw("Hi", TextLabel::Centred, 103, 51);
    EXPECT_EQ(odd.box.x, 45);
    EXPECT_EQ(odd.box.y, 15);
}

TEST(TextLabel, ShadowTwoPixelsBelowUnlessTheNoShadowColour) {
    Drawn shaded = draw("Hi", TextLabel::Centred, 100, 50, Shade);
    ASSERT_EQ(shaded.texts.size(), 2u);
    EXPECT_EQ(shaded.texts[0].color, Shade) << "shadow first";
    EXPECT_EQ(shaded.texts[0].x, 44);
    EXPECT_EQ(shaded.texts[0].y, 17);
    EXPECT_EQ(shaded.texts[1].color, Ink);
    EXPECT_EQ(shaded.texts[1].y, 15);

    EXPECT_EQ(draw("Hi", TextLabel::Centred, 100, 50, Color(255, 255, 255, 0)).texts.size(), 1u);
    // Only that exact colour means no shadow: an almost invisible white still draws one.
    Drawn faint = draw("Hi", TextLabel::TopLeft, 100, 50, Color(255, 255, 255, 1));
    ASSERT_EQ(faint.texts.size(), 2u);
    EXPECT_EQ(faint.texts[0].color, Color(255, 255, 255, 1));
    EXPECT_EQ(faint.texts[0].y, 2);
    // Transparent black is a colour like any other.
    EXPECT_EQ(draw("Hi", TextLabel::TopLeft, 100, 50, Color(0, 0, 0, 0)).texts.size(), 2u);
}

TEST(TextLabel, WithoutAFontOnlyTheBoxIsDrawn) {
    TextLabel label("Hi", nullptr, TextLabel::Centred, Ink, Box, Shade);
    label.setBounds(0, 0, 100, 50);
    RecordingGraphics graphics;
    label.render(graphics, nullptr);
    ASSERT_EQ(graphics.count("fillRect"), 1);
    EXPECT_EQ(graphics.find("fillRect")->ints, (std::vector<int>{50, 25, 100, 50}));
}

} // namespace
