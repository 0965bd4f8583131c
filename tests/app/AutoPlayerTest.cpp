// The automated player in the real frame loop against a screen with a script:
// what the screen asks for arrives as real events through SDL's queue, timed
// on the fake clock, and the play ends as the screen or the stall rule says.
#include "engine/app/AutoPlayer.h"
#include "tests/support/AppFixture.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TestScreen.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ScriptedScreen : public TestScreen {
public:
    ScriptedScreen() : TestScreen(nullptr, "Scripted") {}
    PlayerMove suggestMove() override { return script ? script() : PlayerMove::wait(); }
    std::function<PlayerMove()> script;
};

class AutoPlayerTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    ::testing::AssertionResult start() {
        auto opened = openApp();
        auto s = std::make_unique<ScriptedScreen>();
        screen = s.get();
        app->pushScreen(std::move(s));
        return opened;
    }
    AutoPlayer& play(unsigned seed, int stallLimitMs = 60000) {
        AutoPlayer::Options options;
        options.seed = seed;
        options.stallLimitMs = stallLimitMs;
        app->setAutoPlayer(std::make_unique<AutoPlayer>(*app, options));
        return *app->autoPlayer();
    }
    // Frames of 16 ms until the loop ends: how many it took, or -1.
    int runToEnd(int maxFrames) {
        for (int frame = 1; frame <= maxFrames; ++frame) {
            if (!app->step(16)) {
                return frame;
            }
        }
        return -1;
    }
    // Click in a 100 x 40 control at (300, 200), type a name, then done.
    void clickTypeAndFinish() {
        screen->script = [this]() {
            if (screen->rootPresses.empty()) {
                return PlayerMove::click("Go", 300, 200, 25, 10);
            }
            if (screen->keys.size() < 6) { // three presses and three releases
                return PlayerMove::type("Zoë");
            }
            return PlayerMove::done("all done");
        };
    }

    ScriptedScreen* screen = nullptr;
};

TEST_F(AutoPlayerTest, AClickAndATextArriveAsRealEventsAndTheScreenEndsThePlay) {
    clickTypeAndFinish();
    AutoPlayer& player = play(11);
    StdoutCapture out;
    const int frames = runToEnd(1000);
    const std::string log = out.finish();
    ASSERT_GT(frames, 0) << log;
    EXPECT_EQ(player.exitCode(), AutoPlayer::Finished);
    EXPECT_NE(log.find("Autoplay: the game is played to its end on Scripted (all done)"),
              std::string::npos)
        << log;

    ASSERT_EQ(screen->rootPresses.size(), 1u);
    EXPECT_NEAR(screen->rootPresses[0].x, 300, 25); // within the slack the screen gave
    EXPECT_NEAR(screen->rootPresses[0].y, 200, 10);
    // The hand travelled there: at least four moves before the press.
    int movesBeforePress = 0;
    for (const MouseEvent& event : screen->mice) {
        if (event.type == MouseEvent::ButtonDown) {
            break;
        }
        movesBeforePress += event.type == MouseEvent::Motion;
    }
    EXPECT_GE(movesBeforePress, 4);

    std::u32string typed;
    for (const KeyEvent& key : screen->keys) {
        if (key.type == KeyEvent::KeyDown) {
            typed += char32_t(key.unicode);
        }
    }
    EXPECT_EQ(typed, U"Zoë");
    EXPECT_EQ(player.clicks(), 1);
    EXPECT_EQ(player.keystrokes(), 3);
    EXPECT_EQ(player.misses(), 0);
    // A player's pauses: at least 350 ms before each of the two moves, 100 ms
    // between keystrokes -> over 900 ms of game time, 57 frames.
    EXPECT_GE(frames, 57);
}

TEST_F(AutoPlayerTest, TheSameSeedPlaysTheSameWay) {
    struct Run {
        int frames, x, y;
    };
    auto runOnce = [this]() {
        clickTypeAndFinish();
        play(2024);
        const int frames = runToEnd(1000);
        const MouseEvent press = screen->rootPresses.at(0);
        return Run{frames, press.x, press.y};
    };
    const Run first = runOnce();
    app.reset();
    ASSERT_TRUE(start());
    const Run second = runOnce();
    EXPECT_EQ(first.frames, second.frames);
    EXPECT_EQ(first.x, second.x);
    EXPECT_EQ(first.y, second.y);
}

TEST_F(AutoPlayerTest, AClickThatChangesNothingIsAMissAndTheScreenIsReportedStuck) {
    screen->script = [] { return PlayerMove::click("Dead", 500, 400); };
    AutoPlayer& player = play(5, 5000);
    StdoutCapture out;
    const int frames = runToEnd(2000);
    const std::string log = out.finish();
    EXPECT_EQ(player.exitCode(), AutoPlayer::Stuck);
    EXPECT_GE(frames * 16, 5000); // not before the limit
    EXPECT_LT(frames * 16, 5000 + 2000);
    EXPECT_NE(log.find("Autoplay: stuck on Scripted: no progress in 5.0 s of game time; the last "
                       "move (click \"Dead\" at 500,400) changed nothing"),
              std::string::npos)
        << log;
    // Every click after the first was asked for again: a miss each.
    EXPECT_GE(player.misses(), 2);
    EXPECT_EQ(player.clicks(), player.misses() + 1);
}

TEST_F(AutoPlayerTest, AScreenThatOnlyWaitsOrCannotGoOnEndsThePlayWithItsOwnCode) {
    AutoPlayer& player = play(5, 3000);
    StdoutCapture out;
    EXPECT_GT(runToEnd(400), 3000 / 16); // 3 s of waiting, then the end
    EXPECT_EQ(player.exitCode(), AutoPlayer::Stuck);
    EXPECT_NE(out.finish().find("Autoplay: stuck on Scripted: no progress in 3.0 s of game time; "
                                "the screen only asked to wait"),
              std::string::npos);

    app.reset();
    ASSERT_TRUE(start());
    screen->script = [] { return PlayerMove::blocked("nothing to play at position 2"); };
    AutoPlayer& blocked = play(5);
    StdoutCapture again;
    EXPECT_GT(runToEnd(10), 0);
    EXPECT_EQ(blocked.exitCode(), AutoPlayer::CannotGoOn);
    EXPECT_NE(again.finish().find(
                  "Autoplay: the game cannot go on from Scripted: nothing to play at position 2"),
              std::string::npos);
}

} // namespace
