#include "tests/support/TestApp.h"

#include "engine/app/AppConfig.h"
#include "engine/app/SdlInput.h"
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
    sdl_input::pushMotion(*this, x, y, heldButtons);
}

void TestApp::pushButton(bool down, int button, int x, int y) {
    sdl_input::pushButton(down, button, x, y);
}

void TestApp::pushClick(int x, int y) {
    sdl_input::pushClick(x, y);
}

void TestApp::pushKey(bool down, int sym, int modifiers, int unicode) {
    sdl_input::pushKey(down, sym, modifiers, unicode);
}

void TestApp::pushQuit() {
    sdl_input::pushQuit();
}

void TestApp::pushFocus(bool gained) {
    sdl_input::pushFocus(gained);
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
