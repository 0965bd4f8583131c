#pragma once

#include "engine/app/GameClock.h"
#include "engine/app/GameState.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class DisplayControl;
class GlobalEventManager;
class Graphics;
class LabelManager;
class QuitDialogHost;
class ResourceManager;
class SaveGame;
class SoundSystem;

// The root of the running game, free of any platform: owns the game clock and
// the screen stack, and defines the application's virtual interface. One
// instance lives for the whole run and is reached through `instance`.
class GameApp {
public:
    static GameApp* instance();

    // With no tick source the clock runs on SDL's ticks.
    explicit GameApp(std::unique_ptr<TickSource> ticks = nullptr);
    virtual ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    virtual void init() = 0;
    virtual char translateKey(int unicode) = 0;
    virtual void run() = 0;
    virtual void showMainMenu() {}
    virtual void getMousePosition(int& x, int& y) const = 0;
    virtual void setMousePosition(int x, int y) = 0;
    virtual bool confirmQuit() { return true; }
    virtual void onExit() {}
    virtual std::string getProductId() const { return "UNIMPLEMENTED"; }
    virtual void saveScreenshot(const std::string& /*path*/) {}
    // Another language's labels are loaded; the screens are told next.
    virtual void onLanguageSelected() {}

    // The screen stack; the stack owns its screens.
    void pushScreen(std::unique_ptr<GameState> screen);
    void popScreen();
    void replaceTop(std::unique_ptr<GameState> screen);
    GameState* topScreen() const;
    void startScreen(std::unique_ptr<GameState> screen);
    std::size_t screenCount() const { return screens_.size(); }
    GameState* screenAt(std::size_t index) const;

    int width() const { return width_; }
    int height() const { return height_; }
    void setSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    GameClock& getClock() { return *clock_; }
    LabelManager& getLabels() { return *labels_; }
    // The application-wide resources: start-up fonts, shared textures, menu music.
    ResourceManager& getResources() { return *resources_; }
    // A further manager owned by the application whose textures follow
    // display-mode changes like the main one's; returns it and its index.
    std::pair<ResourceManager*, int> createResourceManager();
    // Frees a manager made by createResourceManager (others are ignored).
    void destroyResourceManager(ResourceManager* manager);
    std::size_t resourceManagerCount() const { return textureOwners_.size(); }
    ResourceManager* resourceManagerAt(std::size_t index) const;
    TickSource& tickSource() { return *ticks_; }
    // The player's save game; none until the game's start-up sets it.
    SaveGame* getSaveGame() const { return saveGame_.get(); }
    void setSaveGame(std::unique_ptr<SaveGame> save);
    virtual Graphics* getGraphics() { return nullptr; }

    // The application's services for screens; none where this application
    // has no such service.
    virtual SoundSystem* soundSystem() { return nullptr; }
    virtual DisplayControl* display() { return nullptr; }
    virtual QuitDialogHost* quitHost() { return nullptr; }
    // Application-wide events (a change of the video mode, ...).
    GlobalEventManager& globalEvents() { return *globalEvents_; }

    // Makes the configuration's language with that code the active one, loads
    // its labels and tells the application, then every screen on the stack
    // (bottom first); false, with nothing changed, for the current or an
    // unlisted code.
    bool selectLanguage(const std::string& code);
    // The same by the language's position in the configuration's list.
    bool selectLanguageByIndex(int index);

    void requestQuit() { quitRequested_ = true; }
    bool isQuitRequested() const { return quitRequested_; }
    void setExitNow() { exitNow_ = true; }
    bool isExitNow() const { return exitNow_; }

    // Screens popped during a frame are destroyed once the frame is over, so a
    // screen may pop itself from inside its own handlers.
    void destroyRetiredScreens();

protected:
    void clearQuitRequest() { quitRequested_ = false; }
    // Tells every screen still on the stack, top first, that it leaves, and empties the stack.
    void exitAllScreens();
    // Frees every registered resource (while the GL context still exists);
    // the managers are left empty.
    void freeResources();

    std::vector<std::unique_ptr<GameState>> screens_;

private:
    void retire(std::unique_ptr<GameState> screen);
    // The active language's labels in place of the current ones, and everyone
    // told; true.
    bool reloadLabels();

    std::unique_ptr<SaveGame> saveGame_;
    std::vector<std::unique_ptr<GameState>> retired_;
    bool quitRequested_ = false;
    bool exitNow_ = false;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<TickSource> ticks_;
    std::unique_ptr<GameClock> clock_;
    std::unique_ptr<LabelManager> labels_;
    std::unique_ptr<GlobalEventManager> globalEvents_;
    std::unique_ptr<ResourceManager> resources_;
    std::vector<std::unique_ptr<ResourceManager>> textureOwners_;
};
