// The safe, the book swap and the piano in the running game, through real
// clicks: their rules, what they show, the automated player solving each
// from the puzzle's own data, and damaged puzzle files.
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "game/menus/StoryScreen.h"
#include "game/minigames/CombinationButton.h"
#include "game/minigames/MG_Screen10.h"
#include "game/minigames/MG_Screen15.h"
#include "game/minigames/MG_Screen18.h"
#include "game/minigames/MG_Screen2.h"
#include "game/minigames/MG_Screen22.h"
#include "game/minigames/MG_Screen28.h"
#include "game/minigames/MG_Screen5.h"
#include "tests/support/PuzzleGame.h"

#include <fstream>
#include <functional>

namespace {

constexpr const char* PianoFile = "content/config/minigames/screen18.xml";

class PuzzlesTest : public PuzzleGame {
protected:
    std::string writeFile(const std::string& name, const std::string& text) {
        const std::string path = userFolder.path() + "/" + name;
        std::ofstream(path) << text;
        return path;
    }
};

TEST_F(PuzzlesTest, TheSafeOpensToTheNotesCodeAndAWrongCodeClearsAfterTheBuzzer) {
    // Entry 3 of the flow is the safe; the story of the safe follows.
    MG_Screen5* safe = open(std::make_unique<MG_Screen5>(1), 3);
    ASSERT_NE(nullptr, safe);
    ASSERT_EQ(4u, safe->solution().size()) << "anchor, 1, 9, heart";
    EXPECT_EQ(30, safe->skipButton()->y()) << "buttons at the top";
    const auto press = [&](int key) {
        clickAt(MG_Screen5::keyX(key) + 32, MG_Screen5::keyY(key) + 32);
    };

    // A wrong key early shows only at full length: then the buzzer and the wait.
    for (int key : {5, 0, 10, 12}) {
        press(key);
    }
    EXPECT_TRUE(safe->resetRunning());
    EXPECT_TRUE(safe->keys()[5]->isLit());
    press(7); // during the wait: added, then cleared with the rest
    EXPECT_EQ(5u, safe->pressed().size());
    frames(800);
    EXPECT_TRUE(safe->pressed().empty());
    EXPECT_FALSE(safe->keys()[5]->isLit() || safe->keys()[7]->isLit());

    // The note's code: anchor is key 14 (row 1, column 3), 1 key 0, 9 key 10, heart key 12.
    for (int key : {14, 0, 10, 12}) {
        press(key);
    }
    EXPECT_TRUE(safe->isOpened());
    EXPECT_FALSE(safe->keys()[0]->isVisible()) << "the keys go with the closed door";
    answerDialog(safe);
    EXPECT_EQ(applicationLabel("CONTINUE"), safe->skipButton()->label());
    click(safe->skipButton());
    ASSERT_NE(nullptr, waitFor<StoryScreen>()) << "the story of the safe";
    EXPECT_EQ(4, GameFlow::instance().position());
}

TEST_F(PuzzlesTest, BooksChangePlacesByTwoPressesUntilTheyStandInTheAnswersOrder) {
    MG_Screen10* books = open(std::make_unique<MG_Screen10>(2), 5);
    ASSERT_NE(nullptr, books);
    const auto book = [&](int slot) { return books->slots()[std::size_t(slot)].book; };
    const auto press = [&](int slot) { clickAt(198 + 74 * slot + 45, 400); };

    clickAt(190, 400); // left of the first book
    clickAt(300, 240); // above the books
    EXPECT_FALSE(books->slots()[0].selected || books->slots()[1].selected);
    press(0);
    EXPECT_TRUE(books->slots()[0].selected);
    press(0); // the same book again: put back, nothing moves
    EXPECT_FALSE(books->slots()[0].selected);
    EXPECT_EQ(0, book(0));
    press(0);
    press(3);
    EXPECT_EQ(3, book(0));
    EXPECT_EQ(0, book(3));
    EXPECT_FALSE(books->slots()[0].selected || books->slots()[3].selected);
    // A selected book is drawn in full light, the others dimmed: the spine's
    // middle row of the chosen book grows brighter.
    const Color dim = shownPixel(198 + 74 * 2 + 45, 600);
    press(2);
    frame();
    const Color lit = shownPixel(198 + 74 * 2 + 45, 600);
    EXPECT_GT(lit.r + lit.g + lit.b, dim.r + dim.g + dim.b);
    press(2);

    ASSERT_TRUE(autoplayUntil([&] { return books->isSolved(); }, 60000));
    for (int slot = 0; slot < MG_Screen10::Books; ++slot) {
        EXPECT_EQ(MG_Screen10::Answer[std::size_t(slot)], book(slot));
    }
    frames(700);
    press(0); // the dialog is up: the shelf stays as it is
    EXPECT_EQ(MG_Screen10::Answer[0], book(0));
    answerDialog(books);
    EXPECT_EQ(applicationLabel("CONTINUE"), books->skipButton()->label());
}

TEST_F(PuzzlesTest, ThePianoPlaysTheSheetsTuneAndAWrongClickStartsItOver) {
    MG_Screen18* piano = open(std::make_unique<MG_Screen18>(PianoFile, 3), 5);
    ASSERT_NE(nullptr, piano);
    ASSERT_EQ(8u, piano->steps().size());
    EXPECT_EQ(13, piano->skipButton()->y()) << "buttons moved to the top";
    const auto key = [&](const std::string& name) {
        const WidgetRect& area = piano->areas().at(name);
        clickAt(area.x + area.width / 2, area.y + area.height / 2);
    };
    // The sheet's first note C sits at (300, 292): its mark lights once it is played.
    const Color before = shownPixel(300 - 13, 292);
    key(piano->steps()[0]);
    key(piano->steps()[1]);
    EXPECT_EQ(2, piano->progress());
    frame();
    const Color after = shownPixel(300 - 13, 292);
    EXPECT_GT(after.r + after.g, before.r + before.g) << "the gold ring of the mark";

    clickAt(100, 400); // beside every key: wrong
    EXPECT_EQ(0, piano->progress());
    EXPECT_TRUE(piano->resultShown());
    answerDialog(piano);
    EXPECT_FALSE(piano->resultShown());

    ASSERT_TRUE(autoplayUntil([&] { return piano->progress() == 8; }, 60000));
    EXPECT_TRUE(piano->resultShown()) << "the congratulation";
    clickAt(100, 400); // ignored once the tune is done
    EXPECT_EQ(8, piano->progress());
}

TEST_F(PuzzlesTest, OverlappingAreasAreBothTakenInNameOrder) {
    // "A" (0..99) and "B" (50..149) overlap at 50..99; one click there plays
    // A, then B: the whole tune.
    const std::string file = writeFile("overlap.xml", R"(<Minigame>
        <Slot name="B" topLeftX="50" topLeftY="300" squareWidth="100" squareHeight="100"/>
        <Slot name="A" topLeftX="0" topLeftY="300" squareWidth="100" squareHeight="100"/>
        <Step name="A"/><Step name="B"/>
        <Note positionX="10" positionY="10"/></Minigame>)");
    MG_Screen18* piano = open(std::make_unique<MG_Screen18>(file, 3), 5);
    ASSERT_NE(nullptr, piano);
    EXPECT_FALSE(piano->marks()[1].known) << "the step without a Note has no mark";
    clickAt(75, 350);
    EXPECT_EQ(2, piano->progress());
}

TEST_F(PuzzlesTest, DamagedPuzzleFilesSayWhatIsWrongAndThePuzzleCanBeSkipped) {
    struct Case {
        const char* what;
        std::string text; // empty: no file at all
        std::function<std::unique_ptr<MiniGameBase>(const std::string&)> make;
        const char* said;
    };
    const auto safe = [](const std::string& path) { return std::make_unique<MG_Screen5>(1, path); };
    const auto piano = [](const std::string& path) {
        return std::make_unique<MG_Screen18>(path, 3);
    };
    const auto breakout = [](const std::string& path) {
        return std::make_unique<MG_Screen15>(4, path);
    };
    const auto pipes = [](const std::string& path) {
        return std::make_unique<MG_Screen2>(path, 1);
    };
    const auto jigsaw = [](const std::string& path) {
        return std::make_unique<MG_Screen22>(path, 3);
    };
    const auto box = [](const std::string& path) { return std::make_unique<MG_Screen28>(4, path); };
    const std::vector<Case> cases = {
        {"missing", "", safe, "cannot be opened"},
        {"truncated", "<Minigame><Solution row=\"1\" col", safe, "line"},
        {"beyond the keypad", "<Minigame><Solution row=\"7\" column=\"1\"/></Minigame>", safe,
         "no key at row 7"},
        {"not numbers", "<Minigame><Solution row=\"one\" column=\"1\"/></Minigame>", safe,
         "\"one\""},
        {"an unknown key", "<Minigame><Step name=\"PIANO_NOTE_9\"/></Minigame>", piano,
         "which no Slot names"},
        {"no steps", "<Minigame/>", piano, "no Step"},
        {"no ball", "<Minigame simulationStep=\"0\"/>", breakout, "simulationStep 0"},
        {"no turning steps", "<Game numberOfConfigurations=\"0\"/>", pipes, "4 are used"},
        {"a piece out of order", "<Game><Piece id=\"3\"/></Game>", jigsaw,
         "piece id 3 is not its place"},
        {"no slots", "<Minigame><Shape type=\"5\"/></Minigame>", box, "no Texture of type 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path =
            c.text.empty() ? userFolder.path() + "/none.xml" : writeFile("damaged.xml", c.text);
        std::string log;
        MiniGameBase* puzzle = open(c.make(path), 3, &log);
        ASSERT_NE(nullptr, puzzle);
        EXPECT_NE(std::string::npos, log.find(c.said)) << log;
        // The automated player, finding nothing to solve, skips: the flow goes on.
        ASSERT_TRUE(autoplayUntil([&] { return top<StoryScreen>() != nullptr; }, 20000));
        EXPECT_EQ(4, GameFlow::instance().position());
    }
}

} // namespace
