#include "engine/ui/Widget.h"

#include "engine/ui/WidgetManager.h"

void Widget::update(int, ScreenBase*) {}
void Widget::render(Graphics&, ScreenBase*) {}
void Widget::renderOverlay(Graphics&, ScreenBase*) {}
void Widget::mousePressed(const MouseEvent&) {}
void Widget::mouseMoved(const MouseEvent&) {}
void Widget::mouseReleased(const MouseEvent&) {}
void Widget::keyEvent(const KeyEvent&) {}
void Widget::onRectChanged(const WidgetRect&, const WidgetRect&) {}
void Widget::onMoved(const WidgetRect&, const WidgetRect&) {}
void Widget::onResized(const WidgetRect&, const WidgetRect&) {}

bool Widget::hitTest(int px, int py) const {
    return rect_.x <= px && px < rect_.x + rect_.width && rect_.y <= py &&
           py < rect_.y + rect_.height;
}

void Widget::setRect(const WidgetRect& rect) {
    const WidgetRect old = rect_;
    rect_ = rect;
    onRectChanged(old, rect_);
}

void Widget::setBounds(int x, int y, int width, int height) {
    const WidgetRect old = rect_;
    rect_ = WidgetRect(x, y, old.z, width, height);
    onResized(old, rect_);
    onRectChanged(old, rect_);
}

void Widget::setSize(int width, int height) {
    const WidgetRect old = rect_;
    rect_.width = width;
    rect_.height = height;
    onResized(old, rect_);
    onRectChanged(old, rect_);
}

void Widget::setPosition(int x, int y, bool silent) {
    const WidgetRect old = rect_;
    rect_.x = x;
    rect_.y = y;
    if (!silent) {
        onMoved(old, rect_);
        onRectChanged(old, rect_);
    }
}

void Widget::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (manager_) {
        manager_->refreshPointed(this, false);
    }
    if (enabled) {
        onEnabled();
    } else {
        onDisabled();
    }
}

void Widget::bringToFront() {
    if (manager_) {
        manager_->bringToFront(this);
        onBroughtToFront();
    }
}

void Widget::requestFocus() {
    if (manager_) {
        manager_->setFocus(this);
    }
}
