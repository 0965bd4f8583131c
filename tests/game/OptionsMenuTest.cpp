// The options menu on the running game, driven by real clicks and keys.
#include "game/menus/OptionsMenu.h"
#include "engine/app/GlobalEventManager.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/CustomSliderWidget.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "game/GameSave.h"
#include "game/menus/MainMenu.h"
#include "tests/support/RunningGame.h"
#include "tests/support/StdoutCapture.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

class OptionsMenuTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Mira"}; }

    OptionsMenu* openOptions() {
        MainMenu* menu = waitFor<MainMenu>();
        if (!menu) {
            return nullptr;
        }
        frames(600);
        click(menu->button(MainMenu::Options));
        OptionsMenu* options = waitFor<OptionsMenu>();
        for (int t = 0; t < 2000 && options && !options->okButton(); t += 16) {
            frame();
        }
        settle();
        return options && options->okButton() ? options : nullptr;
    }
    template <typename T> T saved(const char* key) const {
        return app->saveGame()->entry<GenericEntry<T>>(key)->value();
    }
    // The value the save file on disk holds, read as the next start would.
    int fullScreenOnDisk() const {
        FileSaveGame file(app->saveGame()->path(), GameSave::ProductId);
        GameSave::registerEntries(file);
        StdoutCapture quiet;
        if (!file.load()) {
            return -1;
        }
        return file.entry<GenericEntry<char>>(GameSave::FullScreen)->value();
    }
};

TEST_F(OptionsMenuTest, MusicSliderAtTheMiddleSetsHalfVolumeAtOnce) {
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    CustomSliderWidget* music = options->slider(OptionsMenu::MusicSlider);
    ASSERT_NE(nullptr, music);
    const int before = saved<int>(GameSave::SoundVolume);
    clickAt(music->x() + music->width() / 2, music->y() + music->height() / 2);
    EXPECT_EQ(50, saved<int>(GameSave::MusicVolume));
    ASSERT_TRUE(app->isAudioAvailable()) << "SDL's dummy audio driver always opens";
    EXPECT_EQ(50, Mix_VolumeMusic(-1)) << "heard at once";
    EXPECT_EQ(before, saved<int>(GameSave::SoundVolume)) << "the other slider is untouched";

    CustomSliderWidget* sound = options->slider(OptionsMenu::SoundSlider);
    clickAt(sound->x() + 1, sound->y() + sound->height() / 2);
    EXPECT_EQ(0, saved<int>(GameSave::SoundVolume)) << "the left end is silence";
    EXPECT_EQ(0, Mix_Volume(-1, -1));
}

TEST_F(OptionsMenuTest, CustomCursorBoxSwitchesThePointerAtOnce) {
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    ASSERT_NE(nullptr, app->cursorTexture()) << "the game's own cursor by default";
    CheckBoxWidget* box = options->checkBox(OptionsMenu::CursorBox);
    EXPECT_TRUE(box->isTicked());
    click(box);
    EXPECT_FALSE(box->isTicked());
    EXPECT_EQ(0, saved<char>(GameSave::HardwareCursor));
    EXPECT_EQ(nullptr, app->cursorTexture()) << "the system pointer, without waiting for OK";
    click(box);
    EXPECT_NE(nullptr, app->cursorTexture());
}

TEST_F(OptionsMenuTest, UntickingFullScreenTakesEffectOnlyOnOk) {
    {
        StdoutCapture quiet;
        ASSERT_TRUE(app->setFullScreen(true));
    }
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    CheckBoxWidget* box = options->checkBox(OptionsMenu::FullScreenBox);
    EXPECT_TRUE(box->isTicked());
    click(box);
    EXPECT_FALSE(box->isTicked());
    EXPECT_EQ(0, saved<char>(GameSave::FullScreen));
    EXPECT_TRUE(app->isFullScreen()) << "nothing changes before OK";

    click(options->okButton());
    ASSERT_NE(nullptr, waitFor<MainMenu>(2000));
    EXPECT_FALSE(app->isFullScreen());
    EXPECT_EQ(0, fullScreenOnDisk()) << "written when the menu closed";
}

TEST_F(OptionsMenuTest, AltEnterWhileOpenFlipsTheFullScreenBox) {
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    CheckBoxWidget* box = options->checkBox(OptionsMenu::FullScreenBox);
    EXPECT_FALSE(box->isTicked());
    sdl_input::pushKeyStroke(SDLK_RETURN, '\r', KMOD_LALT);
    frame();
    EXPECT_TRUE(app->isFullScreen());
    EXPECT_TRUE(box->isTicked()) << "the box follows the mode";
    sdl_input::pushKeyStroke(SDLK_RETURN, '\r', KMOD_LALT);
    frame();
    EXPECT_FALSE(app->isFullScreen());
    EXPECT_FALSE(box->isTicked());

    click(options->okButton());
    ASSERT_NE(nullptr, waitFor<MainMenu>(2000));
    EXPECT_FALSE(app->isFullScreen()) << "OK applies the box as it shows";
    EXPECT_EQ(1u, app->screenCount());
}

TEST_F(OptionsMenuTest, ListensToModeChangesOnlyWhileItExists) {
    const std::size_t before = app->globalEvents().listenerCount();
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    EXPECT_EQ(before + 1, app->globalEvents().listenerCount());
    EXPECT_GE(options->listenerId(), 0);
    click(options->okButton());
    ASSERT_NE(nullptr, waitFor<MainMenu>(2000));
    frames(100);
    EXPECT_EQ(before, app->globalEvents().listenerCount());
}

TEST_F(OptionsMenuTest, TooltipAfterRestingOnTheSlider) {
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    CustomSliderWidget* sound = options->slider(OptionsMenu::SoundSlider);
    sdl_input::pushMotion(*app, sound->x() + 20, sound->y() + 5);
    frames(1000);
    EXPECT_EQ("", options->tooltip());
    frames(600);
    EXPECT_EQ(applicationLabel("TOOLTIP_SLIDER_SOUND"), options->tooltip());
    sdl_input::pushMotion(*app, 10, 10);
    frame();
    EXPECT_EQ("", options->tooltip());
}

// German is the configuration's second language. A click on its flag: the
// main menu under the dialog and the dialog itself speak German at once, the
// flag is framed, and the next start keeps the choice.
TEST_F(OptionsMenuTest, AFlagClickSwitchesTheLanguageAtOnceAndTheNextStartKeepsIt) {
    OptionsMenu* options = openOptions();
    ASSERT_NE(nullptr, options);
    ClickableImageWidget* german = options->flag(1);
    ASSERT_NE(nullptr, german);
    sdl_input::pushMotion(*app, german->x() + options->offsetX() + 5,
                          german->y() + options->offsetY() + 5);
    frames(1600); // past the tooltip's delay
    EXPECT_EQ("Deutsch", options->tooltip()) << "a language is named in itself";

    click(german);
    frame();
    EXPECT_EQ("DE", AppConfig::instance().activeLanguage());
    MainMenu* menu = dynamic_cast<MainMenu*>(app->screenAt(0));
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ("Spielen", menu->button(MainMenu::Play)->label());
    ASSERT_NE(nullptr, options->slider(OptionsMenu::SoundSlider));
    EXPECT_EQ("Soundeffekte", options->slider(OptionsMenu::SoundSlider)->name());
    // The chosen flag's gold frame, 3 pixels out; none around the other.
    german = options->flag(1);
    ASSERT_NE(nullptr, german);
    const Color gold(214, 170, 60, 255);
    EXPECT_EQ(gold, shownPixel(german->x() + options->offsetX() - 3,
                               german->y() + options->offsetY() + 10));
    const ClickableImageWidget* english = options->flag(0);
    EXPECT_NE(gold, shownPixel(english->x() + options->offsetX() - 3,
                               english->y() + options->offsetY() + 10));

    endGame();
    startGame(false, initialProfiles());
    menu = waitFor<MainMenu>();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ("Spielen", menu->button(MainMenu::Play)->label());
}

TEST(OptionsVersionTest, VersionIsTheBuildDateAsYearMonthDay) {
    EXPECT_EQ("120411 ", OptionsMenu::versionFromDate("Apr 11 2012"));
    EXPECT_EQ("261208 ", OptionsMenu::versionFromDate("Dec  8 2026")) << "the compiler pads days";
    StdoutCapture capture;
    EXPECT_EQ("", OptionsMenu::versionFromDate("Foo 11 2012"));
    EXPECT_EQ("", OptionsMenu::versionFromDate("garbage"));
    EXPECT_NE(std::string::npos, capture.finish().find("month"));
    EXPECT_EQ(7u, OptionsMenu::buildVersion().size());
}

} // namespace
