#pragma once

#include "engine/ui/Widget.h"

#include <string>

class Font;

// One line of text over a filled box. The creator sets the widget's size;
// the alignment mode places text and box inside it.
class TextLabel : public Widget {
public:
    enum AlignMode { TopLeft = 0, CentredHorizontally = 1, Centred = 2 };

    // A shadow of this colour means "no shadow".
    static constexpr Color NoShadow = Color(255, 255, 255, 0);

    TextLabel(const std::string& text, const Font* font, int alignMode = TopLeft,
              const Color& textColour = Color(), const Color& boxColour = Color(0, 0, 0, 0),
              const Color& shadowColour = NoShadow);

    void render(Graphics& graphics, ScreenBase* screen) override;

    void setText(const std::string& text) { text_ = text; }
    const std::string& text() const { return text_; }
    void setFont(const Font* font) { font_ = font; }
    const Font* font() const { return font_; }
    void setAlignMode(int mode) { alignMode_ = mode; }
    int alignMode() const { return alignMode_; }
    void setTextColour(const Color& colour) { textColour_ = colour; }
    const Color& textColour() const { return textColour_; }
    void setBoxColour(const Color& colour) { boxColour_ = colour; }
    const Color& boxColour() const { return boxColour_; }
    void setShadowColour(const Color& colour) { shadowColour_ = colour; }
    const Color& shadowColour() const { return shadowColour_; }

private:
    const Font* font_;
    std::string text_;
    Color textColour_;
    Color boxColour_;
    Color shadowColour_;
    int alignMode_;
};
