#pragma once

#include "engine/app/DisplayModes.h"
#include "engine/app/QuitDialogHost.h"
#include "engine/app/SDLGameApp.h"
#include "engine/platform/KeyboardHookLibrary.h"
#include "engine/platform/WindowHooks.h"
#include "game/menus/LogoSeqManager.h"

class AuthorMode;
class FileSaveGame;

// The game's application: reads the configuration, labels, parameters and
// save game, registers the fonts, pictures, sounds and game flow, plays the
// logos and opens the main menu. It asks before quitting, pauses while the
// window has no focus, and centres the game on wide full-screen desktops.
class MyApp : public SDLGameApp, public QuitDialogHost, public LogoSequenceHost {
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;
    static constexpr const char* ConfigPath = "content/config/config.xml";
    static constexpr const char* ParametersPath = "content/config/GameParameters.cfg";
    static constexpr const char* FlowPath = "content/config/GameFlow.xml";
    static constexpr const char* SfxPath = "content/config/sfx.xml";
    static constexpr const char* MusicPath = "content/config/scene/music.xml";
    static constexpr const char* IconPath = "content/Icon/Icon.png";

    // The one game application, or none outside its lifetime.
    static MyApp* instance();

    explicit MyApp(std::unique_ptr<TickSource> ticks = nullptr);
    ~MyApp() override;
    void init() override;
    void showMainMenu() override;
    // A close request opens the quit dialog (one at a time) instead of quitting.
    bool confirmQuit() override;
    // Losing the focus mutes the game and covers it with the pause screen;
    // regaining it restores the volumes and removes the screen.
    void onDeactivate() override;
    void onActivate() override;
    // Writes the save game as the program ends.
    void onExit() override;
    std::string getProductId() const override;
    // The choice is kept for the next starts, and the items of the scenes
    // visited take their names from the new language's scene files.
    void onLanguageSelected() override;
    void setWindowIcon() override;
    // After the logos, the main menu.
    void logosDone() override;
    // Full screen on a wide desktop: the smallest mode of the desktop's shape
    // that holds the game, the game centred in it over the widescreen frame.
    void beforeVideoModeChange(bool fullScreen) override;
    bool afterVideoModeChange(int width, int height, bool fullScreen) override;
    // A maximise of the window becomes full screen on the next frame.
    void preUpdate(int elapsedMs) override;
    void onWindowResized(int width, int height) override;
    void preRender(Graphics& graphics) override;
    // The author keys (F5, F6, F7) and the caption naming the screen on top.
    void enableAuthorMode();
    AuthorMode* authorMode() const { return authorMode_.get(); }
    bool interceptKey(int key, int modifiers) override;
    void enableKeyboardHook() override;
    void disableKeyboardHook() override;

    void setModeLister(ModeLister lister) { modeLister_ = std::move(lister); }
    bool isFrameShown() const { return frameShown_; }
    // The application's save game, which the game keeps in a file.
    FileSaveGame* saveGame() const;
    QuitDialogHost* quitHost() override { return this; }
    void setQuitDialogShown(bool shown) override { quitDialogShown_ = shown; }
    bool isQuitDialogShown() const override { return quitDialogShown_; }
    bool isReady() const { return ready_; }
    // The random numbers' seed, set when the window opens.
    unsigned seed() const { return seed_; }
    // The seed to use in place of QUILL_SEED or the time (a replay's); call
    // before init.
    void useSeed(unsigned seed) {
        fixedSeed_ = seed;
        hasFixedSeed_ = true;
    }
    const platform::KeyboardHookLibrary& keyboardHook() const { return keyboardHook_; }
    const platform::WindowHooks& windowHooks() const { return windowHooks_; }
    // The saved volumes applied to the music and every sound channel.
    void applySavedVolumes();

private:
    // The effect and music catalogues, and the menu music registered as "MAIN_MUSIC".
    void startAudio();
    template <typename T> T saved(const char* key, T fallback) const;

    bool ready_ = false;
    unsigned seed_ = 0;
    unsigned fixedSeed_ = 0;
    bool hasFixedSeed_ = false;
    bool quitDialogShown_ = false;
    bool frameShown_ = false;
    // The window manager resized the window to a size that is no maximise.
    bool windowResized_ = false;
    ModeLister modeLister_ = listSdlModes;
    std::unique_ptr<AuthorMode> authorMode_;
    platform::KeyboardHookLibrary keyboardHook_;
    platform::WindowHooks windowHooks_;
};
