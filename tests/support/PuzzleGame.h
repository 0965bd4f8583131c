#pragma once

// The running game with one player profile chosen, for the puzzle screens:
// a puzzle opened as the game flow opens it, its result dialog answered, and
// the automated player's plan set to go straight for the answers.
#include "game/minigames/MiniGameBase.h"
#include "game/minigames/PuzzlePlan.h"
#include "tests/support/RunningGame.h"

class PuzzleGame : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Tester"}; }

    void SetUp() override {
        RunningGame::SetUp();
        PlayerProfiles::instance().selectProfile(0);
        // Straight to the answer: no planned skip or slip.
        PuzzlePlan::reset();
        PuzzlePlan::instance().skipOnce.clear();
        PuzzlePlan::instance().mistakeOnce = false;
    }
    void TearDown() override {
        RunningGame::TearDown();
        PuzzlePlan::reset();
    }

    // The puzzle as the flow starts it at `position`, after its fade-in (or
    // `fadeMs`); what it printed while it was built goes to `log`.
    template <typename P>
    P* open(std::unique_ptr<P> puzzle, int position, std::string* log = nullptr, int fadeMs = 700) {
        GameFlow::instance().setPosition(position);
        app->popScreen();
        {
            StdoutCapture capture;
            app->startScreen(std::move(puzzle));
            if (log) {
                *log = capture.finish();
            }
        }
        frames(fadeMs);
        return top<P>();
    }
    // Clicks the open result dialog's button once it shows, and waits until
    // the dialog has closed and a puzzle that leaves has faded out.
    void answerDialog(MiniGameBase* puzzle) {
        frames(700);
        PlayerMove ok;
        ASSERT_TRUE(puzzle->dialogMove(ok, 0)) << "a result dialog is open";
        clickAt(ok.x, ok.y);
        frames(1200);
    }
};
