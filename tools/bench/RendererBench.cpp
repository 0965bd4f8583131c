// Measures what the engine's texture loading and 2D drawing cost against the
// same work done with plain SDL_image and OpenGL 1.x calls, on a generated
// hidden-object scene: one background, 200 items and 300 glyph quads a frame.
//
// Order of the runs: an untimed warm-up of both paths with a handful of the
// pictures, then the full engine run, then the full bare run. The warm-up
// pays the one-off costs (decoder libraries, the driver's shader compilation,
// the first buffer swaps) so that neither timed run is charged for them. The
// full runs go one after the other rather than alternating so that only one
// set of textures is alive at a time: the peak-memory figure taken after the
// engine run then covers the engine's textures (plus the small warm-up set)
// and none of the bare run's, and neither set crowds the other in the caches.
// After each run the scene is drawn once more and read back; the two frames
// are compared so that a fast but wrong path shows up in the report.

#include "engine/graphics/GLGraphics.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/ImageWriter.h"
#include "tools/bench/BenchScene.h"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>
#include <nlohmann/json.hpp>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <numeric>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr const char* kProgram = "quill-bench-renderer";
constexpr int kDefaultFrames = 600;
constexpr int kWarmUpFrames = 30;
constexpr int kWarmUpItemPictures = 16;
constexpr int kDepth = 1000;
// Channel difference above which a pixel of the two runs' frames counts as different.
constexpr int kPixelTolerance = 8;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The benchmark's scratch folder under /tmp, removed with its pictures at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = "/tmp/quill-bench-renderer-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        if (!path_.empty()) {
            std::error_code error;
            std::filesystem::remove_all(path_, error);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool valid() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct RunResult {
    double loadMs = 0;
    std::vector<double> frameMs;
    std::vector<unsigned char> lastFrame; // RGBA, bottom row first, as GL reads it

    double meanFrameMs() const {
        return frameMs.empty()
                   ? 0.0
                   : std::accumulate(frameMs.begin(), frameMs.end(), 0.0) / double(frameMs.size());
    }
    // Nearest-rank percentile.
    double percentileFrameMs(double percent) const {
        if (frameMs.empty()) {
            return 0.0;
        }
        std::vector<double> sorted = frameMs;
        std::sort(sorted.begin(), sorted.end());
        const auto rank = std::size_t(std::ceil(percent / 100.0 * double(sorted.size())));
        return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
    }
};

// Draws `count` frames with `drawFrame` (which must end with the buffer swap)
// and returns each frame's time. glFinish before the clock stops so that the
// GPU's share of the frame is counted too.
std::vector<double> timeFrames(int count, const std::function<void()>& drawFrame) {
    std::vector<double> times;
    times.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        // Keeps the window responsive; not part of the frame's cost.
        SDL_PumpEvents();
        const Clock::time_point start = Clock::now();
        drawFrame();
        glFinish();
        times.push_back(millisecondsSince(start));
    }
    return times;
}

// The back buffer after the scene was drawn once more without swapping.
std::vector<unsigned char> captureFrame(const std::function<void()>& drawScene) {
    drawScene();
    glFinish();
    std::vector<unsigned char> pixels(std::size_t(BenchScene::kScreenWidth) *
                                      BenchScene::kScreenHeight * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, BenchScene::kScreenWidth, BenchScene::kScreenHeight, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

bool reportGlErrors(const char* phase) {
    bool any = false;
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError()) {
        std::printf("%s: GL error 0x%04X during the %s\n", kProgram, unsigned(error), phase);
        any = true;
    }
    return any;
}

// --- Engine run ---

struct EngineScene {
    std::vector<std::unique_ptr<GLTexture>> owned;
    const GLTexture* background = nullptr;
    std::vector<const GLTexture*> items; // one per placement
    const GLTexture* fontPage = nullptr;
};

// Loads the pictures as engine textures. `itemPictures` limits how many
// distinct item pictures are loaded; placements reuse them in turn.
bool loadEngineScene(const BenchScene& scene, int itemPictures, EngineScene& out) {
    auto load = [&](const std::string& path) -> const GLTexture* {
        out.owned.push_back(std::make_unique<GLTexture>(path));
        if (!out.owned.back()->hasGLTexture()) {
            std::printf("%s: the engine could not load '%s'\n", kProgram, path.c_str());
            return nullptr;
        }
        return out.owned.back().get();
    };
    out.background = load(scene.backgroundPath);
    if (!out.background) {
        return false;
    }
    std::vector<const GLTexture*> pictures;
    for (int i = 0; i < itemPictures; ++i) {
        pictures.push_back(load(scene.itemPaths[std::size_t(i)]));
        if (!pictures.back()) {
            return false;
        }
    }
    out.fontPage = load(scene.fontPagePath);
    if (!out.fontPage) {
        return false;
    }
    for (const ItemPlacement& placement : scene.items) {
        out.items.push_back(pictures[std::size_t(placement.picture % itemPictures)]);
    }
    glFinish();
    return true;
}

void drawEngineScene(GLGraphics& g, const BenchScene& scene, const EngineScene& textures) {
    g.resetTransform();
    g.clear();
    g.drawTexture(0, 0, textures.background, Color());
    for (std::size_t i = 0; i < scene.items.size(); ++i) {
        g.drawTexture(scene.items[i].x, scene.items[i].y, textures.items[i], Color());
    }
    for (const GlyphQuad& q : scene.glyphs) {
        g.drawTextureRegion(q.x, q.y, textures.fontPage,
                            Rect(float(q.left), float(q.top), float(q.right), float(q.bottom)),
                            Color(q.r, q.g, q.b, q.a));
    }
}

// --- Bare run: SDL_image and OpenGL only, no engine class ---

struct BareTexture {
    GLuint name = 0;
    int width = 0;
    int height = 0;
};

struct BareScene {
    std::vector<BareTexture> owned;
    BareTexture background;
    std::vector<BareTexture> items; // one per placement
    BareTexture fontPage;

    ~BareScene() {
        for (const BareTexture& texture : owned) {
            glDeleteTextures(1, &texture.name);
        }
    }
};

bool isRgbaBytes(const SDL_PixelFormat* format) {
    return format->BytesPerPixel == 4 && format->Rmask == 0x000000FF &&
           format->Gmask == 0x0000FF00 && format->Bmask == 0x00FF0000 &&
           format->Amask == 0xFF000000;
}

bool loadBareTexture(const std::string& path, SDL_Surface* rgbaTemplate, BareTexture& out) {
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) {
        std::printf("%s: IMG_Load cannot read '%s': %s\n", kProgram, path.c_str(), IMG_GetError());
        return false;
    }
    if (!isRgbaBytes(surface->format)) {
        // SDL_ConvertSurface copies the alpha channel rather than blending it.
        SDL_Surface* converted = SDL_ConvertSurface(surface, rgbaTemplate->format, SDL_SWSURFACE);
        SDL_FreeSurface(surface);
        if (!converted) {
            std::printf("%s: cannot convert '%s' to RGBA: %s\n", kProgram, path.c_str(),
                        SDL_GetError());
            return false;
        }
        surface = converted;
    }
    out.width = surface->w;
    out.height = surface->h;
    glGenTextures(1, &out.name);
    glBindTexture(GL_TEXTURE_2D, out.name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, surface->pitch / 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface->w, surface->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 surface->pixels);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    SDL_FreeSurface(surface);
    return true;
}

bool loadBareScene(const BenchScene& scene, int itemPictures, BareScene& out) {
    SDL_Surface* rgbaTemplate = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x000000FF,
                                                     0x0000FF00, 0x00FF0000, 0xFF000000);
    if (!rgbaTemplate) {
        std::printf("%s: cannot create an RGBA surface: %s\n", kProgram, SDL_GetError());
        return false;
    }
    auto load = [&](const std::string& path, BareTexture& texture) {
        if (!loadBareTexture(path, rgbaTemplate, texture)) {
            return false;
        }
        out.owned.push_back(texture);
        return true;
    };
    bool ok = load(scene.backgroundPath, out.background);
    std::vector<BareTexture> pictures(std::size_t(std::max(itemPictures, 0)));
    for (int i = 0; ok && i < itemPictures; ++i) {
        ok = load(scene.itemPaths[std::size_t(i)], pictures[std::size_t(i)]);
    }
    ok = ok && load(scene.fontPagePath, out.fontPage);
    SDL_FreeSurface(rgbaTemplate);
    if (!ok) {
        return false;
    }
    for (const ItemPlacement& placement : scene.items) {
        out.items.push_back(pictures[std::size_t(placement.picture % itemPictures)]);
    }
    glFinish();
    return true;
}

void setUpBareState() {
    glViewport(0, 0, BenchScene::kScreenWidth, BenchScene::kScreenHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, BenchScene::kScreenWidth, BenchScene::kScreenHeight, 0, -kDepth, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Undo what the engine run left switched on.
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

// Source region (in pixels of the texture) to the quad at (x, y) of the same size.
void drawBareQuad(const BareTexture& texture, int x, int y, int left, int top, int right,
                  int bottom, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    const float u0 = float(left) / float(texture.width);
    const float u1 = float(right) / float(texture.width);
    const float v0 = float(top) / float(texture.height);
    const float v1 = float(bottom) / float(texture.height);
    const float x0 = float(x);
    const float y0 = float(y);
    const float x1 = float(x + right - left);
    const float y1 = float(y + bottom - top);
    glColor4f(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex2f(x0, y0);
    glTexCoord2f(u1, v0);
    glVertex2f(x1, y0);
    glTexCoord2f(u1, v1);
    glVertex2f(x1, y1);
    glTexCoord2f(u0, v1);
    glVertex2f(x0, y1);
    glEnd();
}

void drawBareScene(const BenchScene& scene, const BareScene& textures) {
    glClear(GL_COLOR_BUFFER_BIT);
    const BareTexture& bg = textures.background;
    drawBareQuad(bg, 0, 0, 0, 0, bg.width, bg.height, 255, 255, 255, 255);
    for (std::size_t i = 0; i < scene.items.size(); ++i) {
        const BareTexture& item = textures.items[i];
        drawBareQuad(item, scene.items[i].x, scene.items[i].y, 0, 0, item.width, item.height, 255,
                     255, 255, 255);
    }
    for (const GlyphQuad& q : scene.glyphs) {
        drawBareQuad(textures.fontPage, q.x, q.y, q.left, q.top, q.right, q.bottom, q.r, q.g, q.b,
                     q.a);
    }
}

// --- Report ---

struct FrameComparison {
    long differing = 0;
    long total = 0;
    int largest = 0;
};

FrameComparison compareFrames(const std::vector<unsigned char>& a,
                              const std::vector<unsigned char>& b) {
    FrameComparison result;
    result.total = long(std::min(a.size(), b.size()) / 4);
    for (std::size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4) {
        int worst = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            worst = std::max(worst, std::abs(int(a[i + c]) - int(b[i + c])));
        }
        result.largest = std::max(result.largest, worst);
        if (worst > kPixelTolerance) {
            ++result.differing;
        }
    }
    return result;
}

double ratio(double engine, double bare) {
    return bare > 0 ? engine / bare : 0.0;
}

double rounded(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

nlohmann::ordered_json runJson(const RunResult& run) {
    return {{"load_upload_ms", rounded(run.loadMs)},
            {"frame_mean_ms", rounded(run.meanFrameMs())},
            {"frame_p95_ms", rounded(run.percentileFrameMs(95))}};
}

void printRun(const char* name, const RunResult& run) {
    std::printf("  %-7s load+upload %9.2f ms   frame mean %7.3f ms   p95 %7.3f ms   "
                "min %7.3f ms   max %7.3f ms\n",
                name, run.loadMs, run.meanFrameMs(), run.percentileFrameMs(95),
                run.percentileFrameMs(0), run.percentileFrameMs(100));
}

struct Options {
    int frames = kDefaultFrames;
    // When set, the last frame of each run is saved as <prefix>-engine.png and <prefix>-bare.png.
    std::string framePrefix;
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*argv[i] == '\0' || *end != '\0' || value < 1 || value > 1000000) {
                std::printf("%s: --frames needs a whole number from 1 to 1000000, not '%s'\n",
                            kProgram, argv[i]);
                return false;
            }
            options.frames = int(value);
        } else if (arg == "--save-frames" && i + 1 < argc) {
            options.framePrefix = argv[++i];
        } else {
            std::printf("usage: %s [--frames N] [--save-frames PREFIX]\n"
                        "  N frames per run (default %d); PREFIX-engine.png and PREFIX-bare.png "
                        "get each run's last frame\n",
                        kProgram, kDefaultFrames);
            return false;
        }
    }
    return true;
}

// Writes a frame read back from GL (bottom row first) as a PNG, top row first.
bool saveFrame(const std::vector<unsigned char>& pixels, const std::string& path) {
    const int w = BenchScene::kScreenWidth;
    const int h = BenchScene::kScreenHeight;
    if (pixels.size() != std::size_t(w) * h * 4) {
        return false;
    }
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000FF, 0x0000FF00,
                                                0x00FF0000, 0xFF000000);
    if (!surface) {
        return false;
    }
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<unsigned char*>(surface->pixels) + std::size_t(y) * surface->pitch;
        std::memcpy(row, pixels.data() + std::size_t(h - 1 - y) * w * 4, std::size_t(w) * 4);
        // The window's alpha is not part of the picture.
        for (int x = 0; x < w; ++x) {
            row[4 * x + 3] = 255;
        }
    }
    const bool written = writePng(surface, path);
    SDL_FreeSurface(surface);
    return written;
}

bool openWindow() {
    // Only the X11 video driver offers OpenGL here; without a display SDL
    // would otherwise try the text-mode drivers and paint the terminal.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("%s: cannot start SDL video: %s\n", kProgram, SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 0);
    if (!SDL_SetVideoMode(BenchScene::kScreenWidth, BenchScene::kScreenHeight, 0, SDL_OPENGL)) {
        std::printf("%s: cannot open a %dx%d OpenGL window: %s\n", kProgram,
                    BenchScene::kScreenWidth, BenchScene::kScreenHeight, SDL_GetError());
        SDL_Quit();
        return false;
    }
    SDL_WM_SetCaption(kProgram, kProgram);
    return true;
}

std::string glString(GLenum name) {
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text ? text : "(unknown)";
}

// Everything between opening the window and closing it; returns the exit code.
int runBenchmark(const BenchScene& scene, const Options& options) {
    const int frames = options.frames;
    const std::string renderer = glString(GL_RENDERER);
    int swapControl = -1;
    SDL_GL_GetAttribute(SDL_GL_SWAP_CONTROL, &swapControl);
    const int warmUpItems = std::min(kWarmUpItemPictures, BenchScene::kItemCount);

    // Warm-up: both paths, few pictures, untimed.
    {
        EngineScene engine;
        if (!loadEngineScene(scene, warmUpItems, engine)) {
            return 1;
        }
        GLGraphics g;
        g.init(BenchScene::kScreenWidth, BenchScene::kScreenHeight, kDepth);
        timeFrames(kWarmUpFrames, [&] {
            drawEngineScene(g, scene, engine);
            g.present();
        });
    }
    {
        BareScene bare;
        if (!loadBareScene(scene, warmUpItems, bare)) {
            return 1;
        }
        setUpBareState();
        timeFrames(kWarmUpFrames, [&] {
            drawBareScene(scene, bare);
            SDL_GL_SwapBuffers();
        });
    }
    bool glErrors = reportGlErrors("warm-up");

    // Engine run.
    RunResult engineRun;
    {
        EngineScene engine;
        const Clock::time_point start = Clock::now();
        if (!loadEngineScene(scene, BenchScene::kItemCount, engine)) {
            return 1;
        }
        engineRun.loadMs = millisecondsSince(start);
        GLGraphics g;
        g.init(BenchScene::kScreenWidth, BenchScene::kScreenHeight, kDepth);
        engineRun.frameMs = timeFrames(frames, [&] {
            drawEngineScene(g, scene, engine);
            g.present();
        });
        engineRun.lastFrame = captureFrame([&] { drawEngineScene(g, scene, engine); });
        glErrors = reportGlErrors("engine run") || glErrors;
    }
    const double peakAfterEngineMb = peakResidentMegabytes();

    // Bare run.
    RunResult bareRun;
    {
        BareScene bare;
        const Clock::time_point start = Clock::now();
        if (!loadBareScene(scene, BenchScene::kItemCount, bare)) {
            return 1;
        }
        bareRun.loadMs = millisecondsSince(start);
        setUpBareState();
        bareRun.frameMs = timeFrames(frames, [&] {
            drawBareScene(scene, bare);
            SDL_GL_SwapBuffers();
        });
        bareRun.lastFrame = captureFrame([&] { drawBareScene(scene, bare); });
        glErrors = reportGlErrors("bare run") || glErrors;
    }
    const double peakAtEndMb = peakResidentMegabytes();
    const FrameComparison comparison = compareFrames(engineRun.lastFrame, bareRun.lastFrame);

#ifdef QUILL_GL_CHECKS
    const bool glChecks = true;
#else
    const bool glChecks = false;
#endif

    std::printf("Renderer benchmark: %d pictures (1 JPEG background, %d PNG items, 1 font page), "
                "%d frames per run\n",
                int(scene.allPaths().size()), int(scene.itemPaths.size()), frames);
    std::printf("  GL_RENDERER   %s\n", renderer.c_str());
    std::printf("  GL_VERSION    %s\n", glString(GL_VERSION).c_str());
    std::printf("  swap control  %s\n", swapControl == 0 ? "off (no vsync)"
                                        : swapControl > 0
                                            ? "on: the driver ignored the request to turn it off"
                                            : "not reported by the driver (asked to turn it off)");
    std::printf("  per frame     1 background + %d items + %d glyph quads\n",
                int(scene.items.size()), int(scene.glyphs.size()));
    std::printf("  GL checks     %s\n",
                glChecks ? "on (Debug build: engine numbers include glGetError calls)" : "off");
    std::printf("\n");
    printRun("engine", engineRun);
    printRun("bare", bareRun);
    std::printf("\n  engine / bare   load+upload %.2fx   frame mean %.2fx   frame p95 %.2fx\n",
                ratio(engineRun.loadMs, bareRun.loadMs),
                ratio(engineRun.meanFrameMs(), bareRun.meanFrameMs()),
                ratio(engineRun.percentileFrameMs(95), bareRun.percentileFrameMs(95)));
    std::printf("  peak resident memory (high-water mark)   after engine run %.1f MB   "
                "at end %.1f MB\n",
                peakAfterEngineMb, peakAtEndMb);
    std::printf("  last frames compared: %ld of %ld pixels (%.3f%%) differ by more than %d "
                "levels; largest difference %d\n",
                comparison.differing, comparison.total,
                comparison.total ? 100.0 * double(comparison.differing) / double(comparison.total)
                                 : 0.0,
                kPixelTolerance, comparison.largest);
    if (glErrors) {
        std::printf("  GL errors were raised; the numbers above may not be meaningful\n");
    }
    if (!options.framePrefix.empty()) {
        for (const auto& [name, run] :
             {std::pair<const char*, const RunResult*>{"engine", &engineRun}, {"bare", &bareRun}}) {
            const std::string path = options.framePrefix + "-" + name + ".png";
            if (saveFrame(run->lastFrame, path)) {
                std::printf("  last %s frame saved to %s\n", name, path.c_str());
            }
        }
    }
    std::printf("\n");

    nlohmann::ordered_json report;
    report["renderer"] = renderer;
    report["frames"] = frames;
    report["engine"] = runJson(engineRun);
    report["bare"] = runJson(bareRun);
    report["ratio"] = {
        {"load_upload", rounded(ratio(engineRun.loadMs, bareRun.loadMs))},
        {"frame_mean", rounded(ratio(engineRun.meanFrameMs(), bareRun.meanFrameMs()))},
        {"frame_p95",
         rounded(ratio(engineRun.percentileFrameMs(95), bareRun.percentileFrameMs(95)))}};
    report["peak_rss_mb"] = {{"after_engine", rounded(peakAfterEngineMb)},
                             {"end", rounded(peakAtEndMb)}};
    report["differing_pixels"] = comparison.differing;
    report["gl_errors"] = glErrors;
    std::printf("%s\n", report.dump().c_str());
    std::fflush(stdout);
    return glErrors ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        return 2;
    }
    ScratchFolder folder;
    if (!folder.valid()) {
        std::printf("%s: cannot create a temporary folder under /tmp: %s\n", kProgram,
                    std::strerror(errno));
        return 1;
    }
    BenchScene scene;
    if (!generateBenchScene(folder.path(), scene)) {
        std::printf("%s: cannot write the scene pictures to '%s'\n", kProgram,
                    folder.path().c_str());
        return 1;
    }
    if (!openWindow()) {
        return 1;
    }
    const int flags = IMG_INIT_JPG | IMG_INIT_PNG;
    if ((IMG_Init(flags) & flags) != flags) {
        std::printf("%s: SDL_image cannot decode both JPEG and PNG: %s\n", kProgram,
                    IMG_GetError());
        SDL_Quit();
        return 1;
    }
    const int status = runBenchmark(scene, options);
    IMG_Quit();
    SDL_Quit();
    return status;
}
