#include "game/app/MyApp.h"

#include "engine/app/AppConfig.h"
#include "engine/app/CursorChoice.h"
#include "engine/app/GlobalEventManager.h"
#include "engine/audio/AudioEngine.h"
#include "engine/audio/SceneMusic.h"
#include "engine/audio/SfxContainer.h"
#include "engine/audio/SoundSystem.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "engine/persist/LabelManager.h"
#include "engine/platform/Environment.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/ScreenBase.h"
#include "game/GameFlow.h"
#include "game/GameParameters.h"
#include "game/GameSave.h"
#include "game/LanguageChoice.h"
#include "game/ResourceTables.h"
#include "game/app/AuthorMode.h"
#include "game/menus/GlobalGamePauseScreen.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OpeningCredits.h"
#include "game/menus/QuitDialogScreen.h"
#include "game/menus/StoryScreen.h"
#include "game/menus/TransitionScreen.h"
#include "game/minigames/MG_Screen10.h"
#include "game/minigames/MG_Screen15.h"
#include "game/minigames/MG_Screen18.h"
#include "game/minigames/MG_Screen2.h"
#include "game/minigames/MG_Screen22.h"
#include "game/minigames/MG_Screen28.h"
#include "game/minigames/MG_Screen32.h"
#include "game/minigames/MG_Screen5.h"
#include "game/scene/LarkScene.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneIndex.h"

#include <SDL_image.h>

#include <cstdlib>

namespace {
MyApp* theGame = nullptr;
} // namespace

MyApp* MyApp::instance() {
    return theGame;
}

MyApp::MyApp(std::unique_ptr<TickSource> ticks) : SDLGameApp(std::move(ticks)) {
    theGame = this;
    AppConfig& config = AppConfig::instance();
    if (!config.load(ConfigPath) || config.width() <= 0 || config.height() <= 0) {
        // Without its configuration the game still opens a window.
        config.setScreenResolution(Width, Height, 0);
        config.setCaption("Lantern Inn: The Broken Locket");
        config.setSaveLocation("LanternInn", "profiles.sav");
    }
    config.selectLanguage(
        language_choice::startingCode(config, language_choice::choicePath(config)));
    if (!config.labelsFile().empty()) {
        getLabels().load(config.labelsFile());
    }
    setCaption(config.caption());
    // The save's profiles are checked against the flow and find their items'
    // descriptions through the scene index: both are read first.
    GameFlow::instance().load(FlowPath);
    SceneIndex::instance().load(SceneIndex::DefaultPath);
    setSaveGame(GameSave::openAtStartup(config));
    keyboardHook_.install();
    GameParameters::instance().load(ParametersPath);
}

MyApp::~MyApp() {
    keyboardHook_.uninstall();
    // Screens still on the stack leave while the game's services exist.
    exitAllScreens();
    destroyRetiredScreens();
    if (theGame == this) {
        theGame = nullptr;
    }
}

FileSaveGame* MyApp::saveGame() const {
    return dynamic_cast<FileSaveGame*>(getSaveGame());
}

template <typename T> T MyApp::saved(const char* key, T fallback) const {
    const GenericEntry<T>* entry = GameSave::setting<T>(getSaveGame(), key);
    return entry ? entry->value() : fallback;
}

void MyApp::applySavedVolumes() {
    const AppConfig& config = AppConfig::instance();
    getSoundSystem().setMusicVolume(saved<int>(GameSave::MusicVolume, config.musicVolume()));
    getSoundSystem().setChannelVolume(-1, saved<int>(GameSave::SoundVolume, config.soundVolume()));
}

void MyApp::startAudio() {
    SfxContainer::instance().load(SfxPath);
    SceneMusic::instance().load(MusicPath);
    const std::string menuMusic = SceneMusic::instance().musicFor(SceneMusic::MenuIndex);
    if (!menuMusic.empty()) {
        getResources().addMusicStream("MAIN_MUSIC", AudioEngine::instance().loadMusic(menuMusic));
    }
}

void MyApp::init() {
    GameFlow& flow = GameFlow::instance();
    flow.registerScreenType("MainMenu", [](const GameFlow::Attributes& attributes) {
        return std::make_unique<MainMenu>(GameFlow::attribute(attributes, "attrib"));
    });
    flow.registerScreenType("story", [](const GameFlow::Attributes& attributes) {
        return std::make_unique<StoryScreen>(GameFlow::attribute(attributes, "pathStory"),
                                             GameFlow::intAttribute(attributes, "sceneId", -1));
    });
    flow.registerScreenType(
        "TransitionScreen",
        [](const GameFlow::Attributes& attributes) -> std::unique_ptr<GameState> {
            if (!GameFlow::requireAttributes(attributes, {"caption", "fadeInDuration",
                                                          "fadeOutDuration", "screenDuration"})) {
                return nullptr;
            }
            return std::make_unique<TransitionScreen>(
                GameFlow::attribute(attributes, "caption"),
                GameFlow::intAttribute(attributes, "screenDuration", 0),
                GameFlow::intAttribute(attributes, "fadeInDuration", 0),
                GameFlow::intAttribute(attributes, "fadeOutDuration", 0));
        });
    flow.registerScreenType(
        "OpeningCredits", [](const GameFlow::Attributes& attributes) -> std::unique_ptr<GameState> {
            if (!GameFlow::requireAttributes(attributes, {"path", "fileName"})) {
                return nullptr;
            }
            return std::make_unique<OpeningCredits>(GameFlow::attribute(attributes, "path"),
                                                    GameFlow::attribute(attributes, "fileName"));
        });
    flow.registerScreenType(
        "ho_scene", [](const GameFlow::Attributes& attributes) -> std::unique_ptr<GameState> {
            if (!GameFlow::requireAttributes(attributes,
                                             {"sceneId", "configPath", "itemRendererConf",
                                              "mechanicsConf", "itemGroupConf"})) {
                return nullptr;
            }
            return std::make_unique<LarkScene>(
                GameFlow::intAttribute(attributes, "sceneId", -1),
                GameFlow::attribute(attributes, "configPath"),
                GameFlow::attribute(attributes, "itemRendererConf"),
                GameFlow::attribute(attributes, "mechanicsConf"),
                GameFlow::attribute(attributes, "itemGroupConf"),
                GameFlow::intAttribute(attributes, "pushDialogWindow", 0) != 0,
                GameFlow::attribute(attributes, "dialogMessage", "LABEL"),
                GameFlow::intAttribute(attributes, "freePlay", 0) != 0);
        });
    // The puzzles take their music from the scene id of their entry.
    const auto sceneOf = [](const GameFlow::Attributes& attributes) {
        return GameFlow::intAttribute(attributes, "sceneId", -1);
    };
    flow.registerScreenType("MG_Screen5", [sceneOf](const GameFlow::Attributes& attributes) {
        return std::make_unique<MG_Screen5>(sceneOf(attributes));
    });
    flow.registerScreenType("MG_Screen10", [sceneOf](const GameFlow::Attributes& attributes) {
        return std::make_unique<MG_Screen10>(sceneOf(attributes));
    });
    flow.registerScreenType("MG_Screen15", [sceneOf](const GameFlow::Attributes& attributes) {
        return std::make_unique<MG_Screen15>(sceneOf(attributes));
    });
    flow.registerScreenType("MG_Screen28", [sceneOf](const GameFlow::Attributes& attributes) {
        return std::make_unique<MG_Screen28>(sceneOf(attributes));
    });
    // The puzzles that read the file their entry names.
    const auto withFile = [&flow, sceneOf](const std::string& type, auto make) {
        flow.registerScreenType(
            type,
            [sceneOf, make](const GameFlow::Attributes& attributes) -> std::unique_ptr<GameState> {
                if (!GameFlow::requireAttributes(attributes, {"configFile"})) {
                    return nullptr;
                }
                return make(GameFlow::attribute(attributes, "configFile"), sceneOf(attributes));
            });
    };
    withFile("MG_Screen2", [](const std::string& file, int scene) {
        return std::make_unique<MG_Screen2>(file, scene);
    });
    withFile("MG_Screen18", [](const std::string& file, int scene) {
        return std::make_unique<MG_Screen18>(file, scene);
    });
    withFile("MG_Screen22", [](const std::string& file, int scene) {
        return std::make_unique<MG_Screen22>(file, scene);
    });
    withFile("MG_Screen32", [](const std::string& file, int scene) {
        return std::make_unique<MG_Screen32>(file, scene);
    });
    const AppConfig& config = AppConfig::instance();
    const bool fullScreen = saved<char>(GameSave::FullScreen, 0) != 0;
    const bool customCursor = saved<char>(GameSave::HardwareCursor, 1) != 0;
    // A window that the window manager may maximise; the maximise becomes
    // full screen (see onWindowResized).
    setWindowResizable(true);
    if (!openVideo(config.width(), config.height(), config.bitDepth(), false)) {
        return;
    }
    seed_ = hasFixedSeed_ ? fixedSeed_ : platform::randomSeed();
    std::srand(seed_);
    // Loaded behind the logos; the first other screen waits for them.
    DeferableResource::setDeferredLoading(true);
    resource_tables::registerStartupFonts(getResources());
    resource_tables::registerStartupTextures(getResources());
    startAudio();
    DeferableResource::setDeferredLoading(false);
    if (!fullScreen) {
        windowHooks_.addMaximiseBox();
    }
    windowHooks_.installWindowProcHook();
    applyCursorChoice(customCursor, *this);
    setFullScreen(fullScreen);
    if (config.logoScreens().empty()) {
        logosDone();
    } else {
        startScreen(std::make_unique<LogoSeqManager>(this));
    }
    applySavedVolumes();
    ready_ = true;
}

void MyApp::showMainMenu() {
    startScreen(std::make_unique<MainMenu>("started"));
}

bool MyApp::confirmQuit() {
    if (!quitDialogShown_) {
        startScreen(std::make_unique<QuitDialogScreen>(this));
    }
    return false;
}

void MyApp::onDeactivate() {
    getSoundSystem().setMusicVolume(0);
    getSoundSystem().setChannelVolume(-1, 0);
    // A second loss of focus replaces the pause screen rather than stacking one more.
    if (dynamic_cast<GlobalGamePauseScreen*>(topScreen())) {
        replaceTop(std::make_unique<GlobalGamePauseScreen>());
    } else {
        pushScreen(std::make_unique<GlobalGamePauseScreen>());
    }
}

void MyApp::onActivate() {
    applySavedVolumes();
    if (dynamic_cast<GlobalGamePauseScreen*>(topScreen())) {
        popScreen();
    }
}

void MyApp::onExit() {
    if (SaveGame* save = getSaveGame()) {
        save->save();
    }
}

void MyApp::onLanguageSelected() {
    const AppConfig& config = AppConfig::instance();
    language_choice::remember(language_choice::choicePath(config), config.activeLanguage());
    ItemRegistry::instance().reloadDescriptions(-1);
    engineLog() << "Language: " << config.activeLanguage() << " chosen\n";
}

std::string MyApp::getProductId() const {
    return GameSave::ProductId;
}

void MyApp::setWindowIcon() {
    SDL_Surface* icon = IMG_Load(IconPath);
    if (!icon) {
        engineLog() << "Cannot load the window icon '" << IconPath << "': " << IMG_GetError()
                    << "\n";
        return;
    }
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}

void MyApp::logosDone() {
    showMainMenu();
}

void MyApp::enableKeyboardHook() {
    keyboardHook_.setEnabled(true);
}

void MyApp::disableKeyboardHook() {
    keyboardHook_.setEnabled(false);
}

void MyApp::onWindowResized(int width, int height) {
    if (!windowHooks_.hasMaximiseBox() || isFullScreen() ||
        (width == this->width() && height == this->height())) {
        return;
    }
    // The game draws at one size: a window maximised by the window manager
    // (grown to about the desktop's size; panels and the title bar take a
    // little) means the player wants the whole screen. Any other resize,
    // such as an edge dragged, puts the window back at the game's size.
    const auto [desktopWidth, desktopHeight] = desktopSize(modeLister_);
    const bool maximised = desktopWidth > 0
                               ? width * 10 >= desktopWidth * 9 && height * 10 >= desktopHeight * 8
                               : width > this->width() && height > this->height();
    if (maximised) {
        windowHooks_.requestRestore();
    } else {
        windowResized_ = true;
    }
}

void MyApp::enableAuthorMode() {
    authorMode_ = std::make_unique<AuthorMode>(*this, AppConfig::instance().caption());
    engineLog() << "Author mode: F5 rebuilds the screen from its files, F6 shows the scenes' "
                   "item boxes, F7 goes to the next screen of the game flow\n";
}

bool MyApp::interceptKey(int key, int) {
    return authorMode_ && authorMode_->keyPressed(key);
}

void MyApp::preUpdate(int) {
    if (authorMode_) {
        authorMode_->update();
    }
    if (windowResized_) {
        windowResized_ = false;
        restoreWindowSize();
    }
    if (!windowHooks_.restoreRequested()) {
        return;
    }
    windowHooks_.clearRestoreRequest();
    windowHooks_.restoreWindow();
    setFullScreen(true);
}

void MyApp::beforeVideoModeChange(bool fullScreen) {
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

bool MyApp::afterVideoModeChange(int, int, bool fullScreen) {
    AppConfig& config = AppConfig::instance();
    if (auto* entry = GameSave::setting<char>(getSaveGame(), GameSave::FullScreen)) {
        entry->setValue(fullScreen ? 1 : 0);
    }
    keyboardHook_.setEnabled(fullScreen);
    if (fullScreen) {
        windowHooks_.removeMaximiseBox();
    } else {
        windowHooks_.addMaximiseBox();
        windowHooks_.restoreWindow();
    }
    globalEvents().notifyAll(GlobalEventManager::VideoModeChanged);
    const bool wide = fullScreen && (width() != config.width() || height() != config.height());
    const auto [x, y] = wide ? centringOffsets(width(), height(), config.width(), config.height())
                             : std::pair<int, int>(0, 0);
    frameShown_ = wide;
    if (wide && !getResources().getTexture("GTEX_BRICKS")) {
        resource_tables::registerWidescreenFrameTextures(getResources());
    }
    config.setOffset(x, y);
    for (std::size_t i = 0; i < screenCount(); ++i) {
        if (auto* screen = dynamic_cast<ScreenBase*>(screenAt(i))) {
            screen->setOffset(x, y);
            screen->relayout();
        }
    }
    return true;
}

void MyApp::preRender(Graphics& graphics) {
    if (!frameShown_) {
        return;
    }
    const GLTexture* frame = getResources().getTexture("GTEX_BRICKS");
    if (frame) {
        graphics.drawTexture((width() - frame->imageWidth()) / 2,
                             (height() - frame->imageHeight()) / 2, frame, Color());
    }
}
