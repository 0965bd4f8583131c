#pragma once

#include "engine/app/QuitDialogHost.h"
#include "engine/app/SDLGameApp.h"
#include "engine/graphics/Types.h"

#include <cstdint>
#include <vector>

// Hand-driven time: ticks move only when a test advances them, and the frame
// loop's sleeps are recorded instead of slept.
class FakeTickSource : public TickSource {
public:
    std::uint32_t ticks() override { return now_; }
    void delay(std::uint32_t ms) override { delays_.push_back(ms); }
    void advance(std::uint32_t ms) { now_ += ms; }
    const std::vector<std::uint32_t>& delays() const { return delays_; }

private:
    std::uint32_t now_ = 1000;
    std::vector<std::uint32_t> delays_;
};

// The real application frame driven one frame at a time: a window under Xvfb
// with a real OpenGL context, a fake clock, SDL events pushed through the real
// event pump, and the drawn frame read back.
class TestApp : public SDLGameApp {
public:
    TestApp();
    ~TestApp() override;

    // Opens the window (windowed) and drops the events the window system sent.
    bool open(int width = 1024, int height = 768);
    // One pass of the real frame loop after `elapsedMs` of fake time.
    bool step(int elapsedMs = FrameMs);
    // Steps of 16 ms until `totalMs` have passed.
    void stepFor(int totalMs);

    void pushMotion(int x, int y, int heldButtons = 0);
    // button: SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP...
    void pushButton(bool down, int button, int x, int y);
    // Press and release of the left button at (x, y).
    void pushClick(int x, int y);
    void pushKey(bool down, int sym, int modifiers = 0, int unicode = 0);
    void pushQuit();
    void pushFocus(bool gained);

    // The last drawn frame (screens and their overlays, without the software
    // cursor), top row first, RGBA. Captured just before the buffer swap.
    const std::vector<std::uint8_t>& frame() const { return frame_; }
    Color pixel(int x, int y) const;
    void postRender(Graphics& graphics) override;

    FakeTickSource& ticks() { return *fakeTicks_; }
    bool confirmQuit() override {
        ++confirmQuitCalls;
        return confirmQuitAnswer;
    }

    // Video-mode switches are recorded and refused unless allowed, so tests
    // do not change the Xvfb screen.
    bool canChangeVideoMode(int width, int height, bool fullScreen) override {
        videoModeRequests.push_back(fullScreen);
        (void)width;
        (void)height;
        return allowVideoModeChange;
    }

    // The quit host screens reach through the application; none unless set.
    QuitDialogHost* quitHost() override { return quitHost_; }
    void setQuitHost(QuitDialogHost* host) { quitHost_ = host; }

    bool confirmQuitAnswer = true;
    int confirmQuitCalls = 0;
    bool allowVideoModeChange = false;
    std::vector<bool> videoModeRequests;

private:
    FakeTickSource* fakeTicks_;
    QuitDialogHost* quitHost_ = nullptr;
    std::vector<std::uint8_t> frame_;
};
