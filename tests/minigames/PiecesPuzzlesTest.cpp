// The jigsaw, the motto card, the chocolate box and the beer pipes in the
// running game, through real drags and presses: where pieces snap and where
// they stay, what a solved puzzle shows, the flood, and the automated player
// solving each from the puzzle's own data.
#include "engine/ui/ClippedImageWidget.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/DraggableImageWidget.h"
#include "engine/ui/QuillButton.h"
#include "game/minigames/MG_Screen2.h"
#include "game/minigames/MG_Screen22.h"
#include "game/minigames/MG_Screen28.h"
#include "game/scene/LarkScene.h"
#include "tests/support/PuzzleGame.h"

namespace {

constexpr const char* Minigames = "content/config/minigames/";

class PiecesPuzzlesTest : public PuzzleGame {
protected:
    // The puzzle's own next moves (as the automated player would make them),
    // acted out at once as real drags and clicks, until `done`.
    template <typename Done> bool playMoves(MiniGameBase* puzzle, Done done, int maxMoves) {
        for (int n = 0; n < maxMoves && !done(); ++n) {
            const PlayerMove move = puzzle->suggestMove();
            if (move.kind == PlayerMove::Drag) {
                dragAt(move.x, move.y, move.toX, move.toY);
            } else if (move.kind == PlayerMove::Click) {
                clickAt(move.x, move.y);
            } else {
                frame();
            }
        }
        return done();
    }
    // Drags the widget by its middle so that its corner lands at (x, y). It is
    // raised first: scattered pieces may lie on one another.
    void dragTo(Widget* widget, int x, int y) {
        widget->bringToFront();
        const int grabX = widget->width() / 2;
        const int grabY = widget->height() / 2;
        dragAt(widget->x() + grabX, widget->y() + grabY, x + grabX, y + grabY);
    }
};

TEST_F(PiecesPuzzlesTest, JigsawPiecesSnapWithinTheToleranceAndTheWholePhotoShowsAtTheEnd) {
    // Entry 9 of the flow is the jigsaw, after the Music room; the Kitchen follows.
    MG_Screen22* jigsaw =
        open(std::make_unique<MG_Screen22>(std::string(Minigames) + "screen22.xml", 3), 9);
    ASSERT_NE(nullptr, jigsaw);
    ASSERT_EQ(12u, jigsaw->pieces().size());
    ASSERT_EQ(24, jigsaw->tolerance());
    for (const auto& piece : jigsaw->pieces()) {
        const WidgetRect& skip = jigsaw->skipButton()->rect();
        EXPECT_FALSE(piece.widget->x() < skip.x + skip.width && skip.x < piece.widget->x() + 168 &&
                     piece.widget->y() < skip.y + skip.height && skip.y < piece.widget->y() + 168)
            << "no piece is scattered over SKIP";
    }
    const auto& first = jigsaw->pieces()[0]; // its place: (248, 146)
    dragTo(first.widget, 248 + 24, 146);     // exactly the tolerance away: no snap
    EXPECT_FALSE(first.placed);
    // Held by its left part and let go at the window's right edge: most of
    // the piece lies beyond it, and it comes back inside, whole.
    first.widget->bringToFront();
    dragAt(first.widget->x() + 30, first.widget->y() + 84, 1020, 300);
    EXPECT_EQ(1024 - 168, first.widget->x());
    dragTo(first.widget, 248 + 23, 146 - 23);
    EXPECT_TRUE(first.placed);
    EXPECT_EQ(1, jigsaw->placedCount());
    EXPECT_EQ(1024, first.widget->x()) << "out of reach once placed";

    ASSERT_TRUE(playMoves(
        jigsaw, [&] { return jigsaw->isFinished(); }, 40));
    frame();
    // The photograph's sky at its top-left, beside the dialog: sepia, where
    // the empty mat was deep teal.
    const Color photo = shownPixel(300, 200);
    EXPECT_GT(int(photo.r) - int(photo.b), 20) << "the photograph, not the empty mat";
    answerDialog(jigsaw);
    EXPECT_NE(nullptr, waitFor<LarkScene>()) << "the Kitchen";
    EXPECT_EQ(10, GameFlow::instance().position());
}

TEST_F(PiecesPuzzlesTest, ChocolatesSnapIntoFreeSlotsOfTheirTypeWithin40Pixels) {
    MG_Screen28* box = open(std::make_unique<MG_Screen28>(4), 10);
    ASSERT_NE(nullptr, box);
    ASSERT_EQ(12u, box->slots().size());
    const MG_Screen28::Shape& round = box->shapes()[1]; // type 1, like slot 0 at (307, 264)
    ASSERT_EQ(1, round.type);
    const MG_Screen28::Slot& slot = box->slots()[0];
    ASSERT_EQ(1, slot.type);
    const MG_Screen28::Slot& heart = box->slots()[1]; // type 2: never takes a round one
    dragTo(round.widget, heart.x, heart.y);
    EXPECT_FALSE(box->slots()[1].filled);
    dragTo(round.widget, slot.x + 40, slot.y); // 40 px off: stays where dropped
    EXPECT_FALSE(slot.filled);
    EXPECT_EQ(slot.x + 40, round.widget->x());
    EXPECT_TRUE(round.widget->isEnabled()) << "and can be picked up again";
    dragTo(round.widget, slot.x + 39, slot.y);
    EXPECT_TRUE(slot.filled);
    EXPECT_EQ(slot.x, round.widget->x());
    EXPECT_FALSE(round.widget->isEnabled()) << "fixed in the box";

    // A white praline held 24 px right of a free square slot: a pale copy
    // shows in the slot's dark cavity where it would land, and the drop snaps.
    const MG_Screen28::Shape& square = box->shapes()[2]; // type 3, like slot 2 at (527, 264)
    const MG_Screen28::Slot& squareSlot = box->slots()[2];
    ASSERT_EQ(3, square.type);
    ASSERT_EQ(3, squareSlot.type);
    const int probeX = squareSlot.x + 15; // left of where the held praline lies
    const int probeY = squareSlot.y + 40;
    const Color empty = shownPixel(probeX, probeY);
    const int grabX = square.widget->x() + 40;
    const int grabY = square.widget->y() + 40;
    sdl_input::pushMotion(*app, grabX, grabY);
    frame();
    sdl_input::pushButton(true, SDL_BUTTON_LEFT, grabX, grabY);
    frame();
    sdl_input::pushMotion(*app, squareSlot.x + 24 + 40, squareSlot.y + 40, 1);
    frames(32);
    const Color pale = shownPixel(probeX, probeY);
    EXPECT_GT(pale.r + pale.g + pale.b, empty.r + empty.g + empty.b + 60);
    sdl_input::pushButton(false, SDL_BUTTON_LEFT, squareSlot.x + 24 + 40, squareSlot.y + 40);
    frame();
    EXPECT_TRUE(squareSlot.filled);

    ASSERT_TRUE(playMoves(
        box, [&] { return box->resultShown(); }, 40));
    for (const auto& each : box->slots()) {
        EXPECT_TRUE(each.filled);
    }
}

TEST_F(PiecesPuzzlesTest, PipesTurnATapOnAWrongWayFloodsAndTheRightWayLightsThePath) {
    MG_Screen2* pipes =
        open(std::make_unique<MG_Screen2>(std::string(Minigames) + "screen2.xml", 1), 3);
    ASSERT_NE(nullptr, pipes);
    ASSERT_EQ(35u, pipes->pieces().size());
    MG_Screen2::MyClickableImageWidget* piece = pipes->pieces()[8]; // column 1, row 1
    const int step = piece->configuration;
    click(piece);
    EXPECT_EQ((step + 1) % 4, piece->configuration);

    // Some piece of the way starts turned wrong: the tap floods.
    ASSERT_FALSE(pipes->piecesRight());
    click(pipes->tap());
    EXPECT_TRUE(pipes->resultShown());
    EXPECT_TRUE(pipes->isFlooding());
    frames(3000);
    const int risen = pipes->level();
    EXPECT_LT(risen, 768 - 60) << "768 px in 30 s: about 77 px after 3 s";
    click(pipes->tap()); // again, during the flood: nothing new
    EXPECT_LE(pipes->level(), risen);
    answerDialog(pipes);
    EXPECT_FALSE(pipes->isFlooding()) << "closing the dialog drains the beer";

    ASSERT_TRUE(playMoves(
        pipes, [&] { return pipes->isSolved(); }, 60));
    // The way lit, the free plates dimmed.
    for (const auto* piece : pipes->pieces()) {
        EXPECT_EQ(piece->typeId == MG_Screen2::FreeType ? 150 : 255, piece->tint().r);
    }
    const int turned = pipes->pieces()[14]->configuration; // the inlet's straight
    click(pipes->pieces()[14]);
    EXPECT_EQ(turned, pipes->pieces()[14]->configuration) << "solved pipes no longer turn";

    // Drawn turned the right way: the elbow at column 3, row 0 is turned three
    // quarters clockwise from left-top to bottom-left, so copper shows at its
    // left edge, not its right (a quarter the other way would join top-right).
    frames(800);
    const int cx = 176 + 3 * 96 + 48;
    const int cy = 134 + 48;
    const Color left = shownPixel(cx - 44, cy);
    const Color right = shownPixel(cx + 44, cy);
    EXPECT_GT(int(left.r) - int(left.b), int(right.r) - int(right.b) + 40)
        << "copper is red, the iron plate blue-grey";
}

} // namespace
