// Where a text field puts its cursor, and how the blinking bar shows it.
#include "engine/ui/BlinkingVertCursor.h"
#include "engine/ui/TextInputWidget.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/RecordingGraphics.h"

#include <gtest/gtest.h>

namespace {

const Color CursorColour(200, 200, 200, 200);

// "wiü" measures 12 + 4 + 10 = 26 pixels; the ü is two bytes.
class TextInputCursorTest : public ::testing::Test {
protected:
    TextInputCursorTest() : field("wi\xC3\xBC", nullptr, 16, false) {
        field.setFont(&font);
        field.setBounds(0, 0, 100, 30);
        field.setTextPosition(5, 3);
        auto owned = std::make_unique<BlinkingVertCursor>(CursorColour, 500, 2);
        cursor = owned.get();
        field.setCursor(std::move(owned));
    }

    static KeyEvent press(int key, int unicode = 0) {
        KeyEvent event;
        event.key = key;
        event.unicode = unicode;
        return event;
    }

    FixedWidthFont font;
    TextInputWidget field;
    BlinkingVertCursor* cursor = nullptr;
};

TEST_F(TextInputCursorTest, CursorCoversTheCharacterItStandsBefore) {
    EXPECT_EQ(field.cursorRectAt(0), WidgetRect(5, 3, 0, 12, 20));
    EXPECT_EQ(field.cursorRectAt(1), WidgetRect(17, 3, 0, 4, 20));
    EXPECT_EQ(field.cursorRectAt(2), WidgetRect(21, 3, 0, 10, 20)) << "the whole ü";
}

TEST_F(TextInputCursorTest, PastTheEndTheCursorIsAsWideAsAW) {
    EXPECT_EQ(field.cursorRectAt(3), WidgetRect(31, 3, 0, 12, 20));
    EXPECT_EQ(field.cursorRectAt(7), WidgetRect(31, 3, 0, 12, 20));
    EXPECT_EQ(field.cursorRectAt(-1), WidgetRect(31, 3, 0, 12, 20));
}

TEST_F(TextInputCursorTest, CentredTextMovesCursorAndTextByHalfTheFreeWidth) {
    field.setAlign(TextInputWidget::AlignCentre);
    EXPECT_EQ(field.cursorRectAt(1).x, 17 + 37);
    EXPECT_EQ(field.cursorRectAt(3).x, 31 + 37);
    field.setSize(101, 30);
    EXPECT_EQ(field.cursorRectAt(0).x, 5 + 37) << "75 / 2 truncates";
    field.setSize(19, 30);
    EXPECT_EQ(field.cursorRectAt(0).x, 5 - 3) << "-7 / 2 truncates toward zero";

    field.setSize(100, 30);
    RecordingGraphics graphics;
    field.render(graphics, nullptr);
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].x, 5 + 37);
    EXPECT_EQ(font.drawn[0].y, 3);
}

TEST_F(TextInputCursorTest, EditsAndMovesHandTheCursorItsNewRectangle) {
    field.setActive(true);
    EXPECT_EQ(cursor->cursorRect(), field.cursorRectAt(3)) << "placed on activation";
    field.keyEvent(press(276)); // Left
    EXPECT_EQ(cursor->cursorRect(), WidgetRect(21, 3, 0, 10, 20));
    field.keyEvent(press(8, 8));
    EXPECT_EQ(field.text(), "w\xC3\xBC");
    EXPECT_EQ(cursor->cursorRect(), WidgetRect(17, 3, 0, 10, 20));
    field.keyEvent(press('x', 'x'));
    EXPECT_EQ(cursor->cursorRect(), WidgetRect(25, 3, 0, 10, 20));
    field.keyEvent(press(278)); // Home
    EXPECT_EQ(cursor->cursorRect().x, 5);
}

TEST_F(TextInputCursorTest, BlinkingBarFlipsAfterEachPeriodAndShowsAtOnceWhenMoved) {
    field.setActive(true);
    EXPECT_TRUE(cursor->isShowing());
    field.update(500, nullptr);
    EXPECT_TRUE(cursor->isShowing()) << "flips only once the period has passed";
    field.update(1, nullptr);
    EXPECT_FALSE(cursor->isShowing());
    field.update(300, nullptr);
    EXPECT_FALSE(cursor->isShowing()) << "the count starts again after a flip";
    field.update(201, nullptr);
    EXPECT_TRUE(cursor->isShowing());
    field.update(501, nullptr);
    EXPECT_FALSE(cursor->isShowing());
    field.keyEvent(press(276));
    EXPECT_TRUE(cursor->isShowing());
    field.update(400, nullptr);
    EXPECT_TRUE(cursor->isShowing()) << "the blink restarted at the move";

    field.setActive(false);
    field.update(1000, nullptr);
    EXPECT_TRUE(cursor->isShowing()) << "an inactive field does not blink";
}

TEST_F(TextInputCursorTest, BarIsDrawnAtTheCursorOnlyWhileActiveAndShowing) {
    field.setBoxColour(Color(250, 240, 230, 255));
    field.setTextColour(Color(1, 2, 3, 255));
    RecordingGraphics graphics;
    field.render(graphics, nullptr);
    EXPECT_EQ(graphics.count("fillRect"), 1) << "inactive: no bar";
    EXPECT_EQ(graphics.find("fillRect")->ints, (std::vector<int>{0, 0, 100, 30}));
    EXPECT_EQ(graphics.find("fillRect")->color, Color(250, 240, 230, 255));
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].text, "wi\xC3\xBC");
    EXPECT_EQ(font.drawn[0].x, 5);
    EXPECT_EQ(font.drawn[0].color, Color(1, 2, 3, 255));

    field.setActive(true);
    field.keyEvent(press(278));
    field.keyEvent(press(275)); // Right: before the i
    graphics.clearCalls();
    font.drawn.clear();
    field.render(graphics, nullptr);
    ASSERT_EQ(graphics.count("fillRect"), 2);
    const RecordedCall* bar = graphics.find("fillRect", 1);
    EXPECT_EQ(bar->ints, (std::vector<int>{17, 3, 2, 20})) << "bar width, line height";
    EXPECT_EQ(bar->color, CursorColour);
    EXPECT_EQ(font.drawn.at(0).callsBefore, 1) << "box, text, then the bar";

    field.update(501, nullptr);
    graphics.clearCalls();
    field.render(graphics, nullptr);
    EXPECT_EQ(graphics.count("fillRect"), 1) << "blinked off";
}

TEST(TextInputWidget, WithoutFontOrCursorNothingBreaks) {
    TextInputWidget field("abc", nullptr, 8, false);
    field.setFont(nullptr);
    field.setBounds(0, 0, 50, 20);
    field.setActive(true);
    EXPECT_EQ(field.cursorRectAt(1), WidgetRect(0, 0, 0, 0, 0));
    KeyEvent typed;
    typed.key = 'd';
    typed.unicode = 'd';
    field.keyEvent(typed);
    field.update(16, nullptr);
    EXPECT_EQ(field.text(), "abcd");
    RecordingGraphics graphics;
    field.render(graphics, nullptr);
    EXPECT_EQ(graphics.count("fillRect"), 1) << "the box alone";
}

} // namespace
