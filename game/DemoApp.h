#pragma once

#include "engine/app/DisplayModes.h"
#include "engine/app/SDLGameApp.h"
#include "game/menus/LogoSeqManager.h"
#include "game/menus/QuitDialogScreen.h"

class ConfigFile;
class FileSaveGame;

// The application until the game's own start-up exists: reads the
// configuration, labels, parameters and save game, registers the start-up
// fonts and pictures, plays the logos and opens the main menu.
class DemoApp : public SDLGameApp, public QuitDialogHost, public LogoSequenceHost {
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;
    static constexpr const char* ConfigPath = "content/config/config.xml";
    static constexpr const char* ParametersPath = "content/config/GameParameters.cfg";
    static constexpr const char* FlowPath = "content/config/GameFlow.xml";
    static constexpr const char* SfxPath = "content/config/sfx.xml";
    static constexpr const char* MusicPath = "content/config/scene/music.xml";

    explicit DemoApp(std::unique_ptr<TickSource> ticks = nullptr);
    ~DemoApp() override;
    void init() override;
    // A close request opens the quit dialog (one at a time) instead of quitting.
    bool confirmQuit() override;
    // Losing the focus covers the game with the pause screen; regaining removes it.
    void onDeactivate() override;
    void onActivate() override;
    // Writes the save game as the program ends.
    void onExit() override;
    // After the logos, the main menu.
    void logosDone() override;
    // Full screen on a wide desktop: the smallest mode of the desktop's shape
    // that holds the game, the game centred in it over the widescreen frame.
    void beforeVideoModeChange(bool fullScreen) override;
    bool afterVideoModeChange(int width, int height, bool fullScreen) override;
    void preRender(Graphics& graphics) override;
    void setModeLister(ModeLister lister) { modeLister_ = std::move(lister); }
    bool isFrameShown() const { return frameShown_; }
    FileSaveGame* saveGame() const { return saveGame_.get(); }
    void setQuitDialogShown(bool shown) override { quitDialogShown_ = shown; }
    bool isQuitDialogShown() const override { return quitDialogShown_; }
    bool isReady() const { return ready_; }
    // The screens' parameters; none when the file is missing.
    const ConfigFile* parameters() const { return parameters_.get(); }

private:
    // Volumes from the configuration, the effect and music catalogues, and the
    // menu music registered as "MAIN_MUSIC".
    void startAudio();

    bool ready_ = false;
    bool quitDialogShown_ = false;
    bool frameShown_ = false;
    ModeLister modeLister_ = listSdlModes;
    std::unique_ptr<ConfigFile> parameters_;
    std::unique_ptr<FileSaveGame> saveGame_;
};
