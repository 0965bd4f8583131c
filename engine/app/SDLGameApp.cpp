#include "engine/app/SDLGameApp.h"

#include "engine/app/AppConfig.h"
#include "engine/app/AutoPlayer.h"
#include "engine/app/CursorChoice.h"
#include "engine/app/FrameTimings.h"
#include "engine/app/InputEvents.h"
#include "engine/app/InputJournal.h"
#include "engine/audio/SDLSoundSystem.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/DeferableResource.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLCheck.h"
#include "engine/graphics/GLGraphics.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/ImageWriter.h"
#include "engine/platform/FileSystem.h"
#include "engine/platform/Termination.h"
#include "engine/resources/ResourceManager.h"

#include <SDL_image.h>
#include <SDL_mixer.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace {
void quitDecoderLibraries() {
    IMG_Quit();
    Mix_Quit();
}
} // namespace

SDLGameApp::SDLGameApp(std::unique_ptr<TickSource> ticks)
    : GameApp(std::move(ticks)), graphics_(std::make_unique<GLGraphics>()),
      soundSystem_(std::make_unique<SDLSoundSystem>()) {
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    if ((Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG) == 0) {
        std::printf("Mix_Init: no Ogg Vorbis decoder (%s); the music stays silent\n",
                    Mix_GetError());
    }
    // SDL_mixer 1.2 does not survive Mix_Quit followed by another Mix_Init, so
    // the decoders are shut down once, when the process ends.
    static const bool registered = std::atexit(quitDecoderLibraries) == 0;
    (void)registered;
}

SDLGameApp::~SDLGameApp() {
    autoPlayer_.reset();
    // Textures need the GL context: free them before SDL goes.
    cursorTexture_.reset();
    exitAllScreens();
    destroyRetiredScreens();
    freeResources();
    if (audioOpen_) {
        Mix_CloseAudio();
        audioOpen_ = false;
    }
    if (sdlOpen_) {
        releasePointers();
        SDL_Quit();
        sdlOpen_ = false;
    }
    graphics_.reset();
}

char SDLGameApp::translateKey(int unicode) {
    const unsigned value = unsigned(unicode) & 0xFFFFu;
    return value < 256 ? char(value & 0xFF) : 0;
}

void SDLGameApp::getMousePosition(int& x, int& y) const {
    x = mouseX_;
    y = mouseY_;
}

void SDLGameApp::setMousePosition(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
}

Graphics* SDLGameApp::getGraphics() {
    return graphics_.get();
}

bool SDLGameApp::openAudio() {
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) != 0) {
        return false;
    }
    Mix_AllocateChannels(MixerChannels);
    return true;
}

bool SDLGameApp::openVideo(int width, int height, int bitDepth, bool fullScreen) {
    fullScreen_ = fullScreen;
    setSize(width, height);
    Uint32 extraFlags = fullScreen ? (SDL_FULLSCREEN | SDL_DOUBLEBUF) : 0;

    if (!sdlOpen_) {
        if (SDL_Init(SDL_INIT_VIDEO) < 0) {
            std::printf("SDL_Init: %s\n", SDL_GetError());
            onError(0);
            return false;
        }
        sdlOpen_ = true;
    }
    SDL_EnableUNICODE(1);
    SDL_EnableKeyRepeat(500, 30);

    setWindowIcon();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (!fullScreen && resizable_) {
        extraFlags |= SDL_RESIZABLE;
    }
    screenSurface_ = SDL_SetVideoMode(width, height, bitDepth, extraFlags | SDL_OPENGL);
    if (!screenSurface_) {
        std::printf("SDL_SetVideoMode: %s\n", SDL_GetError());
        onError(2);
        return false;
    }
    SDL_WM_SetCaption(caption_.c_str(), nullptr);
    systemCursor_ = SDL_GetCursor();
    graphics_->init(width, height, DepthRange);
    // The window shows black at once, not whatever it held, while the rest
    // of the start loads: the first screens fade in from black anyway.
    presentFrame(*graphics_);

    // Opened once the window shows: a sound server can take a while to answer.
    // Without a device the game goes on silent.
    if (!audioOpen_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openAudio()) {
            audioOpen_ = true;
        } else {
            onError(1);
            std::printf("Unable to open audio!\n");
            audioAvailable_ = false;
        }
    }
    return true;
}

void SDLGameApp::showSystemPointer(bool visible) {
    if (!sdlOpen_) {
        return;
    }
    if (visible) {
        if (systemCursor_) {
            SDL_SetCursor(systemCursor_);
        }
        return;
    }
    if (!hiddenCursor_) {
        // SDL 1.2 cursors are at least 8 pixels wide; all-zero data and mask draw nothing.
        Uint8 data[1] = {0};
        Uint8 mask[1] = {0};
        hiddenCursor_ = SDL_CreateCursor(data, mask, 8, 1, 0, 0);
    }
    if (hiddenCursor_) {
        SDL_SetCursor(hiddenCursor_);
    }
}

void SDLGameApp::releasePointers() {
    if (hiddenCursor_) {
        if (systemCursor_) {
            SDL_SetCursor(systemCursor_);
        }
        SDL_FreeCursor(hiddenCursor_);
        hiddenCursor_ = nullptr;
    }
    systemCursor_ = nullptr;
}

void SDLGameApp::setCaption(const std::string& caption) {
    caption_ = caption;
    SDL_WM_SetCaption(caption_.c_str(), nullptr);
}

void SDLGameApp::setCursorTexture(std::unique_ptr<GLTexture> texture) {
    cursorTexture_ = std::move(texture);
}

bool SDLGameApp::selectCursor(int index) {
    const AppConfig& config = AppConfig::instance();
    if (index < 0 || index >= int(config.cursors().size())) {
        return false;
    }
    auto texture = std::make_unique<GLTexture>(config.cursorPath(index));
    if (texture->imageWidth() == 0) {
        return false; // the loader has said which file is missing
    }
    currentCursor_ = index;
    setCursorTexture(std::move(texture));
    return true;
}

bool SDLGameApp::reselectCursor() {
    return currentCursor_ >= 0 && selectCursor(currentCursor_);
}

bool SDLGameApp::useCustomCursor(bool custom) {
    return applyCursorChoice(custom, *this);
}

bool SDLGameApp::setFullScreen(bool fullScreen) {
    // The mode in use is not set again: nothing would change but a flicker.
    if (fullScreen == fullScreen_) {
        return true;
    }
    const int oldWidth = width();
    const int oldHeight = height();
    beforeVideoModeChange(fullScreen);
    if (!canChangeVideoMode(width(), height(), fullScreen)) {
        setSize(oldWidth, oldHeight);
        return false;
    }
    if (!setVideoMode(fullScreen)) {
        // The game goes on in the mode it had, at the size it had.
        setSize(oldWidth, oldHeight);
        if (!setVideoMode(fullScreen_)) {
            std::printf("SDL_SetVideoMode: the previous mode could not be restored either\n");
        }
        return false;
    }
    fullScreen_ = fullScreen;
    return afterVideoModeChange(width(), height(), fullScreen);
}

bool SDLGameApp::setVideoMode(bool fullScreen) {
    // SDL frees the old window surface itself when the mode is set again.
    const Uint32 windowed = resizable_ ? (SDL_OPENGL | SDL_RESIZABLE) : SDL_OPENGL;
    const Uint32 flags = fullScreen ? (SDL_FULLSCREEN | SDL_OPENGL) : windowed;
    SDL_Surface* surface = trySetVideoMode(width(), height(), flags);
    if (!surface) {
        std::printf("SDL_SetVideoMode: %s\n", SDL_GetError());
        return false;
    }
    screenSurface_ = surface;
    graphics_->init(width(), height(), DepthRange);
    releaseAndRestoreGpuResources();
    return true;
}

SDL_Surface* SDLGameApp::trySetVideoMode(int width, int height, Uint32 flags) {
    return SDL_SetVideoMode(width, height, 0, flags);
}

bool SDLGameApp::restoreWindowSize() {
    if (fullScreen_ || !screenSurface_) {
        return false;
    }
    return setVideoMode(false);
}

void SDLGameApp::releaseAndRestoreGpuResources() {
    // The mode change may have re-created the GL context: every texture is
    // uploaded again.
    const int both = ResourceManager::Fonts | ResourceManager::Textures;
    getResources().releaseAll(both);
    if (cursorTexture_) {
        cursorTexture_->releaseGL();
    }
    for (std::size_t i = 0; i < resourceManagerCount(); ++i) {
        resourceManagerAt(i)->releaseAll(both);
    }
    for (std::size_t i = 0; i < screenCount(); ++i) {
        screenAt(i)->releaseGpuResources();
    }
    getResources().reloadAll(both);
    if (cursorTexture_) {
        cursorTexture_->reupload();
    }
    for (std::size_t i = 0; i < resourceManagerCount(); ++i) {
        resourceManagerAt(i)->reloadAll(both);
    }
    for (std::size_t i = 0; i < screenCount(); ++i) {
        screenAt(i)->restoreGpuResources();
    }
}

void SDLGameApp::run() {
    lastFrameTime_ = getClock().now();
    while (runFrame()) {
    }
    shutdown();
}

bool SDLGameApp::runFrame() {
    const bool replaying = journal_ && !journal_->isRecording();
    if (replaying && loopFrames_ >= journal_->endFrame()) {
        std::cout << "Replay: ended at frame " << loopFrames_ << " as recorded\n";
        return false;
    }
    const FrameTimings::Clock::time_point workStart = FrameTimings::Clock::now();
    if (autoPlayer_) {
        autoPlayer_->beforeFrame();
    }
    pumpEvents();
    ++loopFrames_;
    if (frameShotEvery_ > 0 && loopFrames_ % std::uint64_t(frameShotEvery_) == 0) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame-%06llu.png",
                      static_cast<unsigned long long>(loopFrames_));
        screenshotTo(frameShotFolder_ + name);
    }
    if (!active_) {
        tickSource().delay(InactivePumpMs);
        destroyRetiredScreens();
        // Stopped by the system in the background (a logout): still saved.
        return !platform::terminationRequested();
    }
    const std::uint32_t now = getClock().now();
    const std::uint32_t elapsed = now - lastFrameTime_;
    lastFrameTime_ = now;
    int step = int(std::min<std::uint32_t>(elapsed, FrameMs));
    if (replaying) {
        step = journal_->stepFor(loopFrames_);
    } else if (journal_ && step != InputJournal::UsualStepMs) {
        journal_->writeStep(loopFrames_, step);
    }
    update(step);
    render();
    destroyRetiredScreens();
    if (timings_) {
        const std::string top = topScreen() ? topScreen()->screenName() : std::string("nothing");
        timings_->screenOnTop(std::cout, top);
        timings_->frameWork(top,
                            std::uint32_t(std::chrono::duration_cast<std::chrono::microseconds>(
                                              FrameTimings::Clock::now() - workStart)
                                              .count()));
    }

    const int wait = FrameMs - int(getClock().now() - lastFrameTime_);
    if (wait > 0) {
        tickSource().delay(std::uint32_t(wait));
    }
    if (platform::terminationRequested()) {
        // Stopped by the system: no dialog, the shutdown still saves.
        setExitNow();
    }
    if (isExitNow() || (isQuitRequested() && confirmQuit())) {
        return false;
    }
    clearQuitRequest();
    return true;
}

void SDLGameApp::shutdown() {
    if (journal_) {
        journal_->finish(loopFrames_);
    }
    if (timings_) {
        timings_->report(std::cout);
    }
    shutdownScreens();
    onExit();
    // Screens hold sounds and textures of their own: they go while both the
    // mixer and the GL context are still open.
    exitAllScreens();
    destroyRetiredScreens();
    getResources().releaseAudio();
    for (std::size_t i = 0; i < resourceManagerCount(); ++i) {
        resourceManagerAt(i)->releaseAudio();
    }
    SfxContainer::instance().releaseSounds();
    if (audioOpen_) {
        Mix_CloseAudio();
        audioOpen_ = false;
    }
    // The application's resources and the cursor hold textures: free them
    // while the context lives.
    freeResources();
    cursorTexture_.reset();
    if (sdlOpen_) {
        releasePointers();
        SDL_Quit();
        sdlOpen_ = false;
    }
}

void SDLGameApp::shutdownScreens() {
    for (std::size_t i = screenCount(); i-- > 0;) {
        if (GameState* screen = screenAt(i)) {
            screen->onAppShutdown(*this);
        }
    }
}

void SDLGameApp::pumpEvents() {
    SDL_Event event;
    if (journal_ && !journal_->isRecording()) {
        // The recorded input stands in for the window system's; closing the
        // window still ends the replay.
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) {
                setExitNow();
            }
        }
        for (const SDL_Event& recorded : journal_->eventsFor(loopFrames_)) {
            if (!dispatchEvent(recorded)) {
                break;
            }
        }
        return;
    }
    while (SDL_PollEvent(&event)) {
        if (journal_) {
            journal_->write(loopFrames_, event);
        }
        if (!dispatchEvent(event)) {
            return;
        }
    }
}

bool SDLGameApp::dispatchEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_ACTIVEEVENT:
        handleActiveEvent(event);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handleKeyEvent(event);
        break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        handleMouseEvent(event);
        break;
    case SDL_VIDEORESIZE:
        onWindowResized(event.resize.w, event.resize.h);
        break;
    case SDL_QUIT:
        // The rest of the queue waits for the next frame.
        requestQuit();
        return false;
    default:
        break;
    }
    return true;
}

void SDLGameApp::handleActiveEvent(const SDL_Event& event) {
    std::cout << "SDL event: SDL_ActiveEvent : " << char(event.active.type) << '\n';
    if (!(event.active.state & SDL_APPINPUTFOCUS)) {
        return;
    }
    if (event.active.gain) {
        if (restoreFullScreenOnFocus_) {
            restoreFullScreenOnFocus_ = false;
            setFullScreen(true);
            enableKeyboardHook();
        }
        visible_ = active_ = true;
        getClock().resume();
        onActivate();
    } else {
        if (fullScreen_) {
            restoreFullScreenOnFocus_ = true;
            setFullScreen(false);
            disableKeyboardHook();
        }
        visible_ = active_ = false;
        getClock().pause();
        onDeactivate();
    }
}

void SDLGameApp::handleKeyEvent(const SDL_Event& sdlEvent) {
    const SDL_keysym& sym = sdlEvent.key.keysym;
    KeyEvent event;
    if (sdlEvent.type == SDL_KEYUP) {
        event.key = sym.sym;
        event.modifiers = sym.mod;
        event.type = KeyEvent::KeyUp;
        event.unicode = sym.unicode;
        event.character = translateKey(sym.unicode);
        deliverKeyEvent(event);
        return;
    }
    if (interceptKey(sym.sym, sym.mod)) {
        return;
    }
    const bool alt = (sym.mod & KMOD_ALT) != 0;
    if (sym.sym == SDLK_RETURN && alt) {
        if (!altEnterEnabled_) {
            return;
        }
        setFullScreen(!fullScreen_);
    } else if (sym.sym == SDLK_F4 && alt) {
        requestQuit();
    } else if (sym.sym == SDLK_F8) {
        takeScreenshot();
    } else {
        event.key = sym.sym;
        event.modifiers = sym.mod;
        event.type = KeyEvent::KeyDown;
        event.unicode = sym.unicode;
        event.character = translateKey(sym.unicode);
    }
    // The special keys reach the screens as an empty event.
    deliverKeyEvent(event);
}

void SDLGameApp::handleMouseEvent(const SDL_Event& sdlEvent) {
    if (!mouseInputEnabled_) {
        return;
    }
    MouseEvent event;
    if (sdlEvent.type == SDL_MOUSEMOTION) {
        const SDL_MouseMotionEvent& motion = sdlEvent.motion;
        event.type = MouseEvent::Motion;
        event.x = motion.x;
        event.y = motion.y;
        event.dx = motion.xrel;
        event.dy = motion.yrel;
        int mask = 0;
        if (motion.state & SDL_BUTTON(SDL_BUTTON_LEFT)) {
            mask |= MouseEvent::Left;
        }
        if (motion.state & SDL_BUTTON(SDL_BUTTON_RIGHT)) {
            mask |= MouseEvent::Right;
        }
        if (motion.state & SDL_BUTTON(SDL_BUTTON_MIDDLE)) {
            mask |= MouseEvent::Middle;
        }
        event.buttons = mask;
        deliverMouseEvent(event);
        setMousePosition(motion.x, motion.y);
        return;
    }

    const SDL_MouseButtonEvent& button = sdlEvent.button;
    const bool down = sdlEvent.type == SDL_MOUSEBUTTONDOWN;
    event.x = button.x;
    event.y = button.y;
    if (button.button == SDL_BUTTON_WHEELUP || button.button == SDL_BUTTON_WHEELDOWN) {
        // A wheel notch arrives as a press and a release; one event is enough.
        if (down) {
            event.type =
                button.button == SDL_BUTTON_WHEELUP ? MouseEvent::WheelUp : MouseEvent::WheelDown;
            deliverMouseEvent(event);
        }
        return;
    }
    switch (button.button) {
    case SDL_BUTTON_LEFT:
        event.buttons = MouseEvent::Left;
        break;
    case SDL_BUTTON_RIGHT:
        event.buttons = MouseEvent::Right;
        break;
    case SDL_BUTTON_MIDDLE:
        event.buttons = MouseEvent::Middle;
        break;
    default:
        return;
    }
    const std::uint32_t now = tickSource().ticks();
    clickCount_ = (now - lastButtonTime_ < 100) ? clickCount_ + 1 : 1;
    lastButtonTime_ = now;
    event.type = down ? MouseEvent::ButtonDown : MouseEvent::ButtonUp;
    event.clickCount = down ? clickCount_ : 1;
    deliverMouseEvent(event);
}

namespace {
// By index, from the top: a screen may pop or push others while handling.
template <typename Deliver> void toEnabledScreensTopDown(GameApp& app, Deliver deliver) {
    for (std::size_t i = app.screenCount(); i-- > 0;) {
        if (i >= app.screenCount()) {
            continue;
        }
        GameState* screen = app.screenAt(i);
        if (screen->isEnabled()) {
            deliver(*screen);
        }
    }
}
} // namespace

void SDLGameApp::deliverKeyEvent(const KeyEvent& event) {
    toEnabledScreensTopDown(*this, [&](GameState& screen) { screen.keyEvent(event); });
}

void SDLGameApp::deliverMouseEvent(const MouseEvent& event) {
    toEnabledScreensTopDown(*this, [&](GameState& screen) { screen.mouseEvent(event); });
}

void SDLGameApp::loadInBackground() {
    if (DeferableResource::pendingResources().empty()) {
        return;
    }
    const std::uint32_t start = tickSource().ticks();
    DeferableResource::loadPendingWhile(
        [&] { return tickSource().ticks() - start < std::uint32_t(BackgroundLoadMs); });
}

void SDLGameApp::update(int elapsedMs) {
    loadInBackground();
    preUpdate(elapsedMs);
    // By index, re-reading the count: a screen may pop itself and push others.
    for (std::size_t i = 0; i < screenCount(); ++i) {
        GameState* screen = screenAt(i);
        if (screen->isEnabled()) {
            screen->update(elapsedMs);
        }
    }
}

void SDLGameApp::render() {
    // Without a window there is nothing to draw into.
    if (!screenSurface_) {
        return;
    }
    for (std::size_t i = 0, first = firstShownScreen(); i < first; ++i) {
        screenAt(i)->onHidden();
    }
    // Automated runs may draw only some frames; a screenshot is always drawn.
    const bool drawn = drawEvery_ <= 1 || frameNumber_ % drawEvery_ == 0 || screenshotPending_ ||
                       !screenshotPath_.empty();
    ++frameNumber_;
    if (drawn) {
        renderFrame(*graphics_);
    }
}

std::size_t SDLGameApp::firstShownScreen() const {
    // What the topmost covering screen hides is not drawn at all.
    std::size_t first = screenCount();
    while (first > 0 && !screenAt(first - 1)->coversWindow()) {
        --first;
    }
    return first > 0 ? first - 1 : 0;
}

void SDLGameApp::renderFrame(Graphics& graphics) {
    graphics.resetTransformCounters();
    graphics.resetTransform();
    graphics.clear();
    preRender(graphics);
    for (std::size_t i = firstShownScreen(); i < screenCount(); ++i) {
        screenAt(i)->draw(graphics);
    }
    postRender(graphics);
    if (cursorTexture_ && cursorVisible_) {
        // Where the last pointer event put it, whether the hand or the
        // automated player moved it.
        int x = 0;
        int y = 0;
        getMousePosition(x, y);
        graphics.drawTexture(x + hotSpotX_, y + hotSpotY_, cursorTexture_.get(), Color());
    }
    if (!screenshotPath_.empty() && &graphics == graphics_.get()) {
        const std::string path = std::move(screenshotPath_);
        screenshotPath_.clear();
        saveScreenshot(path);
    }
    if (screenshotPending_ && &graphics == graphics_.get()) {
        screenshotPending_ = false;
        std::string dir = screenshotDirectory();
        if (platform::makeDirectories(dir)) {
            for (int i = 1; i < 9999; ++i) {
                const std::string candidate = dir + "ScrShot" + std::to_string(i) + ".bmp";
                if (!platform::fileExists(candidate)) {
                    saveScreenshot(candidate);
                    break;
                }
            }
        }
    }
    presentFrame(graphics);
}

void SDLGameApp::presentFrame(Graphics& graphics) {
    graphics.present();
    if (timings_ && !firstFrameDrawn_ && &graphics == graphics_.get()) {
        firstFrameDrawn_ = true;
        timings_->mark(std::cout, "first frame drawn");
    }
}

std::string SDLGameApp::screenshotDirectory() const {
    return platform::userFolder() + "/" + AppConfig::instance().saveFolder() + "/ScreenShots/";
}

void SDLGameApp::takeScreenshot() {
    screenshotPending_ = true;
}

void SDLGameApp::screenshotTo(const std::string& path) {
    screenshotPath_ = path;
}

void SDLGameApp::setInputJournal(std::unique_ptr<InputJournal> journal) {
    journal_ = std::move(journal);
}

void SDLGameApp::setFrameTimings(std::unique_ptr<FrameTimings> timings) {
    timings_ = std::move(timings);
}

void SDLGameApp::setFrameShots(int every, const std::string& folder) {
    frameShotEvery_ = every;
    frameShotFolder_ = folder;
    if (every > 0) {
        platform::makeDirectories(folder);
    }
}

void SDLGameApp::setAutoPlayer(std::unique_ptr<AutoPlayer> player) {
    autoPlayer_ = std::move(player);
}

void SDLGameApp::saveScreenshot(const std::string& path) {
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0) {
        return;
    }
    std::vector<unsigned char> pixels(std::size_t(w) * h * 4);
    GL_CHECK(glPixelStorei(GL_PACK_ALIGNMENT, 1));
    GL_CHECK(glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data()));
    // OpenGL's first row is the bottom one.
    std::vector<unsigned char> flipped(pixels.size());
    const std::size_t rowBytes = std::size_t(w) * 4;
    for (int row = 0; row < h; ++row) {
        std::copy_n(pixels.data() + std::size_t(h - 1 - row) * rowBytes, rowBytes,
                    flipped.data() + std::size_t(row) * rowBytes);
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(flipped.data(), w, h, 32, w * 4, 0x000000FF,
                                                    0x0000FF00, 0x00FF0000, 0xFF000000);
    if (!surface) {
        return;
    }
    const bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
    if (png) {
        writePng(surface, path);
    } else if (SDL_RWops* out = SDL_RWFromFile(path.c_str(), "wb")) {
        SDL_SaveBMP_RW(surface, out, 1);
    }
    SDL_FreeSurface(surface);
}
