#include "game/scene/HintButton.h"

#include "engine/audio/SfxContainer.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/WidgetListeners.h"
#include "game/scene/ItemActions.h"

#include <cmath>

HintButton::HintButton(SimpleButtonListener* listener, int id, const GLTexture* base,
                       const GLTexture* frame)
    : listener_(listener), id_(id), normal_(base), hoverTexture_(base), frame_(frame),
      current_(base) {
    setSize(base ? base->imageWidth() : 128, base ? base->imageHeight() : 64);
}

HintButton::~HintButton() = default;

void HintButton::setLabel(const std::string& text, const Font* font, const WidgetRect& box,
                          const Color& color) {
    label_ = text;
    font_ = font;
    textBox_ = box;
    textColor_ = color;
}

void HintButton::mouseEntered() {
    playSoundEffect("BUTTON_OVER");
    if (listener_) {
        listener_->buttonEvent(id_, Entered);
    }
    hover_ = true;
    current_ = hoverTexture_;
}

void HintButton::mouseLeft() {
    if (listener_) {
        listener_->buttonEvent(id_, Left);
    }
    hover_ = false;
    current_ = normal_;
}

void HintButton::mousePressed(const MouseEvent&) {
    if (!isVisible()) {
        return;
    }
    playSoundEffect("BUTTON_PRESS");
    if (listener_) {
        listener_->buttonEvent(id_, Pressed);
    }
    pressed_ = true;
}

void HintButton::mouseReleased(const MouseEvent&) {
    current_ = hover_ ? hoverTexture_ : normal_;
    if (pressed_ && hover_ && ready_) {
        using namespace item_actions;
        progress_ = 0;
        ready_ = false;
        recharge_ = by(&progress_, 1.0f, RechargeMs);
        recharge_->start(this, 0);
        if (listener_) {
            listener_->buttonEvent(id_, Clicked);
        }
    }
    pressed_ = false;
}

void HintButton::onDisabled() {
    pressed_ = hover_ = false;
    current_ = normal_;
}

void HintButton::update(int elapsedMs, ScreenBase*) {
    if (recharge_ && recharge_->isRunning()) {
        recharge_->update(elapsedMs);
    }
}

void HintButton::actionFinished(int) {
    // The action is dropped at the next update, not inside its own report.
    ready_ = true;
}

void HintButton::render(Graphics& graphics, ScreenBase*) {
    if (!isVisible()) {
        return;
    }
    if (!ready_ && current_) {
        graphics.drawTexture(0, 0, current_, Color(255, 255, 255, 100));
        if (frame_) {
            graphics.drawTexture(0, 0, frame_, Color());
        }
        int filled = int(std::floor(float(current_->imageWidth()) * progress_));
        filled -= filled % 2;
        if (filled > 0) {
            graphics.drawTextureRegion(0, 0, current_,
                                       Rect(0, 0, float(filled), float(current_->imageHeight())),
                                       Color(255, 255, 0, 255));
        }
    } else if (current_) {
        graphics.drawTexture(0, 0, current_, Color());
    }
    if (font_ && !label_.empty()) {
        font_->drawTextBox(graphics, textBox_, label_, hover_ ? Color(64, 64, 64) : textColor_,
                           Font::AlignCenter, Font::AlignMiddle, false);
    }
}

bool HintButton::hitTest(int px, int py) const {
    return isVisible() && Widget::hitTest(px, py) &&
           (!normal_ || normal_->isOpaqueAt(px - x(), py - y()));
}
