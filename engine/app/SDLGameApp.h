#pragma once

#include "engine/app/DisplayControl.h"
#include "engine/app/GameApp.h"

#include <SDL.h>

#include <memory>
#include <string>

class AutoPlayer;
class FrameTimings;
class InputJournal;
class GLGraphics;
class SoundSystem;
class GLTexture;
struct KeyEvent;
struct MouseEvent;

// The SDL 1.2 + OpenGL application: window and video mode, event pump and
// input translation, the 16 ms frame loop, software cursor and screenshots.
class SDLGameApp : public GameApp, public DisplayControl {
public:
    static constexpr int FrameMs = 16;
    static constexpr int InactivePumpMs = 100;
    static constexpr int DepthRange = 1000;
    static constexpr int MixerChannels = 16;
    // Resources created with deferred loading load behind the frames, for
    // about this long per frame (by the tick source: all at once in fixed steps).
    static constexpr int BackgroundLoadMs = 8;

    explicit SDLGameApp(std::unique_ptr<TickSource> ticks = nullptr);
    ~SDLGameApp() override;

    void init() override {}
    char translateKey(int unicode) override;
    void run() override;
    void getMousePosition(int& x, int& y) const override;
    void setMousePosition(int x, int y) override;
    void saveScreenshot(const std::string& path) override;
    Graphics* getGraphics() override;
    SoundSystem* soundSystem() override { return soundSystem_.get(); }
    DisplayControl* display() override { return this; }

    virtual void setWindowIcon() {}
    // Each screen's shutdown notification, top first.
    virtual void shutdownScreens();
    virtual void onActivate() {}
    virtual void onDeactivate() {}
    virtual bool canChangeVideoMode(int /*width*/, int /*height*/, bool /*fullScreen*/) {
        return true;
    }
    // SDL_SetVideoMode; tests make it fail.
    virtual SDL_Surface* trySetVideoMode(int width, int height, Uint32 flags);
    virtual void preUpdate(int /*elapsedMs*/) {}
    virtual void preRender(Graphics& /*graphics*/) {}
    virtual void postRender(Graphics& /*graphics*/) {}
    // 0 SDL initialisation failed, 1 audio device, 2 video mode.
    virtual void onError(int /*code*/) {}
    virtual void handleMouseEvent(const SDL_Event& event);
    virtual void render();
    virtual void update(int elapsedMs);
    virtual void beforeVideoModeChange(bool /*fullScreen*/) {}
    virtual bool afterVideoModeChange(int /*width*/, int /*height*/, bool /*fullScreen*/) {
        return true;
    }
    virtual void enableKeyboardHook() {}
    virtual void disableKeyboardHook() {}
    // The window manager resized the window (only a resizable window is).
    virtual void onWindowResized(int /*width*/, int /*height*/) {}
    // A key pressed, before the screens see it: true when the application
    // took it for itself (the screens then get nothing).
    virtual bool interceptKey(int /*key*/, int /*modifiers*/) { return false; }
    virtual void showCursor() { cursorVisible_ = true; }
    virtual void hideCursor() { cursorVisible_ = false; }

    // Opens SDL, the audio device and the OpenGL window. False when the window
    // could not be opened (a missing audio device only makes the game silent).
    bool openVideo(int width, int height, int bitDepth, bool fullScreen);
    bool setFullScreen(bool fullScreen) override;
    // A window the window manager resized goes back to the game's size.
    bool restoreWindowSize();
    bool isFullScreen() const override { return fullScreen_; }
    bool useCustomCursor(bool custom) override;
    // Windowed modes set from now on let the window manager resize (and
    // maximise) the window.
    void setWindowResizable(bool resizable) { resizable_ = resizable; }
    bool isWindowResizable() const { return resizable_; }
    void setCaption(const std::string& caption);
    const std::string& caption() const { return caption_; }
    void setCursorTexture(std::unique_ptr<GLTexture> texture);
    GLTexture* cursorTexture() const { return cursorTexture_.get(); }
    // Makes the configuration's cursor `index` the software cursor. False
    // without an open window, for an index outside the list, or when its
    // picture cannot be loaded (the cursor in use then stays).
    bool selectCursor(int index);
    // Loads the current cursor's picture again, when one is selected.
    bool reselectCursor();
    // The configuration's index of the software cursor; -1 for none.
    int currentCursor() const { return currentCursor_; }
    bool isCursorVisible() const { return cursorVisible_; }
    // Shows the system pointer as it was at start-up, or an invisible one
    // (while the software cursor is drawn instead).
    void showSystemPointer(bool visible);
    void setCursorHotSpot(int x, int y) {
        hotSpotX_ = x;
        hotSpotY_ = y;
    }
    // Saves the next drawn frame under the first free "ScrShot<n>.bmp".
    void takeScreenshot();
    // Saves the next drawn frame at the path (PNG for ".png", else BMP).
    void screenshotTo(const std::string& path);
    // The automated player, asked before each frame's events are pumped.
    void setAutoPlayer(std::unique_ptr<AutoPlayer> player);
    // Draws one frame in `every` (and every frame that takes a screenshot):
    // for automated runs, where nobody watches every frame. 1 draws all.
    void setDrawEvery(int every) { drawEvery_ = every; }
    AutoPlayer* autoPlayer() const { return autoPlayer_.get(); }
    // Recording: every input event the loop handles goes into the journal.
    // Replaying: the journal's events stand in for the window system's input,
    // frame by frame, and the loop ends at the journal's last frame.
    void setInputJournal(std::unique_ptr<InputJournal> journal);
    InputJournal* inputJournal() const { return journal_.get(); }
    // A screenshot of every `every`-th frame of the loop, as
    // "<folder>/frame-<number>.png".
    void setFrameShots(int every, const std::string& folder);
    // Benchmarks: the first frame, screens coming to the top and each frame's
    // work go to standard output ("Timing: ..."), a summary at the end.
    void setFrameTimings(std::unique_ptr<FrameTimings> timings);
    // Passes of the frame loop so far, drawn or not.
    std::uint64_t loopFrames() const { return loopFrames_; }
    std::string screenshotDirectory() const;

    // One pass of the frame loop: events, update, render, pacing, quit check.
    // False when the loop should end.
    bool runFrame();
    // Events from SDL's queue until it is empty (or a quit request).
    void pumpEvents();
    // Handles one event; false when the rest of the queue waits for the next frame.
    bool dispatchEvent(const SDL_Event& event);
    // Draws one frame with the given renderer (the window's one in the game).
    void renderFrame(Graphics& graphics);
    // The lowest screen drawn: the topmost one that covers the window, or 0.
    std::size_t firstShownScreen() const;
    // The loop's closing steps: screens notified, game saved, audio and SDL closed.
    void shutdown();

    void deliverKeyEvent(const KeyEvent& event);
    void deliverMouseEvent(const MouseEvent& event);

    bool isActive() const { return active_; }
    bool isAudioAvailable() const { return audioAvailable_; }
    void setMouseInputEnabled(bool enabled) { mouseInputEnabled_ = enabled; }
    void setAltEnterEnabled(bool enabled) { altEnterEnabled_ = enabled; }
    bool isAltEnterEnabled() const { return altEnterEnabled_; }
    GLGraphics& glGraphics() { return *graphics_; }
    // Global volumes; harmless while the game is silent.
    SoundSystem& getSoundSystem() { return *soundSystem_; }

protected:
    // Opens the mixer device; false when there is no usable audio device.
    virtual bool openAudio();
    void handleKeyEvent(const SDL_Event& event);
    void handleActiveEvent(const SDL_Event& event);

private:
    // Sets the mode at the current size and reloads what the GL context held.
    bool setVideoMode(bool fullScreen);
    void releaseAndRestoreGpuResources();
    // Puts the system pointer back and frees the invisible one; SDL must
    // still be open.
    void releasePointers();
    void loadInBackground();
    // Shows the frame just drawn; the first one is timed.
    void presentFrame(Graphics& graphics);

    std::unique_ptr<GLGraphics> graphics_;
    std::unique_ptr<SoundSystem> soundSystem_;
    std::unique_ptr<GLTexture> cursorTexture_;
    int currentCursor_ = -1;
    SDL_Cursor* systemCursor_ = nullptr;
    SDL_Cursor* hiddenCursor_ = nullptr;
    bool cursorVisible_ = true;
    bool audioAvailable_ = true;
    std::string caption_ = "QuillGameEngine app";
    bool fullScreen_ = false;
    bool resizable_ = false;
    SDL_Surface* screenSurface_ = nullptr;
    std::uint32_t lastFrameTime_ = 0;
    bool restoreFullScreenOnFocus_ = false;
    int mouseX_ = 0;
    int mouseY_ = 0;
    bool mouseInputEnabled_ = true;
    bool altEnterEnabled_ = true;
    bool visible_ = true;
    bool active_ = true;
    int hotSpotX_ = 0;
    int hotSpotY_ = 0;
    // Click counting is shared by all buttons, presses and releases alike.
    std::uint32_t lastButtonTime_ = 0;
    int clickCount_ = 0;
    bool screenshotPending_ = false;
    std::string screenshotPath_;
    std::unique_ptr<AutoPlayer> autoPlayer_;
    std::unique_ptr<InputJournal> journal_;
    std::unique_ptr<FrameTimings> timings_;
    bool firstFrameDrawn_ = false;
    std::uint64_t loopFrames_ = 0;
    int frameShotEvery_ = 0;
    std::string frameShotFolder_;
    int drawEvery_ = 1;
    std::uint64_t frameNumber_ = 0;
    bool sdlOpen_ = false;
    bool audioOpen_ = false;
};
