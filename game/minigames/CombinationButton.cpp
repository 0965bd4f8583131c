#include "game/minigames/CombinationButton.h"

#include "engine/audio/SfxContainer.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/WidgetListeners.h"

CombinationButton::CombinationButton(int index, SimpleButtonListener* listener,
                                     const GLTexture* normalTexture, const GLTexture* litTexture)
    : index_(index), normalTexture_(normalTexture), litTexture_(litTexture), listener_(listener) {
    if (normalTexture_) {
        setSize(normalTexture_->imageWidth(), normalTexture_->imageHeight());
    }
}

void CombinationButton::render(Graphics& graphics, ScreenBase*) {
    const GLTexture* texture = lit_ ? litTexture_ : normalTexture_;
    if (texture) {
        graphics.drawTexture(0, 0, texture, Color(255, 255, 255, 255));
    }
}

bool CombinationButton::hitTest(int px, int py) const {
    return Widget::hitTest(px, py) && normalTexture_ &&
           normalTexture_->isOpaqueAt(px - x(), py - y());
}

void CombinationButton::mousePressed(const MouseEvent&) {
    playSoundEffect("SAFE_BTN_CLICK");
    lit_ = !lit_;
    if (listener_) {
        listener_->buttonEvent(index_, 0);
    }
}
