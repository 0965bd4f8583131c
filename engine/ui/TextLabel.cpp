#include "engine/ui/TextLabel.h"

#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"

TextLabel::TextLabel(const std::string& text, const Font* font, int alignMode,
                     const Color& textColour, const Color& boxColour, const Color& shadowColour)
    : font_(font), text_(text), textColour_(textColour), boxColour_(boxColour),
      shadowColour_(shadowColour), alignMode_(alignMode) {}

void TextLabel::render(Graphics& graphics, ScreenBase*) {
    // Without a font the text measures nothing and is not drawn; the box still is.
    const int textWidth = font_ ? font_->textWidth(text_) : 0;
    const int lineHeight = font_ ? font_->lineHeight() : 0;
    int ox = 0;
    int oy = 0;
    if (alignMode_ == CentredHorizontally || alignMode_ == Centred) {
        ox = (width() - textWidth) / 2;
    }
    if (alignMode_ == Centred) {
        oy = (height() - lineHeight) / 2;
    }
    graphics.fillRect(ox, oy, width(), height(), boxColour_);
    if (!font_) {
        return;
    }
    if (shadowColour_ != NoShadow) {
        font_->drawText(graphics, ox, oy + 2, text_, shadowColour_);
    }
    font_->drawText(graphics, ox, oy, text_, textColour_);
}
