// What only the lux actions do: time read from the action clock, tags, and
// unsigned char targets. What they share with the tiny actions is in
// ActionFamiliesTest.
#include "engine/anim/ActionClock.h"
#include "engine/anim/ActionDelay.h"
#include "engine/anim/ActionSequence.h"
#include "engine/anim/Duration.h"
#include "engine/anim/LoopAction.h"
#include "engine/anim/ParalelAction.h"
#include "engine/anim/RelDecrementator.h"
#include "engine/anim/RelIncrementator.h"
#include "engine/anim/Setter.h"
#include "tests/support/FakeActionClock.h"
#include "tests/support/RecordingListeners.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

class LuxActions : public ::testing::Test {
protected:
    FakeActionClock clock;
    RecordingListener listener;
};

using Strings = std::vector<std::string>;

std::unique_ptr<lux::Action> setter(int* target, int value) {
    return std::make_unique<lux::Setter<int>>(target, value);
}

std::unique_ptr<lux::Action> delay(int ms, int tag = -1) {
    auto action = std::make_unique<lux::ActionDelay>(lux::Duration(ms));
    action->setTag(tag);
    return action;
}

TEST_F(LuxActions, ClockReadsTheInstalledSourceAndZeroWithout) {
    clock.advance(234);
    EXPECT_EQ(lux::clockNow(), 1234u); // the fake starts at 1000
    lux::setClockSource(nullptr);
    EXPECT_EQ(lux::clockNow(), 0u);
}

TEST_F(LuxActions, DurationFollowsTheClockUntilAdvancedByHand) {
    lux::Duration duration(100);
    duration.begin();
    clock.advance(40);
    EXPECT_EQ(duration.elapsed(), 40);

    duration.advance(5);
    clock.advance(4000);
    EXPECT_EQ(duration.elapsed(), 5);
    duration.begin();
    EXPECT_EQ(duration.elapsed(), 0);
}

TEST_F(LuxActions, DurationSurvivesClockWrapAround) {
    lux::Duration duration(100);
    clock.advance(0xFFFFFFF0u - clock.now());
    duration.begin();
    clock.advance(0x20u); // the clock now reads 0x10
    EXPECT_EQ(duration.elapsed(), 0x20);
}

TEST_F(LuxActions, TweenAndDelayFollowTheClockWhenRefreshed) {
    int value = 10;
    lux::RelIncrementator<int> tween(lux::Duration(1000), &value, 100);
    tween.start(&listener, 0);
    lux::ActionDelay wait(lux::Duration(100));
    wait.start(&listener, 1);

    clock.advance(99);
    wait.refresh();
    EXPECT_TRUE(wait.isRunning());
    clock.advance(1);
    wait.refresh();
    EXPECT_FALSE(wait.isRunning());

    clock.advance(150);
    tween.refresh();
    EXPECT_EQ(value, 35); // 10 + a quarter of 100
    clock.advance(749);
    tween.refresh();
    EXPECT_TRUE(tween.isRunning());
    clock.advance(1);
    tween.refresh();
    EXPECT_EQ(value, 110);
    EXPECT_EQ(listener.finished, (std::vector<int>{1, 0}));
}

TEST_F(LuxActions, ZeroLengthTweenSetsTheEndValueAtTheFirstUpdate) {
    int value = 10;
    lux::RelIncrementator<int> tween(lux::Duration(0), &value, 5);
    tween.start(&listener, 3);
    EXPECT_EQ(value, 10);
    EXPECT_TRUE(tween.isRunning());

    tween.update(0);
    EXPECT_EQ(value, 15);
    EXPECT_EQ(listener.finished, std::vector<int>{3});
}

TEST_F(LuxActions, UnsignedCharTweenWrapsModulo256) {
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

TEST_F(LuxActions, UnsignedCharDecrementTruncatesAndWrapsAtTheEnd) {
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
    down.update(1000);
    EXPECT_EQ(value, 206); // -50 wraps
    EXPECT_EQ(listener.finished, (std::vector<int>{0, 1}));
}

TEST_F(LuxActions, LeavesReportTheirTagBeforeTheirFinish) {
    int value = 0;
    lux::RelIncrementator<int> tween(lux::Duration(100), &value, 1);
    tween.setTag(9);
    tween.start(&listener, 2);
    tween.update(100);

    lux::Setter<int> set(&value, 42);
    set.setTag(0); // tags are from 0 up; -1 is none
    set.start(&listener, 6);
    set.refresh();
    set.refresh();
    EXPECT_EQ(listener.log, (Strings{"tag 2 9", "finish 2", "tag 6 0", "finish 6"}));
}

TEST_F(LuxActions, SequenceRefreshesItsChildrenAgainstTheClock) {
    lux::ActionSequence sequence;
    sequence.add(delay(100));
    sequence.add(delay(50));
    sequence.start(&listener, 0);

    clock.advance(100);
    sequence.refresh(); // first delay done
    sequence.refresh(); // second starts now
    clock.advance(49);
    sequence.refresh();
    EXPECT_TRUE(sequence.child(1).isRunning());
    clock.advance(1);
    sequence.refresh();
    sequence.refresh();
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxActions, LoopTimesItsChildByTheClockEvenWhenFedMilliseconds) {
    lux::LoopAction loop(delay(100), 1);
    loop.start(&listener, 0);
    loop.update(1000);
    EXPECT_TRUE(loop.isRunning());
    clock.advance(100);
    loop.update(0);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxActions, ChildTagsReachTheListenerThroughNestedComposites) {
    int a = 0, b = 0;
    lux::ActionSequence flat;
    flat.add(setter(&a, 1));
    flat.add(setter(&b, 1), 5);
    flat.start(&listener, 8);
    for (int i = 0; i < 4; ++i) {
        flat.update(16);
    }
    EXPECT_EQ(listener.log, (Strings{"tag 1 5", "finish 8"}));

    listener.log.clear();
    auto inner = std::make_unique<lux::ParalelAction>();
    inner->add(setter(&a, 1));
    inner->add(setter(&b, 1), 3);
    auto loopBody = std::make_unique<lux::ActionSequence>();
    loopBody->add(delay(10), 6);
    lux::ActionSequence outer;
    outer.add(std::move(inner));
    outer.add(std::make_unique<lux::LoopAction>(std::move(loopBody), 1));
    outer.start(&listener, 0);

    outer.update(16);
    EXPECT_EQ(listener.log, (Strings{"tag 1 3"}));

    outer.update(16); // the parallel notices its children are done
    outer.update(16); // the loop starts
    clock.advance(10);
    outer.refresh();
    EXPECT_EQ(listener.log, (Strings{"tag 1 3", "tag 0 6"}));
}

TEST_F(LuxActions, ClonedSequenceKeepsTheTagsOfItsChildren) {
    auto original = std::make_unique<lux::ActionSequence>();
    original->add(delay(100));
    original->add(delay(100), 2);
    original->start(&listener, 3);
    original->update(50);

    std::unique_ptr<lux::Action> copy = original->clone();
    auto& sequenceCopy = dynamic_cast<lux::ActionSequence&>(*copy);
    EXPECT_EQ(sequenceCopy.child(1).tag(), 2);
    original.reset();
    copy->update(50);
    copy->update(1);   // the second child starts
    copy->update(100); // and reports its tag
    copy->update(1);
    EXPECT_EQ(listener.log, (Strings{"tag 1 2", "finish 3"}));
}

TEST_F(LuxActions, CompositionKeepsTheTagsOfItsOperands) {
    auto chain = lux::Action::then(delay(10, 7), delay(10, 8));
    chain = lux::Action::with(std::move(chain), delay(30));
    chain->start(&listener, 0);
    chain->update(10);
    chain->update(0); // the sequence starts its second child
    chain->update(10);
    EXPECT_EQ(listener.log, (Strings{"tag 0 7", "tag 1 8"}));
}

} // namespace
