#pragma once

#include "engine/graphics/Font.h"
#include "engine/graphics/Utf8Text.h"
#include "tests/support/RecordingGraphics.h"

#include <string>
#include <vector>

// A font without pictures for layout tests. Widths are per character, not
// per byte: 'w' is 12 pixels, 'i' 4, every character past ASCII 10, any
// other 8. Instead of drawing, it writes down each line it was asked to draw.
class FixedWidthFont : public Font {
public:
    struct DrawnText {
        int x;
        int y;
        std::string text;
        Color color;
        // How many calls the RecordingGraphics had received before, to check
        // order against boxes; -1 for other renderers.
        int callsBefore;
    };

    explicit FixedWidthFont(int lineHeight = 20) { lineHeight_ = lineHeight; }

    static int charWidth(std::uint32_t code) {
        if (code == 'w') {
            return 12;
        }
        if (code == 'i') {
            return 4;
        }
        return code >= 128 ? 10 : 8;
    }

    void load() override {}
    int textWidth(const std::string& text) const override {
        int width = 0;
        Utf8Reader reader(text);
        while (!reader.atEnd()) {
            width += charWidth(reader.next());
        }
        return width;
    }
    void drawText(Graphics& graphics, int x, int y, const std::string& text,
                  const Color& color) const override {
        const auto* recording = dynamic_cast<const RecordingGraphics*>(&graphics);
        drawn.push_back(
            DrawnText{x, y, text, color, recording ? int(recording->calls().size()) : -1});
    }
    void drawTextToImage(ImageGraphics&, int, int, const std::string&, const Color&,
                         bool) const override {}
    void reupload() override {}
    void releaseGL() override {}

    mutable std::vector<DrawnText> drawn;
};
