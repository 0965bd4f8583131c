// Measures a hidden-object scene of the shipped game: the time from building
// the scene to its first drawn frame, the frame times while the dashboard
// shows and goals are collected (clicked through SDL's queue, so their collect
// animations run), the peak memory, the memory left behind by entering and
// leaving the scene ten times, and the same pictures drawn by a bare OpenGL
// loop for comparison. Prints JSON. Run it from the folder that holds
// content/, under a display (e.g. xvfb-run -a).

#include "engine/app/AppConfig.h"
#include "engine/app/GameClock.h"
#include "engine/app/PlayerMove.h"
#include "engine/app/SdlInput.h"
#include "game/GameFlow.h"
#include "game/PlayerProfiles.h"
#include "game/app/MyApp.h"
#include "game/scene/LarkScene.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemRegistry.h"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>
#include <nlohmann/json.hpp>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double peakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

double residentMb() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

nlohmann::json summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / double(times.size());
    const double p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    return {{"meanMs", mean}, {"p95Ms", p95}, {"frames", times.size()}};
}

std::unique_ptr<GameState> buildScene(int sceneId) {
    for (const GameFlow::Entry& entry : GameFlow::instance().entries()) {
        if (entry.type == "ho_scene" &&
            GameFlow::intAttribute(entry.attributes, "sceneId", -1) == sceneId) {
            return GameFlow::instance().createScreen(entry.type, entry.attributes);
        }
    }
    return nullptr;
}

// One frame of the game, finished on the graphics card before the clock stops.
double timedFrame(MyApp& app) {
    const Clock::time_point start = Clock::now();
    app.runFrame();
    glFinish();
    return msSince(start);
}

// The display list's pictures, loaded and drawn with plain OpenGL 1.x calls.
struct BareQuad {
    GLuint name = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint8_t r = 255, g = 255, b = 255, a = 255;
};

bool loadBare(const std::string& path, BareQuad& quad) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) {
        return false;
    }
    SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0x000000FF,
                                             0x0000FF00, 0x00FF0000, 0xFF000000);
    SDL_SetAlpha(loaded, 0, 255);
    SDL_BlitSurface(loaded, nullptr, rgba, nullptr);
    glGenTextures(1, &quad.name);
    glBindTexture(GL_TEXTURE_2D, quad.name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, rgba->w, rgba->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba->pixels);
    quad.width = rgba->w;
    quad.height = rgba->h;
    SDL_FreeSurface(rgba);
    SDL_FreeSurface(loaded);
    return true;
}

void drawBare(const std::vector<BareQuad>& quads) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1024, 768, 0, -1000, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glClear(GL_COLOR_BUFFER_BIT);
    for (const BareQuad& q : quads) {
        glColor4ub(q.r, q.g, q.b, q.a);
        glBindTexture(GL_TEXTURE_2D, q.name);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(float(q.x), float(q.y));
        glTexCoord2f(1, 0);
        glVertex2f(float(q.x + q.width), float(q.y));
        glTexCoord2f(1, 1);
        glVertex2f(float(q.x + q.width), float(q.y + q.height));
        glTexCoord2f(0, 1);
        glVertex2f(float(q.x), float(q.y + q.height));
        glEnd();
    }
}

} // namespace

int main(int argc, char** argv) {
    int frames = 600;
    int sceneId = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--frames" || arg == "--scene") && i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            (arg == "--frames" ? frames : sceneId) = value;
        } else {
            std::printf("usage: quill-bench-scene [--frames N] [--scene ID]\n");
            return 2;
        }
    }
    frames = std::clamp(frames, 10, 100000);
    // A save folder of the benchmark's own: a player's saves are never touched.
    char folder[] = "/tmp/quill-bench-scene-XXXXXX";
    if (!::mkdtemp(folder)) {
        return 1;
    }
    ::setenv("APPDATA", folder, 1);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    nlohmann::json report;
    {
        MyApp app(std::make_unique<SteppedTickSource>());
        AppConfig::instance().setLogoScreens({});
        app.init();
        if (!app.isReady()) {
            std::printf("The window could not be opened.\n");
            return 1;
        }
        // The main menu for a second, as a player always sees it before a
        // scene: the driver has then met the drawing every screen shares, and
        // the entry below measures what the scene itself costs.
        PlayerProfiles::instance().addProfile("Bench");
        PlayerProfiles::instance().selectProfile(0);
        for (int i = 0; i < 60; ++i) {
            app.runFrame();
        }
        while (app.topScreen()) {
            app.popScreen();
        }
        app.runFrame();

        // Entry: building the scene (its files, pictures and renderers) to its first frame.
        const double before = residentMb();
        Clock::time_point start = Clock::now();
        std::unique_ptr<GameState> built = buildScene(sceneId);
        if (!built) {
            std::printf("No scene %d in the game flow.\n", sceneId);
            return 1;
        }
        app.startScreen(std::move(built));
        const double loadedMs = msSince(start);
        app.runFrame();
        glFinish();
        const double entryMs = msSince(start);
        auto* scene = dynamic_cast<LarkScene*>(app.topScreen());
        for (int i = 0; i < 40; ++i) {
            app.runFrame(); // the fade-in
        }
        // A stage that opens with a message: read it and close it, as a player does.
        PlayerMove answer;
        if (scene && scene->dialogMove(answer, 0)) {
            sdl_input::pushClick(answer.x, answer.y);
            for (int i = 0; i < 40; ++i) {
                app.runFrame();
            }
        }

        // The same pictures as plain textured quads.
        std::vector<BareQuad> quads;
        if (scene) {
            for (const Item* item : scene->displayList()) {
                const ItemDescription* d = item->description;
                BareQuad quad;
                if (d && loadBare(d->path + d->image, quad)) {
                    quad.x = int(d->x);
                    quad.y = int(d->y);
                    quad.r = std::uint8_t(d->R);
                    quad.g = std::uint8_t(d->G);
                    quad.b = std::uint8_t(d->B);
                    quad.a = std::uint8_t(d->A);
                    quads.push_back(quad);
                }
            }
        }
        BareQuad dashboard;
        if (loadBare("content/GUI/Dashboard.png", dashboard)) {
            dashboard.y = 768 - dashboard.height;
            quads.push_back(dashboard);
        }

        // Play: a goal clicked every 90 frames, so a collect animation runs
        // most of the time over the dashboard. Each game frame is followed by
        // a bare one, so that both see the same load on the machine.
        std::vector<double> times;
        std::vector<double> bare;
        for (int frame = 0; frame < frames; ++frame) {
            if (frame % 90 == 0 && scene) {
                for (Item* item : ItemRegistry::instance().itemsOf(GROUP_GOAL, sceneId)) {
                    int x = 0;
                    int y = 0;
                    if (item->renderer && item->renderer->isEnabled() &&
                        scene->pointOn(*item, x, y)) {
                        sdl_input::pushClick(x, y);
                        break;
                    }
                }
            }
            times.push_back(timedFrame(app));
            start = Clock::now();
            drawBare(quads);
            SDL_GL_SwapBuffers();
            glFinish();
            bare.push_back(msSince(start));
        }
        report["engine"] = summary(times);
        report["entryMs"] = entryMs;
        report["entryLoadMs"] = loadedMs;
        for (BareQuad& quad : quads) {
            glDeleteTextures(1, &quad.name);
        }
        report["bare"] = summary(bare);
        report["p95Ratio"] = report["engine"]["p95Ms"].get<double>() /
                             std::max(0.001, report["bare"]["p95Ms"].get<double>());
        report["meanRatio"] = report["engine"]["meanMs"].get<double>() /
                              std::max(0.001, report["bare"]["meanMs"].get<double>());

        // Leaving and entering again, ten times.
        app.popScreen();
        app.runFrame();
        // The first entry also pays for the driver's first use of the scene's
        // drawing states (llvmpipe compiles a pixel pipeline for each); later
        // entries show the scene's own cost.
        const double afterFirst = residentMb();
        std::vector<double> entries;
        for (int visit = 0; visit < 10; ++visit) {
            start = Clock::now();
            app.startScreen(buildScene(sceneId));
            app.runFrame();
            glFinish();
            entries.push_back(msSince(start));
            for (int i = 0; i < 5; ++i) {
                app.runFrame();
            }
            app.popScreen();
            app.runFrame();
        }
        report["residentMb"] = {{"beforeScene", before},
                                {"afterFirstVisit", afterFirst},
                                {"afterTenMoreVisits", residentMb()},
                                {"growthOverTenVisits", residentMb() - afterFirst}};
        std::sort(entries.begin(), entries.end());
        report["laterEntryMedianMs"] = entries[entries.size() / 2];
        report["peakResidentMb"] = peakMb();
        report["scene"] = sceneId;
        app.shutdown();
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::printf("%s\n", report.dump(2).c_str());
    return 0;
}
