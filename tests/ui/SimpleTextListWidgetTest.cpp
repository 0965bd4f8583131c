#include "engine/ui/SimpleTextListWidget.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Selections = std::vector<std::pair<int, int>>;

struct RecordingListListener : SimpleTextListListener {
    void onItemSelected(int listId, int index) override { selections.emplace_back(listId, index); }
    Selections selections;
};

// Rows of the test font are 20 pixels: 146 / 20 = 7 visible rows.
class SimpleTextListTest : public ::testing::Test {
protected:
    SimpleTextListTest() : list(&listener, 3, &font) {}

    void fill(int count) {
        for (int i = 0; i < count; ++i) {
            list.addItem("item" + std::to_string(i));
        }
    }

    FixedWidthFont font;
    RecordingListListener listener;
    SimpleTextListWidget list;
};

TEST_F(SimpleTextListTest, AsManyRowsAsFitInto146Pixels) {
    EXPECT_EQ(list.visibleRows(), 7);
    EXPECT_EQ(list.width(), 220);
    EXPECT_EQ(list.height(), 140);
    FixedWidthFont tall(30);
    SimpleTextListWidget tallList(&listener, 0, &tall);
    EXPECT_EQ(tallList.visibleRows(), 4);
    EXPECT_EQ(tallList.height(), 120);

    SimpleTextListWidget noFont(&listener, 0, nullptr);
    EXPECT_EQ(noFont.visibleRows(), 0);
    noFont.addItem("a");
    noFont.select(0);
    RecordingGraphics graphics;
    noFont.render(graphics, nullptr);
    EXPECT_TRUE(graphics.calls().empty());
}

TEST_F(SimpleTextListTest, SelectNotifiesAndAnyIndexOutsideClearsSilently) {
    fill(3);
    list.select(1);
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(listener.selections, (Selections{{3, 1}}));
    list.select(-1);
    EXPECT_EQ(list.selected(), -1);
    list.select(2);
    list.select(3);
    EXPECT_EQ(list.selected(), -1) << "one past the end";
    EXPECT_EQ(listener.selections, (Selections{{3, 1}, {3, 2}})) << "clearing is silent";
}

TEST_F(SimpleTextListTest, SelectingScrollsTheRowIntoView) {
    fill(12);
    list.select(9);
    EXPECT_EQ(list.top(), 3) << "the row becomes the last visible one";
    list.select(5);
    EXPECT_EQ(list.top(), 3) << "already visible: no scrolling";
    list.select(1);
    EXPECT_EQ(list.top(), 1) << "the row becomes the first visible one";
    list.select(11);
    EXPECT_EQ(list.top(), 5);
}

TEST_F(SimpleTextListTest, RemovingAdjustsTheSelectionAndAlwaysReports) {
    fill(5);
    list.select(2);
    listener.selections.clear();

    list.removeItem(4);
    EXPECT_EQ(list.selected(), 2) << "an item after the selection";
    list.removeItem(0);
    EXPECT_EQ(list.selected(), 1) << "an item before the selection";
    EXPECT_EQ(list.getItem(1), "item2") << "still the same item";
    list.removeItem(1);
    EXPECT_EQ(list.selected(), 1) << "the selected item, not the last: its successor";
    EXPECT_EQ(list.getItem(1), "item3");
    list.removeItem(1);
    EXPECT_EQ(list.selected(), 0) << "the selected last item: the selection moves up";
    list.removeItem(0);
    EXPECT_EQ(list.selected(), -1) << "the list is empty";
    EXPECT_EQ(listener.selections, (Selections{{3, 2}, {3, 1}, {3, 1}, {3, 0}, {3, -1}}));

    list.removeItem(0);
    list.removeItem(-1);
    EXPECT_EQ(listener.selections.size(), 5u) << "outside the list nothing happens";
}

TEST_F(SimpleTextListTest, RemovingNearTheEndKeepsTheVisibleRowsFilled) {
    fill(10);
    list.select(9);
    ASSERT_EQ(list.top(), 3);
    list.removeItem(0);
    EXPECT_EQ(list.top(), 2);
    EXPECT_EQ(list.selected(), 8);
    list.removeItem(8);
    EXPECT_EQ(list.top(), 1);
    list.removeItem(1);
    list.removeItem(1);
    EXPECT_EQ(list.top(), 0);
}

TEST_F(SimpleTextListTest, ItemAccessOutsideTheListIsHarmless) {
    EXPECT_EQ(list.addItem("a"), 1);
    EXPECT_EQ(list.addItem("b"), 2);
    list.setItem(1, "B");
    list.setItem(2, "C");
    list.setItem(-1, "Z");
    EXPECT_EQ(list.itemCount(), 2);
    EXPECT_EQ(list.getItem(1), "B");
    EXPECT_EQ(list.getItem(2), "");
    EXPECT_EQ(list.getItem(-1), "");
}

TEST_F(SimpleTextListTest, DrawsVisibleRowsWithTheSelectionHighlighted) {
    fill(10);
    list.setLineSpacing(4);
    list.setRowOffset(2, 1);
    list.select(8); // top 2: rows 2..8 visible
    RecordingGraphics graphics;
    list.render(graphics, nullptr);
    ASSERT_EQ(font.drawn.size(), 7u);
    EXPECT_EQ(font.drawn[0].text, "item2");
    EXPECT_EQ(font.drawn[0].y, 0);
    EXPECT_EQ(font.drawn[6].text, "item8");
    EXPECT_EQ(font.drawn[6].y, 6 * 24);
    EXPECT_EQ(font.drawn[0].x, 92) << "centred by default: \"item2\" is 36 pixels";
    EXPECT_EQ(font.drawn[0].color, Color(255, 255, 255, 255));
    ASSERT_EQ(graphics.count("fillRect"), 1);
    const RecordedCall* highlight = graphics.find("fillRect");
    EXPECT_EQ(highlight->ints, (std::vector<int>{2, 1 + 6 * 24, 220, 20}));
    EXPECT_EQ(highlight->color, Color(127, 100, 100, 127));
    EXPECT_EQ(font.drawn[6].callsBefore, 1) << "text over the highlight";

    font.drawn.clear();
    list.setAlign(SimpleTextListWidget::AlignRight);
    list.render(graphics, nullptr);
    EXPECT_EQ(font.drawn.at(0).x, 184);
    font.drawn.clear();
    list.setAlign(SimpleTextListWidget::AlignLeft);
    list.render(graphics, nullptr);
    EXPECT_EQ(font.drawn.at(0).x, 0);
}

TEST_F(SimpleTextListTest, RowPicturesReplaceTheHighlight) {
    auto row = blockTexture(220, 20, 220, 20);
    auto selectedRow = blockTexture(220, 20, 220, 20);
    fill(3);
    list.setRowTexture(row.get());
    list.setSelectedRowTexture(selectedRow.get());
    list.setRowOffset(-5, 2);
    list.select(1);
    RecordingGraphics graphics;
    list.render(graphics, nullptr);
    const auto drawn = graphics.findAll("drawTexture");
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0]->texture, row.get());
    EXPECT_EQ(drawn[0]->ints, (std::vector<int>{-5, 2}));
    EXPECT_EQ(drawn[1]->texture, selectedRow.get());
    EXPECT_EQ(drawn[1]->ints, (std::vector<int>{-5, 22}));
    EXPECT_EQ(drawn[2]->texture, row.get());
    EXPECT_EQ(graphics.count("fillRect"), 0);
}

class SimpleTextListClickTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        list = add(std::make_unique<SimpleTextListWidget>(&listener, 5, &font));
        list->setPosition(50, 40);
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            list->addItem(name);
        }
    }

    FixedWidthFont font;
    RecordingListListener listener;
    SimpleTextListWidget* list = nullptr;
};

TEST_F(SimpleTextListClickTest, ClickSelectsTheRowUnderThePointer) {
    app->pushClick(100, 40 + 25);
    app->step();
    EXPECT_EQ(list->selected(), 1);
    EXPECT_EQ(listener.selections, (Selections{{5, 1}}));

    list->setLineSpacing(5);
    app->pushClick(60, 40 + 50);
    app->step();
    EXPECT_EQ(list->selected(), 2) << "rows are line height plus spacing apart";
}

TEST_F(SimpleTextListClickTest, ClickBelowTheLastItemChangesNothing) {
    list->select(0);
    listener.selections.clear();
    app->pushClick(100, 40 + 3 * 20 + 5);
    app->pushClick(100, 40 + 139);
    app->step();
    EXPECT_EQ(list->selected(), 0);
    EXPECT_TRUE(listener.selections.empty());
}

TEST_F(SimpleTextListClickTest, ClickOnAScrolledListCountsFromTheFirstVisibleRow) {
    for (int i = 0; i < 9; ++i) {
        list->addItem("more");
    }
    list->select(11); // top 5
    listener.selections.clear();
    app->pushClick(100, 40 + 5);
    app->step();
    EXPECT_EQ(list->selected(), 5);
    EXPECT_EQ(listener.selections, (Selections{{5, 5}}));
}

} // namespace
