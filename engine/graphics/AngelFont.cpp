#include "engine/graphics/AngelFont.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ImageFilter.h"
#include "engine/graphics/ImageGraphics.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "engine/graphics/Utf8Text.h"

#include <SDL.h>
#include <tinyxml.h>

#include <cstdlib>
#include <fstream>

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFF;
constexpr std::uint32_t kKerningCodes = 256;

// Limits far beyond any real font, so that a damaged file cannot overflow
// the measuring or claim memory page by page.
constexpr int MaxPages = 64;
constexpr int MaxLineHeight = 1024;
constexpr int MaxGlyphSize = 4096;
constexpr int MaxGlyphShift = 1024;

// BMFont's text form starts with its "info" line; only the XML form is read.
bool isTextForm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char start[5] = {};
    in.read(start, 4);
    return std::string(start) == "info";
}

std::uint32_t pairKey(std::uint32_t first, std::uint32_t second) {
    return (first << 16) | second;
}

const IntensityAsAlphaImageFilter& coverageFilter() {
    static const IntensityAsAlphaImageFilter filter;
    return filter;
}

} // namespace

AngelFont::AngelFont(const std::string& path, Pages pages) : Font(path), pageLoading_(pages) {
    if (!deferIfRequested()) {
        readFile();
    }
}

AngelFont::~AngelFont() = default;

void AngelFont::load() {
    if (isPending()) {
        markLoaded();
        readFile();
    }
}

void AngelFont::readFile() {
    glyphs_.clear();
    kerning_.clear();
    pages_.clear();
    pageFiles_.clear();
    lineHeight_ = 0;

    if (isTextForm(path_)) {
        engineLog() << "The font '" << path_
                    << "' is a BMFont text file; only the XML form of BMFont is read\n";
        return;
    }
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path_, error, TIXML_ENCODING_LEGACY)) {
        engineLog() << "Cannot read the font '" << path_ << "': " << error << "\n";
        return;
    }
    const TiXmlElement* root = document.FirstChildElement("font");
    if (!root) {
        engineLog() << "The font '" << path_ << "' has no font element\n";
        return;
    }
    const std::size_t slash = path_.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path_.substr(0, slash + 1);

    // Sizes out of range are taken to the nearest allowed, and said.
    xml::NumberReader numbers(path_, "font");
    if (const TiXmlElement* common = root->FirstChildElement("common")) {
        lineHeight_ = numbers.ranged(common, "lineHeight", 0, MaxLineHeight);
    }
    if (const TiXmlElement* pages = root->FirstChildElement("pages")) {
        for (const TiXmlElement* e = pages->FirstChildElement("page"); e;
             e = e->NextSiblingElement("page")) {
            if (int(pageFiles_.size()) == MaxPages) {
                engineLog() << "The font '" << path_ << "' has more than " << MaxPages
                            << " pages; the rest are not read\n";
                break;
            }
            const char* file = e->Attribute("file");
            pageFiles_.push_back(folder + (file ? file : ""));
            if (pageLoading_ == Pages::Skip) {
                continue;
            }
            auto image = std::make_unique<SDLSurfaceImage>(pageFiles_.back());
            if (!image->surface()) {
                pages_.push_back(nullptr); // keeps the numbering of later pages
                continue;
            }
            const ImageFilter* filter =
                image->surface()->format->BitsPerPixel == 8 ? &coverageFilter() : nullptr;
            pages_.push_back(
                std::make_unique<GLTexture>(std::move(image), filter, GLTexture::KeepFullImage));
        }
    }
    if (const TiXmlElement* chars = root->FirstChildElement("chars")) {
        for (const TiXmlElement* e = chars->FirstChildElement("char"); e;
             e = e->NextSiblingElement("char")) {
            Glyph glyph;
            glyph.id = numbers.integer(e, "id") & 0xFFFF;
            glyph.x = numbers.ranged(e, "x", 0, MaxGlyphSize);
            glyph.y = numbers.ranged(e, "y", 0, MaxGlyphSize);
            glyph.width = numbers.ranged(e, "width", 0, MaxGlyphSize);
            glyph.height = numbers.ranged(e, "height", 0, MaxGlyphSize);
            glyph.xoffset = numbers.ranged(e, "xoffset", -MaxGlyphShift, MaxGlyphShift);
            glyph.yoffset = numbers.ranged(e, "yoffset", -MaxGlyphShift, MaxGlyphShift);
            glyph.xadvance = numbers.ranged(e, "xadvance", -MaxGlyphShift, MaxGlyphShift);
            glyph.page = numbers.ranged(e, "page", 0, MaxPages - 1);
            glyphs_[std::uint16_t(glyph.id)] = glyph;
        }
    }
    if (const TiXmlElement* kernings = root->FirstChildElement("kernings")) {
        for (const TiXmlElement* e = kernings->FirstChildElement("kerning"); e;
             e = e->NextSiblingElement("kerning")) {
            const auto first = std::uint32_t(numbers.integer(e, "first") & 0xFFFF);
            const int second = numbers.integer(e, "second");
            if (second < 0 || std::uint32_t(second) >= kKerningCodes) {
                continue;
            }
            kerning_[pairKey(first, std::uint32_t(second))] =
                std::int16_t(numbers.ranged(e, "amount", -MaxGlyphShift, MaxGlyphShift));
        }
    }
}

bool AngelFont::canDraw(std::uint32_t code) const {
    return code <= 0xFFFF && glyphs_.count(std::uint16_t(code)) != 0;
}

const AngelFont::Glyph& AngelFont::glyph(std::uint32_t code) const {
    static const Glyph none;
    if (code > 0xFFFF) {
        return none;
    }
    const auto found = glyphs_.find(std::uint16_t(code));
    return found == glyphs_.end() ? none : found->second;
}

int AngelFont::kerning(std::uint32_t first, std::uint32_t second) const {
    if (second >= kKerningCodes || first > 0xFFFF) {
        return 0;
    }
    const auto found = kerning_.find(pairKey(first, second));
    return found == kerning_.end() ? 0 : found->second;
}

const GLTexture* AngelFont::page(int index) const {
    if (index < 0 || index >= int(pages_.size())) {
        return nullptr;
    }
    return pages_[std::size_t(index)].get();
}

template <typename Place> int AngelFont::walk(const std::string& text, Place place) const {
    int pen = 0;
    int line = 0;
    std::uint32_t previous = kNone;
    Utf8Reader reader(text);
    while (!reader.atEnd()) {
        const std::uint32_t code = reader.next();
        if (code == '\r') {
            previous = kNone;
            continue;
        }
        if (code == '\n') {
            previous = kNone;
            line += lineHeight_;
            pen = 0;
            continue;
        }
        const Glyph& g = glyph(code);
        if (g.id < 0) {
            previous = kNone;
            continue;
        }
        if (previous != kNone) {
            pen += kerning(previous, code);
        }
        place(g, pen, line);
        pen += g.xadvance - g.xoffset;
        previous = code;
    }
    return pen;
}

int AngelFont::textWidth(const std::string& text) const {
    // Every line's advance counts: the width of all lines together.
    int width = 0;
    std::uint32_t previous = kNone;
    Utf8Reader reader(text);
    while (!reader.atEnd()) {
        const std::uint32_t code = reader.next();
        if (code == '\r' || code == '\n') {
            previous = kNone;
            continue;
        }
        const Glyph& g = glyph(code);
        if (g.id < 0) {
            previous = kNone;
            continue;
        }
        width += g.xadvance - g.xoffset;
        if (previous != kNone) {
            width += kerning(previous, code);
        }
        previous = code;
    }
    return width;
}

void AngelFont::drawText(Graphics& graphics, int x, int y, const std::string& text,
                         const Color& color) const {
    graphics.setBlending(true);
    walk(text, [&](const Glyph& g, int pen, int line) {
        const GLTexture* texture = page(g.page);
        if (!texture) {
            return;
        }
        graphics.drawTextureRegion(
            x + pen, y + line + g.yoffset, texture,
            Rect(float(g.x), float(g.y), float(g.x + g.width), float(g.y + g.height)), color);
    });
}

void AngelFont::drawTextToImage(ImageGraphics& target, int x, int y, const std::string& text,
                                const Color& /*color*/, bool useAlpha) const {
    walk(text, [&](const Glyph& g, int pen, int line) {
        if (g.page < 0 || g.page >= int(pages_.size())) {
            return;
        }
        GLTexture* texture = pages_[std::size_t(g.page)].get();
        Image* picture = texture ? texture->keptImage() : nullptr;
        if (!picture) {
            return;
        }
        target.blit(x + pen, y + line + g.yoffset, *picture,
                    Rect(float(g.x), float(g.y), float(g.x + g.width), float(g.y + g.height)),
                    useAlpha);
    });
}

void AngelFont::reupload() {
    for (auto& page : pages_) {
        if (page) {
            page->reupload();
        }
    }
}

void AngelFont::releaseGL() {
    for (auto& page : pages_) {
        if (page) {
            page->releaseGL();
        }
    }
}
