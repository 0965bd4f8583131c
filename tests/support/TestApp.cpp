#include "tests/support/TestApp.h"

#include "engine/app/AppConfig.h"
#include "tests/support/KeepDriversLoaded.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>

namespace {
std::unique_ptr<FakeTickSource> makeTicks(FakeTickSource*& out) {
    keepGraphicsDriversLoaded();
    auto ticks = std::make_unique<FakeTickSource>();
    out = ticks.get();
    return ticks;
}
} // namespace

TestApp::TestApp() : SDLGameApp(makeTicks(fakeTicks_)) {}

TestApp::~TestApp() = default;

bool TestApp::open(int width, int height) {
    AppConfig& config = AppConfig::instance();
    config.setScreenResolution(width, height, 0);
    if (config.saveFolder().empty()) {
        config.setSaveLocation("QuillTests", "profiles.sav");
    }
    // Under a busy Xvfb the display connection is now and then refused;
    // a test should not fail for that.
    bool opened = false;
    for (int attempt = 0; attempt < 5 && !opened; ++attempt) {
        opened = openVideo(width, height, 0, false);
        if (!opened) {
            SDL_Delay(100);
        }
    }
    if (!opened) {
        return false;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    return true;
}

bool TestApp::step(int elapsedMs) {
    fakeTicks_->advance(std::uint32_t(elapsedMs));
    return runFrame();
}

void TestApp::stepFor(int totalMs) {
    while (totalMs > 0) {
        const int ms = totalMs < FrameMs ? totalMs : FrameMs;
        step(ms);
        totalMs -= ms;
    }
}

void TestApp::pushMotion(int x, int y, int heldButtons) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = Uint16(x);
    event.motion.y = Uint16(y);
    int previousX = 0;
    int previousY = 0;
    getMousePosition(previousX, previousY);
    event.motion.xrel = Sint16(x - previousX);
    event.motion.yrel = Sint16(y - previousY);
    Uint8 state = 0;
    if (heldButtons & 1) {
        state |= SDL_BUTTON(SDL_BUTTON_LEFT);
    }
    if (heldButtons & 2) {
        state |= SDL_BUTTON(SDL_BUTTON_RIGHT);
    }
    if (heldButtons & 4) {
        state |= SDL_BUTTON(SDL_BUTTON_MIDDLE);
    }
    event.motion.state = state;
    SDL_PushEvent(&event);
}

void TestApp::pushButton(bool down, int button, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.type = event.type;
    event.button.button = Uint8(button);
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = Uint16(x);
    event.button.y = Uint16(y);
    SDL_PushEvent(&event);
}

void TestApp::pushClick(int x, int y) {
    pushButton(true, SDL_BUTTON_LEFT, x, y);
    pushButton(false, SDL_BUTTON_LEFT, x, y);
}

void TestApp::pushKey(bool down, int sym, int modifiers, int unicode) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = SDLKey(sym);
    event.key.keysym.mod = SDLMod(modifiers);
    event.key.keysym.unicode = Uint16(unicode);
    SDL_PushEvent(&event);
}

void TestApp::pushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    event.quit.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void TestApp::pushFocus(bool gained) {
    SDL_Event event{};
    event.type = SDL_ACTIVEEVENT;
    event.active.type = SDL_ACTIVEEVENT;
    event.active.gain = gained ? 1 : 0;
    event.active.state = SDL_APPINPUTFOCUS;
    SDL_PushEvent(&event);
}

void TestApp::postRender(Graphics& graphics) {
    SDLGameApp::postRender(graphics);
    if (&graphics != getGraphics()) {
        return;
    }
    const int w = width();
    const int h = height();
    std::vector<std::uint8_t> pixels(std::size_t(w) * h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    // OpenGL's first row is the bottom one.
    frame_.resize(pixels.size());
    const std::size_t row = std::size_t(w) * 4;
    for (int y = 0; y < h; ++y) {
        std::copy_n(pixels.data() + std::size_t(h - 1 - y) * row, row,
                    frame_.data() + std::size_t(y) * row);
    }
}

Color TestApp::pixel(int x, int y) const {
    const std::size_t i = (std::size_t(y) * std::size_t(width()) + std::size_t(x)) * 4;
    if (x < 0 || y < 0 || x >= width() || y >= height() || i + 3 >= frame_.size()) {
        return Color(0, 0, 0, 0);
    }
    return Color(frame_[i], frame_[i + 1], frame_[i + 2], frame_[i + 3]);
}
