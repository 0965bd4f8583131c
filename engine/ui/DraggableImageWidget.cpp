#include "engine/ui/DraggableImageWidget.h"

#include "engine/graphics/GLTexture.h"

DraggableImageWidget::DraggableImageWidget(const GLTexture* texture, SimpleButtonListener* listener,
                                           int id, int x, int y)
    : ImageWidget(texture, x, y), listener_(listener), id_(id) {
    setEnabled(true);
}

void DraggableImageWidget::mousePressed(const MouseEvent& event) {
    grabX_ = event.x - x();
    grabY_ = event.y - y();
    if (!keepDepth_) {
        bringToFront();
    }
    dragging_ = true;
    if (listener_) {
        listener_->buttonEvent(id_, ButtonPressed);
    }
}

void DraggableImageWidget::mouseMoved(const MouseEvent& event) {
    if (dragging_) {
        setRect(WidgetRect(event.x - grabX_, event.y - grabY_, z(), width(), height()));
    }
}

void DraggableImageWidget::mouseReleased(const MouseEvent&) {
    dragging_ = false;
    if (listener_) {
        listener_->buttonEvent(id_, ButtonDropped);
    }
}

bool DraggableImageWidget::hitTest(int px, int py) const {
    const GLTexture* tex = texture();
    return tex && ImageWidget::hitTest(px, py) && tex->isOpaqueAt(px - x(), py - y());
}
