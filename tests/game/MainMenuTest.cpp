// The main menu on the running application, driven by real clicks.
#include "game/menus/MainMenu.h"
#include "engine/audio/AudioEngine.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/WidgetManager.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/menus/PlayerProfilesMenu.h"
#include "game/menus/QuitDialogScreen.h"
#include "game/scene/data/ItemRegistry.h"
#include "tests/support/AppFixture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestScreen.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

namespace {

class MainMenuTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp());
        GameFlow::reset();
        PlayerProfiles::reset();
        ItemRegistry::reset();
        resource_tables::registerStartupFonts(app->getResources());
        resource_tables::registerStartupTextures(app->getResources());
        GameFlow& flow = GameFlow::instance();
        flow.registerScreenType("step", [](const GameFlow::Attributes&) {
            return std::make_unique<TestScreen>(nullptr, "step");
        });
        TemporaryDirectory::writeFile(folder / "flow.xml",
                                      "<GameFlow><Screen type=\"step\"/><Screen type=\"step\"/>"
                                      "<Screen type=\"unbuilt\"/></GameFlow>");
        ASSERT_TRUE(flow.load(folder / "flow.xml"));
        PlayerProfiles::instance().addProfile("Mira");
        PlayerProfiles::instance().selectProfile(0);
    }
    void TearDown() override {
        Mix_HaltMusic();
        AppFixture::TearDown();
        GameFlow::reset();
        PlayerProfiles::reset();
        ItemRegistry::reset();
    }

    MainMenu* openMenu(const std::string& context) {
        app->startScreen(std::make_unique<MainMenu>(context));
        app->stepFor(600);
        return dynamic_cast<MainMenu*>(app->topScreen());
    }
    void click(int id) {
        auto* menu = dynamic_cast<MainMenu*>(app->topScreen());
        ASSERT_NE(nullptr, menu);
        input().clickOn(*menu->button(id));
        app->step();
    }
    static PlayerProfile& profile() { return *PlayerProfiles::instance().currentProfile(); }
    int openQuestions() const {
        int count = 0;
        for (const Widget* w :
             dynamic_cast<ScreenBase*>(app->topScreen())->widgetManager().widgets()) {
            count += dynamic_cast<const MessageQuestionDialogSimple*>(w) ? 1 : 0;
        }
        return count;
    }

    TemporaryDirectory folder;
};

TEST_F(MainMenuTest, FirstPlayStartsAtOnceAndTheSecondAsks) {
    MainMenu* menu = openMenu("started");
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ("Mira", menu->profileName());
    click(MainMenu::Play);
    app->stepFor(600);
    EXPECT_TRUE(profile().started);
    ASSERT_NE(nullptr, dynamic_cast<TestScreen*>(app->topScreen())) << "the flow's screen plays";
    EXPECT_EQ(0, GameFlow::instance().position());
    EXPECT_EQ(1u, app->screenCount());

    app->popScreen();
    openMenu("fromScene");
    click(MainMenu::Play);
    app->stepFor(100);
    EXPECT_EQ(1, openQuestions()) << "started before: new game or continue?";
    EXPECT_NE(nullptr, dynamic_cast<MainMenu*>(app->topScreen()));
}

TEST_F(MainMenuTest, NewGameResetsTheProfileAndTheFlow) {
    profile().started = true;
    profile().hintCount = 2;
    profile().counterA = 9;
    GameFlow::instance().setPosition(1);
    MainMenu* menu = openMenu("started");
    menu->onQuestionAnswered(-1, 1);
    EXPECT_EQ(0, GameFlow::instance().position());
    EXPECT_EQ(5, profile().hintCount);
    EXPECT_EQ(-1, profile().counterA);
    EXPECT_TRUE(profile().started);
    app->stepFor(600);
    EXPECT_NE(nullptr, dynamic_cast<TestScreen*>(app->topScreen()));
}

TEST_F(MainMenuTest, ContinueResumesAtTheSavedPosition) {
    profile().started = true;
    GameFlow::instance().setPosition(1);
    MainMenu* menu = openMenu("started");
    menu->onQuestionAnswered(-1, 0);
    app->stepFor(600);
    EXPECT_EQ(1, GameFlow::instance().position());
    EXPECT_NE(nullptr, dynamic_cast<TestScreen*>(app->topScreen()));
}

TEST_F(MainMenuTest, FinishedResetsThePositionAndStarted) {
    profile().started = true;
    GameFlow::instance().setPosition(2);
    openMenu("finished");
    EXPECT_EQ(0, GameFlow::instance().position());
    EXPECT_FALSE(profile().started);
    EXPECT_TRUE(profile().finished);
}

TEST_F(MainMenuTest, PlayWithNothingToBuildStaysOnTheMenu) {
    GameFlow::instance().setPosition(2);
    openMenu("started");
    click(MainMenu::Play);
    app->stepFor(600);
    EXPECT_NE(nullptr, dynamic_cast<MainMenu*>(app->topScreen()));
    EXPECT_FALSE(profile().started);
}

TEST_F(MainMenuTest, ReturningFromFreePlayKeepsTheMusic) {
    _Mix_Music* music = AudioEngine::instance().loadMusic("content/music/MenuTheme.ogg");
    ASSERT_NE(nullptr, music);
    app->getResources().addMusicStream("MAIN_MUSIC", music);
    openMenu("started");
    EXPECT_TRUE(Mix_PlayingMusic()) << "the menu fades its music in";
    Mix_HaltMusic();
    app->popScreen();
    openMenu("fromFreePlay");
    EXPECT_FALSE(Mix_PlayingMusic()) << "no restart when coming back from free play";
    app->popScreen();
    openMenu("fromScene");
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MainMenuTest, WithoutProfilesTheProfileMenuOpensOverIt) {
    PlayerProfiles::reset();
    openMenu("started");
    ASSERT_NE(nullptr, dynamic_cast<PlayerProfilesMenu*>(app->topScreen()))
        << "opened over the menu as soon as it shows";
    EXPECT_EQ(2u, app->screenCount());
}

TEST_F(MainMenuTest, PlayWithoutACurrentProfileAsksForOneFirst) {
    MainMenu* menu = openMenu("started");
    PlayerProfiles::instance().addProfile("Tom");
    PlayerProfiles::instance().removeProfile(0); // a profile, but none current
    ASSERT_EQ(nullptr, PlayerProfiles::instance().currentProfile());
    click(MainMenu::Play);
    EXPECT_NE(nullptr, dynamic_cast<PlayerProfilesMenu*>(app->topScreen()));
    EXPECT_EQ(menu, app->screenAt(0)) << "the game did not start";
}

TEST_F(MainMenuTest, ExitAsksThroughTheApplicationsQuitHostOrClosesWithout) {
    struct Host : QuitDialogHost {
        void setQuitDialogShown(bool value) override { shown = value; }
        bool isQuitDialogShown() const override { return shown; }
        bool shown = false;
    } host;
    MainMenu* menu = openMenu("started");
    app->setQuitHost(&host);
    host.shown = true; // a dialog opened by a close request is up already
    click(MainMenu::ExitGame);
    EXPECT_EQ(menu, app->topScreen()) << "no second quit dialog";

    host.shown = false;
    click(MainMenu::ExitGame);
    EXPECT_NE(nullptr, dynamic_cast<QuitDialogScreen*>(app->topScreen()));
    EXPECT_TRUE(host.shown) << "the dialog tells the host it is open";

    // Without a quit host the menu closes and asks the application to quit.
    app->setQuitHost(nullptr);
    app->popScreen();
    app->pushMotion(900, 700); // the pointer leaves the button, as a hand does
    app->step();
    ASSERT_EQ(menu, app->topScreen());
    click(MainMenu::ExitGame);
    app->stepFor(600);
    EXPECT_EQ(0u, app->screenCount()) << "the menu has gone";
    EXPECT_TRUE(app->isQuitRequested());
}

TEST_F(MainMenuTest, StartingAGameReachesTheDiskAtOnce) {
    const std::string path = folder / "profiles.sav";
    auto save = std::make_unique<FileSaveGame>(path, GameSave::ProductId);
    GameSave::registerEntries(*save);
    app->setSaveGame(std::move(save));
    openMenu("started");
    ASSERT_FALSE(PlayerProfiles::instance().currentProfile()->started);
    click(MainMenu::Play);

    // What the next start would read, with nothing kept in memory.
    PlayerProfiles::reset();
    FileSaveGame reread(path, GameSave::ProductId);
    GameSave::registerEntries(reread);
    ASSERT_TRUE(reread.load());
    ASSERT_NE(nullptr, PlayerProfiles::instance().currentProfile());
    EXPECT_EQ("Mira", PlayerProfiles::instance().currentProfile()->name);
    EXPECT_TRUE(PlayerProfiles::instance().currentProfile()->started);
}

TEST_F(MainMenuTest, PointerOverAButtonHighlightsIt) {
    MainMenu* menu = openMenu("started");
    QuillButton* options = menu->button(MainMenu::Options);
    app->pushMotion(options->x() + 20, options->y() + 20);
    app->step();
    EXPECT_EQ(MainMenu::Options, menu->highlighted());
    EXPECT_EQ(MainMenu::ButtonX, options->x());
    EXPECT_EQ(MainMenu::FirstButtonY + 2 * MainMenu::ButtonStep, options->y());
    app->pushMotion(900, 700);
    app->step();
    EXPECT_EQ(-1, menu->highlighted());

    // A screen opened over the menu takes the highlight away.
    app->pushMotion(options->x() + 20, options->y() + 20);
    app->step();
    ASSERT_EQ(MainMenu::Options, menu->highlighted());
    app->startScreen(std::make_unique<TestScreen>());
    app->step();
    EXPECT_EQ(-1, menu->highlighted());
    EXPECT_EQ(ButtonStyle::Normal, options->state());
    EXPECT_FALSE(options->isFading()) << "settled at once: a covered menu is not updated";
}

} // namespace
