#include "tests/support/RecordingGraphics.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const Color kRed(255, 0, 0);
const Color kBlue(0, 0, 255);

TEST(RecordingGraphicsTest, KeepsCallsInOrderWithTheirArguments) {
    RecordingGraphics graphics;
    graphics.fillRect(1, 2, 3, 4, kRed);
    graphics.drawLine(Point(1, 2), Point(3, 4), 2.5f, true, kBlue);
    graphics.setClipping(true);
    graphics.rotate(90, 0, 0, 1);

    EXPECT_EQ((std::vector<std::string>{"fillRect", "drawLine", "setClipping", "rotate"}),
              graphics.names());
    const RecordedCall* fill = graphics.find("fillRect");
    ASSERT_NE(nullptr, fill);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), fill->ints);
    EXPECT_EQ(kRed, fill->color);
    EXPECT_TRUE(fill->hasColor);

    const RecordedCall* line = graphics.find("drawLine");
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(Point(3, 4), line->point(1));
    EXPECT_FLOAT_EQ(2.5f, line->floatArg(0));
    EXPECT_EQ(1, line->intArg(0));
    EXPECT_EQ(kBlue, line->color);

    EXPECT_EQ(1, graphics.find("setClipping")->intArg(0));
    EXPECT_FALSE(graphics.find("setClipping")->hasColor);
    EXPECT_EQ((std::vector<float>{90, 0, 0, 1}), graphics.find("rotate")->floats);
    EXPECT_THROW(fill->intArg(4), std::out_of_range);
}

TEST(RecordingGraphicsTest, FindsCallsByNameAndPosition) {
    RecordingGraphics graphics;
    graphics.fillRect(1, 0, 0, 0, kRed);
    graphics.clear();
    graphics.fillRect(2, 0, 0, 0, kRed);
    graphics.fillRect(3, 0, 0, 0, kRed);

    EXPECT_EQ(3, graphics.count("fillRect"));
    EXPECT_EQ(1, graphics.count("clear"));
    EXPECT_EQ(0, graphics.count("present"));
    EXPECT_EQ(1, graphics.find("fillRect")->intArg(0));
    EXPECT_EQ(2, graphics.find("fillRect", 1)->intArg(0));
    EXPECT_EQ(nullptr, graphics.find("fillRect", 3));
    EXPECT_EQ(3, graphics.last("fillRect")->intArg(0));
    EXPECT_EQ(nullptr, graphics.last("present"));
    ASSERT_EQ(3u, graphics.findAll("fillRect").size());
    EXPECT_EQ(2, graphics.findAll("fillRect")[1]->intArg(0));

    graphics.clearCalls();
    EXPECT_TRUE(graphics.calls().empty());
    EXPECT_EQ(nullptr, graphics.find("fillRect"));
}

TEST(RecordingGraphicsTest, TracksTheTranslationThroughPushAndPop) {
    RecordingGraphics graphics;
    graphics.translate(10, 20);
    graphics.pushTransform();
    graphics.translate(5, 5);
    graphics.fillRect(1, 2, 3, 4, kRed);
    graphics.pushTransform();
    graphics.translate(100, 0);
    EXPECT_EQ(2, graphics.transformDepth());
    EXPECT_FLOAT_EQ(115, graphics.translationX());
    graphics.popTransform();
    graphics.fillTriangle(Point(1, 1), Point(2, 2), Point(3, 1), kRed);
    graphics.popTransform();
    graphics.fillRect(0, 0, 1, 1, kBlue);

    const RecordedCall* first = graphics.find("fillRect");
    EXPECT_FLOAT_EQ(15, first->tx);
    EXPECT_FLOAT_EQ(25, first->ty);
    EXPECT_FLOAT_EQ(16, first->screenX());
    EXPECT_FLOAT_EQ(27, first->screenY());

    const RecordedCall* triangle = graphics.find("fillTriangle");
    EXPECT_FLOAT_EQ(16, triangle->screenX());
    EXPECT_FLOAT_EQ(26, triangle->screenY());

    const RecordedCall* after = graphics.last("fillRect");
    EXPECT_FLOAT_EQ(10, after->tx);
    EXPECT_FLOAT_EQ(20, after->ty);
    EXPECT_EQ(0, graphics.transformDepth());
    EXPECT_EQ(2, graphics.pushCount());
    EXPECT_EQ(2, graphics.popCount());

    graphics.resetTransform();
    EXPECT_FLOAT_EQ(0, graphics.translationX());
    EXPECT_FLOAT_EQ(0, graphics.translationY());
}

TEST(RecordingGraphicsTest, UnbalancedPopIsCountedAndKeepsTheTranslation) {
    RecordingGraphics graphics;
    graphics.translate(3, 4);
    graphics.popTransform();
    EXPECT_FLOAT_EQ(3, graphics.translationX());
    EXPECT_FLOAT_EQ(4, graphics.translationY());
    EXPECT_EQ(0, graphics.pushCount());
    EXPECT_EQ(1, graphics.popCount());
}

TEST(RecordingGraphicsTest, OperationsWithoutAPlaceHaveNoScreenPosition) {
    RecordingGraphics graphics;
    graphics.setClipRect(1, 2, 3, 4);
    graphics.translate(1, 1);
    EXPECT_THROW(graphics.find("setClipRect")->screenX(), std::logic_error);
    EXPECT_THROW(graphics.find("translate")->screenY(), std::logic_error);
}

TEST(RecordingGraphicsTest, DumpListsEveryCallReadably) {
    RecordingGraphics graphics;
    graphics.translate(5, 0);
    graphics.fillRect(1, 2, 3, 4, kRed);
    const std::string text = graphics.dump();
    EXPECT_NE(std::string::npos, text.find("translate floats{5,0}\n")) << text;
    EXPECT_NE(std::string::npos, text.find("fillRect ints{1,2,3,4} color(255,0,0,255) at(5,0)\n"))
        << text;
}

} // namespace
