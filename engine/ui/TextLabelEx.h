#pragma once

#include "engine/ui/Widget.h"

#include <string>

class Font;

// Text laid out in the widget's own rectangle over a filled box: aligned both
// ways and, by default, wrapped between words to the widget's width.
class TextLabelEx : public Widget {
public:
    TextLabelEx(const std::string& text, const Font* font, const Color& textColour = Color(),
                const Color& boxColour = Color(0, 0, 0, 0));

    void render(Graphics& graphics, ScreenBase* screen) override;

    void setText(const std::string& text) { text_ = text; }
    const std::string& text() const { return text_; }
    void setFont(const Font* font) { font_ = font; }
    const Font* font() const { return font_; }
    void setTextColour(const Color& colour) { textColour_ = colour; }
    const Color& textColour() const { return textColour_; }
    void setBoxColour(const Color& colour) { boxColour_ = colour; }
    const Color& boxColour() const { return boxColour_; }
    // Font alignment codes: horizontal 0 left, 1 right, 2 centre; vertical 0 top,
    // 2 middle, 4 bottom.
    void setAlignment(int horizontal, int vertical) {
        hAlign_ = horizontal;
        vAlign_ = vertical;
    }
    int horizontalAlignment() const { return hAlign_; }
    int verticalAlignment() const { return vAlign_; }
    void setWrap(bool wrap) { wrap_ = wrap; }
    bool wraps() const { return wrap_; }
    // Hidden labels draw nothing; unlike setVisible this leaves hit testing alone.
    void setHidden(bool hidden) { hidden_ = hidden; }
    bool isHidden() const { return hidden_; }

private:
    const Font* font_;
    std::string text_;
    Color textColour_;
    Color boxColour_;
    int hAlign_ = 2;
    int vAlign_ = 2;
    bool wrap_ = true;
    bool hidden_ = false;
};
