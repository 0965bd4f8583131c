#include "engine/ui/TextLabelEx.h"

#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"

TextLabelEx::TextLabelEx(const std::string& text, const Font* font, const Color& textColour,
                         const Color& boxColour)
    : font_(font), text_(text), textColour_(textColour), boxColour_(boxColour) {}

void TextLabelEx::render(Graphics& graphics, ScreenBase*) {
    if (hidden_) {
        return;
    }
    graphics.fillRect(0, 0, width(), height(), boxColour_);
    if (font_) {
        font_->drawTextBox(graphics, WidgetRect(0, 0, 0, width(), height()), text_, textColour_,
                           hAlign_, vAlign_, wrap_);
    }
}
