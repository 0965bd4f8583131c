// The game application started for real in a window of its own.
#include "engine/app/GlobalEventManager.h"
#include "engine/core/DeferableResource.h"
#include "engine/graphics/Font.h"
#include "engine/resources/ResourceManager.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "game/menus/GlobalGamePauseScreen.h"
#include "game/menus/LogoSeqManager.h"
#include "game/menus/MainMenu.h"
#include "tests/support/ContentCopy.h"
#include "tests/support/RunningGame.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

struct ModeListener : GlobalEventListener {
    void onGlobalEvent(int event, int) override { events.push_back(event); }
    std::vector<int> events;
};

class MyAppTest : public RunningGame {
protected:
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
};

TEST_F(MyAppTest, StartsWindowedWithTheLogosAndTheSavedVolumes) {
    endGame();
    startGame(true);
    EXPECT_EQ(app.get(), MyApp::instance());
    EXPECT_EQ("VELT_RA001", app->getProductId());
    EXPECT_FALSE(app->isFullScreen()) << "the demo's configuration says windowed";
    EXPECT_TRUE(app->windowHooks().hasMaximiseBox());
    EXPECT_NE(nullptr, dynamic_cast<LogoSeqManager*>(app->topScreen()));
    EXPECT_NE(nullptr, app->getSaveGame());
    const int music = app->saveGame()->entry<GenericEntry<int>>("MUSIC_VOLUME")->value();
    ASSERT_TRUE(app->isAudioAvailable()) << "SDL's dummy audio driver always opens";
    EXPECT_EQ(music, Mix_VolumeMusic(-1));

    // The window showed before the menus' fonts and sounds loaded: they wait
    // behind the logos, and the main menu after a click finds them loaded.
    const Font* items = app->getResources().getFont("FONT_ITEMS");
    ASSERT_NE(nullptr, items);
    EXPECT_TRUE(items->isPending());
    EXPECT_FALSE(DeferableResource::pendingResources().empty());
    clickAt(512, 384);
    ASSERT_NE(nullptr, waitFor<MainMenu>());
    EXPECT_FALSE(items->isPending());
    EXPECT_TRUE(DeferableResource::pendingResources().empty());
}

// The flow is read before the save, so a profile saved at a place the flow
// does not have (a damaged value, or a flow that got shorter) starts the story
// again instead of leaving Play with nothing to start.
TEST_F(MyAppTest, AProfileSavedBeyondTheFlowStartsFromTheBeginning) {
    PlayerProfiles::instance().addProfile("Mira");
    PlayerProfiles::instance().selectProfile(0);
    const int screens = int(GameFlow::instance().entries().size());
    ASSERT_GT(screens, 0) << "the game's flow was read at start-up";
    GameFlow::instance().setPosition(screens + 5);
    ASSERT_TRUE(app->getSaveGame()->save());
    endGame();
    startGame();
    ASSERT_NE(nullptr, PlayerProfiles::instance().currentProfile());
    EXPECT_EQ("Mira", PlayerProfiles::instance().currentProfile()->name);
    EXPECT_EQ(0, GameFlow::instance().position());
}

// The game started in a copy of its content whose scene index lists one
// scene of two items.
class MyAppWithAScene : public MyAppTest {
protected:
    void SetUp() override {
        content.write("config/scene/sceneIndex.xml",
                      "<Indexes><Index id=\"1\" fileName=\"Hall\" path=\"content/scenes/hall/\"/>"
                      "</Indexes>");
        std::string items;
        for (const char* name : {"Cup", "Key"}) {
            items += std::string("<Item name=\"") + name + "\" image=\"" + name +
                     ".png\" layer=\"2\" majorGroupID=\"1\" minorGroupID=\"1\" x=\"10\" "
                     "y=\"20\" angle=\"0\" R=\"255\" G=\"255\" B=\"255\" A=\"255\" "
                     "type=\"0\" infoTip=\"\" typeId=\"1\"/>";
        }
        content.write("scenes/hall/Hall.xml",
                      "<Scene><Screen width=\"1024\" height=\"600\"/>" + items + "</Scene>");
        here = std::make_unique<ScopedWorkingDirectory>(content.root());
        MyAppTest::SetUp();
    }
    void TearDown() override {
        MyAppTest::TearDown();
        here.reset();
    }

    ContentCopy content;
    std::unique_ptr<ScopedWorkingDirectory> here;
};

// The scene index is read before the save is opened, so the profile restored
// at start-up finds the descriptions of the items it had found.
TEST_F(MyAppWithAScene, ARestoredProfileFindsTheDescriptionsOfItsFoundItems) {
    PlayerProfiles::instance().addProfile("Mira");
    PlayerProfiles::instance().selectProfile(0);
    // Item 1 of scene 1: the key.
    ItemRegistry::instance().addItem(GROUP_GOAL, std::make_unique<Item>(1, 1, -1));
    ASSERT_TRUE(app->getSaveGame()->save());
    endGame();
    startGame();
    const std::vector<Item*> found = ItemRegistry::instance().itemsOf(GROUP_GOAL, 1);
    ASSERT_EQ(1u, found.size());
    ASSERT_NE(nullptr, found[0]->description) << "the scene file was read at start-up";
    EXPECT_EQ("Key", found[0]->description->name);
}

TEST_F(MyAppTest, LosingFocusMutesAndPausesAndRegainingRestores) {
    if (!app->isAudioAvailable()) {
        GTEST_SKIP() << "no audio device";
    }
    const int music = app->saveGame()->entry<GenericEntry<int>>("MUSIC_VOLUME")->value();
    const int sound = app->saveGame()->entry<GenericEntry<int>>("SOUND_VOLUME")->value();
    ASSERT_GT(music, 0);
    sdl_input::pushFocus(false);
    frame();
    EXPECT_FALSE(app->isActive());
    EXPECT_EQ(0, Mix_VolumeMusic(-1));
    EXPECT_EQ(0, Mix_Volume(-1, -1));
    EXPECT_NE(nullptr, dynamic_cast<GlobalGamePauseScreen*>(app->topScreen()));
    EXPECT_FALSE(app->isFullScreen()) << "a window stays a window";

    sdl_input::pushFocus(true);
    frame();
    EXPECT_TRUE(app->isActive());
    EXPECT_EQ(music, Mix_VolumeMusic(-1));
    EXPECT_EQ(sound, Mix_Volume(-1, -1));
    EXPECT_EQ(nullptr, dynamic_cast<GlobalGamePauseScreen*>(app->topScreen()));
}

TEST_F(MyAppTest, LosingFocusInFullScreenGoesWindowedAndBack) {
    ModeListener listener;
    app->globalEvents().subscribe(app->globalEvents().registerListener(&listener),
                                  GlobalEventManager::VideoModeChanged);
    {
        StdoutCapture quiet;
        ASSERT_TRUE(app->setFullScreen(true));
    }
    ASSERT_TRUE(app->isFullScreen());
    EXPECT_EQ(1, savedFullScreen());
    // The build puts a stand-in keyboard-hook library beside the test.
    ASSERT_TRUE(app->keyboardHook().isLoaded());
    EXPECT_EQ("install;enable(1);", hookCalls()) << "system keys are held in full screen";
    EXPECT_FALSE(app->windowHooks().hasMaximiseBox());
    EXPECT_EQ(1u, listener.events.size()) << "listeners hear every mode change";

    sdl_input::pushFocus(false);
    frame();
    EXPECT_FALSE(app->isFullScreen()) << "the desktop gets its screen back";
    EXPECT_TRUE(app->windowHooks().hasMaximiseBox());
    sdl_input::pushFocus(true);
    frame();
    EXPECT_TRUE(app->isFullScreen());
    EXPECT_EQ(1, savedFullScreen());
    EXPECT_EQ(3u, listener.events.size());
    EXPECT_EQ(0, listener.events.back());
    EXPECT_EQ("install;enable(1);enable(0);enable(0);enable(1);enable(1);", hookCalls());
}

TEST_F(MyAppTest, AWindowMaximisedByTheWindowManagerGoesFullScreenOnTheNextFrame) {
    sdl_input::pushResize(800, 600);
    frame();
    frame();
    EXPECT_FALSE(app->isFullScreen()) << "a smaller window is no maximise";
    // An edge dragged out: bigger than the game, far from the 1280 x 1024 desktop.
    sdl_input::pushResize(1100, 800);
    frame();
    frame();
    EXPECT_FALSE(app->isFullScreen()) << "only a maximise means the whole screen";
    ASSERT_NE(nullptr, SDL_GetVideoSurface());
    EXPECT_EQ(1024, SDL_GetVideoSurface()->w) << "the window is put back at the game's size";
    EXPECT_EQ(768, SDL_GetVideoSurface()->h);

    // Maximised under a 30-pixel panel and a title bar: about the desktop's size.
    sdl_input::pushResize(1280, 970);
    frame();
    frame();
    EXPECT_TRUE(app->isFullScreen());
    EXPECT_EQ(1, savedFullScreen());
    EXPECT_EQ(1024, app->width()) << "the game keeps its size on a 4:3 desktop";

    sdl_input::pushResize(1280, 1024);
    frame();
    EXPECT_TRUE(app->isFullScreen()) << "full screen has no maximise box";
}

// A switch to full screen that the display refuses leaves the game as it was.
class RefusedModeGame : public MyApp {
public:
    using MyApp::MyApp;
    SDL_Surface* trySetVideoMode(int width, int height, Uint32 flags) override {
        if (refuse && (flags & SDL_FULLSCREEN)) {
            SDL_SetError("refused by the test");
            return nullptr;
        }
        return MyApp::trySetVideoMode(width, height, flags);
    }
    bool refuse = true;
};

TEST_F(MyAppTest, AFullScreenSwitchThatFailsKeepsTheWindowAndItsSize) {
    endGame();
    PlayerProfiles::reset();
    GameFlow::reset();
    app = std::make_unique<RefusedModeGame>(std::make_unique<FakeTickSource>());
    // A wide desktop: full screen would pick the 1366 x 768 mode.
    app->setModeLister([] { return ModeList{ModeList::Listed, {{1366, 768}, {1024, 768}}}; });
    AppConfig::instance().setLogoScreens({});
    {
        StdoutCapture quiet;
        app->init();
    }
    ASSERT_TRUE(app->isReady());
    StdoutCapture capture;
    EXPECT_FALSE(app->setFullScreen(true));
    const std::string log = capture.finish();
    EXPECT_FALSE(app->isFullScreen());
    EXPECT_EQ(1024, app->width()) << "not the wide mode's 1366";
    EXPECT_EQ(1024, SDL_GetVideoSurface()->w);
    EXPECT_EQ(0, savedFullScreen());
    EXPECT_NE(std::string::npos, log.find("refused by the test")) << log;
}

} // namespace
