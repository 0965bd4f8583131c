// The real frame loop in a window under Xvfb, driven one frame at a time with
// a fake clock and events pushed through SDL's queue.
#include "engine/app/FadeTransition.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/DeferableResource.h"
#include "engine/graphics/GLTexture.h"
#include "engine/platform/Termination.h"
#include "engine/resources/ResourceManager.h"
#include "tests/support/AppFixture.h"
#include "tests/support/CountingSound.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestScreen.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fstream>

namespace {

class FrameLoopTest : public AppFixture {
protected:
    void SetUp() override {
        env.set("APPDATA", folder.path());
        ASSERT_TRUE(openApp());
        auto s = std::make_unique<TestScreen>(&journal, "s");
        screen = s.get();
        app->pushScreen(std::move(s));
    }

    TemporaryDirectory folder;
    ScopedEnvironment env{{"APPDATA"}};
    TestScreen* screen = nullptr;
    std::vector<std::string> journal;
};

TEST_F(FrameLoopTest, ASlowFrameAdvancesTheGameBy16MsOnly) {
    app->step(200);
    ASSERT_EQ(screen->updates.size(), 1u);
    EXPECT_EQ(screen->updates[0], 16);
    app->step(5);
    EXPECT_EQ(screen->updates.back(), 5);
}

TEST_F(FrameLoopTest, FramesArePacedTo16MsCountingTheFramesOwnTime) {
    app->step(16);
    ASSERT_FALSE(app->ticks().delays().empty());
    // No time passed while the frame ran: it sleeps the whole 16 ms.
    EXPECT_EQ(app->ticks().delays().back(), 16u);

    // The frame's work takes 10 ms of the clock: 16 - 10 are left to sleep.
    screen->onUpdateHook = [&](int) { app->ticks().advance(10); };
    app->step(16);
    EXPECT_EQ(app->ticks().delays().back(), 6u);

    // A frame longer than 16 ms does not sleep at all.
    const std::size_t sleeps = app->ticks().delays().size();
    screen->onUpdateHook = [&](int) { app->ticks().advance(20); };
    app->step(16);
    EXPECT_EQ(app->ticks().delays().size(), sleeps);
}

TEST_F(FrameLoopTest, InactiveWindowOnlyPumpsAndTheClockStandsStill) {
    auto fade = std::make_unique<TestScreen>(&journal, "fade");
    TestScreen* faded = fade.get();
    fade->setInTransition(std::make_unique<FadeInTransition>(500));
    app->pushScreen(std::move(fade));
    app->stepFor(160);

    app->pushFocus(false);
    app->step(16);
    EXPECT_FALSE(app->isActive());
    const std::uint32_t clockBefore = app->getClock().now();
    const std::size_t updates = faded->updates.size();
    for (int i = 0; i < 10; ++i) {
        app->step(100);
    }
    EXPECT_EQ(faded->updates.size(), updates) << "no updates while inactive";
    EXPECT_EQ(app->ticks().delays().back(), 100u);
    EXPECT_EQ(app->getClock().now(), clockBefore);

    app->pushFocus(true);
    app->step(16);
    EXPECT_TRUE(app->isActive());
    EXPECT_EQ(faded->shownCount, 0) << "the fade resumes where it stopped";
    app->stepFor(400);
    EXPECT_EQ(faded->shownCount, 1);
}

TEST_F(FrameLoopTest, QuitRequestAsksForConfirmationAtTheEndOfTheFrame) {
    app->confirmQuitAnswer = false;
    app->pushQuit();
    EXPECT_TRUE(app->step());
    EXPECT_EQ(app->confirmQuitCalls, 1);
    EXPECT_FALSE(app->isQuitRequested()) << "a refused quit lives for one frame";
    EXPECT_TRUE(app->step());
    EXPECT_EQ(app->confirmQuitCalls, 1);

    app->confirmQuitAnswer = true;
    app->pushKey(true, SDLK_F4, KMOD_LALT);
    EXPECT_FALSE(app->step()) << "Alt+F4 ends the loop once confirmed";
}

TEST_F(FrameLoopTest, QuitEventLeavesTheRestOfTheQueueForTheNextFrame) {
    app->confirmQuitAnswer = false;
    app->pushQuit();
    app->pushKey(true, SDLK_a, 0, 'a');
    app->step();
    EXPECT_TRUE(screen->keys.empty());
    app->step();
    ASSERT_EQ(screen->keys.size(), 1u);
    EXPECT_EQ(screen->keys[0].key, SDLK_a);
}

TEST_F(FrameLoopTest, ExitNowEndsTheLoopWithoutAsking) {
    app->setExitNow();
    EXPECT_FALSE(app->step());
    EXPECT_EQ(app->confirmQuitCalls, 0);
}

TEST_F(FrameLoopTest, DrawnFrameCanBeReadBack) {
    screen->fillBackground = true;
    screen->background = Color(30, 140, 220);
    app->step();
    const Color c = app->pixel(512, 384);
    EXPECT_EQ(c.r, 30);
    EXPECT_EQ(c.g, 140);
    EXPECT_EQ(c.b, 220);
    const auto& frame = app->frame();
    ASSERT_EQ(frame.size(), 1024u * 768u * 4u);
    EXPECT_EQ(frame[0], 30);
    EXPECT_EQ(frame[frame.size() - 2], 220);
}

TEST_F(FrameLoopTest, FadeIsDrawnBlackAtAboutHalfOpacityAfter250Ms) {
    auto fading = std::make_unique<TestScreen>(&journal, "fade");
    fading->fillBackground = true;
    fading->background = Color(200, 200, 200);
    fading->setInTransition(std::make_unique<FadeInTransition>(500));
    app->pushScreen(std::move(fading));
    app->stepFor(250);
    const Color c = app->pixel(100, 100);
    // Half of 200 under a half-black fade.
    EXPECT_NEAR(c.r, 100, 6);
    EXPECT_EQ(c.r, c.g);
}

class ScreenshotTest : public FrameLoopTest {
protected:
    std::string shot(int n) const {
        return app->screenshotDirectory() + "ScrShot" + std::to_string(n) + ".bmp";
    }
    static void touch(const std::string& path) { std::ofstream(path) << "x"; }
};

TEST_F(ScreenshotTest, F8WritesTheNextFreeNumberFillingGaps) {
    const std::string dir = app->screenshotDirectory();
    EXPECT_EQ(dir, folder.path() + "/QuillTests/ScreenShots/");
    screen->fillBackground = true;
    screen->background = Color(250, 10, 20);

    app->pushKey(true, SDLK_F8);
    app->step();
    ASSERT_TRUE(std::ifstream(shot(1)).good()) << "the folder is created when missing";

    touch(shot(3));
    app->pushKey(true, SDLK_F8);
    app->step();
    EXPECT_TRUE(std::ifstream(shot(2)).good()) << "the gap at 2 is filled first";
    app->pushKey(true, SDLK_F8);
    app->step();
    EXPECT_TRUE(std::ifstream(shot(4)).good());

    SDL_Surface* bmp = SDL_LoadBMP(shot(1).c_str());
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->w, 1024);
    EXPECT_EQ(bmp->h, 768);
    Uint8 r = 0, g = 0, b = 0;
    SDL_LockSurface(bmp);
    const Uint8* row = static_cast<const Uint8*>(bmp->pixels) + 10 * bmp->pitch;
    Uint32 value = 0;
    std::memcpy(&value, row + 10 * bmp->format->BytesPerPixel, bmp->format->BytesPerPixel);
    SDL_UnlockSurface(bmp);
    SDL_GetRGB(value, bmp->format, &r, &g, &b);
    SDL_FreeSurface(bmp);
    EXPECT_EQ(r, 250);
    EXPECT_EQ(g, 10);
    EXPECT_EQ(b, 20);
}

TEST_F(ScreenshotTest, F8ReachesScreensAsAnEmptyKey) {
    app->pushKey(true, SDLK_F8);
    app->step();
    ASSERT_EQ(screen->keys.size(), 1u);
    EXPECT_EQ(screen->keys[0].key, 0);
    EXPECT_EQ(screen->keys[0].unicode, 0);
}

} // namespace

namespace {

TEST_F(FrameLoopTest, TerminationSignalEndsTheLoopWithoutAsking) {
    platform::installTerminationHandler();
    std::raise(SIGTERM);
    EXPECT_FALSE(app->step());
    EXPECT_EQ(app->confirmQuitCalls, 0);
    platform::clearTerminationRequest();
}

// What a sound sees of the mixer as it is freed: how often it is open.
struct MixerProbeSound : CountingSound {
    explicit MixerProbeSound(int* openAtFree) : openAtFree_(openAtFree) {}
    ~MixerProbeSound() override { *openAtFree_ = Mix_QuerySpec(nullptr, nullptr, nullptr); }
    int* openAtFree_;
};

TEST_F(FrameLoopTest, ScreensAndEffectsFreeTheirSoundsBeforeTheMixerCloses) {
    ASSERT_TRUE(app->isAudioAvailable()) << "SDL's dummy driver gives a mixer";
    int openAtFree = -1;
    screen->resources().addSound("PROBE", std::make_unique<MixerProbeSound>(&openAtFree));
    TemporaryDirectory::writeFile(folder / "sfx.xml",
                                  "<SFX defaultPath=\"" + folder.path() +
                                      "/\"><RandomSound name=\"CLICK\"><Sound "
                                      "path=\"Click.wav\"/></RandomSound></SFX>");
    SfxContainer::reset();
    ASSERT_TRUE(SfxContainer::instance().load(folder / "sfx.xml"));
    ASSERT_NE(nullptr, SfxContainer::instance().sound("CLICK_0"));

    app->shutdown();
    EXPECT_GT(openAtFree, 0) << "the screen's sound went while the mixer was open";
    EXPECT_EQ(nullptr, SfxContainer::instance().sound("CLICK_0")) << "the effects' too";
    SfxContainer::reset();
}

// The screen on top declares its backdrop without drawing it, so the window
// shows black wherever the red screen under it was left out.
TEST_F(FrameLoopTest, ScreensUnderAnOpaqueBackdropOverTheWholeWindowAreNotDrawn) {
    screen->fillBackground = true;
    auto top = std::make_unique<TestScreen>(&journal, "puzzle");
    TestScreen* puzzle = top.get();
    app->pushScreen(std::move(top));
    const auto pictureOf = [](int width, int height, const Color& color) {
        auto image = paintedImage(width, height, flat(color));
        return std::make_unique<GLTexture>(image->surface(), width, height);
    };
    const auto redShows = [&] {
        app->step();
        return app->pixel(512, 384) == Color(200, 30, 30);
    };
    EXPECT_TRUE(redShows()) << "no backdrop";

    const auto wall = pictureOf(1024, 768, Color(0, 0, 200));
    puzzle->backdropPicture = wall.get();
    EXPECT_FALSE(redShows()) << "an opaque picture the window's size";
    const auto glass = pictureOf(1024, 768, Color(0, 0, 200, 254));
    puzzle->backdropPicture = glass.get();
    EXPECT_TRUE(redShows()) << "a picture with some see-through";
    const auto band = pictureOf(1024, 767, Color(0, 0, 200));
    puzzle->backdropPicture = band.get();
    EXPECT_TRUE(redShows()) << "a picture one row short";
}

// A resource created while deferred loading is on, taking 3 ms of the clock to load.
struct SlowResource : DeferableResource {
    explicit SlowResource(FakeTickSource& ticks) : DeferableResource("slow"), ticks_(ticks) {
        deferIfRequested();
    }
    void load() override {
        if (isPending()) {
            markLoaded();
            ticks_.advance(3);
        }
    }
    FakeTickSource& ticks_;
};

TEST_F(FrameLoopTest, DeferredResourcesLoadASliceEachFrameAndAllBeforeAScreenThatNeedsThem) {
    DeferableResource::setDeferredLoading(true);
    std::vector<std::unique_ptr<SlowResource>> slow;
    for (int i = 0; i < 10; ++i) {
        slow.push_back(std::make_unique<SlowResource>(app->ticks()));
    }
    DeferableResource::setDeferredLoading(false);
    ASSERT_EQ(10u, DeferableResource::pendingResources().size());

    // Loads start at 0, 3 and 6 ms of the frame; at 9 ms the 8 ms budget is spent.
    app->step();
    EXPECT_EQ(7u, DeferableResource::pendingResources().size());
    app->step();
    EXPECT_EQ(4u, DeferableResource::pendingResources().size());

    auto logos = std::make_unique<TestScreen>(&journal, "logos");
    logos->drawsWhileLoading = true;
    app->pushScreen(std::move(logos));
    EXPECT_EQ(4u, DeferableResource::pendingResources().size()) << "a screen that can wait";
    app->pushScreen(std::make_unique<TestScreen>(&journal, "menu"));
    EXPECT_TRUE(DeferableResource::pendingResources().empty()) << "a screen that cannot";
    EXPECT_FALSE(slow.back()->isPending());
}

// A logout with the game in the background: the unfocused loop only pumps
// events, and still ends on the request.
TEST_F(FrameLoopTest, TerminationSignalEndsTheLoopWhileTheWindowIsUnfocused) {
    app->pushFocus(false);
    EXPECT_TRUE(app->step());
    ASSERT_FALSE(app->isActive());
    platform::installTerminationHandler();
    std::raise(SIGTERM);
    EXPECT_FALSE(app->step());
    EXPECT_EQ(app->confirmQuitCalls, 0);
    platform::clearTerminationRequest();
}

} // namespace
