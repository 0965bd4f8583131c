// The frame every puzzle shares, in the running game: its buttons and result
// dialogs through real clicks, and where the game goes when a puzzle that the
// game flow started ends.
#include "game/minigames/MiniGameBase.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "game/menus/MainMenu.h"
#include "game/menus/StoryScreen.h"
#include "game/scene/LarkScene.h"
#include "tests/support/PuzzleGame.h"

namespace {

// The smallest puzzle: the base and nothing else.
class EmptyPuzzle : public MiniGameBase {
public:
    explicit EmptyPuzzle(const std::string& caption = "") : MiniGameBase(false, 1) {
        setCaption(caption);
    }
};

class MiniGameBaseTest : public PuzzleGame {
protected:
    // The puzzle as if the flow had started it at `position` (the entry
    // after it is `position` + 1).
    EmptyPuzzle* startPuzzle(int position) {
        return open(std::make_unique<EmptyPuzzle>(), position);
    }
};

TEST_F(MiniGameBaseTest, SolvedOrSkippedTheFlowMovesOnAndMenuKeepsItsPlace) {
    // Entry 4 of the game's flow is the story of the safe; entry 5 the Library.
    EmptyPuzzle* puzzle = startPuzzle(4);
    ASSERT_NE(nullptr, puzzle);
    ASSERT_NE(nullptr, puzzle->skipButton());
    EXPECT_EQ(691, puzzle->skipButton()->y()) << "buttons at the foot";
    puzzle->showResultDialog(MiniGameBase::SolvedAndLeave);
    answerDialog(puzzle);
    EXPECT_EQ(5, GameFlow::instance().position());
    EXPECT_NE(nullptr, top<LarkScene>()) << "the Library";

    puzzle = startPuzzle(4);
    click(puzzle->skipButton());
    frames(1200);
    EXPECT_EQ(5, GameFlow::instance().position()) << "SKIP goes on as a solved puzzle does";

    puzzle = startPuzzle(4);
    click(puzzle->menuButton());
    frames(1200);
    ASSERT_NE(nullptr, top<MainMenu>());
    EXPECT_EQ("fromMiniGame", top<MainMenu>()->context());
    EXPECT_EQ(4, GameFlow::instance().position()) << "MENU keeps the place in the flow";

    // A replay builds the flow's entry at the same place again.
    puzzle = startPuzzle(4);
    puzzle->close(MiniGameBase::Replay);
    frames(1200);
    EXPECT_EQ(4, GameFlow::instance().position());
    EXPECT_NE(nullptr, top<StoryScreen>()) << "entry 4, built anew";
}

TEST_F(MiniGameBaseTest, OneResultDialogAtATimeAndAWrongOneLetsThePlayerTryAgain) {
    EmptyPuzzle* puzzle = startPuzzle(4);
    ASSERT_NE(nullptr, puzzle);
    puzzle->showResultDialog(MiniGameBase::WrongSolution);
    const std::size_t withDialog = puzzle->widgets().size();
    puzzle->showResultDialog(MiniGameBase::SolvedAndLeave); // while one is up: nothing
    EXPECT_EQ(withDialog, puzzle->widgets().size());
    answerDialog(puzzle);
    EXPECT_EQ(puzzle, top<EmptyPuzzle>()) << "still playing";
    EXPECT_FALSE(puzzle->resultShown());

    // Solved, staying to look: SKIP now reads CONTINUE and leaves as solved.
    puzzle->showResultDialog(MiniGameBase::SolvedAndStay);
    answerDialog(puzzle);
    EXPECT_EQ(puzzle, top<EmptyPuzzle>());
    EXPECT_EQ(applicationLabel("CONTINUE"), puzzle->skipButton()->label());
    sdl_input::pushKeyStroke(SDLK_RETURN); // keys do nothing in a puzzle
    frames(200);
    EXPECT_EQ(puzzle, top<EmptyPuzzle>());
    click(puzzle->skipButton());
    frames(1200);
    EXPECT_EQ(5, GameFlow::instance().position());
}

TEST_F(MiniGameBaseTest, ThePuzzlesCaptionIsWrittenBetweenItsButtons) {
    // Cream letters on the dark band, where a puzzle without a caption shows
    // nothing over the black.
    const auto creamPixels = [&] {
        int count = 0;
        for (int x = 160; x < 864; x += 2) {
            const Color pixel = shownPixel(x, 691 + 30);
            count += pixel.r > 150 && pixel.g > 140 ? 1 : 0;
        }
        return count;
    };
    open(std::make_unique<EmptyPuzzle>(), 4);
    frame();
    EXPECT_EQ(0, creamPixels());
    open(std::make_unique<EmptyPuzzle>("MG_SCREEN5_CAPTION"), 4);
    frame();
    EXPECT_GT(creamPixels(), 20);
}

} // namespace
