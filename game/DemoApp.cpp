#include "game/DemoApp.h"

#include "engine/app/AppConfig.h"
#include "engine/app/ConfigFile.h"
#include "engine/app/CursorChoice.h"
#include "engine/app/Log.h"
#include "engine/app/ScreenBase.h"
#include "engine/audio/AudioEngine.h"
#include "engine/audio/SceneMusic.h"
#include "engine/audio/SfxContainer.h"
#include "engine/audio/SoundSystem.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "engine/persist/LabelManager.h"
#include "engine/platform/Environment.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/ResourceTables.h"
#include "game/menus/GlobalGamePauseScreen.h"
#include "game/menus/MainMenu.h"

#include <cstdlib>

DemoApp::DemoApp(std::unique_ptr<TickSource> ticks) : SDLGameApp(std::move(ticks)) {
    AppConfig& config = AppConfig::instance();
    if (!config.load(ConfigPath) || config.width() <= 0 || config.height() <= 0) {
        // Without its configuration the demonstration still opens a window.
        config.setScreenResolution(Width, Height, 0);
        config.setCaption("Lantern Inn: The Broken Locket");
        config.setSaveLocation("LanternInn", "profiles.sav");
    }
    setCaption(config.caption());
    if (!config.labelsFile().empty()) {
        getLabels().load(config.labelsFile());
    }
    saveGame_ = GameSave::openAtStartup(config);
    try {
        parameters_ = std::make_unique<ConfigFile>(ParametersPath);
    } catch (const ConfigFile::file_not_found& error) {
        engineLog() << "Cannot open the parameters '" << error.fileName << "'\n";
    }
}

DemoApp::~DemoApp() = default;

void DemoApp::startAudio() {
    // The player's volumes: the save's, which start as the configuration's.
    const auto* sound =
        saveGame_ ? saveGame_->entry<GenericEntry<int>>(GameSave::SoundVolume) : nullptr;
    const auto* music =
        saveGame_ ? saveGame_->entry<GenericEntry<int>>(GameSave::MusicVolume) : nullptr;
    const AppConfig& config = AppConfig::instance();
    getSoundSystem().setChannelVolume(-1, sound ? sound->value() : config.soundVolume());
    getSoundSystem().setMusicVolume(music ? music->value() : config.musicVolume());
    SfxContainer::instance().load(SfxPath);
    SceneMusic::instance().load(MusicPath);
    const std::string menuMusic = SceneMusic::instance().musicFor(SceneMusic::MenuIndex);
    if (!menuMusic.empty()) {
        getResources().addMusicStream("MAIN_MUSIC", AudioEngine::instance().loadMusic(menuMusic));
    }
}

void DemoApp::init() {
    const AppConfig& config = AppConfig::instance();
    if (!openVideo(config.width(), config.height(), config.bitDepth(), false)) {
        return;
    }
    std::srand(platform::randomSeed());
    GameFlow& flow = GameFlow::instance();
    flow.load(FlowPath);
    flow.registerScreenType("MainMenu", [](const GameFlow::Attributes& attributes) {
        return std::make_unique<MainMenu>(GameFlow::attribute(attributes, "attrib"));
    });
    resource_tables::registerStartupFonts(getResources());
    resource_tables::registerStartupTextures(getResources());
    startAudio();
    // The player's pointer: the game's own cursor unless they turned it off.
    const auto* custom =
        saveGame_ ? saveGame_->entry<GenericEntry<char>>(GameSave::HardwareCursor) : nullptr;
    applyCursorChoice(custom ? custom->value() != 0 : true, *this);
    if (AppConfig::instance().logoScreens().empty()) {
        logosDone();
    } else {
        startScreen(std::make_unique<LogoSeqManager>(this));
    }
    ready_ = true;
}

bool DemoApp::confirmQuit() {
    if (!quitDialogShown_) {
        startScreen(std::make_unique<QuitDialogScreen>(this));
    }
    return false;
}

void DemoApp::onDeactivate() {
    // A second loss of focus replaces the pause screen rather than stacking one more.
    if (dynamic_cast<GlobalGamePauseScreen*>(topScreen())) {
        replaceTop(std::make_unique<GlobalGamePauseScreen>());
    } else {
        pushScreen(std::make_unique<GlobalGamePauseScreen>());
    }
}

void DemoApp::onActivate() {
    if (dynamic_cast<GlobalGamePauseScreen*>(topScreen())) {
        popScreen();
    }
}

void DemoApp::onExit() {
    if (saveGame_) {
        saveGame_->save();
    }
}

void DemoApp::logosDone() {
    startScreen(std::make_unique<MainMenu>("started"));
}

void DemoApp::beforeVideoModeChange(bool fullScreen) {
    const AppConfig& config = AppConfig::instance();
    if (!isWideDesktop(desktopAspect(modeLister_))) {
        return;
    }
    if (!fullScreen) {
        setSize(config.width(), config.height());
        return;
    }
    const auto [w, h] = chooseWidescreenMode(config.width(), config.height(), modeLister_);
    if (w == 0) {
        // No mode of the desktop's shape holds the game: full screen at its own size.
        setSize(config.width(), config.height());
        return;
    }
    engineLog() << "Switching to resolution: " << w << " x " << h << "\n";
    setSize(w, h);
}

bool DemoApp::afterVideoModeChange(int, int, bool fullScreen) {
    AppConfig& config = AppConfig::instance();
    if (saveGame_) {
        if (auto* entry = saveGame_->entry<GenericEntry<char>>(GameSave::FullScreen)) {
            entry->setValue(fullScreen ? 1 : 0);
        }
    }
    const bool wide = fullScreen && (width() != config.width() || height() != config.height());
    const auto [x, y] = wide ? centringOffsets(width(), height(), config.width(), config.height())
                             : std::pair<int, int>(0, 0);
    frameShown_ = wide;
    config.setOffset(x, y);
    for (std::size_t i = 0; i < screenCount(); ++i) {
        if (auto* screen = dynamic_cast<ScreenBase*>(screenAt(i))) {
            screen->setOffset(x, y);
            screen->relayout();
        }
    }
    return true;
}

void DemoApp::preRender(Graphics& graphics) {
    if (!frameShown_) {
        return;
    }
    const GLTexture* frame = getResources().getTexture("GTEX_BRICKS");
    if (frame) {
        graphics.drawTexture((width() - frame->imageWidth()) / 2,
                             (height() - frame->imageHeight()) / 2, frame, Color());
    }
}
