// The game application started for real in a window of its own, with its
// save file in a folder of the test's own.
#include "game/MyApp.h"
#include "engine/app/AppConfig.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "game/GameFlow.h"
#include "game/menus/GlobalGamePauseScreen.h"
#include "game/menus/LogoSeqManager.h"
#include "tests/support/KeepDriversLoaded.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestApp.h"

#include <SDL.h>
#include <dlfcn.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

namespace {

struct ModeListener : GlobalEventListener {
    void onGlobalEvent(int event, int) override { events.push_back(event); }
    std::vector<int> events;
};

class MyAppTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("APPDATA", userFolder.path().c_str(), 1);
        keepGraphicsDriversLoaded();
        app = std::make_unique<MyApp>(std::make_unique<FakeTickSource>());
        // A 4:3 desktop: full screen keeps the game's size.
        app->setModeLister([] { return ModeList{ModeList::Listed, {{1280, 1024}, {1024, 768}}}; });
        StdoutCapture quiet;
        app->init();
        ASSERT_TRUE(app->isReady());
    }
    void TearDown() override {
        if (app) {
            app->shutdown();
        }
        app.reset();
        GameFlow::reset();
        AppConfig::reset();
    }
    void frame() {
        StdoutCapture quiet;
        app->runFrame();
    }
    void pushFocus(bool gained) {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.type = SDL_ACTIVEEVENT;
        event.active.gain = gained ? 1 : 0;
        event.active.state = SDL_APPINPUTFOCUS;
        SDL_PushEvent(&event);
    }
    void pushResize(int width, int height) {
        SDL_Event event{};
        event.type = SDL_VIDEORESIZE;
        event.resize.type = SDL_VIDEORESIZE;
        event.resize.w = width;
        event.resize.h = height;
        SDL_PushEvent(&event);
    }
    // What the test build's keyboard-hook library beside the executable was
    // asked; empty when it is not there.
    std::string hookCalls() const {
        if (!app->keyboardHook().isLoaded()) {
            return {};
        }
        void* handle = dlopen(app->keyboardHook().path().c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (!handle) {
            return {};
        }
        auto log = reinterpret_cast<const char* (*)()>(dlsym(handle, "hookCallLog"));
        std::string calls = log ? log() : "";
        dlclose(handle);
        return calls;
    }
    char savedFullScreen() const {
        return app->saveGame()->entry<GenericEntry<char>>("FULL_SCREEN")->value();
    }

    TemporaryDirectory userFolder;
    ScopedEnvironment saved{{"APPDATA"}};
    std::unique_ptr<MyApp> app;
};

TEST_F(MyAppTest, StartsWindowedWithTheLogosAndTheSavedVolumes) {
    EXPECT_EQ(app.get(), MyApp::instance());
    EXPECT_EQ("VELT_RA001", app->getProductId());
    EXPECT_FALSE(app->isFullScreen()) << "the demo's configuration says windowed";
    EXPECT_TRUE(app->windowHooks().hasMaximiseBox());
    EXPECT_NE(nullptr, dynamic_cast<LogoSeqManager*>(app->topScreen()));
    EXPECT_NE(nullptr, app->getSaveGame());
    const int music = app->saveGame()->entry<GenericEntry<int>>("MUSIC_VOLUME")->value();
    if (app->isAudioAvailable()) {
        EXPECT_EQ(music, Mix_VolumeMusic(-1));
    }
}

TEST_F(MyAppTest, LosingFocusMutesAndPausesAndRegainingRestores) {
    if (!app->isAudioAvailable()) {
        GTEST_SKIP() << "no audio device";
    }
    const int music = app->saveGame()->entry<GenericEntry<int>>("MUSIC_VOLUME")->value();
    const int sound = app->saveGame()->entry<GenericEntry<int>>("SOUND_VOLUME")->value();
    ASSERT_GT(music, 0);
    pushFocus(false);
    frame();
    EXPECT_FALSE(app->isActive());
    EXPECT_EQ(0, Mix_VolumeMusic(-1));
    EXPECT_EQ(0, Mix_Volume(-1, -1));
    EXPECT_NE(nullptr, dynamic_cast<GlobalGamePauseScreen*>(app->topScreen()));
    EXPECT_FALSE(app->isFullScreen()) << "a window stays a window";

    pushFocus(true);
    frame();
    EXPECT_TRUE(app->isActive());
    EXPECT_EQ(music, Mix_VolumeMusic(-1));
    EXPECT_EQ(sound, Mix_Volume(-1, -1));
    EXPECT_EQ(nullptr, dynamic_cast<GlobalGamePauseScreen*>(app->topScreen()));
}

TEST_F(MyAppTest, LosingFocusInFullScreenGoesWindowedAndBack) {
    ModeListener listener;
    app->subscribe(app->registerListener(&listener), GlobalEventManager::VideoModeChanged);
    {
        StdoutCapture quiet;
        ASSERT_TRUE(app->setFullScreen(true));
    }
    ASSERT_TRUE(app->isFullScreen());
    EXPECT_EQ(1, savedFullScreen());
    const bool hookLibrary = app->keyboardHook().isLoaded();
    if (hookLibrary) {
        EXPECT_EQ("install;enable(1);", hookCalls()) << "system keys are held in full screen";
    }
    EXPECT_FALSE(app->windowHooks().hasMaximiseBox());
    EXPECT_EQ(1u, listener.events.size()) << "listeners hear every mode change";

    pushFocus(false);
    frame();
    EXPECT_FALSE(app->isFullScreen()) << "the desktop gets its screen back";
    EXPECT_TRUE(app->windowHooks().hasMaximiseBox());
    pushFocus(true);
    frame();
    EXPECT_TRUE(app->isFullScreen());
    EXPECT_EQ(1, savedFullScreen());
    EXPECT_EQ(3u, listener.events.size());
    EXPECT_EQ(0, listener.events.back());
    if (hookLibrary) {
        EXPECT_EQ("install;enable(1);enable(0);enable(0);enable(1);enable(1);", hookCalls());
    }
}

TEST_F(MyAppTest, AWindowGrownByTheWindowManagerGoesFullScreenOnTheNextFrame) {
    pushResize(800, 600);
    frame();
    frame();
    EXPECT_FALSE(app->isFullScreen()) << "a smaller window is no maximise";

    pushResize(1280, 1024);
    frame();
    frame();
    EXPECT_TRUE(app->isFullScreen());
    EXPECT_EQ(1, savedFullScreen());
    EXPECT_EQ(1024, app->width()) << "the game keeps its size on a 4:3 desktop";

    pushResize(1280, 1024);
    frame();
    EXPECT_TRUE(app->isFullScreen()) << "full screen has no maximise box";
}

} // namespace
