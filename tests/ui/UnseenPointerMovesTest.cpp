// A button under the pointer takes the player's click even when the moves that
// brought the pointer there never reached it: they came while the screen's
// input was off, or in the frame after its widgets changed, or there were none.
#include "engine/app/FadeTransition.h"
#include "engine/ui/QuillButton.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/WidgetScreenFixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct EventLog : QuillButtonListener {
    void buttonEvent(int id, int code) override { events.push_back(id * 10 + code); }
    std::vector<int> events;
};

// Button 7's notifications: id * 10 + code.
constexpr int Pressed = 70;
constexpr int Clicked = 71;
constexpr int Entered = 72;

class UnseenPointerMovesTest : public WidgetScreenFixture {
protected:
    std::unique_ptr<QuillButton> button() {
        ButtonStyle style;
        style.looks[ButtonStyle::Normal].color = Color(100, 0, 0, 200);
        auto made = makeQuillButton(&log, 7, style, "OK");
        made->setRect(WidgetRect(100, 100, 0, 120, 40));
        return made;
    }
    // Press and release on the button with no move before them.
    void clickInPlace() {
        app->pushButton(true, SDL_BUTTON_LEFT, 150, 120);
        app->pushButton(false, SDL_BUTTON_LEFT, 150, 120);
        app->step();
    }

    // At the next update the screen takes away a widget and adds the button,
    // listing its controls, as a dialog does when its opening ends.
    void openLikeADialog() {
        opening_ = screen->addWidget(std::make_unique<Widget>());
        screen->onUpdateHook = [this](int) {
            if (opening_) {
                screen->safeRemoveWidget(opening_);
                opening_ = nullptr;
                screen->addWidget(button());
                screen->listControls();
            }
        };
    }

    EventLog log;

private:
    Widget* opening_ = nullptr;
};

TEST_F(UnseenPointerMovesTest, APressWithoutAMoveEntersTheButtonFirst) {
    screen->addWidget(button());
    clickInPlace();
    EXPECT_EQ((std::vector<int>{Entered, Pressed, Clicked}), log.events);
}

// A dialog builds its buttons and removes its opening picture in one update;
// the moves of the next frame are dropped with the changed list.
TEST_F(UnseenPointerMovesTest, MovesDroppedAfterTheWidgetsChangedAreMadeUpForByTheNextUpdate) {
    openLikeADialog();
    app->step();
    app->pushMotion(150, 120);
    app->pumpEvents();
    EXPECT_TRUE(log.events.empty()) << "the move came while the list had changed";
    app->step();
    EXPECT_EQ((std::vector<int>{Entered}), log.events) << "the update finds the resting pointer";
    clickInPlace();
    EXPECT_EQ((std::vector<int>{Entered, Pressed, Clicked}), log.events);
}

TEST_F(UnseenPointerMovesTest, AButtonReachedDuringTheFadeInIsEnteredWhenTheScreenShows) {
    auto fading = std::make_unique<TestScreen>();
    TestScreen* dialog = fading.get();
    dialog->setInTransition(std::make_unique<FadeInTransition>(200));
    dialog->onCreateWidgets = [&] { dialog->addWidget(button()); };
    app->pushScreen(std::move(fading));
    app->step();
    app->pushMotion(150, 120);
    app->step();
    EXPECT_TRUE(log.events.empty()) << "no input while the screen fades in";
    app->stepFor(240);
    ASSERT_EQ(1, dialog->shownCount);
    EXPECT_EQ((std::vector<int>{Entered}), log.events);
    clickInPlace();
    EXPECT_EQ((std::vector<int>{Entered, Pressed, Clicked}), log.events);
}

// Outside tests and players' reports click what the log lists: a control is
// listed only from the update after which a click reaches it.
TEST_F(UnseenPointerMovesTest, ControlsAreListedOnceAClickReachesThem) {
    openLikeADialog();
    // The button's 120 x 40 box at (100, 100) has its centre at (160, 120).
    const std::string line = "Control \"OK\" at 160,120 (120x40)\n";
    {
        StdoutCapture out;
        app->step();
        const std::string text = out.finish();
        EXPECT_EQ(std::string::npos, text.find(line)) << "the list changed in this update";
    }
    StdoutCapture out;
    app->step();
    app->step();
    const std::string listed = out.finish();
    ASSERT_NE(std::string::npos, listed.find(line)) << listed;
    EXPECT_EQ(listed.find(line), listed.rfind(line)) << "listed once";

    app->pushButton(true, SDL_BUTTON_LEFT, 160, 120);
    app->pushButton(false, SDL_BUTTON_LEFT, 160, 120);
    app->step();
    EXPECT_EQ((std::vector<int>{Entered, Pressed, Clicked}), log.events);
}

} // namespace
