#include "tools/bench/BenchScene.h"

#include "engine/graphics/ImageWriter.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kBackgroundQuality = 90;

// A small generator of our own (xorshift32) instead of rand(): the same
// sequence on every C library, so scenes match across machines.
class SceneRandom {
public:
    explicit SceneRandom(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // In [low, high], both inclusive.
    int range(int low, int high) { return low + int(next() % std::uint32_t(high - low + 1)); }
    // In [0, 1).
    float unit() { return float(next() >> 8) / float(1u << 24); }
    float range(float low, float high) { return low + (high - low) * unit(); }

private:
    std::uint32_t state_;
};

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// 32-bit RGBA, bytes in R, G, B, A order on little-endian machines; written
// through whole pixels so the masks hold on any byte order.
SurfacePtr makeRgbaSurface(int width, int height) {
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF, 0x0000FF00,
                                           0x00FF0000, 0xFF000000));
}

struct Rgbf {
    float r = 0;
    float g = 0;
    float b = 0;
};

std::uint8_t toByte(float value) {
    return std::uint8_t(std::clamp(value, 0.0f, 255.0f) + 0.5f);
}

void putPixel(SDL_Surface* surface, int x, int y, const Rgbf& c, float alpha) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                          std::size_t(y) * surface->pitch);
    row[x] = Uint32(toByte(c.r)) | Uint32(toByte(c.g)) << 8 | Uint32(toByte(c.b)) << 16 |
             Uint32(toByte(alpha * 255.0f)) << 24;
}

Rgbf getPixel(const SDL_Surface* surface, int x, int y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                      std::size_t(y) * surface->pitch);
    const Uint32 v = row[x];
    return {float(v & 0xFF), float((v >> 8) & 0xFF), float((v >> 16) & 0xFF)};
}

Rgbf mix(const Rgbf& a, const Rgbf& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Hue in [0, 1), saturation and value in [0, 1]; result in 0..255.
Rgbf fromHsv(float hue, float saturation, float value) {
    const float h = (hue - std::floor(hue)) * 6.0f;
    const int sector = int(h) % 6;
    const float f = h - std::floor(h);
    const float p = value * (1 - saturation);
    const float q = value * (1 - saturation * f);
    const float t = value * (1 - saturation * (1 - f));
    Rgbf c;
    switch (sector) {
    case 0:
        c = {value, t, p};
        break;
    case 1:
        c = {q, value, p};
        break;
    case 2:
        c = {p, value, t};
        break;
    case 3:
        c = {p, q, value};
        break;
    case 4:
        c = {t, p, value};
        break;
    default:
        c = {value, p, q};
        break;
    }
    return {c.r * 255, c.g * 255, c.b * 255};
}

float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// A sky-to-ground gradient with wavy low-frequency colour drift, soft
// brush-stroke ellipses and fine grain: busy enough that JPEG has work to do.
SurfacePtr paintBackground(SceneRandom& random) {
    const int w = BenchScene::kScreenWidth;
    const int h = BenchScene::kScreenHeight;
    SurfacePtr surface = makeRgbaSurface(w, h);
    if (!surface) {
        return nullptr;
    }
    const Rgbf sky{70, 110, 175};
    const Rgbf horizon{235, 195, 140};
    const Rgbf ground{70, 90, 45};
    const float horizonY = h * 0.45f;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgbf c = y < horizonY ? mix(sky, horizon, y / horizonY)
                                  : mix(horizon, ground, (y - horizonY) / (h - horizonY));
            const float drift = 18.0f * std::sin(x * 0.013f + 2.0f * std::sin(y * 0.021f)) *
                                std::cos(y * 0.017f + x * 0.004f);
            const float grain = random.range(-7.0f, 7.0f);
            c.r += drift + grain;
            c.g += drift * 0.7f + grain;
            c.b += -drift * 0.5f + grain;
            putPixel(surface.get(), x, y, c, 1.0f);
        }
    }
    // Brush strokes: tilted ellipses blended over the gradient.
    for (int stroke = 0; stroke < 140; ++stroke) {
        const float cx = random.range(0.0f, float(w));
        const float cy = random.range(0.0f, float(h));
        const float rx = random.range(20.0f, 140.0f);
        const float ry = random.range(6.0f, 40.0f);
        const float angle = random.range(0.0f, kPi);
        const float opacity = random.range(0.15f, 0.5f);
        const Rgbf colour =
            fromHsv(random.unit(), random.range(0.3f, 0.8f), random.range(0.35f, 0.95f));
        const float ca = std::cos(angle);
        const float sa = std::sin(angle);
        const int reach = int(std::max(rx, ry)) + 1;
        for (int y = std::max(0, int(cy) - reach); y < std::min(h, int(cy) + reach); ++y) {
            for (int x = std::max(0, int(cx) - reach); x < std::min(w, int(cx) + reach); ++x) {
                const float dx = x - cx;
                const float dy = y - cy;
                const float u = (dx * ca + dy * sa) / rx;
                const float v = (-dx * sa + dy * ca) / ry;
                const float d = std::sqrt(u * u + v * v);
                const float cover = opacity * (1.0f - smoothstep(0.6f, 1.0f, d));
                if (cover > 0.0f) {
                    putPixel(surface.get(), x, y, mix(getPixel(surface.get(), x, y), colour, cover),
                             1.0f);
                }
            }
        }
    }
    return surface;
}

// A blob whose radius wobbles with the angle, shaded from the top-left, with
// a soft alpha edge about two pixels wide.
SurfacePtr paintItem(SceneRandom& random, int index) {
    const int w = random.range(40, 160);
    const int h = std::clamp(w + random.range(-30, 30), 40, 160);
    SurfacePtr surface = makeRgbaSurface(w, h);
    if (!surface) {
        return nullptr;
    }
    const Rgbf base = fromHsv(index * 0.618034f + random.unit() * 0.1f, random.range(0.45f, 0.9f),
                              random.range(0.55f, 1.0f));
    const int lobes = random.range(0, 7);
    const float wobble = lobes == 0 ? 0.0f : random.range(0.05f, 0.25f);
    const float phase = random.range(0.0f, 2 * kPi);
    const float ripple = random.range(0.0f, 0.08f);
    const float cx = w / 2.0f;
    const float cy = h / 2.0f;
    const float rx = w / 2.0f - 2.0f;
    const float ry = h / 2.0f - 2.0f;
    const float edge = 2.0f / std::min(rx, ry); // two pixels, as a fraction of the radius
    const Rgbf light{255, 250, 235};
    const Rgbf shade{20, 15, 30};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float u = (x + 0.5f - cx) / rx;
            const float v = (y + 0.5f - cy) / ry;
            const float d = std::sqrt(u * u + v * v);
            const float angle = std::atan2(v, u);
            const float limit = (1.0f - wobble) + wobble * std::sin(lobes * angle + phase) +
                                ripple * std::sin(13.0f * angle);
            const float alpha = 1.0f - smoothstep(limit - edge, limit + edge, d);
            // Light from the top-left: brighter there, darker towards the bottom-right.
            const float lit =
                std::clamp(0.5f - 0.35f * (u + v) / std::max(limit, 0.2f), 0.0f, 1.0f);
            Rgbf c = lit > 0.5f ? mix(base, light, (lit - 0.5f) * 0.8f)
                                : mix(shade, base, 0.35f + lit * 1.3f);
            const float grain = random.range(-4.0f, 4.0f);
            c.r += grain;
            c.g += grain;
            c.b += grain;
            putPixel(surface.get(), x, y, c, alpha);
        }
    }
    return surface;
}

float distanceToSegment(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax;
    const float dy = by - ay;
    const float lengthSquared = dx * dx + dy * dy;
    const float t = lengthSquared > 0
                        ? std::clamp(((px - ax) * dx + (py - ay) * dy) / lengthSquared, 0.0f, 1.0f)
                        : 0.0f;
    const float ex = px - (ax + t * dx);
    const float ey = py - (ay + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

// A 16 x 16 grid of made-up glyphs: white strokes whose alpha is the
// coverage, so drawing tints them with the quad colour.
SurfacePtr paintFontPage(SceneRandom& random) {
    const int size = BenchScene::kFontPageSize;
    const int cell = size / BenchScene::kFontCells;
    SurfacePtr surface = makeRgbaSurface(size, size);
    if (!surface) {
        return nullptr;
    }
    const Rgbf white{255, 255, 255};
    const float halfStroke = 0.8f;
    for (int cy = 0; cy < BenchScene::kFontCells; ++cy) {
        for (int cx = 0; cx < BenchScene::kFontCells; ++cx) {
            float segments[4][4];
            const int count = random.range(2, 4);
            for (int s = 0; s < count; ++s) {
                // Inside the 12 x 16 part of the cell that glyph quads sample.
                segments[s][0] = random.range(3.5f, 12.5f);
                segments[s][1] = random.range(2.5f, 13.5f);
                segments[s][2] = random.range(3.5f, 12.5f);
                segments[s][3] = random.range(2.5f, 13.5f);
            }
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    float nearest = 1e9f;
                    for (int s = 0; s < count; ++s) {
                        nearest =
                            std::min(nearest, distanceToSegment(x + 0.5f, y + 0.5f, segments[s][0],
                                                                segments[s][1], segments[s][2],
                                                                segments[s][3]));
                    }
                    const float alpha = std::clamp(halfStroke + 0.5f - nearest, 0.0f, 1.0f);
                    putPixel(surface.get(), cx * cell + x, cy * cell + y, white, alpha);
                }
            }
        }
    }
    return surface;
}

// Items anywhere on screen, some hanging off the edges as in a real scene;
// glyphs as ten lines of thirty characters in line colours.
void layOut(SceneRandom& random, BenchScene& scene) {
    scene.items.clear();
    for (int i = 0; i < BenchScene::kItemCount; ++i) {
        ItemPlacement placement;
        placement.picture = i;
        placement.x = random.range(-30, BenchScene::kScreenWidth - 100);
        placement.y = random.range(-30, BenchScene::kScreenHeight - 100);
        scene.items.push_back(placement);
    }
    scene.glyphs.clear();
    const int perLine = 30;
    const int cell = BenchScene::kFontPageSize / BenchScene::kFontCells;
    for (int line = 0; line * perLine < BenchScene::kGlyphCount; ++line) {
        const int startX = random.range(10, BenchScene::kScreenWidth - perLine * 12 - 10);
        const int y = 40 + line * 70 + random.range(0, 20);
        const Rgbf colour = fromHsv(random.unit(), random.range(0.0f, 0.7f), 1.0f);
        const auto alpha = std::uint8_t(random.range(160, 255));
        for (int i = 0; i < perLine && int(scene.glyphs.size()) < BenchScene::kGlyphCount; ++i) {
            const int glyph = random.range(0, BenchScene::kFontCells * BenchScene::kFontCells - 1);
            const int column = glyph % BenchScene::kFontCells;
            const int row = glyph / BenchScene::kFontCells;
            GlyphQuad quad;
            quad.x = startX + i * BenchScene::kGlyphWidth;
            quad.y = y;
            quad.left = column * cell + (cell - BenchScene::kGlyphWidth) / 2;
            quad.top = row * cell;
            quad.right = quad.left + BenchScene::kGlyphWidth;
            quad.bottom = quad.top + BenchScene::kGlyphHeight;
            quad.r = toByte(colour.r);
            quad.g = toByte(colour.g);
            quad.b = toByte(colour.b);
            quad.a = alpha;
            scene.glyphs.push_back(quad);
        }
    }
}

} // namespace

std::vector<std::string> BenchScene::allPaths() const {
    std::vector<std::string> paths;
    paths.push_back(backgroundPath);
    paths.insert(paths.end(), itemPaths.begin(), itemPaths.end());
    paths.push_back(fontPagePath);
    return paths;
}

bool generateBenchScene(const std::string& folder, BenchScene& scene) {
    SceneRandom random(1);

    scene.backgroundPath = folder + "/background.jpg";
    SurfacePtr background = paintBackground(random);
    if (!background) {
        std::printf("cannot create the background surface: %s\n", SDL_GetError());
        return false;
    }
    if (!writeJpeg(background.get(), scene.backgroundPath, kBackgroundQuality)) {
        return false;
    }

    scene.itemPaths.clear();
    for (int i = 0; i < BenchScene::kItemCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/item%03d.png", i);
        scene.itemPaths.push_back(folder + name);
        SurfacePtr item = paintItem(random, i);
        if (!item) {
            std::printf("cannot create item surface %d: %s\n", i, SDL_GetError());
            return false;
        }
        if (!writePng(item.get(), scene.itemPaths.back())) {
            return false;
        }
    }

    scene.fontPagePath = folder + "/font.png";
    SurfacePtr page = paintFontPage(random);
    if (!page) {
        std::printf("cannot create the font page surface: %s\n", SDL_GetError());
        return false;
    }
    if (!writePng(page.get(), scene.fontPagePath)) {
        return false;
    }

    layOut(random, scene);
    return true;
}
