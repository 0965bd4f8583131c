// What the lux actions and the tiny actions have in common, written once and
// run for both families; what only one family does is tested at the end and
// in LuxActionsTest.
#include "engine/anim/ActionDelay.h"
#include "engine/anim/ActionSequence.h"
#include "engine/anim/Duration.h"
#include "engine/anim/LoopAction.h"
#include "engine/anim/ParalelAction.h"
#include "engine/anim/RelIncrementator.h"
#include "engine/anim/Setter.h"
#include "engine/anim/TinyActionDelay.h"
#include "engine/anim/TinyActionSequence.h"
#include "engine/anim/TinyLoopAction.h"
#include "engine/anim/TinyParalelAction.h"
#include "engine/anim/TinyRelIncrementator.h"
#include "engine/anim/TinySetter.h"
#include "tests/support/FakeActionClock.h"
#include "tests/support/RecordingListeners.h"
#include "tests/support/StdoutCapture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// How each family builds its actions and lets time pass for a loop.
struct LuxFamily {
    using Action = lux::Action;
    using Listener = RecordingListener;
    using Sequence = lux::ActionSequence;
    using Parallel = lux::ParalelAction;
    using Loop = lux::LoopAction;

    template <typename T> static auto tween(int ms, T* target, T amount) {
        return std::make_unique<lux::RelIncrementator<T>>(lux::Duration(ms), target, amount);
    }
    template <typename T> static auto setter(T* target, T value) {
        return std::make_unique<lux::Setter<T>>(target, value);
    }
    static std::unique_ptr<Action> delay(int ms) {
        return std::make_unique<lux::ActionDelay>(lux::Duration(ms));
    }
    // Loops time their child by the clock.
    static void elapse(FakeActionClock& clock, Action& action, int ms) {
        clock.advance(std::uint32_t(ms));
        action.refresh();
    }
};

struct TinyFamily {
    using Action = TinyAction;
    using Listener = TinyRecordingListener;
    using Sequence = TinyActionSequence;
    using Parallel = TinyParalelAction;
    using Loop = TinyLoopAction;

    template <typename T> static auto tween(int ms, T* target, T amount) {
        return std::make_unique<TinyRelIncrementator<T>>(ms, target, amount);
    }
    template <typename T> static auto setter(T* target, T value) {
        return std::make_unique<TinySetter<T>>(target, value);
    }
    static std::unique_ptr<Action> delay(int ms) { return std::make_unique<TinyActionDelay>(ms); }
    // Tiny actions know only the milliseconds fed to them.
    static void elapse(FakeActionClock&, Action& action, int ms) { action.update(ms); }
};

template <typename Family> class ActionFamilies : public ::testing::Test {
protected:
    using Action = typename Family::Action;

    static std::unique_ptr<typename Family::Loop> loop(std::unique_ptr<Action> child, int rounds) {
        return std::make_unique<typename Family::Loop>(std::move(child), rounds);
    }
    void elapse(Action& action, int ms) { Family::elapse(clock, action, ms); }

    FakeActionClock clock;
    typename Family::Listener listener;
};

using Families = ::testing::Types<LuxFamily, TinyFamily>;
class FamilyNames {
public:
    template <typename T> static std::string GetName(int) {
        return std::is_same<T, LuxFamily>::value ? "Lux" : "Tiny";
    }
};
TYPED_TEST_SUITE(ActionFamilies, Families, FamilyNames);

TYPED_TEST(ActionFamilies, IntTweenFedSixteenMsTruncatesAndEndsExactlyOnce) {
    int value = 0;
    auto tween = TypeParam::tween(1000, &value, 100);
    tween->start(&this->listener, 7);

    tween->update(16);
    EXPECT_EQ(value, 1); // 1.6
    tween->update(16);
    tween->update(16);
    EXPECT_EQ(value, 4); // 4.8
    for (int i = 4; i <= 62; ++i) {
        tween->update(16);
    }
    EXPECT_EQ(value, 99); // 62 * 16 = 992 ms: 99.2
    EXPECT_TRUE(tween->isRunning());
    EXPECT_TRUE(this->listener.finished.empty());

    tween->update(16);
    EXPECT_EQ(value, 100);
    EXPECT_FALSE(tween->isRunning());
    EXPECT_EQ(this->listener.finished, std::vector<int>{7});

    tween->update(16);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(this->listener.finished, std::vector<int>{7});
}

TYPED_TEST(ActionFamilies, NegativeIntTweenTruncatesTowardZero) {
    int value = 0;
    auto tween = TypeParam::tween(1000, &value, -100);
    tween->start(&this->listener, 0);
    tween->update(16);
    EXPECT_EQ(value, -1); // -1.6
    tween->update(32);
    EXPECT_EQ(value, -4); // -4.8
    tween->update(952);
    EXPECT_EQ(value, -100);
}

TYPED_TEST(ActionFamilies, FloatTweenInterpolatesAndEndsExactlyOnItsValue) {
    float value = 2.0f;
    auto tween = TypeParam::tween(400, &value, -1.0f);
    tween->start(&this->listener, 0);
    tween->update(100);
    EXPECT_FLOAT_EQ(value, 1.75f); // a quarter of -1
    tween->update(500);
    EXPECT_EQ(value, 1.0f) << "past the end: exactly start + amount";
    EXPECT_EQ(this->listener.finished, std::vector<int>{0});
}

TYPED_TEST(ActionFamilies, RestartedTweenRereadsItsStartValueAndAStoppedOneIsSilent) {
    int value = 0;
    auto tween = TypeParam::tween(100, &value, 10);
    tween->start(&this->listener, 0);
    tween->update(100);
    ASSERT_EQ(value, 10);

    tween->start(&this->listener, 1);
    tween->update(50);
    EXPECT_EQ(value, 15); // from 10, half of 10 more
    tween->update(50);
    EXPECT_EQ(value, 20);

    tween->start(&this->listener, 2);
    tween->update(50);
    tween->stop();
    EXPECT_FALSE(tween->isRunning());
    tween->update(100);
    this->elapse(*tween, 100);
    EXPECT_EQ(value, 25) << "still where it stopped";
    EXPECT_EQ(this->listener.log, (Strings{"finish 0", "finish 1"}));
}

TYPED_TEST(ActionFamilies, DelayFinishesWhenTheFedTimeIsUp) {
    auto wait = TypeParam::delay(100);
    wait->start(&this->listener, 1);
    wait->update(99);
    EXPECT_TRUE(wait->isRunning());
    wait->update(1);
    EXPECT_FALSE(wait->isRunning());
    EXPECT_EQ(this->listener.finished, std::vector<int>{1});
}

TYPED_TEST(ActionFamilies, SetterWritesAtStartFinishesOnTheNextUpdateAndCopiesWorkAlone) {
    int value = 0;
    auto set = TypeParam::setter(&value, 42);
    set->start(&this->listener, 6);
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(set->isRunning());

    value = 0;
    set->update(16);
    EXPECT_EQ(value, 0) << "written once, at the start";
    EXPECT_EQ(this->listener.finished, std::vector<int>{6});
    set->update(16);
    EXPECT_EQ(this->listener.finished.size(), 1u);

    auto copy = set->copySetter();
    ASSERT_NE(copy.get(), set.get());
    copy->start(&this->listener, 1);
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(set->isRunning());
    copy->update(16);
    EXPECT_EQ(this->listener.finished, (std::vector<int>{6, 1}));
}

TYPED_TEST(ActionFamilies, SequenceOfThreeSettersFinishesOnTheSixthUpdate) {
    int a = 0, b = 0, c = 0;
    typename TypeParam::Sequence sequence;
    sequence.add(TypeParam::setter(&a, 1));
    sequence.add(TypeParam::setter(&b, 2));
    sequence.add(TypeParam::setter(&c, 3));
    sequence.start(&this->listener, 4);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);

    // Each setter finishes on the update after its start, and the sequence
    // starts the next child on the update after that.
    const int bAfter[] = {0, 2, 2, 2, 2};
    const int cAfter[] = {0, 0, 0, 3, 3};
    for (int i = 0; i < 5; ++i) {
        sequence.update(16);
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(b, bAfter[i]);
        EXPECT_EQ(c, cAfter[i]);
        EXPECT_TRUE(sequence.isRunning());
    }
    EXPECT_TRUE(this->listener.finished.empty());

    sequence.update(16);
    EXPECT_FALSE(sequence.isRunning());
    EXPECT_EQ(this->listener.finished, std::vector<int>{4});
}

TYPED_TEST(ActionFamilies, EmptyCompositesFinishAtStart) {
    typename TypeParam::Sequence sequence;
    sequence.start(&this->listener, 1);
    typename TypeParam::Parallel parallel;
    parallel.start(&this->listener, 2);
    EXPECT_FALSE(sequence.isRunning());
    EXPECT_FALSE(parallel.isRunning());
    EXPECT_EQ(this->listener.finished, (std::vector<int>{1, 2}));
}

TYPED_TEST(ActionFamilies, ParallelWaitsForItsLongestChild) {
    typename TypeParam::Parallel parallel;
    parallel.add(TypeParam::delay(100));
    parallel.add(TypeParam::delay(300));
    parallel.start(&this->listener, 0);

    parallel.update(100);
    EXPECT_FALSE(parallel.child(0).isRunning());
    EXPECT_TRUE(parallel.child(1).isRunning());
    parallel.update(100);
    parallel.update(100);
    EXPECT_FALSE(parallel.child(1).isRunning());
    EXPECT_TRUE(parallel.isRunning()) << "it notices on its next update";
    EXPECT_TRUE(this->listener.finished.empty());

    parallel.update(100);
    EXPECT_EQ(this->listener.finished, std::vector<int>{0});
}

TYPED_TEST(ActionFamilies, LoopFinishesAfterItsLastRoundAndCountsAgainWhenRestarted) {
    auto loop = this->loop(TypeParam::delay(100), 3);
    loop->start(&this->listener, 6);
    this->elapse(*loop, 100);
    this->elapse(*loop, 50);
    this->elapse(*loop, 50);
    EXPECT_EQ(loop->done(), 2);
    EXPECT_TRUE(loop->isRunning());
    this->elapse(*loop, 99);
    EXPECT_TRUE(loop->isRunning());
    this->elapse(*loop, 1);
    EXPECT_FALSE(loop->isRunning());
    EXPECT_EQ(this->listener.finished, std::vector<int>{6});

    loop->start(&this->listener, 7);
    EXPECT_EQ(loop->done(), 0);
    this->elapse(*loop, 100);
    EXPECT_EQ(loop->done(), 1);
    EXPECT_TRUE(loop->isRunning());
}

TYPED_TEST(ActionFamilies, EndlessLoopNeverFinishes) {
    auto loop = this->loop(TypeParam::delay(100), TypeParam::Loop::kEndless);
    loop->start(&this->listener, 0);
    for (int i = 0; i < 50; ++i) {
        this->elapse(*loop, 100);
    }
    EXPECT_TRUE(loop->isRunning());
    EXPECT_TRUE(this->listener.finished.empty());
}

// A round that ends as it starts (an empty sequence) would restart for ever
// without time passing, each start nested in the last.
TYPED_TEST(ActionFamilies, LoopsOfRoundsThatTakeNoTimeEndWithoutPilingUp) {
    auto counted = this->loop(std::make_unique<typename TypeParam::Sequence>(), 200000);
    counted->start(&this->listener, 1);
    EXPECT_FALSE(counted->isRunning());
    EXPECT_EQ(counted->done(), 200000) << "every round counted, none nested";

    StdoutCapture capture;
    auto endless =
        this->loop(std::make_unique<typename TypeParam::Sequence>(), TypeParam::Loop::kEndless);
    endless->start(&this->listener, 2);
    EXPECT_FALSE(endless->isRunning());
    EXPECT_EQ(this->listener.finished, (std::vector<int>{1, 2}));
    EXPECT_NE(std::string::npos, capture.finish().find("round takes no time is stopped"));
}

TYPED_TEST(ActionFamilies, StopHaltsChildrenWithoutNotifying) {
    typename TypeParam::Sequence sequence;
    sequence.add(this->loop(TypeParam::delay(10), TypeParam::Loop::kEndless));
    sequence.add(TypeParam::delay(10));
    typename TypeParam::Parallel parallel;
    parallel.add(TypeParam::delay(100));
    parallel.add(this->loop(TypeParam::delay(100), TypeParam::Loop::kEndless));
    sequence.start(&this->listener, 0);
    parallel.start(&this->listener, 1);
    this->elapse(sequence, 10);
    sequence.stop();
    parallel.stop();

    EXPECT_FALSE(sequence.isRunning());
    EXPECT_FALSE(sequence.child(0).isRunning());
    EXPECT_FALSE(parallel.isRunning());
    EXPECT_FALSE(parallel.child(0).isRunning());
    EXPECT_FALSE(parallel.child(1).isRunning());
    for (int i = 0; i < 5; ++i) {
        sequence.update(100);
        parallel.update(100);
        this->elapse(sequence, 100);
        this->elapse(parallel, 100);
    }
    EXPECT_FALSE(sequence.child(1).isRunning()) << "a stopped sequence does not move on";
    EXPECT_TRUE(this->listener.log.empty());
}

TYPED_TEST(ActionFamilies, CloneCopiesChildrenIndependently) {
    auto original = std::make_unique<typename TypeParam::Parallel>();
    original->add(TypeParam::delay(100));
    original->add(this->loop(TypeParam::delay(50), 2));
    original->start(&this->listener, 3);
    this->elapse(*original, 50); // the loop's first round is over

    auto stopped = original->clone();
    stopped->stop();
    EXPECT_TRUE(original->child(0).isRunning());
    EXPECT_TRUE(original->child(1).isRunning());

    auto copy = original->clone();
    auto& parallelCopy = dynamic_cast<typename TypeParam::Parallel&>(*copy);
    ASSERT_EQ(parallelCopy.childCount(), 2u);
    EXPECT_NE(&parallelCopy.child(0), &original->child(0));

    // The copied children report to the copy, so the original may go first.
    original.reset();
    this->elapse(*copy, 50);
    EXPECT_FALSE(parallelCopy.child(0).isRunning());
    EXPECT_FALSE(parallelCopy.child(1).isRunning()) << "the second round is over too";
    this->elapse(*copy, 0);
    EXPECT_EQ(this->listener.finished, std::vector<int>{3});
}

TYPED_TEST(ActionFamilies, ThenAndWithGrowMatchingCompositesAndWrapOthers) {
    using Action = typename TypeParam::Action;
    using Sequence = typename TypeParam::Sequence;
    using Parallel = typename TypeParam::Parallel;
    int a = 0, b = 0, c = 0;
    auto chain = Action::then(TypeParam::setter(&a, 1), TypeParam::setter(&b, 2));
    auto* sequence = dynamic_cast<Sequence*>(chain.get());
    ASSERT_NE(sequence, nullptr);
    chain = Action::then(std::move(chain), TypeParam::setter(&c, 3));
    EXPECT_EQ(chain.get(), sequence);
    EXPECT_EQ(sequence->childCount(), 3u);
    chain->start(&this->listener, 0);
    for (int i = 0; i < 6; ++i) {
        chain->update(16);
    }
    EXPECT_EQ(a + b + c, 6);
    EXPECT_EQ(this->listener.finished, std::vector<int>{0});

    auto group = Action::with(TypeParam::delay(1), TypeParam::delay(2));
    auto* parallel = dynamic_cast<Parallel*>(group.get());
    ASSERT_NE(parallel, nullptr);
    group = Action::with(std::move(group), TypeParam::delay(3));
    EXPECT_EQ(group.get(), parallel);
    EXPECT_EQ(parallel->childCount(), 3u);

    auto afterGroup = Action::then(std::move(group), TypeParam::delay(4));
    auto* outer = dynamic_cast<Sequence*>(afterGroup.get());
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(&outer->child(0), parallel);

    auto inner = Action::then(TypeParam::delay(1), TypeParam::delay(2));
    auto* innerRaw = inner.get();
    auto beside = Action::with(std::move(inner), TypeParam::delay(3));
    auto* wrapper = dynamic_cast<Parallel*>(beside.get());
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(&wrapper->child(0), innerRaw);

    auto alone = TypeParam::delay(5);
    auto* aloneRaw = alone.get();
    alone = Action::with(nullptr, std::move(alone));
    alone = Action::then(nullptr, std::move(alone));
    alone = Action::with(std::move(alone), nullptr);
    alone = Action::then(std::move(alone), nullptr);
    EXPECT_EQ(alone.get(), aloneRaw) << "a missing operand yields the other";
}

TEST(TinyTween, ZeroLengthFinishesAtStartLeavingTheTargetAlone) {
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

} // namespace
