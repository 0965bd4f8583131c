#include "engine/ui/CheckBoxWidget.h"

#include "engine/audio/SfxContainer.h"
#include "engine/audio/Sound.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/DefaultResources.h"

CheckBoxWidget::CheckBoxWidget(CheckBoxListener* listener, int checkBoxId)
    : CheckBoxWidget(listener, checkBoxId, applicationTexture("OPT_CHECKBOX_OFF"),
                     applicationTexture("OPT_CHECKBOX_ON")) {}

CheckBoxWidget::CheckBoxWidget(CheckBoxListener* listener, int checkBoxId, const GLTexture* box,
                               const GLTexture* tick)
    : listener_(listener), checkBoxId_(checkBoxId), tickTexture_(tick) {
    setBoxTexture(box);
}

void CheckBoxWidget::setBoxTexture(const GLTexture* box) {
    boxTexture_ = box;
    setSize(box ? box->imageWidth() : 0, box ? box->imageHeight() : 0);
}

void CheckBoxWidget::mousePressed(const MouseEvent&) {
    ticked_ = !ticked_;
    SfxContainer& effects = SfxContainer::instance();
    if (effects.isEnabled()) {
        effects.play(ticked_ ? "CHECKBOX_CHECK" : "CHECKBOX_UNCHECK", false);
    } else if (clickSound_) {
        clickSound_->play();
    }
    if (listener_) {
        listener_->onCheckChanged(checkBoxId_, ticked_);
    }
}

void CheckBoxWidget::render(Graphics& graphics, ScreenBase*) {
    const Color white(255, 255, 255, 255);
    if (boxTexture_) {
        graphics.drawTexture(0, 0, boxTexture_, white);
    }
    if (ticked_ && tickTexture_) {
        graphics.drawTexture(tickX_, tickY_, tickTexture_, white);
    }
}
