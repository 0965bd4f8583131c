#include "engine/ui/DraggableImageWidget.h"
#include "engine/ui/MouseListeningWidget.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Events = std::vector<std::pair<int, int>>;

struct RecordingPieceListener : SimpleButtonListener {
    void buttonEvent(int id, int code) override { events.emplace_back(id, code); }
    Events events;
};

// Pieces are 40 x 30 pictures whose left half is opaque.
class DraggableImageTest : public WidgetScreenFixture {
protected:
    DraggableImageWidget* addPiece(int id, int x, int y) {
        return add(std::make_unique<DraggableImageWidget>(picture.get(), &listener, id, x, y));
    }

    std::unique_ptr<GLTexture> picture = blockTexture(40, 30, 20, 30);
    RecordingPieceListener listener;
};

TEST_F(DraggableImageTest, FollowsThePointerOffItsAreaAndReportsPressAndDrop) {
    DraggableImageWidget* piece = addPiece(9, 100, 100);
    EXPECT_EQ(piece->width(), 40);
    EXPECT_EQ(piece->height(), 30);
    const int depth = piece->z();

    input().pressAt(110, 105);
    app->step();
    EXPECT_EQ(listener.events, (Events{{9, 0}}));
    EXPECT_TRUE(piece->isDragging());

    // Each move lands far from where the piece still is.
    input().dragTo(400, 300);
    app->step();
    EXPECT_EQ(piece->x(), 390) << "the grabbed point stays under the pointer";
    EXPECT_EQ(piece->y(), 295);
    input().dragTo(20, 420).releaseAt(20, 420);
    app->step();
    EXPECT_EQ(piece->rect(), WidgetRect(10, 415, piece->z(), 40, 30)) << "size kept";
    EXPECT_GT(piece->z(), depth) << "raised when grabbed";
    EXPECT_EQ(listener.events, (Events{{9, 0}, {9, 4}}));
    EXPECT_FALSE(piece->isDragging());

    app->pushMotion(200, 200);
    app->step();
    EXPECT_EQ(piece->x(), 10) << "no drag without a press";
}

TEST_F(DraggableImageTest, GrabbingRaisesThePieceUnlessItKeepsItsDepth) {
    DraggableImageWidget* low = addPiece(1, 100, 100);
    DraggableImageWidget* high = addPiece(2, 300, 100);
    ASSERT_LT(low->z(), high->z());
    input().clickAt(105, 105);
    app->step();
    EXPECT_GT(low->z(), high->z());

    high->setKeepDepth(true);
    const int highDepth = high->z();
    input().clickAt(305, 105);
    app->step();
    EXPECT_EQ(high->z(), highDepth);
    EXPECT_EQ(listener.events, (Events{{1, 0}, {1, 4}, {2, 0}, {2, 4}}));
}

TEST_F(DraggableImageTest, OnlyOpaquePixelsTakeThePress) {
    DraggableImageWidget* piece = addPiece(3, 100, 100);
    EXPECT_TRUE(piece->hitTest(100, 100));
    EXPECT_TRUE(piece->hitTest(119, 129));
    EXPECT_FALSE(piece->hitTest(120, 110)) << "transparent half";
    EXPECT_FALSE(piece->hitTest(99, 110));
    EXPECT_FALSE(piece->hitTest(110, 130));

    input().clickAt(130, 110);
    app->step();
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(screen->widgetManager().focused(), static_cast<Widget*>(screen->rootWidget()))
        << "the click fell through";

    // A widget stretched past its picture is still only hit on the picture.
    piece->setSize(200, 200);
    EXPECT_FALSE(piece->hitTest(110, 250));
    DraggableImageWidget empty(nullptr, nullptr, 0, 0, 0);
    empty.setSize(10, 10);
    EXPECT_FALSE(empty.hitTest(1, 1));
}

} // namespace
