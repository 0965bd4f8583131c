#pragma once

#include "engine/graphics/Font.h"

#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

class GLTexture;

// A font read from a BMFont XML file (.fnt) with its page pictures beside
// it. 8-bit pages hold the glyphs' coverage and become white glyphs whose
// alpha is the page's brightness.
//
// Glyph placement: a glyph is drawn at the pen position plus its yoffset, and
// the pen then moves by xadvance - xoffset (plus the kerning of the pair).
class AngelFont : public Font {
public:
    struct Glyph {
        int id = -1;
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        int xoffset = 0;
        int yoffset = 0;
        int page = 0;
        int xadvance = 0;
    };

    // What to do with the page pictures: tools that only measure text skip them
    // (and need no GL context).
    enum class Pages { Load, Skip };

    explicit AngelFont(const std::string& path, Pages pages = Pages::Load);
    ~AngelFont() override;

    void load() override;
    int textWidth(const std::string& text) const override;
    void drawText(Graphics& graphics, int x, int y, const std::string& text,
                  const Color& color) const override;
    void drawTextToImage(ImageGraphics& target, int x, int y, const std::string& text,
                         const Color& color, bool useAlpha) const override;
    void reupload() override;
    void releaseGL() override;
    bool canDraw(std::uint32_t code) const override;

    // The glyph of a character; id -1 when the font has none.
    const Glyph& glyph(std::uint32_t code) const;
    int kerning(std::uint32_t first, std::uint32_t second) const;
    int glyphCount() const { return int(glyphs_.size()); }
    int pageCount() const { return int(pages_.size()); }
    // Page `index`; none for a page whose picture could not be read.
    const GLTexture* page(int index) const;
    // The page pictures' paths as the file names them, in page order.
    const std::vector<std::string>& pageFiles() const { return pageFiles_; }

private:
    void readFile();
    // Walks the text as drawing does: calls `place(glyph, penX, lineTop)` for
    // each glyph and returns the pen position at the end.
    template <typename Place> int walk(const std::string& text, Place place) const;

    std::map<std::uint16_t, Glyph> glyphs_;
    std::unordered_map<std::uint32_t, int> kerning_;
    std::vector<std::unique_ptr<GLTexture>> pages_;
    std::vector<std::string> pageFiles_;
    Pages pageLoading_;
};
