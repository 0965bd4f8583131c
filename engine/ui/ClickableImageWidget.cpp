#include "engine/ui/ClickableImageWidget.h"

#include "engine/graphics/GLTexture.h"

void ClickableImageWidget::mousePressed(const MouseEvent&) {
    if (listener_) {
        listener_->buttonEvent(id_, ButtonPressed);
    }
}

void ClickableImageWidget::mouseReleased(const MouseEvent&) {
    if (listener_) {
        listener_->buttonEvent(id_, ButtonClicked);
    }
}

bool ClickableImageWidget::hitTest(int px, int py) const {
    if (!pixelPrecise_) {
        return ImageWidget::hitTest(px, py);
    }
    const GLTexture* tex = texture();
    return tex && tex->isOpaqueAt(px - x(), py - y());
}
