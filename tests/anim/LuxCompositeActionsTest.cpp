#include "engine/anim/ActionClock.h"
#include "engine/anim/ActionDelay.h"
#include "engine/anim/ActionSequence.h"
#include "engine/anim/Duration.h"
#include "engine/anim/LoopAction.h"
#include "engine/anim/ParalelAction.h"
#include "engine/anim/Setter.h"
#include "tests/anim/RecordingListeners.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

std::uint32_t fakeNow = 0;
std::uint32_t fakeClock() {
    return fakeNow;
}

class LuxComposite : public ::testing::Test {
protected:
    void SetUp() override {
        fakeNow = 0;
        lux::setClockSource(&fakeClock);
    }
    void TearDown() override { lux::setClockSource(nullptr); }

    RecordingListener listener;
};

using Strings = std::vector<std::string>;

std::unique_ptr<lux::Action> setter(int* target, int value) {
    return std::make_unique<lux::Setter<int>>(target, value);
}

std::unique_ptr<lux::Action> delay(int ms) {
    return std::make_unique<lux::ActionDelay>(lux::Duration(ms));
}

TEST_F(LuxComposite, SequenceOfThreeSettersFinishesOnSixthUpdate) {
    int a = 0, b = 0, c = 0;
    lux::ActionSequence sequence;
    sequence.add(setter(&a, 1));
    sequence.add(setter(&b, 2));
    sequence.add(setter(&c, 3));
    sequence.start(&listener, 4);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);

    const int bAfter[] = {0, 2, 2, 2, 2};
    const int cAfter[] = {0, 0, 0, 3, 3};
    for (int i = 0; i < 5; ++i) {
        sequence.update(16);
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(b, bAfter[i]);
        EXPECT_EQ(c, cAfter[i]);
        EXPECT_TRUE(sequence.isRunning());
    }
    EXPECT_TRUE(listener.finished.empty());

    sequence.update(16);
    EXPECT_FALSE(sequence.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{4});
}

TEST_F(LuxComposite, SequenceRefreshesChildrenAgainstTheClock) {
    lux::ActionSequence sequence;
    sequence.add(delay(100));
    sequence.add(delay(50));
    sequence.start(&listener, 0);

    fakeNow = 100;
    sequence.refresh(); // first delay done
    sequence.refresh(); // second starts at 100
    fakeNow = 149;
    sequence.refresh();
    EXPECT_TRUE(sequence.child(1).isRunning());
    fakeNow = 150;
    sequence.refresh();
    sequence.refresh();
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxComposite, EmptyCompositesFinishAtStart) {
    lux::ActionSequence sequence;
    sequence.start(&listener, 1);
    EXPECT_FALSE(sequence.isRunning());
    lux::ParalelAction parallel;
    parallel.start(&listener, 2);
    EXPECT_FALSE(parallel.isRunning());
    EXPECT_EQ(listener.finished, (std::vector<int>{1, 2}));
}

TEST_F(LuxComposite, ParallelWaitsForItsLongestChild) {
    lux::ParalelAction parallel;
    parallel.add(delay(100));
    parallel.add(delay(300));
    parallel.start(&listener, 0);

    parallel.update(100);
    EXPECT_FALSE(parallel.child(0).isRunning());
    EXPECT_TRUE(parallel.child(1).isRunning());
    parallel.update(100);
    parallel.update(100);
    EXPECT_FALSE(parallel.child(1).isRunning());
    EXPECT_TRUE(parallel.isRunning());
    EXPECT_TRUE(listener.finished.empty());

    parallel.update(100);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxComposite, TagOfChildReachesSequenceListener) {
    int a = 0, b = 0;
    lux::ActionSequence sequence;
    sequence.add(setter(&a, 1));
    sequence.add(setter(&b, 1), 5);
    sequence.start(&listener, 8);
    for (int i = 0; i < 4; ++i) {
        sequence.update(16);
    }
    EXPECT_EQ(listener.log, (Strings{"tag 1 5", "finish 8"}));
}

TEST_F(LuxComposite, NestedCompositesForwardTags) {
    int a = 0, b = 0;
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

    outer.update(16); // parallel notices its children are done
    outer.update(16); // loop starts
    fakeNow = 10;
    outer.refresh();
    EXPECT_EQ(listener.log, (Strings{"tag 1 3", "tag 0 6"}));
}

TEST_F(LuxComposite, LoopOfThreeRoundsFinishesAfterTheThird) {
    lux::LoopAction loop(delay(100), 3);
    loop.start(&listener, 2);
    for (int round = 1; round <= 2; ++round) {
        fakeNow = 100 * round;
        loop.refresh();
        EXPECT_EQ(loop.done(), round);
        EXPECT_TRUE(loop.isRunning());
    }
    fakeNow = 250;
    loop.refresh();
    EXPECT_TRUE(loop.isRunning());
    fakeNow = 300;
    loop.refresh();
    EXPECT_FALSE(loop.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{2});
}

TEST_F(LuxComposite, EndlessLoopNeverFinishes) {
    lux::LoopAction loop(delay(100), lux::LoopAction::kEndless);
    loop.start(&listener, 0);
    for (int round = 1; round <= 50; ++round) {
        fakeNow = 100 * round;
        loop.refresh();
    }
    EXPECT_TRUE(loop.isRunning());
    EXPECT_TRUE(listener.finished.empty());
}

TEST_F(LuxComposite, LoopUpdateTimesItsChildByTheClock) {
    lux::LoopAction loop(delay(100), 1);
    loop.start(&listener, 0);
    loop.update(1000);
    EXPECT_TRUE(loop.isRunning());
    fakeNow = 100;
    loop.update(0);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST_F(LuxComposite, LoopRoundsRestartWithEveryStart) {
    lux::LoopAction loop(delay(0), 2);
    loop.start(&listener, 0);
    loop.refresh();
    loop.refresh();
    loop.start(&listener, 1);
    EXPECT_EQ(loop.done(), 0);
    loop.refresh();
    EXPECT_TRUE(loop.isRunning());
    loop.refresh();
    EXPECT_EQ(listener.finished, (std::vector<int>{0, 1}));
}

TEST_F(LuxComposite, StopHaltsChildrenWithoutNotifying) {
    lux::ParalelAction parallel;
    parallel.add(delay(100));
    parallel.add(std::make_unique<lux::LoopAction>(delay(100), lux::LoopAction::kEndless));
    parallel.start(&listener, 0);
    parallel.stop();

    EXPECT_FALSE(parallel.isRunning());
    EXPECT_FALSE(parallel.child(0).isRunning());
    EXPECT_FALSE(parallel.child(1).isRunning());
    fakeNow = 1000;
    parallel.update(1000);
    parallel.refresh();
    EXPECT_TRUE(listener.log.empty());
}

TEST_F(LuxComposite, CloneCopiesChildrenIndependently) {
    auto original = std::make_unique<lux::ActionSequence>();
    original->add(delay(100));
    original->add(delay(100), 2);
    original->start(&listener, 3);
    original->update(50);

    std::unique_ptr<lux::Action> stopped = original->clone();
    stopped->stop();
    EXPECT_TRUE(original->isRunning());
    EXPECT_TRUE(original->child(0).isRunning());

    std::unique_ptr<lux::Action> copy = original->clone();
    auto& sequenceCopy = dynamic_cast<lux::ActionSequence&>(*copy);
    ASSERT_EQ(sequenceCopy.childCount(), 2u);
    EXPECT_NE(&sequenceCopy.child(0), &original->child(0));
    EXPECT_EQ(sequenceCopy.child(1).tag(), 2);

    // The copied children report to the copy, so the original may go first.
    original.reset();
    copy->update(50);
    EXPECT_FALSE(sequenceCopy.child(0).isRunning());
    copy->update(1);
    copy->update(100);
    copy->update(1);
    EXPECT_EQ(listener.log, (Strings{"tag 1 2", "finish 3"}));
}

TEST_F(LuxComposite, ClonedLoopRunsOnItsOwn) {
    auto original = std::make_unique<lux::LoopAction>(delay(100), 2);
    original->start(&listener, 1);
    std::unique_ptr<lux::Action> copy = original->clone();
    original.reset();

    fakeNow = 100;
    copy->refresh();
    fakeNow = 200;
    copy->refresh();
    EXPECT_EQ(listener.finished, std::vector<int>{1});
}

TEST_F(LuxComposite, ThenOnSequenceAppendsElsewhereWraps) {
    int a = 0, b = 0, c = 0;
    auto chain = lux::Action::then(setter(&a, 1), setter(&b, 2));
    auto* sequence = dynamic_cast<lux::ActionSequence*>(chain.get());
    ASSERT_NE(sequence, nullptr);
    EXPECT_EQ(sequence->childCount(), 2u);

    chain = lux::Action::then(std::move(chain), setter(&c, 3));
    EXPECT_EQ(chain.get(), sequence);
    EXPECT_EQ(sequence->childCount(), 3u);

    chain->start(&listener, 0);
    for (int i = 0; i < 6; ++i) {
        chain->update(16);
    }
    EXPECT_EQ(a + b + c, 6);
    EXPECT_EQ(listener.finished, std::vector<int>{0});

    auto parallel = lux::Action::with(delay(1), delay(2));
    auto* parallelRaw = parallel.get();
    auto wrapped = lux::Action::then(std::move(parallel), delay(3));
    EXPECT_NE(wrapped.get(), parallelRaw);
    ASSERT_NE(dynamic_cast<lux::ActionSequence*>(wrapped.get()), nullptr);
    EXPECT_EQ(&dynamic_cast<lux::ActionSequence&>(*wrapped).child(0), parallelRaw);
}

TEST_F(LuxComposite, WithOnParallelAppendsElsewhereWraps) {
    auto group = lux::Action::with(delay(100), delay(200));
    auto* parallel = dynamic_cast<lux::ParalelAction*>(group.get());
    ASSERT_NE(parallel, nullptr);
    group = lux::Action::with(std::move(group), delay(300));
    EXPECT_EQ(group.get(), parallel);
    EXPECT_EQ(parallel->childCount(), 3u);

    auto sequence = lux::Action::then(delay(1), delay(2));
    auto* sequenceRaw = sequence.get();
    auto wrapped = lux::Action::with(std::move(sequence), delay(3));
    ASSERT_NE(dynamic_cast<lux::ParalelAction*>(wrapped.get()), nullptr);
    EXPECT_EQ(&dynamic_cast<lux::ParalelAction&>(*wrapped).child(0), sequenceRaw);
}

TEST_F(LuxComposite, CompositionKeepsTagsAndAcceptsEmptyStart) {
    auto first = delay(10);
    first->setTag(7);
    auto* firstRaw = first.get();
    auto chain = lux::Action::then(nullptr, std::move(first));
    EXPECT_EQ(chain.get(), firstRaw);

    auto second = delay(10);
    second->setTag(8);
    chain = lux::Action::then(std::move(chain), std::move(second));
    chain = lux::Action::with(std::move(chain), nullptr);
    chain->start(&listener, 0);
    chain->update(10);
    chain->update(0);
    chain->update(10);
    EXPECT_EQ(listener.log, (Strings{"tag 0 7", "tag 1 8"}));
}

} // namespace
