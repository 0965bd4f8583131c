#include "engine/ui/CustomSliderWidget.h"

#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/DefaultResources.h"

#include <algorithm>

CustomSliderWidget::CustomSliderWidget(int sliderId, CustomSliderListener* listener, int x, int y)
    : CustomSliderWidget(sliderId, listener, x, y, applicationTexture("OPT_SLIDER_RAIL"),
                         applicationTexture("OPT_SLIDER_THUMB")) {}

CustomSliderWidget::CustomSliderWidget(int sliderId, CustomSliderListener* listener, int x, int y,
                                       const GLTexture* rail, const GLTexture* thumb)
    : listener_(listener), sliderId_(sliderId), thumbTexture_(thumb) {
    setPosition(x, y, true);
    setRailTexture(rail);
}

void CustomSliderWidget::setRailTexture(const GLTexture* rail) {
    railTexture_ = rail;
    const int w = rail ? rail->imageWidth() : 0;
    const int h = rail ? rail->imageHeight() : 0;
    railRect_ = WidgetRect(0, 0, 0, w, h);
    setSize(w, h);
}

void CustomSliderWidget::setValue(float value) {
    // Written so that a NaN from bad stored data ends up at 0.
    value_ = value > 1.0f ? 1.0f : (value >= 0.0f ? value : 0.0f);
}

int CustomSliderWidget::railWidth() const {
    return railRect_.width;
}

int CustomSliderWidget::thumbX() const {
    return int(value_ * float(railWidth()) + float(thumbOffsetX_));
}

void CustomSliderWidget::mousePressed(const MouseEvent& event) {
    dragging_ = true;
    mouseMoved(event);
}

void CustomSliderWidget::mouseMoved(const MouseEvent& event) {
    // Without a rail there is no scale to slide along.
    if (!dragging_ || railWidth() <= 0) {
        return;
    }
    // The pointer holds the thumb by its middle: grabbing the thumb does not
    // make it jump, and a click on the rail's middle gives one half.
    const int grab = thumbTexture_ ? thumbTexture_->imageWidth() / 2 : 0;
    const float position = float(event.x - x() - thumbOffsetX_ - grab) / float(railWidth());
    value_ = std::clamp(position, 0.0f, 1.0f);
    if (listener_) {
        listener_->onSliderChanged(sliderId_, value_);
    }
}

void CustomSliderWidget::mouseReleased(const MouseEvent&) {
    dragging_ = false;
}

bool CustomSliderWidget::hitTest(int px, int py) const {
    const int dx = px - x();
    const int dy = py - y();
    if (railRect_.x <= dx && dx < railRect_.x + railRect_.width && railRect_.y <= dy &&
        dy < railRect_.y + railRect_.height) {
        return true;
    }
    if (!thumbTexture_) {
        return false;
    }
    const int left = thumbX();
    return left <= dx && dx < left + thumbTexture_->imageWidth() && thumbY_ <= dy &&
           dy < thumbY_ + thumbTexture_->imageHeight();
}

void CustomSliderWidget::render(Graphics& graphics, ScreenBase*) {
    const Color white(255, 255, 255, 255);
    if (railTexture_) {
        graphics.drawTexture(0, 0, railTexture_, white);
    }
    if (fillTexture_ && fillTexture_->imageWidth() > 0) {
        const int fillWidth = fillTexture_->imageWidth();
        const float copies = value_ * float(railWidth()) / float(fillWidth);
        for (int i = 0; float(i) < copies; ++i) {
            graphics.drawTexture(fillX_ + i * fillWidth, fillY_, fillTexture_, white);
        }
    }
    if (thumbTexture_) {
        graphics.drawTexture(thumbX(), thumbY_, thumbTexture_, white);
    }
}
