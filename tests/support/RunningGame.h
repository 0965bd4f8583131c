#pragma once

// The game application started for real in a window of its own, with its
// save file in a user folder of the test's own and a clock that moves only
// when the test steps it. Input reaches it as real SDL events.
#include "engine/app/AppConfig.h"
#include "engine/app/AutoPlayer.h"
#include "engine/app/SdlInput.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/Widget.h"
#include "game/GameFlow.h"
#include "game/PlayerProfiles.h"
#include "game/app/MyApp.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneIndex.h"
#include "tests/support/KeepDriversLoaded.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestApp.h"

#include <GL/gl.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

class RunningGame : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("APPDATA", userFolder.path().c_str(), 1);
        keepGraphicsDriversLoaded();
        startGame(false, initialProfiles());
    }
    // The profiles a first start finds (as if the save file held them).
    virtual std::vector<std::string> initialProfiles() const { return {}; }
    void TearDown() override { endGame(); }

    // Builds and initialises the game; without logos the main menu opens at once.
    void startGame(bool logos = false, const std::vector<std::string>& profiles = {}) {
        PlayerProfiles::reset();
        GameFlow::reset();
        ItemRegistry::reset();
        for (const std::string& name : profiles) {
            PlayerProfiles::instance().addProfile(name);
        }
        auto ticks = std::make_unique<FakeTickSource>();
        ticks_ = ticks.get();
        app = std::make_unique<MyApp>(std::move(ticks));
        // A 4:3 desktop: full screen keeps the game's size.
        app->setModeLister([] { return ModeList{ModeList::Listed, {{1280, 1024}, {1024, 768}}}; });
        if (!logos) {
            AppConfig::instance().setLogoScreens({});
        }
        StdoutCapture quiet;
        app->init();
        ASSERT_TRUE(app->isReady());
    }
    // Ends the game as the program does: screens told, the save written.
    void endGame() {
        if (app) {
            StdoutCapture quiet;
            app->shutdown();
        }
        app.reset();
        Mix_HaltMusic();
        GameFlow::reset();
        PlayerProfiles::reset();
        ItemRegistry::reset();
        SceneIndex::reset();
        AppConfig::reset();
    }

    void frame(int elapsedMs = 16) {
        ticks_->advance(std::uint32_t(elapsedMs));
        StdoutCapture quiet;
        app->runFrame();
    }
    void frames(int totalMs) {
        for (; totalMs > 0; totalMs -= 16) {
            frame(16);
        }
    }
    // A few frames for widgets that have just appeared to take input, as a
    // player's hand would need anyway.
    void settle() { frames(100); }
    // Moves the pointer onto the widget's middle, then presses and releases there.
    void click(const Widget* widget) {
        ASSERT_NE(nullptr, widget);
        const ScreenBase* screen = topScreen();
        const int x = widget->x() + widget->width() / 2 + (screen ? screen->offsetX() : 0);
        const int y = widget->y() + widget->height() / 2 + (screen ? screen->offsetY() : 0);
        clickAt(x, y);
    }
    void clickAt(int x, int y) {
        sdl_input::pushMotion(*app, x, y);
        frame();
        sdl_input::pushClick(x, y);
        frame();
    }
    // Presses at (x, y), moves there in a few steps with the button held and
    // lets go at (toX, toY).
    void dragAt(int x, int y, int toX, int toY) {
        sdl_input::pushMotion(*app, x, y);
        frame();
        sdl_input::pushButton(true, SDL_BUTTON_LEFT, x, y);
        frame();
        for (int step = 1; step <= 4; ++step) {
            sdl_input::pushMotion(*app, x + (toX - x) * step / 4, y + (toY - y) * step / 4, 1);
            frame();
        }
        sdl_input::pushButton(false, SDL_BUTTON_LEFT, toX, toY);
        frame();
    }
    ScreenBase* topScreen() const { return dynamic_cast<ScreenBase*>(app->topScreen()); }
    template <typename S> S* top() const { return dynamic_cast<S*>(app->topScreen()); }
    // Steps until a screen of the type is on top (at most `ms` of game time).
    template <typename S> S* waitFor(int ms = 3000) {
        for (int t = 0; t < ms && !top<S>(); t += 16) {
            frame();
        }
        return top<S>();
    }

    // The game's own automated player acts on the top screen (real input
    // events) until the condition holds or `ms` of game time have passed.
    template <typename Condition> bool autoplayUntil(Condition done, int ms) {
        AutoPlayer::Options options;
        options.stallLimitMs = ms;
        AutoPlayer player(*app, options);
        for (int t = 0; t < ms && !player.hasEnded(); t += 16) {
            if (done()) {
                return true;
            }
            player.beforeFrame();
            frame();
        }
        return done();
    }
    // The pixel of the frame just drawn, y counted from the top.
    Color shownPixel(int x, int y) const {
        unsigned char rgba[4] = {};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, app->height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return Color(rgba[0], rgba[1], rgba[2], rgba[3]);
    }

    TemporaryDirectory userFolder;
    ScopedEnvironment saved{{"APPDATA"}};
    std::unique_ptr<MyApp> app;

private:
    FakeTickSource* ticks_ = nullptr;
};
