// The quit dialog and the pause screen on the running application.
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "engine/platform/FileSystem.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "game/GameDialogs.h"
#include "game/ResourceTables.h"
#include "game/app/MyApp.h"
#include "game/menus/GlobalGamePauseScreen.h"
#include "game/menus/QuitDialogScreen.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestScreen.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

struct Host : QuitDialogHost {
    void setQuitDialogShown(bool value) override { shown = value; }
    bool isQuitDialogShown() const override { return shown; }
    bool shown = false;
};

// At the game's size, on which the dialog centres itself.
class QuitDialogTest : public WidgetScreenFixture {
protected:
    QuitDialogTest() : WidgetScreenFixture(1024, 768) {}

    void SetUp() override {
        WidgetScreenFixture::SetUp();
        resource_tables::registerStartupFonts(app->getResources());
        auto dialog = std::make_unique<QuitDialogScreen>(&host);
        quit = dialog.get();
        app->startScreen(std::move(dialog));
    }

    Host host;
    QuitDialogScreen* quit = nullptr;
};

TEST_F(QuitDialogTest, ButtonsAppearOnlyOnceTheWindowHasOpened) {
    EXPECT_TRUE(host.shown);
    app->step();
    EXPECT_FALSE(quit->isFrameShown());
    EXPECT_EQ(nullptr, quit->okButton());
    app->stepFor(600);
    EXPECT_TRUE(quit->isFrameShown());
    ASSERT_NE(nullptr, quit->okButton());
    ASSERT_NE(nullptr, quit->cancelButton());
    EXPECT_LT(quit->okButton()->x(), quit->cancelButton()->x());
    // The frame sits centred on the 1024 x 768 game.
    EXPECT_EQ(332 + 40, quit->okButton()->x());
}

TEST_F(QuitDialogTest, OkEndsTheLoopAtTheEndOfTheFrame) {
    app->stepFor(600);
    input().clickOn(*quit->okButton());
    EXPECT_FALSE(app->step()) << "the frame loop ends";
    EXPECT_TRUE(app->isExitNow());
}

TEST_F(QuitDialogTest, CancelClearsTheFlagAndPopsAfterTheClosingAnimation) {
    app->stepFor(600);
    input().clickOn(*quit->cancelButton());
    EXPECT_TRUE(app->step());
    EXPECT_FALSE(host.shown) << "another close request may ask again";
    EXPECT_EQ(nullptr, quit->okButton());
    EXPECT_EQ(2u, app->screenCount()) << "still closing";
    app->stepFor(600);
    EXPECT_EQ(1u, app->screenCount());
    EXPECT_FALSE(app->isExitNow());
}

TEST_F(QuitDialogTest, LongLabelsTakeTheSmallerSerifToStayOnTheButtonPlate) {
    const Font* usual = applicationFont("FONT_CheltenhamBT20");
    const Font* smaller = applicationFont("FONT_CheltenhamBT16");
    ASSERT_NE(nullptr, usual);
    ASSERT_NE(nullptr, smaller);
    EXPECT_EQ(usual, parchmentButtonFont("Cancel"));
    EXPECT_EQ(smaller, parchmentButtonFont("Abbrechen")) << "111 pixels in the usual serif";
    EXPECT_LE(smaller->textWidth("Abbrechen"), 96);

    const MessageDialogDesc both = parchmentDialogDesc("t", "m", "Neues Spiel", "Fortsetzen", 0, 0);
    EXPECT_EQ(smaller, both.buttonFont) << "one serif for both answers";
    const MessageDialogDesc shortOnes = parchmentDialogDesc("t", "m", "Ja", "Nein", 0, 0);
    EXPECT_EQ(usual, shortOnes.buttonFont);
    // A lone OK in the middle: the window at (1024 - 359) / 2 = 332, plus (359 - 128) / 2.
    EXPECT_EQ(332 + 115, parchmentDialogDesc("t", "m", "OK", "", 0, 0).firstButtonX);
    EXPECT_EQ(332 + 40, shortOnes.firstButtonX) << "two answers stand at the sides";

    auto ok = makeParchmentButton(nullptr, 1, nullptr, "OK");
    auto cancel = makeParchmentButton(nullptr, 2, nullptr, "Abbrechen");
    EXPECT_EQ(usual, ok->style().looks[ButtonStyle::Normal].font);
    EXPECT_EQ(smaller, cancel->style().looks[ButtonStyle::Over].font);
}

TEST(PauseScreenTest, CoversTheGameWithThePauseLabel) {
    GlobalGamePauseScreen pause;
    RecordingGraphics graphics;
    pause.drawForeground(graphics);
    ASSERT_EQ(1, graphics.count("fillRect"));
    EXPECT_EQ(Color(0, 0, 0, 200), graphics.find("fillRect")->color);
    EXPECT_EQ(1024, graphics.find("fillRect")->intArg(2));
}

// The game application built without its window: close requests, focus and
// display modes, with its save file in a folder of the test's own.
class GameWithoutWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("APPDATA", userFolder.path().c_str(), 1);
        app = std::make_unique<MyApp>(std::make_unique<FakeTickSource>());
    }
    void TearDown() override {
        app.reset();
        AppConfig::reset();
    }

    TemporaryDirectory userFolder;
    ScopedEnvironment saved{{"APPDATA"}};
    std::unique_ptr<MyApp> app;
};

TEST_F(GameWithoutWindowTest, StartsWithASaveFileAndWritesItWhenTheProgramEnds) {
    const std::string file = userFolder / "LanternInn/profiles.sav";
    EXPECT_TRUE(platform::fileExists(file)) << "written at once on the first start";
    ASSERT_NE(nullptr, app->saveGame());
    platform::removeFile(file);
    app->onExit();
    EXPECT_TRUE(platform::fileExists(file));
    const std::string bytes = TemporaryDirectory::readFile(file);
    ASSERT_GE(bytes.size(), 14u);
    EXPECT_EQ("VELT_RA001", bytes.substr(4, 10));
}

TEST_F(GameWithoutWindowTest, CloseRequestsOpenOneQuitDialogAndAgainAfterCancel) {
    app->pushScreen(std::make_unique<TestScreen>());
    EXPECT_FALSE(app->confirmQuit()) << "the dialog asks first";
    EXPECT_FALSE(app->confirmQuit());
    EXPECT_EQ(2u, app->screenCount()) << "one quit dialog at a time";
    EXPECT_TRUE(app->isQuitDialogShown());
    app->setQuitDialogShown(false); // what CANCEL does
    app->popScreen();
    app->destroyRetiredScreens();
    EXPECT_FALSE(app->confirmQuit());
    EXPECT_EQ(2u, app->screenCount()) << "asked again";
}

TEST_F(GameWithoutWindowTest, LosingFocusTwiceKeepsOnePauseScreen) {
    app->pushScreen(std::make_unique<TestScreen>());
    app->onDeactivate();
    app->onDeactivate();
    app->destroyRetiredScreens();
    ASSERT_EQ(2u, app->screenCount());
    EXPECT_NE(nullptr, dynamic_cast<GlobalGamePauseScreen*>(app->topScreen()));
    app->onActivate();
    app->destroyRetiredScreens();
    EXPECT_EQ(1u, app->screenCount());
    app->onActivate();
    EXPECT_EQ(1u, app->screenCount()) << "nothing to take away";
}

TEST_F(GameWithoutWindowTest, WideDesktopCentresTheGameInTheWidescreenModeAndBack) {
    auto capture = std::make_unique<StdoutCapture>();
    app->setModeLister([] { return ModeList{ModeList::Listed, {{1366, 768}, {1280, 720}}}; });
    app->pushScreen(std::make_unique<TestScreen>());
    app->beforeVideoModeChange(true);
    EXPECT_EQ(1366, app->width());
    EXPECT_EQ(768, app->height());
    app->afterVideoModeChange(1366, 768, true);
    EXPECT_EQ(171, AppConfig::instance().offsetX());
    EXPECT_EQ(0, AppConfig::instance().offsetY());
    EXPECT_TRUE(app->isFrameShown());
    auto* screen = dynamic_cast<ScreenBase*>(app->topScreen());
    EXPECT_EQ(171, screen->offsetX()) << "screens follow the new offsets";
    EXPECT_EQ(1, app->saveGame()->entry<GenericEntry<char>>("FULL_SCREEN")->value());
    EXPECT_NE(std::string::npos, capture->finish().find("Switching to resolution: 1366 x 768"));
    capture.reset();

    // The wide mode loaded the frame's picture when it first needed it.
    RecordingGraphics graphics;
    app->preRender(graphics);
    const RecordedCall* frame = graphics.find("drawTexture");
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(app->getResources().getTexture("GTEX_BRICKS"), frame->texture);
    EXPECT_EQ((1366 - 1920) / 2, frame->intArg(0)) << "the frame centred on the real screen";

    {
        StdoutCapture quiet;
        app->beforeVideoModeChange(false);
        app->afterVideoModeChange(1024, 768, false);
    }
    EXPECT_EQ(1024, app->width());
    EXPECT_EQ(0, AppConfig::instance().offsetX());
    EXPECT_FALSE(app->isFrameShown());
    EXPECT_EQ(0, app->saveGame()->entry<GenericEntry<char>>("FULL_SCREEN")->value());
    graphics.clearCalls();
    app->preRender(graphics);
    EXPECT_EQ(0, graphics.count("drawTexture"));
}

TEST_F(GameWithoutWindowTest, FourByThreeDesktopAndNoFittingModeKeepTheGameSize) {
    app->setSize(1024, 768); // the window as opened
    app->setModeLister([] { return ModeList{ModeList::Listed, {{1600, 1200}, {1024, 768}}}; });
    {
        StdoutCapture capture;
        app->beforeVideoModeChange(true);
        app->afterVideoModeChange(1024, 768, true);
    }
    EXPECT_EQ(1024, app->width());
    EXPECT_EQ(0, AppConfig::instance().offsetX());
    EXPECT_FALSE(app->isFrameShown());

    app->setModeLister([] { return ModeList{ModeList::Listed, {{1280, 720}, {854, 480}}}; });
    {
        StdoutCapture capture;
        app->beforeVideoModeChange(true);
        app->afterVideoModeChange(1024, 768, true);
    }
    EXPECT_EQ(1024, app->width()) << "no wide mode holds 768 rows: full screen at the game's size";
    EXPECT_EQ(0, AppConfig::instance().offsetX());
}

} // namespace
