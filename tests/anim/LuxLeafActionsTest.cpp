#include "engine/anim/ActionClock.h"
#include "engine/anim/ActionDelay.h"
#include "engine/anim/Duration.h"
#include "engine/anim/RelDecrementator.h"
#include "engine/anim/RelIncrementator.h"
#include "engine/anim/Setter.h"
#include "tests/anim/RecordingListeners.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::uint32_t fakeNow = 0;
std::uint32_t fakeClock() {
    return fakeNow;
}

class LuxLeaf : public ::testing::Test {
protected:
    void SetUp() override {
        fakeNow = 0;
        lux::setClockSource(&fakeClock);
    }
    void TearDown() override { lux::setClockSource(nullptr); }

    RecordingListener listener;
};

using Strings = std::vector<std::string>;

TEST_F(LuxLeaf, ClockReadsInstalledSourceAndZeroWithout) {
    fakeNow = 1234;
    EXPECT_EQ(lux::clockNow(), 1234u);
    lux::setClockSource(nullptr);
    EXPECT_EQ(lux::clockNow(), 0u);
}

TEST_F(LuxLeaf, DurationFollowsClockUntilAdvancedByHand) {
    lux::Duration duration(100);
    fakeNow = 1000;
    duration.begin();
    fakeNow = 1040;
    EXPECT_EQ(duration.elapsed(), 40);

    duration.advance(5);
    fakeNow = 5000;
    EXPECT_EQ(duration.elapsed(), 5);
    duration.begin();
    EXPECT_EQ(duration.elapsed(), 0);
}

TEST_F(LuxLeaf, DurationSurvivesClockWrapAround) {
    lux::Duration duration(100);
    fakeNow = 0xFFFFFFF0u;
    duration.begin();
    fakeNow = 0x10u;
    EXPECT_EQ(duration.elapsed(), 0x20);
}

TEST_F(LuxLeaf, IntTweenFedSixteenMsTruncatesAndEndsExactlyOnce) {
    int value = 0;
    lux::RelIncrementator<int> tween(lux::Duration(1000), &value, 100);
    tween.start(&listener, 7);

    tween.update(16);
    EXPECT_EQ(value, 1);
    tween.update(16);
    tween.update(16);
    EXPECT_EQ(value, 4);
    for (int i = 4; i <= 62; ++i) {
        tween.update(16);
    }
    EXPECT_EQ(value, 99);
    EXPECT_TRUE(tween.isRunning());
    EXPECT_TRUE(listener.finished.empty());

    tween.update(16);
    EXPECT_EQ(value, 100);
    EXPECT_FALSE(tween.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{7});

    tween.update(16);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(listener.finished, std::vector<int>{7});
}

TEST_F(LuxLeaf, NegativeIntTweenTruncatesTowardZero) {
    int value = 0;
    lux::RelIncrementator<int> tween(lux::Duration(1000), &value, -100);
    tween.start(&listener, 0);
    tween.update(16);
    EXPECT_EQ(value, -1);
    tween.update(32);
    EXPECT_EQ(value, -4);
    tween.update(952);
    EXPECT_EQ(value, -100);
}

TEST_F(LuxLeaf, UnsignedCharTweenWrapsModulo256) {
    unsigned char value = 200;
    lux::RelIncrementator<unsigned char> tween(lux::Duration(1000), &value, 100);
    tween.start(&listener, 0);
    tween.update(500);
    EXPECT_EQ(value, 250);
    tween.update(100);
    EXPECT_EQ(value, 4); // 260 on the way
    tween.update(400);
    EXPECT_EQ(value, 44); // 300 at the end
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxLeaf, TweenRefreshedAgainstTheClock) {
    fakeNow = 5000;
    int value = 10;
    lux::RelIncrementator<int> tween(lux::Duration(1000), &value, 100);
    tween.start(&listener, 0);

    fakeNow = 5250;
    tween.refresh();
    EXPECT_EQ(value, 35);
    fakeNow = 5999;
    tween.refresh();
    EXPECT_TRUE(tween.isRunning());
    fakeNow = 6000;
    tween.refresh();
    EXPECT_EQ(value, 110);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxLeaf, FloatTweenInterpolatesWithoutRounding) {
    float value = 1.0f;
    lux::RelIncrementator<float> tween(lux::Duration(1000), &value, 2.0f);
    tween.start(&listener, 0);
    tween.update(250);
    EXPECT_FLOAT_EQ(value, 1.5f);
    tween.update(750);
    EXPECT_FLOAT_EQ(value, 3.0f);
}

TEST_F(LuxLeaf, ZeroLengthTweenSetsEndValueAtFirstUpdate) {
    int value = 10;
    lux::RelIncrementator<int> tween(lux::Duration(0), &value, 5);
    tween.start(&listener, 3);
    EXPECT_EQ(value, 10);
    EXPECT_TRUE(tween.isRunning());

    tween.update(0);
    EXPECT_EQ(value, 15);
    EXPECT_EQ(listener.finished, std::vector<int>{3});
}

TEST_F(LuxLeaf, TaggedTweenReportsTagBeforeFinish) {
    int value = 0;
    lux::RelIncrementator<int> tween(lux::Duration(100), &value, 1);
    tween.setTag(9);
    tween.start(&listener, 2);
    tween.update(100);
    EXPECT_EQ(listener.log, (Strings{"tag 2 9", "finish 2"}));
}

TEST_F(LuxLeaf, RestartedTweenRereadsStartValue) {
    int value = 0;
    lux::RelIncrementator<int> tween(lux::Duration(100), &value, 10);
    tween.start(&listener, 0);
    tween.update(100);
    ASSERT_EQ(value, 10);

    tween.start(&listener, 0);
    tween.update(50);
    EXPECT_EQ(value, 15);
    tween.update(50);
    EXPECT_EQ(value, 20);
    EXPECT_EQ(listener.finished, (std::vector<int>{0, 0}));
}

TEST_F(LuxLeaf, StoppedTweenStaysSilentAndStill) {
    int value = 0;
    lux::RelIncrementator<int> tween(lux::Duration(100), &value, 10);
    tween.start(&listener, 0);
    tween.update(50);
    tween.stop();
    EXPECT_FALSE(tween.isRunning());

    tween.update(100);
    fakeNow = 1000;
    tween.refresh();
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(listener.log.empty());
}

TEST_F(LuxLeaf, UnsignedCharDecrementTruncatesAndWrapsAtTheEnd) {
    unsigned char value = 200;
    lux::RelDecrementator<unsigned char> down(lux::Duration(1000), &value, 100);
    down.start(&listener, 0);
    down.update(16);
    EXPECT_EQ(value, 198); // 198.4
    down.update(234);
    EXPECT_EQ(value, 175);
    down.update(750);
    EXPECT_EQ(value, 100);

    value = 50;
    down.start(&listener, 1);
    fakeNow = 5000;
    down.update(1000);
    EXPECT_EQ(value, 206); // -50 wraps
    EXPECT_EQ(listener.finished, (std::vector<int>{0, 1}));
}

TEST_F(LuxLeaf, DelayTimedByClockOrByFedMilliseconds) {
    fakeNow = 1000;
    lux::ActionDelay byClock(lux::Duration(100));
    byClock.start(&listener, 1);
    fakeNow = 1099;
    byClock.refresh();
    EXPECT_TRUE(byClock.isRunning());
    fakeNow = 1100;
    byClock.refresh();
    EXPECT_FALSE(byClock.isRunning());

    lux::ActionDelay byUpdate(lux::Duration(100));
    byUpdate.start(&listener, 2);
    byUpdate.update(99);
    EXPECT_TRUE(byUpdate.isRunning());
    byUpdate.update(1);
    EXPECT_EQ(listener.finished, (std::vector<int>{1, 2}));
}

TEST_F(LuxLeaf, SetterWritesAtStartAndFinishesOnNextCall) {
    int value = 0;
    lux::Setter<int> setter(&value, 42);
    setter.setTag(4);
    setter.start(&listener, 6);
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(setter.isRunning());

    value = 0;
    setter.refresh();
    EXPECT_EQ(value, 0);
    EXPECT_EQ(listener.log, (Strings{"tag 6 4", "finish 6"}));
    setter.refresh();
    EXPECT_EQ(listener.finished.size(), 1u);
}

TEST_F(LuxLeaf, CopiedSetterWorksOnItsOwn) {
    unsigned char value = 0;
    lux::Setter<unsigned char> setter(&value, 7);
    auto copy = setter.copySetter();
    ASSERT_NE(copy.get(), &setter);

    copy->start(&listener, 1);
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(setter.isRunning());
    copy->update(16);
    EXPECT_EQ(listener.finished, std::vector<int>{1});
}

} // namespace
