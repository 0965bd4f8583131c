#include "game/menus/DemoBoxWidget.h"

#include "engine/graphics/Graphics.h"

#include <algorithm>

namespace {
std::uint8_t scaled(std::uint8_t value, int percent) {
    return std::uint8_t(std::clamp(int(value) * percent / 100, 0, 255));
}
} // namespace

DemoBoxWidget::DemoBoxWidget(const WidgetRect& rect, const Color& color, int id,
                             SimpleButtonListener* listener)
    : Widget(rect), color_(color), id_(id), listener_(listener) {}

void DemoBoxWidget::update(int elapsedMs, ScreenBase*) {
    // The highlight eases in and out instead of snapping.
    const int target = hovered_ ? 200 : 0;
    glowMs_ = glowMs_ < target ? std::min(target, glowMs_ + elapsedMs)
                               : std::max(target, glowMs_ - elapsedMs);
}

void DemoBoxWidget::render(Graphics& graphics, ScreenBase*) {
    const int percent = pressed_ ? 70 : 100 + glowMs_ * 25 / 200;
    const Color body(scaled(color_.r, percent), scaled(color_.g, percent),
                     scaled(color_.b, percent), color_.a);
    graphics.fillRect(4, 6, width(), height(), Color(0, 0, 0, 90));
    graphics.fillRect(0, 0, width(), height(), body);
    graphics.fillRect(0, 0, width(), height() / 3, Color(255, 255, 255, 40));
    const Color frame = hovered_ ? Color(255, 226, 150) : Color(190, 150, 70);
    graphics.strokeRect(0, 0, width(), height(), frame);
    graphics.strokeRect(3, 3, width() - 6, height() - 6, Color(frame.r, frame.g, frame.b, 110));
}

void DemoBoxWidget::mousePressed(const MouseEvent&) {
    pressed_ = true;
    if (listener_) {
        listener_->buttonEvent(id_, ButtonPressed);
    }
}

void DemoBoxWidget::mouseReleased(const MouseEvent& event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    // Only a release over the box counts as a click.
    if (wasPressed && hitTest(event.x, event.y) && listener_) {
        listener_->buttonEvent(id_, ButtonClicked);
    }
}
