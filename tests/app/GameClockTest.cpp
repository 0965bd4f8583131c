#include "engine/app/GameClock.h"
#include "tests/support/TestApp.h"

#include <gtest/gtest.h>

TEST(GameClock, CountsFromRestartAndStandsStillWhilePaused) {
    FakeTickSource ticks;
    GameClock clock(&ticks);
    clock.restart();
    EXPECT_EQ(clock.now(), 0u);
    ticks.advance(250);
    EXPECT_EQ(clock.now(), 250u);

    clock.pause();
    ticks.advance(1000);
    EXPECT_EQ(clock.now(), 250u) << "paused time must not count";
    clock.pause(); // a second pause must not move the pause start
    ticks.advance(500);
    clock.resume();
    EXPECT_EQ(clock.now(), 250u);
    ticks.advance(40);
    EXPECT_EQ(clock.now(), 290u);

    clock.resume(); // resuming a running clock changes nothing
    EXPECT_EQ(clock.now(), 290u);

    clock.pause();
    clock.restart();
    EXPECT_FALSE(clock.isPaused());
    EXPECT_EQ(clock.now(), 0u);
}
