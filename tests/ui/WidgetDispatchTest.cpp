// Mouse and key dispatch of the widget manager, driven through SDL events and
// the application's real event pump.
#include "engine/ui/MouseListeningWidget.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/ProbeWidget.h"
#include "tests/support/WidgetScreenFixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class WidgetDispatchTest : public WidgetScreenFixture {
protected:
    ProbeWidget* addProbe(const std::string& name, const WidgetRect& rect) {
        return add(std::make_unique<ProbeWidget>(name, rect, &journal));
    }
    // Journal entries of one widget, without its update and render notes.
    std::vector<std::string> notes(const std::string& name) const {
        std::vector<std::string> out;
        for (const std::string& entry : journal) {
            if (entry.rfind(name + ":", 0) == 0 && entry != name + ":update" &&
                entry != name + ":render") {
                out.push_back(entry.substr(name.size() + 1));
            }
        }
        return out;
    }
    using Notes = std::vector<std::string>;
};

TEST_F(WidgetDispatchTest, PressedWidgetKeepsMovesAndReleaseWhenDraggedOff) {
    ProbeWidget* button = addProbe("button", WidgetRect(100, 100, 0, 80, 40));
    input().drag({{120, 110}, {300, 300}, {310, 305}, {130, 115}});
    app->step();

    EXPECT_EQ(notes("button"), (Notes{"entered", "moved", "pressed", "focusGained", "left", "moved",
                                      "left", "moved", "entered", "moved", "released"}));
    ASSERT_EQ(button->releases.size(), 1u);
    EXPECT_EQ(button->releases[0].x, 130);
    EXPECT_TRUE(screen->rootPresses.empty()) << "the screen's own widget heard nothing";
}

TEST_F(WidgetDispatchTest, ReleaseOffTheWidgetStillGoesToThePressedWidget) {
    ProbeWidget* button = addProbe("button", WidgetRect(100, 100, 0, 80, 40));
    input().drag({{120, 110}, {400, 400}});
    app->step();
    ASSERT_EQ(button->releases.size(), 1u);
    EXPECT_EQ(button->releases[0].x, 400);
    EXPECT_FALSE(button->hitTest(400, 400)) << "the widget itself decides it was no click";
    EXPECT_EQ(screen->widgetManager().pointed(), screen->rootWidget());
}

TEST_F(WidgetDispatchTest, PressOnEmptyAreaMovesFocusToTheScreenWidget) {
    ProbeWidget* field = addProbe("field", WidgetRect(10, 10, 0, 100, 20));
    app->pushClick(20, 15);
    app->step();
    EXPECT_EQ(screen->widgetManager().focused(), field);
    app->pushKey(true, SDLK_x, 0, 'x');
    app->step();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "field:key"), 1);

    app->pushClick(300, 300);
    app->step();
    EXPECT_EQ(screen->widgetManager().focused(), screen->rootWidget());
    EXPECT_EQ(notes("field").back(), "focusLost");
    ASSERT_EQ(screen->rootPresses.size(), 1u);
    EXPECT_EQ(screen->rootPresses[0].x, 300);
    app->pushKey(true, SDLK_y, 0, 'y');
    app->step();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "field:key"), 1)
        << "keys go to the focused widget only";
}

TEST_F(WidgetDispatchTest, AWidgetWhoseClickOpensAScreenIsPointedAgainWhenItCloses) {
    ProbeWidget* button = addProbe("button", WidgetRect(100, 100, 0, 80, 40));
    button->onRelease = [&](const MouseEvent&) {
        app->pushScreen(std::make_unique<TestScreen>(nullptr, "dialog"));
    };
    app->pushMotion(120, 110);
    app->step();
    app->pushClick(120, 110);
    app->step();
    ASSERT_EQ(2u, app->screenCount());
    EXPECT_EQ(nullptr, screen->widgetManager().pointed()) << "covered: the pointer left it";

    // Closed with the pointer resting on the button: it is entered again.
    journal.clear();
    button->onRelease = nullptr;
    app->popScreen();
    app->step();
    EXPECT_EQ(notes("button"), (Notes{"entered"}));
    EXPECT_EQ(screen->widgetManager().pointed(), button);

    // Opened again; the pointer moves away under the dialog, and after it
    // closes jumps straight back onto the button, as xdotool or a fast hand does.
    button->onRelease = [&](const MouseEvent&) {
        app->pushScreen(std::make_unique<TestScreen>(nullptr, "dialog"));
    };
    app->pushClick(120, 110);
    app->step();
    ASSERT_EQ(2u, app->screenCount());
    app->pushMotion(400, 300);
    app->step();
    app->popScreen();
    app->step();
    journal.clear();
    app->pushMotion(125, 112);
    app->step();
    EXPECT_EQ(notes("button"), (Notes{"entered", "moved"}));
}

TEST_F(WidgetDispatchTest, DisabledWidgetIsTransparentToClicks) {
    ProbeWidget* below = addProbe("below", WidgetRect(50, 50, 0, 100, 100));
    ProbeWidget* above = addProbe("above", WidgetRect(50, 50, 0, 100, 100));
    above->setEnabled(false);
    app->pushClick(60, 60);
    app->step();
    EXPECT_TRUE(above->presses.empty());
    EXPECT_EQ(below->presses.size(), 1u);
}

TEST_F(WidgetDispatchTest, InvisibleWidgetStillTakesClicks) {
    ProbeWidget* hidden = addProbe("hidden", WidgetRect(50, 50, 0, 100, 100));
    hidden->setVisible(false);
    app->pushClick(60, 60);
    app->step();
    EXPECT_EQ(hidden->presses.size(), 1u);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "hidden:render"), 0)
        << "but it is not drawn";
}

TEST_F(WidgetDispatchTest, WidgetAddedEnabledOrRaisedUnderARestingPointerIsEntered) {
    app->pushMotion(200, 200);
    app->step();
    ProbeWidget* added = addProbe("added", WidgetRect(150, 150, 0, 100, 100));
    EXPECT_EQ(notes("added"), Notes{"entered"}) << "no motion needed";
    EXPECT_EQ(screen->widgetManager().pointed(), added);

    auto late =
        std::make_unique<ProbeWidget>("disabled", WidgetRect(150, 150, 0, 100, 100), &journal);
    late->setEnabled(false);
    ProbeWidget* disabled = screen->addWidget(std::move(late));
    EXPECT_EQ(screen->widgetManager().pointed(), added) << "a disabled widget is not entered";
    journal.clear();
    disabled->setEnabled(true);
    EXPECT_EQ(notes("added"), Notes{"left"});
    EXPECT_EQ(notes("disabled"), (Notes{"entered", "enabled"}));

    journal.clear();
    added->bringToFront();
    EXPECT_GT(added->z(), disabled->z());
    EXPECT_EQ(notes("disabled"), Notes{"left"});
    EXPECT_EQ(notes("added"), Notes{"entered"});
}

TEST_F(WidgetDispatchTest, RaisingAWidgetLeftWhilePressedReleasesIt) {
    ProbeWidget* dragged = addProbe("dragged", WidgetRect(10, 10, 0, 50, 50));
    ProbeWidget* other = addProbe("other", WidgetRect(200, 200, 0, 50, 50));
    input().pressAt(20, 20).dragTo(210, 210);
    app->step();
    EXPECT_EQ(screen->widgetManager().leftWhilePressed(), dragged);
    journal.clear();
    other->bringToFront();
    EXPECT_EQ(notes("dragged"), (Notes{"left", "released"}));
    ASSERT_EQ(dragged->releases.size(), 1u);
    EXPECT_EQ(dragged->releases[0].type, MouseEvent::Motion) << "a fresh, empty motion event";
    EXPECT_EQ(notes("other"), Notes{"entered"});
    EXPECT_EQ(screen->widgetManager().leftWhilePressed(), nullptr);
}

TEST_F(WidgetDispatchTest, RemovalInAClickHandlerDropsTheFramesRemainingEvents) {
    ProbeWidget* doomed = addProbe("doomed", WidgetRect(10, 10, 0, 50, 50));
    ProbeWidget* neighbour = addProbe("neighbour", WidgetRect(100, 10, 0, 50, 50));
    doomed->onRelease = [&](const MouseEvent&) { screen->safeRemoveWidget(doomed); };
    app->pushClick(20, 20);
    app->pushClick(110, 20);
    // Pump only: the frame's update has not run yet.
    app->pumpEvents();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "doomed:deleted"), 0)
        << "deleted only at the next update";
    EXPECT_TRUE(neighbour->presses.empty()) << "events after the removal are dropped";
    app->step();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "doomed:deleted"), 1);

    app->pushClick(110, 20);
    app->step();
    EXPECT_EQ(neighbour->presses.size(), 1u);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "doomed:pressed"), 1)
        << "no further notification reached the removed widget";
}

TEST_F(WidgetDispatchTest, RemovalDuringUpdateStopsTheWalk) {
    ProbeWidget* low = addProbe("low", WidgetRect(0, 0, 1, 10, 10));
    ProbeWidget* high = addProbe("high", WidgetRect(0, 0, 5, 10, 10));
    low->onUpdate = [&] {
        if (high->manager()) {
            screen->safeRemoveWidget(high);
        }
    };
    journal.clear();
    app->step();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "high:update"), 0)
        << "widgets after the removal are not updated this frame";
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "high:deleted"), 1);
    (void)low;
}

TEST_F(WidgetDispatchTest, WheelReachesNoWidgetAndInputCanBeSwitchedOff) {
    ProbeWidget* w = addProbe("w", WidgetRect(0, 0, 0, 640, 480));
    app->pushButton(true, SDL_BUTTON_WHEELUP, 20, 20);
    app->step();
    EXPECT_TRUE(w->presses.empty());
    EXPECT_TRUE(w->moves.empty());

    screen->widgetManager().setInputEnabled(false);
    app->pushClick(20, 20);
    app->step();
    EXPECT_TRUE(w->presses.empty());
}

TEST_F(WidgetDispatchTest, OriginIsSubtractedFromEventPositions) {
    ProbeWidget* w = addProbe("w", WidgetRect(0, 0, 0, 20, 20));
    screen->setOffset(100, 50);
    app->pushClick(105, 55);
    app->step();
    ASSERT_EQ(w->presses.size(), 1u);
    EXPECT_EQ(w->presses[0].x, 5);
    EXPECT_EQ(w->presses[0].y, 5);
}

} // namespace
