#include "engine/graphics/AngelFont.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/GLWindowTest.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const Color kRed(255, 0, 0);
const Color kGreen(0, 255, 0);

struct GlyphSpec {
    int id, x, y, width, height, xoffset, yoffset, xadvance, page;
};

// A test font with a 64 x 16 RGBA page: 'A' is red, 'V' green, the rest blue.
// Lower-case letters share one 8-pixel cell and advance 10; the blank advances 4.
class AngelFontTest : public GLWindowTest {
protected:
    void SetUp() override {
        GLWindowTest::SetUp();
        ASSERT_TRUE(writePngPicture(folder / "page.png", 64, 16, [](int x, int) {
            return x < 8 ? kRed : (x < 16 ? kGreen : Color(0, 0, 255));
        }));
        std::vector<GlyphSpec> glyphs = {
            {'A', 0, 0, 8, 10, 0, 2, 10, 0}, {'V', 8, 0, 8, 10, 0, 2, 10, 0},
            {'B', 16, 0, 6, 12, 2, 0, 9, 0}, {235, 24, 0, 6, 10, 0, 0, 8, 0},
            {'Z', 32, 0, 7, 10, 0, 0, 9, 0}, {' ', 0, 0, 0, 0, 0, 0, 4, 0},
        };
        for (int c = 'a'; c <= 'z'; ++c) {
            glyphs.push_back({c, 40, 0, 8, 10, 0, 0, 10, 0});
        }
        const std::string path = writeFont("test.fnt", glyphs, "page.png",
                                           {{'A', 'V', -2}, {'V', 'A', -3}, {'A', 300, -9}});
        font = std::make_unique<AngelFont>(path);
    }

    std::string writeFont(const std::string& name, const std::vector<GlyphSpec>& glyphs,
                          const std::string& pages,
                          const std::vector<std::array<int, 3>>& kernings = {}) {
        std::ostringstream xml;
        xml << "<?xml version=\"1.0\"?>\n<font><info face=\"Test\"/>"
            << "<common lineHeight=\"20\" base=\"16\" pages=\"1\"/><pages>";
        std::istringstream files(pages);
        for (std::string file; std::getline(files, file, ',');) {
            xml << "<page id=\"0\" file=\"" << file << "\"/>";
        }
        xml << "</pages><chars>";
        for (const GlyphSpec& g : glyphs) {
            xml << "<char id=\"" << g.id << "\" x=\"" << g.x << "\" y=\"" << g.y << "\" width=\""
                << g.width << "\" height=\"" << g.height << "\" xoffset=\"" << g.xoffset
                << "\" yoffset=\"" << g.yoffset << "\" xadvance=\"" << g.xadvance << "\" page=\""
                << g.page << "\"/>";
        }
        xml << "</chars><kernings>";
        for (const auto& k : kernings) {
            xml << "<kerning first=\"" << k[0] << "\" second=\"" << k[1] << "\" amount=\"" << k[2]
                << "\"/>";
        }
        xml << "</kernings></font>";
        const std::string path = folder / name;
        TemporaryDirectory::writeFile(path, xml.str());
        return path;
    }

    // x, y of each glyph drawn, in order.
    static std::vector<std::pair<int, int>> placements(const RecordingGraphics& g) {
        std::vector<std::pair<int, int>> result;
        for (const RecordedCall* call : g.findAll("drawTextureRegion")) {
            result.emplace_back(call->intArg(0), call->intArg(1));
        }
        return result;
    }

    using Placements = std::vector<std::pair<int, int>>;

    TemporaryDirectory folder;
    std::unique_ptr<AngelFont> font;
    RecordingGraphics recorder;
};

TEST_F(AngelFontTest, ReadsGlyphsPagesAndKerning) {
    EXPECT_EQ(20, font->lineHeight());
    EXPECT_EQ(32, font->glyphCount());
    EXPECT_EQ(1, font->pageCount());
    ASSERT_NE(nullptr, font->page(0));
    EXPECT_EQ(64, font->page(0)->imageWidth());
    EXPECT_EQ(-2, font->kerning('A', 'V'));
    EXPECT_EQ(0, font->kerning('V', 'V'));
    EXPECT_EQ(0, font->kerning('A', 300)) << "second codes of 256 and more are ignored";
    EXPECT_EQ(-1, font->glyph('?').id);
    EXPECT_EQ(9, font->glyph('B').xadvance);
}

TEST_F(AngelFontTest, WidthAdvancesByXadvanceLessXoffsetWithKerning) {
    EXPECT_EQ(0, font->textWidth(""));
    EXPECT_EQ(10, font->textWidth("A"));
    EXPECT_EQ(7, font->textWidth("B")) << "9 - 2";
    EXPECT_EQ(18, font->textWidth("AV")) << "kerning -2 narrows AV";
    EXPECT_EQ(25, font->textWidth("AVA")) << "-2 then -3";
    EXPECT_EQ(20, font->textWidth("A\nV")) << "a line feed breaks kerning; all lines count";
    EXPECT_EQ(20, font->textWidth("A\rV"));
    EXPECT_EQ(20, font->textWidth("A?V")) << "a missing glyph adds nothing and breaks kerning";
}

TEST_F(AngelFontTest, DrawingPlacesGlyphsAtThePenWithoutTheirXoffset) {
    font->drawText(recorder, 100, 50, "ABV", Color(9, 9, 9));
    const RecordedCall* blending = recorder.find("setBlending");
    ASSERT_NE(nullptr, blending);
    EXPECT_EQ(1, blending->intArg(0)) << "glyphs are blended over what is below";
    EXPECT_EQ((Placements{{100, 52}, {110, 50}, {117, 52}}), placements(recorder))
        << recorder.dump();
    const RecordedCall* b = recorder.find("drawTextureRegion", 1);
    EXPECT_EQ(Rect(16, 0, 22, 12), b->source);
    EXPECT_EQ(Color(9, 9, 9), b->color);
    EXPECT_EQ(font->page(0), b->texture);
}

TEST_F(AngelFontTest, LineFeedsStartNewLinesAndMissingGlyphsDrawNothing) {
    font->drawText(recorder, 0, 0, "AV\nVA?A", Color());
    EXPECT_EQ((Placements{{0, 2}, {8, 2}, {0, 22}, {7, 22}, {17, 22}}), placements(recorder))
        << recorder.dump();
}

TEST_F(AngelFontTest, TextIsDecodedAsUtf8AndStrayBytesStandForThemselves) {
    EXPECT_EQ(27, font->textWidth("Zo\xC3\xAB")) << "Zoë: 9 + 10 + 8";
    EXPECT_EQ(27, font->textWidth("Zo\xEB")) << "a lone Latin-1 byte is its own character";
    EXPECT_EQ(8, font->textWidth("\xC3\xAB\xC3")) << "a cut-off sequence is a missing glyph";
    EXPECT_EQ(0, font->textWidth("\xE2\x80\x94")) << "an em dash beyond the font";

    font->drawText(recorder, 0, 0, "M\xC3\xBCller Zo\xC3\xAB", Color());
    const auto drawn = recorder.findAll("drawTextureRegion");
    ASSERT_EQ(8u, drawn.size()) << "M and ü have no glyph here; 'ller Zoë' has 8 visible";
    EXPECT_EQ(Rect(24, 0, 30, 10), drawn.back()->source) << "ë drawn from its own cell";
}

TEST_F(AngelFontTest, BoxAlignsLinesHorizontallyAndVertically) {
    const WidgetRect box(10, 30, 5, 200, 100);
    font->drawTextBox(recorder, box, "a\na\na", Color(), Font::AlignLeft, Font::AlignBottom, false);
    EXPECT_EQ((Placements{{10, 70}, {10, 90}, {10, 110}}), placements(recorder))
        << "three lines of 20 in a box of 100 start 40 down";
    recorder.clearCalls();

    font->drawTextBox(recorder, box, "a\na\na", Color(), Font::AlignRight, Font::AlignMiddle,
                      false);
    EXPECT_EQ((Placements{{200, 50}, {200, 70}, {200, 90}}), placements(recorder));
    recorder.clearCalls();

    font->drawTextBox(recorder, box, "AV", Color(), Font::AlignCenter, 99, false);
    EXPECT_EQ((Placements{{101, 32}, {109, 32}}), placements(recorder))
        << "(200 - 18) / 2; an unknown vertical value is the top";
}

TEST_F(AngelFontTest, WrappingWordsFillsLinesGreedily) {
    EXPECT_EQ("one two\nthree", font->wrapWords("one two three", 70));
    EXPECT_EQ("one\ntwo\nthree", font->wrapWords("one two three", 20));
    EXPECT_EQ("one two three", font->wrapWords("one two three", 200));
    EXPECT_EQ("unbreakable", font->wrapWords("unbreakable", 5));
    // A box of no width, or a negative one from a layout gone wrong, ends too.
    EXPECT_EQ("one\ntwo\nthree", font->wrapWords("one two three", 0));
    EXPECT_EQ("one\ntwo\nthree", font->wrapWords("one two three", -40));
    EXPECT_EQ("one\ntwo\nthree", font->wrapWords("one\ntwo three", 60))
        << "an inner line feed stays inside its word";

    font->drawTextBox(recorder, WidgetRect(0, 0, 0, 70, 100), "one two three", Color(),
                      Font::AlignLeft, Font::AlignTop, true);
    EXPECT_EQ(20, recorder.last("drawTextureRegion")->intArg(1)) << "three on the second line";
}

TEST_F(AngelFontTest, WrappingAtBlanksBreaksOnlyOnceALineIsFull) {
    EXPECT_EQ("one\ntwo\nthree", font->wrapAtBlanks("one two three", 35));
    EXPECT_EQ("one two three", font->wrapAtBlanks("one two three", 1000));
    EXPECT_EQ("abcdefgh", font->wrapAtBlanks("abcdefgh", 20)) << "no blank, no break";
    EXPECT_EQ("ab\ncd\nef", font->wrapAtBlanks("ab\ncd ef", 25)) << "line feeds end lines";
    EXPECT_EQ(" abcdef", font->wrapAtBlanks(" abcdef", 10)) << "a blank at position 0 never breaks";
}

TEST_F(AngelFontTest, GlyphsCanBeCopiedIntoAnImage) {
    SDLSurfaceImage target(64, 32);
    font->drawTextToImage(*target.graphics(), 1, 1, "AV", Color(1, 2, 3), false);
    EXPECT_EQ(kRed, target.getPixel(1, 3)) << "A at its yoffset, in its own colour";
    EXPECT_EQ(kRed, target.getPixel(8, 12));
    EXPECT_EQ(kGreen, target.getPixel(9, 3)) << "V after A's 10 less the kerning of 2";
    EXPECT_EQ(Color(0, 0, 0, 0), target.getPixel(1, 2));

    SDLSurfaceImage boxed(64, 64);
    font->drawTextBoxToImage(*boxed.graphics(), WidgetRect(0, 0, 0, 64, 64), "A", Color(),
                             Font::AlignCenter, Font::AlignBottom, false, true);
    // Blended in: the colour arrives, the target keeps its (transparent) alpha.
    EXPECT_EQ(Color(255, 0, 0, 0), boxed.getPixel(27, 46));
    EXPECT_EQ(Color(0, 0, 0, 0), boxed.getPixel(26, 46));
}

TEST_F(AngelFontTest, DrawsRealPixels) {
    font->drawText(graphics, 100, 100, "AV", Color());
    EXPECT_EQ(kRed, pixelAt(100, 102));
    EXPECT_EQ(kGreen, pixelAt(108, 102)) << "V drawn over the last columns of A";
    EXPECT_EQ(kGreen, pixelAt(115, 111));
    EXPECT_TRUE(isBlack(pixelAt(116, 102)));
    EXPECT_TRUE(isBlack(pixelAt(100, 101)));
}

TEST_F(AngelFontTest, UnreadableFontIsEmptyAndSaysWhichFile) {
    StdoutCapture capture;
    AngelFont missing(folder / "absent.fnt");
    const std::string out = capture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(out)) << out;
    EXPECT_NE(std::string::npos, out.find("absent.fnt"));
    EXPECT_EQ(0, missing.lineHeight());
    EXPECT_EQ(0, missing.textWidth("AV"));
    missing.drawText(recorder, 0, 0, "AV", Color());
    missing.drawTextBox(recorder, WidgetRect(0, 0, 0, 10, 10), "AV", Color(), 0, 0, true);
    EXPECT_EQ(0, recorder.count("drawTextureRegion"));
}

TEST_F(AngelFontTest, GlyphsOfAMissingPageAreSkippedOthersDraw) {
    const std::string path = writeFont("two.fnt",
                                       {{'A', 0, 0, 8, 10, 0, 0, 10, 0},
                                        {'V', 8, 0, 8, 10, 0, 0, 10, 1},
                                        {'Z', 0, 0, 8, 10, 0, 0, 10, 7}},
                                       "gone.png,page.png");
    StdoutCapture capture;
    AngelFont font2(path);
    EXPECT_NE(std::string::npos, capture.finish().find("gone.png"));
    EXPECT_EQ(2, font2.pageCount());
    EXPECT_EQ(nullptr, font2.page(0));
    font2.drawText(recorder, 0, 0, "AVZ", Color());
    ASSERT_EQ(1, recorder.count("drawTextureRegion")) << "only V's page exists";
    EXPECT_EQ(10, recorder.find("drawTextureRegion")->intArg(0));
    SDLSurfaceImage target(32, 32);
    font2.drawTextToImage(*target.graphics(), 0, 0, "AVZ", Color(), false);
    EXPECT_EQ(kGreen, target.getPixel(10, 0));
}

// Damaged font files: sizes that would overflow the measuring, a flood of
// pages, and BMFont's text form, which only looks like an empty XML file.
TEST_F(AngelFontTest, DamagedFontsAreReadWithinLimitsAndSaySo) {
    std::string xml = TemporaryDirectory::readFile(writeFont(
        "huge.fnt", {{'A', 0, 0, 8, 10, 0, 0, 2000000000, 0}, {'V', 8, 0, 8, 10, 0, 0, 10, 900}},
        "page.png"));
    xml.replace(xml.find("lineHeight=\"20\""), 15, "lineHeight=\"99999\"");
    std::string pages;
    for (int i = 0; i < 2000; ++i) {
        pages += "<page id=\"0\" file=\"page.png\"/>";
    }
    xml.replace(xml.find("<pages>") + 7, 0, pages);
    TemporaryDirectory::writeFile(folder / "huge.fnt", xml);
    StdoutCapture capture;
    AngelFont huge(folder / "huge.fnt");
    const std::string out = capture.finish();
    EXPECT_EQ(1024, huge.lineHeight()) << "the largest line height taken";
    EXPECT_EQ(64, huge.pageCount()) << "pages after the 64th are not read";
    // Each A advances 1024 at most: 3 of them stay far from overflowing.
    EXPECT_EQ(3 * 1024, huge.textWidth("AAA"));
    EXPECT_NE(std::string::npos, out.find("more than 64 pages")) << out;
    EXPECT_NE(std::string::npos, out.find("value(s) that are not numbers or are out of range"))
        << out;

    TemporaryDirectory::writeFile(folder / "text.fnt",
                                  "info face=\"Test\" size=20\ncommon lineHeight=20\n");
    StdoutCapture textCapture;
    AngelFont textForm(folder / "text.fnt");
    EXPECT_NE(std::string::npos, textCapture.finish().find("BMFont text file"));
    EXPECT_EQ(0, textForm.lineHeight());
}

TEST_F(AngelFontTest, DeferredFontLoadsOnRequest) {
    DeferableResource::setDeferredLoading(true);
    AngelFont later(folder / "test.fnt");
    DeferableResource::setDeferredLoading(false);
    EXPECT_TRUE(later.isPending());
    EXPECT_EQ(0, later.lineHeight());
    later.load();
    EXPECT_FALSE(later.isPending());
    EXPECT_EQ(20, later.lineHeight());
    EXPECT_EQ(18, later.textWidth("AV"));
}

} // namespace
