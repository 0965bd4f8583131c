#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The scene both renderer runs draw: a background, item pictures and glyph
// quads cut from a font page, the way a hidden-object screen looks. Layout
// and pictures come from a generator with a fixed seed, so every run draws
// the same thing. Plain numbers only: the bare run must not depend on any
// engine type.

struct ItemPlacement {
    int picture = 0; // index into BenchScene::itemPaths
    int x = 0;
    int y = 0;
};

struct GlyphQuad {
    int x = 0;
    int y = 0;
    // Source region on the font page, right and bottom exclusive.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t a = 255;
};

struct BenchScene {
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;
    static constexpr int kItemCount = 200;
    static constexpr int kGlyphCount = 300;
    static constexpr int kFontPageSize = 256;
    static constexpr int kFontCells = 16; // per side
    static constexpr int kGlyphWidth = 12;
    static constexpr int kGlyphHeight = 16;

    std::string backgroundPath;
    std::vector<std::string> itemPaths;
    std::string fontPagePath;
    std::vector<ItemPlacement> items;
    std::vector<GlyphQuad> glyphs;

    // Background, items, font page: the order both runs load them in.
    std::vector<std::string> allPaths() const;
};

// Writes the scene's pictures into `folder` (which must exist) and lays the
// scene out. On failure prints one line saying what could not be written and
// returns false.
bool generateBenchScene(const std::string& folder, BenchScene& scene);
