#include "engine/ui/BlinkingVertCursor.h"

#include "engine/graphics/Graphics.h"

BlinkingVertCursor::BlinkingVertCursor(const Color& colour, int periodMs, int width)
    : colour_(colour), period_(periodMs), width_(width) {}

void BlinkingVertCursor::resetBlink() {
    visible_ = true;
    elapsed_ = 0;
}

void BlinkingVertCursor::drawCursor(Graphics& graphics) {
    if (visible_) {
        const WidgetRect& rect = cursorRect();
        graphics.fillRect(rect.x, rect.y, width_, rect.height, colour_);
    }
}

void BlinkingVertCursor::updateCursor(int elapsedMs) {
    elapsed_ += elapsedMs;
    if (elapsed_ > period_) {
        elapsed_ = 0;
        visible_ = !visible_;
    }
}
