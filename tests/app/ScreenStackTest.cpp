// The screen stack, screen phases and transitions, without a window: the
// application is constructed but never opens video, and drawing goes to a
// recording renderer.
#include "engine/app/FadeTransition.h"
#include "engine/ui/MouseListeningWidget.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/AppFixture.h"
#include "tests/support/ProbeWidget.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/TestScreen.h"

#include <gtest/gtest.h>

namespace {

class ScreenStackTest : public AppFixture {
protected:
    void SetUp() override {
        makeApp();
        AppConfig::instance().setScreenResolution(1024, 768, 0);
        app->setSize(1024, 768);
    }

    TestScreen* push(const std::string& name) {
        auto screen = std::make_unique<TestScreen>(&journal, name);
        TestScreen* raw = screen.get();
        app->pushScreen(std::move(screen));
        return raw;
    }

    std::vector<std::string> journal;
};

TEST_F(ScreenStackTest, PushDisablesTheLowerScreenAndPopReenablesIt) {
    TestScreen* lower = push("lower");
    TestScreen* upper = push("upper");
    EXPECT_FALSE(lower->isEnabled());
    EXPECT_TRUE(upper->isEnabled());

    app->update(16);
    EXPECT_TRUE(lower->updates.empty()) << "a covered screen is not updated";
    EXPECT_EQ(upper->updates.size(), 1u);

    RecordingGraphics graphics;
    lower->fillBackground = upper->fillBackground = true;
    app->renderFrame(graphics);
    EXPECT_EQ(graphics.count("fillRect"), 2) << "both screens are drawn, covered or not";

    app->popScreen();
    EXPECT_TRUE(lower->isEnabled());
    EXPECT_EQ(app->topScreen(), lower);
    app->update(16);
    EXPECT_EQ(lower->updates.size(), 1u);
    app->destroyRetiredScreens();
    EXPECT_NE(std::find(journal.begin(), journal.end(), "upper:destroyed"), journal.end());
    EXPECT_NE(std::find(journal.begin(), journal.end(), "lower:uncovered"), journal.end());
}

TEST_F(ScreenStackTest, EmptyStackOperationsDoNothing) {
    app->popScreen();
    app->replaceTop(std::make_unique<TestScreen>(&journal, "never"));
    EXPECT_EQ(app->screenCount(), 0u);
    EXPECT_EQ(app->topScreen(), nullptr);
    // The screen given to replaceTop on an empty stack is dropped, not started.
    EXPECT_EQ(journal, std::vector<std::string>{"never:destroyed"});
}

TEST_F(ScreenStackTest, EmptyTransitionShowsDuringEnterAndClosesOnTheNextUpdate) {
    auto screen = std::make_unique<TestScreen>(&journal, "s");
    TestScreen* s = screen.get();
    app->startScreen(std::move(screen));
    EXPECT_EQ((std::vector<std::string>{"s:start", "s:createWidgets", "s:shown"}), journal);
    EXPECT_EQ(s->phase(), ScreenBase::Shown);
    EXPECT_TRUE(s->widgetManager().isInputEnabled());

    s->close(7);
    EXPECT_EQ(s->phase(), ScreenBase::Leaving);
    EXPECT_EQ(s->closedCount, 0) << "onClosed waits for the next update";
    EXPECT_FALSE(s->widgetManager().isInputEnabled());
    app->update(16);
    EXPECT_EQ(s->closedCount, 1);
    EXPECT_EQ(s->lastExitCode, 7);
    EXPECT_EQ(s->phase(), ScreenBase::Shown);
    app->update(16);
    EXPECT_EQ(s->closedCount, 1) << "closed is reported once";
}

TEST_F(ScreenStackTest, RootWidgetCoversTheScreenUnderEverythingElse) {
    auto screen = std::make_unique<TestScreen>(&journal, "s");
    TestScreen* s = screen.get();
    ProbeWidget* probe = nullptr;
    s->onCreateWidgets = [&] {
        probe = s->addWidget(
            std::make_unique<ProbeWidget>("p", WidgetRect(10, 10, 0, 50, 50), &journal));
    };
    app->pushScreen(std::move(screen));
    ASSERT_NE(s->rootWidget(), nullptr);
    EXPECT_EQ(s->rootWidget()->rect(), WidgetRect(0, 0, 1, 1024, 768));
    EXPECT_EQ(probe->z(), 2);
    EXPECT_EQ(s->widgetManager().widgetAt(20, 20), probe);
    EXPECT_EQ(s->widgetManager().widgetAt(500, 500), s->rootWidget());

    app->setSize(800, 600);
    s->relayout();
    EXPECT_EQ(s->rootWidget()->width(), 800);
    EXPECT_EQ(s->rootWidget()->height(), 600);
}

TEST_F(ScreenStackTest, FadeInIsHalfDarkAfter250MsAndFinishesAfterItsTween) {
    auto screen = std::make_unique<TestScreen>(&journal, "s");
    TestScreen* s = screen.get();
    s->setInTransition(std::make_unique<FadeInTransition>());
    app->pushScreen(std::move(screen));
    EXPECT_EQ(s->phase(), ScreenBase::Entering);
    EXPECT_FALSE(s->widgetManager().isInputEnabled()) << "no input while fading in";

    for (int i = 0; i < 16; ++i) {
        app->update(16); // 256 ms
    }
    RecordingGraphics graphics;
    app->renderFrame(graphics);
    const RecordedCall* fade = graphics.last("fillRect");
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->ints, (std::vector<int>{0, 0, 1024, 768}));
    EXPECT_EQ(fade->color.r, 0);
    EXPECT_NEAR(fade->color.a, 127, 3);

    // 500 ms in 16 ms steps: the tween ends on the 32nd update (512 ms), the
    // transition reports in the update after that.
    for (int i = 16; i < 32; ++i) {
        app->update(16);
    }
    EXPECT_EQ(s->shownCount, 0);
    app->update(16);
    EXPECT_EQ(s->shownCount, 1);
    EXPECT_EQ(s->phase(), ScreenBase::Shown);
    EXPECT_TRUE(s->widgetManager().isInputEnabled());

    graphics.clearCalls();
    app->renderFrame(graphics);
    EXPECT_EQ(graphics.count("fillRect"), 0) << "a shown screen draws no fade";
}

TEST_F(ScreenStackTest, FadeOutDarkensThenReportsTheExitCode) {
    TestScreen* s = push("s");
    s->setOutTransition(std::make_unique<FadeOutTransition>(100));
    s->close(42);
    RecordingGraphics graphics;
    app->renderFrame(graphics);
    ASSERT_NE(graphics.last("fillRect"), nullptr);
    EXPECT_EQ(graphics.last("fillRect")->color.a, 0);
    for (int i = 0; i < 7; ++i) {
        app->update(16);
    }
    graphics.clearCalls();
    app->renderFrame(graphics);
    EXPECT_EQ(graphics.last("fillRect")->color.a, 255) << "fully black at the end";
    // The transition notices its stopped tween in the next update, and the
    // screen the end of the transition in the update after that.
    app->update(16);
    EXPECT_EQ(s->closedCount, 0);
    app->update(16);
    EXPECT_EQ(s->closedCount, 1);
    EXPECT_EQ(s->lastExitCode, 42);
}

TEST_F(ScreenStackTest, NullTransitionsCountAsFinished) {
    auto screen = std::make_unique<TestScreen>(&journal, "s");
    TestScreen* s = screen.get();
    s->setInTransition(nullptr);
    s->setOutTransition(nullptr);
    app->pushScreen(std::move(screen));
    EXPECT_EQ(s->shownCount, 0);
    app->update(16);
    EXPECT_EQ(s->shownCount, 1);
    s->close(3);
    app->update(16);
    EXPECT_EQ(s->lastExitCode, 3);
}

TEST_F(ScreenStackTest, ScreenThatPopsItselfOnCloseAndStartsTheNext) {
    TestScreen* first = push("first");
    first->onClosedHook = [this](int) {
        TestApp* a = app.get();
        a->popScreen();
        a->startScreen(std::make_unique<TestScreen>(&journal, "second"));
    };
    first->close(1);
    app->update(16);
    ASSERT_EQ(app->screenCount(), 1u);
    EXPECT_EQ(static_cast<TestScreen*>(app->topScreen())->name(), "second");
    // The popped screen lives until the frame is over.
    EXPECT_EQ(std::find(journal.begin(), journal.end(), "first:destroyed"), journal.end());
    app->runFrame();
    EXPECT_NE(std::find(journal.begin(), journal.end(), "first:destroyed"), journal.end());
}

TEST_F(ScreenStackTest, ReplaceTopExitsTheOldScreenAndStartsTheNew) {
    push("bottom");
    push("old");
    app->replaceTop(std::make_unique<TestScreen>(&journal, "new"));
    ASSERT_EQ(app->screenCount(), 2u);
    EXPECT_EQ(static_cast<TestScreen*>(app->topScreen())->name(), "new");
    EXPECT_FALSE(app->screenAt(0)->isEnabled()) << "the new top covers the bottom screen";
}

TEST_F(ScreenStackTest, SubstituteIsPushedInsteadOfTheScreen) {
    auto screen = std::make_unique<TestScreen>(&journal, "original");
    screen->setSubstitute(std::make_unique<TestScreen>(&journal, "stand-in"));
    app->startScreen(std::move(screen));
    ASSERT_EQ(app->screenCount(), 1u);
    EXPECT_EQ(static_cast<TestScreen*>(app->topScreen())->name(), "stand-in");
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "original:start"), 0);
}

TEST_F(ScreenStackTest, UpdateWalkSurvivesPopsAndPushes) {
    TestScreen* bottom = push("bottom");
    TestScreen* top = push("top");
    bottom->onUncovered(*app); // both enabled, as under a dialog that keeps the scene running
    TestScreen* pushed = nullptr;
    top->onUpdateHook = [&](int) {
        if (!pushed) {
            TestApp* a = app.get();
            a->popScreen();
            auto next = std::make_unique<TestScreen>(&journal, "pushed");
            pushed = next.get();
            a->pushScreen(std::move(next));
        }
    };
    app->update(16);
    EXPECT_EQ(bottom->updates.size(), 1u);
    ASSERT_NE(pushed, nullptr);
    EXPECT_EQ(app->screenCount(), 2u);
    // Pushed at an index the walk has already passed: updated from the next frame on.
    EXPECT_TRUE(pushed->updates.empty());
    app->update(16);
    EXPECT_EQ(pushed->updates.size(), 1u);
    EXPECT_EQ(bottom->updates.size(), 1u) << "the push covered the bottom screen";
}

TEST_F(ScreenStackTest, ScreensDrawTranslatedByTheirOffset) {
    AppConfig::instance().setOffset(171, 0);
    auto screen = std::make_unique<TestScreen>(&journal, "s");
    screen->fillBackground = true;
    app->pushScreen(std::move(screen));
    RecordingGraphics graphics;
    app->renderFrame(graphics);
    const RecordedCall* fill = graphics.find("fillRect");
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->tx, 171);
    EXPECT_EQ(graphics.transformDepth(), 0) << "pushes and pops balance";
    EXPECT_EQ(graphics.pushCount(), graphics.popCount());
}

TEST_F(ScreenStackTest, WidgetRemovedInItsOwnHandlerIsDeletedAtTheNextUpdate) {
    TestScreen* s = push("s");
    auto probe = std::make_unique<ProbeWidget>("p", WidgetRect(0, 0, 0, 10, 10), &journal);
    ProbeWidget* p = s->addWidget(std::move(probe));
    p->onPress = [&](const MouseEvent&) { s->safeRemoveWidget(p); };

    MouseEvent press;
    press.type = MouseEvent::ButtonDown;
    press.buttons = MouseEvent::Left;
    press.x = press.y = 5;
    s->onMouseEvent(press);
    EXPECT_EQ(s->pendingRemovals(), 1u);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "p:deleted"), 0);
    EXPECT_FALSE(s->widgetManager().contains(p));
    EXPECT_EQ(s->widgetManager().pointed(), nullptr);
    EXPECT_EQ(s->widgetManager().focused(), nullptr);

    // The rest of the frame's events are dropped until the next update.
    MouseEvent release = press;
    release.type = MouseEvent::ButtonUp;
    s->onMouseEvent(release);
    EXPECT_TRUE(p->releases.empty());
    EXPECT_TRUE(s->rootPresses.empty());

    app->update(16);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "p:deleted"), 1);
    EXPECT_EQ(s->pendingRemovals(), 0u);
    EXPECT_EQ(s->widgets().size(), 1u) << "only the root widget is left";
}

TEST_F(ScreenStackTest, SafeRemoveOfNullOrTwiceIsHarmless) {
    TestScreen* s = push("s");
    ProbeWidget* p =
        s->addWidget(std::make_unique<ProbeWidget>("p", WidgetRect(0, 0, 0, 10, 10), &journal));
    s->safeRemoveWidget(nullptr);
    s->safeRemoveWidget(p);
    s->safeRemoveWidget(p);
    app->update(16);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "p:deleted"), 1);
}

TEST_F(ScreenStackTest, ShutdownNotifiesScreensTopFirst) {
    push("a");
    push("b");
    journal.clear();
    app->shutdownScreens();
    EXPECT_EQ(journal, (std::vector<std::string>{"b:shutdown", "a:shutdown"}));
}

} // namespace
