// The fonts shipped in content/ load completely and cover what the texts need.
#include "engine/graphics/AngelFont.h"
#include "engine/graphics/GLTexture.h"
#include "game/ResourceTables.h"
#include "tests/support/GLWindowTest.h"
#include "tests/support/StdoutCapture.h"

#include <gtest/gtest.h>

namespace {

class ContentFontsTest : public GLWindowTest {};

TEST_F(ContentFontsTest, EveryStartUpFontLoadsWithEveryPage) {
    ASSERT_EQ(8u, resource_tables::startupFonts().size());
    for (const auto& entry : resource_tables::startupFonts()) {
        SCOPED_TRACE(entry.path);
        StdoutCapture capture;
        const AngelFont font(entry.path);
        EXPECT_EQ("", capture.finish()) << "loading says nothing when all is well";

        EXPECT_GT(font.lineHeight(), 10);
        EXPECT_GE(font.glyphCount(), 191) << "printable Latin-1";
        ASSERT_GE(font.pageCount(), 1);
        ASSERT_EQ(std::size_t(font.pageCount()), font.pageFiles().size());
        for (int i = 0; i < font.pageCount(); ++i) {
            const GLTexture* page = font.page(i);
            ASSERT_NE(nullptr, page) << font.pageFiles()[std::size_t(i)];
            EXPECT_TRUE(page->hasGLTexture());
        }
        // Every glyph lies inside its page and its line.
        for (std::uint32_t code = 32; code < 256; ++code) {
            const AngelFont::Glyph& g = font.glyph(code);
            if (g.id < 0) {
                continue;
            }
            ASSERT_LT(g.page, font.pageCount()) << code;
            const GLTexture* page = font.page(g.page);
            EXPECT_LE(g.x + g.width, page->imageWidth()) << code;
            EXPECT_LE(g.y + g.height, page->imageHeight()) << code;
            EXPECT_GE(g.yoffset, 0) << code;
            EXPECT_LE(g.yoffset + g.height, font.lineHeight()) << code;
        }
        for (std::uint32_t code :
             {0x41u, 0x7Au, 0x30u, 0x26u, 0xE4u, 0xEBu, 0xF6u, 0xFCu, 0xDFu, 0xC9u}) {
            EXPECT_GE(font.glyph(code).id, 0) << "missing glyph " << code;
        }
        EXPECT_GT(font.textWidth("M\xC3\xBCller"), font.textWidth("Mller"));
    }
}

TEST_F(ContentFontsTest, GreyPagesBecomeWhiteGlyphsWithCoverageAsAlpha) {
    const AngelFont font("content/fonts/CheltenhamBT28.fnt");
    const AngelFont::Glyph& m = font.glyph('M');
    const Image* page = font.page(m.page)->keptImage();
    ASSERT_NE(nullptr, page);
    int inked = 0;
    for (int y = m.y; y < m.y + m.height; ++y) {
        for (int x = m.x; x < m.x + m.width; ++x) {
            const Color c = page->getPixel(x, y);
            if (c.a > 0) {
                ++inked;
                EXPECT_EQ(Color(255, 255, 255, c.a), c);
            }
        }
    }
    EXPECT_GT(inked, m.width * m.height / 5) << "an M covers a good part of its cell";
}

TEST_F(ContentFontsTest, ClassicPairsAreKernedInTheTitleFont) {
    const AngelFont font("content/fonts/CheltenhamBT28.fnt");
    EXPECT_LT(font.kerning('A', 'V'), 0);
    EXPECT_LT(font.textWidth("AV"), font.textWidth("A") + font.textWidth("V"));
    EXPECT_LT(font.kerning('T', 'o'), 0);
}

TEST_F(ContentFontsTest, TextDrawsInTheWindow) {
    const AngelFont font("content/fonts/CheltenhamBT28.fnt");
    font.drawText(graphics, 20, 20, "Zo\xC3\xAB", Color(255, 255, 255));
    int lit = 0;
    for (int y = 20; y < 20 + font.lineHeight(); ++y) {
        for (int x = 20; x < 20 + font.textWidth("Zo\xC3\xAB"); ++x) {
            lit += isBlack(pixelAt(x, y)) ? 0 : 1;
        }
    }
    EXPECT_GT(lit, 100);
    // The dots of the ë: lit pixels above the x-height over the last letter.
    const int eLeft = 20 + font.textWidth("Zo");
    const int xHeightTop = 20 + font.glyph('o').yoffset;
    int dots = 0;
    for (int y = 20; y < xHeightTop; ++y) {
        for (int x = eLeft; x < 20 + font.textWidth("Zo\xC3\xAB"); ++x) {
            dots += isBlack(pixelAt(x, y)) ? 0 : 1;
        }
    }
    EXPECT_GT(dots, 4);
}

} // namespace
