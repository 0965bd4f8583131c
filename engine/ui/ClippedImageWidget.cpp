#include "engine/ui/ClippedImageWidget.h"

#include "engine/graphics/Graphics.h"

void ClippedImageWidget::render(Graphics& graphics, ScreenBase* screen) {
    if (clipX_ < 0 || clipY_ < 0 || clipWidth_ < 0 || clipHeight_ < 0) {
        ImageWidget::render(graphics, screen);
        return;
    }
    graphics.setClipping(true);
    graphics.setClipRect(clipX_, clipY_, clipWidth_, clipHeight_);
    ImageWidget::render(graphics, screen);
    graphics.setClipping(false);
}
