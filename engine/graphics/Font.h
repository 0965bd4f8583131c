#pragma once

#include "engine/core/DeferableResource.h"
#include "engine/graphics/Types.h"

#include <cstdint>
#include <string>

class Graphics;
class ImageGraphics;

// A bitmap font: measuring and drawing lines of text, and laying text out in
// boxes. Texts are UTF-8; a byte that is not part of valid UTF-8 stands for
// the character of its own code.
class Font : public DeferableResource {
public:
    enum HorizontalAlignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    enum VerticalAlignment { AlignTop = 0, AlignMiddle = 2, AlignBottom = 4 };

    ~Font() override = default;

    int lineHeight() const { return lineHeight_; }

    // The advance of the whole text, all lines together (callers split lines).
    virtual int textWidth(const std::string& text) const = 0;
    virtual void drawText(Graphics& graphics, int x, int y, const std::string& text,
                          const Color& color) const = 0;
    // Copies the glyphs into an image (their own colours; `color` is not applied).
    virtual void drawTextToImage(ImageGraphics& target, int x, int y, const std::string& text,
                                 const Color& color, bool useAlpha) const = 0;
    virtual void reupload() = 0;
    virtual void releaseGL() = 0;
    // Whether the font has a picture for the character.
    virtual bool canDraw(std::uint32_t /*code*/) const { return true; }

    // Lays the text out in the box (its depth is ignored): optional word
    // wrapping to the box width, lines split at line feeds, each line aligned.
    void drawTextBox(Graphics& graphics, const WidgetRect& box, const std::string& text,
                     const Color& color, int horizontal, int vertical, bool wrap) const;
    void drawTextBoxToImage(ImageGraphics& target, const WidgetRect& box, const std::string& text,
                            const Color& color, int horizontal, int vertical, bool wrap,
                            bool useAlpha) const;

    // Breaks between words so that lines fit `maxWidth` where they can; a word
    // wider than that stands alone on its line.
    std::string wrapWords(const std::string& text, int maxWidth) const;
    // Breaks at the last blank or tab once a line has reached `maxWidth`; a
    // line without such a blank is not broken.
    std::string wrapAtBlanks(const std::string& text, int maxWidth) const;

protected:
    Font() = default;
    explicit Font(std::string path) : DeferableResource(std::move(path)) {}

    int lineHeight_ = 0;

private:
    // Calls `drawLine(x, y, line)` for each laid-out line of the box.
    template <typename DrawLine>
    void layOut(const WidgetRect& box, const std::string& text, int horizontal, int vertical,
                bool wrap, DrawLine drawLine) const;
};
