#include "engine/anim/TinyActionDelay.h"
#include "engine/anim/TinyActionSequence.h"
#include "engine/anim/TinyLoopAction.h"
#include "engine/anim/TinyParalelAction.h"
#include "engine/anim/TinyRelIncrementator.h"
#include "engine/anim/TinySetter.h"
#include "tests/anim/RecordingListeners.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<TinyAction> setter(int* target, int value) {
    return std::make_unique<TinySetter<int>>(target, value);
}

std::unique_ptr<TinyAction> delay(int ms) {
    return std::make_unique<TinyActionDelay>(ms);
}

TEST(TinyTween, IntTweenFedSixteenMsTruncatesAndEndsExactlyOnce) {
    TinyRecordingListener listener;
    int value = 0;
    TinyRelIncrementator<int> tween(1000, &value, 100);
    tween.start(&listener, 5);

    tween.update(16);
    EXPECT_EQ(value, 1);
    tween.update(16);
    tween.update(16);
    EXPECT_EQ(value, 4);
    for (int i = 4; i <= 62; ++i) {
        tween.update(16);
    }
    EXPECT_EQ(value, 99);
    EXPECT_TRUE(listener.finished.empty());

    tween.update(16);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(listener.finished, std::vector<int>{5});
    tween.update(16);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(listener.finished, std::vector<int>{5});
}

TEST(TinyTween, NegativeIntTweenTruncatesTowardZero) {
    TinyRecordingListener listener;
    int value = 0;
    TinyRelIncrementator<int> tween(1000, &value, -100);
    tween.start(&listener, 0);
    tween.update(16);
    EXPECT_EQ(value, -1);
    tween.update(984);
    EXPECT_EQ(value, -100);
}

TEST(TinyTween, FloatTweenInterpolatesAndEndsExactly) {
    TinyRecordingListener listener;
    float value = 2.0f;
    TinyRelIncrementator<float> tween(400, &value, -1.0f);
    tween.start(&listener, 0);
    tween.update(100);
    EXPECT_FLOAT_EQ(value, 1.75f);
    tween.update(500);
    EXPECT_EQ(value, 1.0f);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST(TinyTween, ZeroLengthFinishesAtStartLeavingTargetAlone) {
    TinyRecordingListener listener;
    int value = 10;
    TinyRelIncrementator<int> tween(0, &value, 5);
    tween.start(&listener, 2);
    EXPECT_FALSE(tween.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{2});
    tween.update(16);
    EXPECT_EQ(value, 10);
    EXPECT_EQ(listener.finished.size(), 1u);
}

TEST(TinyTween, RestartRereadsStartValueAndStopIsSilent) {
    TinyRecordingListener listener;
    int value = 0;
    TinyRelIncrementator<int> tween(100, &value, 10);
    tween.start(&listener, 0);
    tween.update(100);
    ASSERT_EQ(value, 10);

    tween.start(&listener, 0);
    tween.update(50);
    EXPECT_EQ(value, 15);
    tween.stop();
    tween.update(50);
    EXPECT_EQ(value, 15);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST(TinyLeaf, DelayAndSetterFinishOnTheirUpdate) {
    TinyRecordingListener listener;
    TinyActionDelay wait(100);
    wait.start(&listener, 1);
    wait.update(60);
    EXPECT_TRUE(wait.isRunning());
    wait.update(40);
    EXPECT_FALSE(wait.isRunning());

    float value = 0.0f;
    TinySetter<float> set(&value, 0.5f);
    set.start(&listener, 2);
    EXPECT_EQ(value, 0.5f);
    EXPECT_TRUE(set.isRunning());
    set.update(0);
    EXPECT_EQ(listener.finished, (std::vector<int>{1, 2}));

    auto copy = set.copySetter();
    value = 0.0f;
    copy->start(&listener, 3);
    EXPECT_EQ(value, 0.5f);
    EXPECT_FALSE(set.isRunning());
}

TEST(TinyComposite, SequenceOfThreeSettersFinishesOnSixthUpdate) {
    TinyRecordingListener listener;
    int a = 0, b = 0, c = 0;
    TinyActionSequence sequence;
    sequence.add(setter(&a, 1));
    sequence.add(setter(&b, 2));
    sequence.add(setter(&c, 3));
    sequence.start(&listener, 4);
    EXPECT_EQ(a, 1);

    const int bAfter[] = {0, 2, 2, 2, 2};
    const int cAfter[] = {0, 0, 0, 3, 3};
    for (int i = 0; i < 5; ++i) {
        sequence.update(16);
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(b, bAfter[i]);
        EXPECT_EQ(c, cAfter[i]);
        EXPECT_TRUE(sequence.isRunning());
    }
    sequence.update(16);
    EXPECT_FALSE(sequence.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{4});
}

TEST(TinyComposite, EmptyCompositesFinishAtStart) {
    TinyRecordingListener listener;
    TinyActionSequence sequence;
    sequence.start(&listener, 1);
    TinyParalelAction parallel;
    parallel.start(&listener, 2);
    EXPECT_FALSE(sequence.isRunning());
    EXPECT_FALSE(parallel.isRunning());
    EXPECT_EQ(listener.finished, (std::vector<int>{1, 2}));
}

TEST(TinyComposite, ParallelWaitsForItsLongestChild) {
    TinyRecordingListener listener;
    TinyParalelAction parallel;
    parallel.add(delay(100));
    parallel.add(delay(300));
    parallel.start(&listener, 0);
    parallel.update(100);
    EXPECT_FALSE(parallel.child(0).isRunning());
    parallel.update(100);
    parallel.update(100);
    EXPECT_TRUE(parallel.isRunning());
    EXPECT_TRUE(listener.finished.empty());
    parallel.update(100);
    EXPECT_EQ(listener.finished, std::vector<int>{0});
}

TEST(TinyComposite, LoopOfThreeRoundsFinishesAfterTheThird) {
    TinyRecordingListener listener;
    TinyLoopAction loop(delay(100), 3);
    loop.start(&listener, 6);
    loop.update(100);
    loop.update(50);
    loop.update(50);
    EXPECT_EQ(loop.done(), 2);
    EXPECT_TRUE(loop.isRunning());
    loop.update(99);
    EXPECT_TRUE(loop.isRunning());
    loop.update(1);
    EXPECT_FALSE(loop.isRunning());
    EXPECT_EQ(listener.finished, std::vector<int>{6});

    loop.start(&listener, 7);
    EXPECT_EQ(loop.done(), 0);
    loop.update(100);
    EXPECT_TRUE(loop.isRunning());
}

TEST(TinyComposite, EndlessLoopNeverFinishes) {
    TinyRecordingListener listener;
    TinyLoopAction loop(delay(100), TinyLoopAction::kEndless);
    loop.start(&listener, 0);
    for (int i = 0; i < 50; ++i) {
        loop.update(100);
    }
    EXPECT_TRUE(loop.isRunning());
    EXPECT_TRUE(listener.finished.empty());
}

TEST(TinyComposite, StopHaltsChildrenWithoutNotifying) {
    TinyRecordingListener listener;
    TinyActionSequence sequence;
    sequence.add(std::make_unique<TinyLoopAction>(delay(10), TinyLoopAction::kEndless));
    sequence.add(delay(10));
    sequence.start(&listener, 0);
    sequence.update(10);
    sequence.stop();
    EXPECT_FALSE(sequence.child(0).isRunning());
    for (int i = 0; i < 5; ++i) {
        sequence.update(10);
    }
    EXPECT_FALSE(sequence.child(1).isRunning());
    EXPECT_TRUE(listener.finished.empty());
}

TEST(TinyComposite, CloneCopiesChildrenIndependently) {
    TinyRecordingListener listener;
    auto original = std::make_unique<TinyParalelAction>();
    original->add(delay(100));
    original->add(std::make_unique<TinyLoopAction>(delay(50), 2));
    original->start(&listener, 3);
    original->update(50);

    std::unique_ptr<TinyAction> stopped = original->clone();
    stopped->stop();
    EXPECT_TRUE(original->child(0).isRunning());
    EXPECT_TRUE(original->child(1).isRunning());

    std::unique_ptr<TinyAction> copy = original->clone();
    auto& parallelCopy = dynamic_cast<TinyParalelAction&>(*copy);
    ASSERT_EQ(parallelCopy.childCount(), 2u);
    EXPECT_NE(&parallelCopy.child(0), &original->child(0));

    // The copied children report to the copy, so the original may go first.
    original.reset();
    copy->update(50);
    EXPECT_FALSE(parallelCopy.child(0).isRunning());
    EXPECT_FALSE(parallelCopy.child(1).isRunning());
    copy->update(0);
    EXPECT_EQ(listener.finished, std::vector<int>{3});
}

TEST(TinyComposite, ThenAndWithGrowMatchingCompositesOnly) {
    TinyRecordingListener listener;
    int a = 0, b = 0, c = 0;
    auto chain = TinyAction::then(setter(&a, 1), setter(&b, 2));
    auto* sequence = dynamic_cast<TinyActionSequence*>(chain.get());
    ASSERT_NE(sequence, nullptr);
    chain = TinyAction::then(std::move(chain), setter(&c, 3));
    EXPECT_EQ(chain.get(), sequence);
    EXPECT_EQ(sequence->childCount(), 3u);
    chain->start(&listener, 0);
    for (int i = 0; i < 6; ++i) {
        chain->update(16);
    }
    EXPECT_EQ(a + b + c, 6);
    EXPECT_EQ(listener.finished, std::vector<int>{0});

    auto group = TinyAction::with(delay(1), delay(2));
    auto* parallel = dynamic_cast<TinyParalelAction*>(group.get());
    ASSERT_NE(parallel, nullptr);
    group = TinyAction::with(std::move(group), delay(3));
    EXPECT_EQ(group.get(), parallel);
    EXPECT_EQ(parallel->childCount(), 3u);

    auto wrapped = TinyAction::then(std::move(group), delay(4));
    auto* outer = dynamic_cast<TinyActionSequence*>(wrapped.get());
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(&outer->child(0), parallel);

    auto alone = delay(5);
    auto* aloneRaw = alone.get();
    EXPECT_EQ(TinyAction::with(nullptr, std::move(alone)).get(), aloneRaw);
}

} // namespace
