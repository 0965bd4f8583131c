#include "engine/ui/QuillButton.h"

#include "engine/anim/ActionDelay.h"
#include "engine/anim/ActionSequence.h"
#include "engine/anim/ParalelAction.h"
#include "engine/anim/RelDecrementator.h"
#include "engine/anim/RelIncrementator.h"
#include "engine/anim/Setter.h"
#include "engine/audio/SfxContainer.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/WidgetManager.h"

namespace {

using Byte = unsigned char;

// 0 -> alpha over the fade time, ending exactly on alpha.
std::unique_ptr<lux::Action> fadeIn(Byte* target, Byte alpha, int ms) {
    auto sequence = std::make_unique<lux::ActionSequence>();
    sequence->add(std::make_unique<lux::Setter<Byte>>(target, Byte(0)));
    sequence->add(std::make_unique<lux::RelIncrementator<Byte>>(lux::Duration(ms), target, alpha));
    sequence->add(std::make_unique<lux::Setter<Byte>>(target, alpha));
    return sequence;
}

// alpha -> 0 over the fade time, ending exactly on 0.
std::unique_ptr<lux::Action> fadeOut(Byte* target, Byte alpha, int ms) {
    auto sequence = std::make_unique<lux::ActionSequence>();
    sequence->add(std::make_unique<lux::Setter<Byte>>(target, alpha));
    if (alpha != 0) {
        sequence->add(
            std::make_unique<lux::RelDecrementator<Byte>>(lux::Duration(ms), target, alpha));
    }
    sequence->add(std::make_unique<lux::Setter<Byte>>(target, Byte(0)));
    return sequence;
}

} // namespace

QuillButton::QuillButton(QuillButtonListener* listener, int id, const ButtonStyle& style,
                         const std::string& label)
    : style_(style), label_(label), listener_(listener), id_(id) {
    setName(label);
    style_.saveColors();
}

QuillButton::~QuillButton() = default;

std::unique_ptr<QuillButton> makeQuillButton(QuillButtonListener* listener, int id,
                                             const ButtonStyle& style, const std::string& label) {
    return std::make_unique<QuillButton>(listener, id, style, label);
}

void QuillButton::onAttach() {
    startFade(false);
}

void QuillButton::updateState() {
    int state = ButtonStyle::Normal;
    if (!enabled_) {
        state = ButtonStyle::Disabled;
    } else if (pressed_ && hovered_) {
        state = ButtonStyle::Pressed;
    } else if (hovered_) {
        state = ButtonStyle::Over;
    }
    previousState_ = state_;
    state_ = state;
    if (state_ != previousState_ &&
        style_.looks[std::size_t(state_)] != style_.looks[std::size_t(previousState_)]) {
        startFade(true);
    }
}

void QuillButton::startFade(bool fromPrevious) {
    fading_ = true;
    fadeAction_.reset();
    // A fade cut short leaves alphas half-way: every fade starts from the
    // configured colours.
    style_.restoreColors();
    ButtonLook& now = style_.looks[std::size_t(state_)];
    const int ms = style_.fadeTime;
    auto parallel = std::make_unique<lux::ParalelAction>();
    parallel->add(fadeIn(&now.color.a, now.color.a, ms));
    parallel->add(fadeIn(&now.labelColor.a, now.labelColor.a, ms));
    if (fromPrevious) {
        ButtonLook& before = style_.looks[std::size_t(previousState_)];
        parallel->add(fadeOut(&before.color.a, before.color.a, 3 * ms));
        parallel->add(fadeOut(&before.labelColor.a, before.labelColor.a, 3 * ms));
    }
    fadeAction_ = std::move(parallel);
    fadeAction_->start(this, FadeAction);
}

void QuillButton::actionFinished(int index) {
    if (index == FadeAction) {
        style_.restoreColors();
        fading_ = false;
    } else if (index == TooltipAction) {
        tooltipVisible_ = true;
    }
}

void QuillButton::update(int elapsedMs, ScreenBase*) {
    if (fadeAction_ && fadeAction_->isRunning()) {
        fadeAction_->update(elapsedMs);
    }
    if (tooltipTimer_ && tooltipTimer_->isRunning()) {
        tooltipTimer_->update(elapsedMs);
    }
}

void QuillButton::mousePressed(const MouseEvent&) {
    pressed_ = true;
    updateState();
    if (listener_ && hovered_) {
        playSoundEffect(pressSoundKey_);
        listener_->buttonEvent(id_, ButtonPressed);
    }
}

void QuillButton::mouseReleased(const MouseEvent&) {
    pressed_ = false;
    updateState();
    if (listener_ && hovered_) {
        listener_->buttonEvent(id_, ButtonClicked);
    }
}

void QuillButton::mouseEntered() {
    hovered_ = true;
    updateState();
    if (tooltipFont_) {
        tooltipTimer_.reset();
        tooltipVisible_ = false;
        tooltipTimer_ = std::make_unique<lux::ActionDelay>(lux::Duration(TooltipDelayMs));
        tooltipTimer_->start(this, TooltipAction);
    }
    playSoundEffect(overSoundKey_);
    if (listener_) {
        listener_->buttonEvent(id_, ButtonEntered);
    }
}

void QuillButton::mouseLeft() {
    hovered_ = false;
    updateState();
    cancelTooltip();
    if (listener_) {
        listener_->buttonEvent(id_, ButtonLeft);
    }
}

void QuillButton::settle() {
    if (fadeAction_) {
        fadeAction_.reset();
        style_.restoreColors();
        fading_ = false;
    }
    cancelTooltip();
}

void QuillButton::cancelTooltip() {
    tooltipTimer_.reset();
    tooltipVisible_ = false;
}

void QuillButton::onEnabled() {
    enabled_ = true;
    updateState();
}

void QuillButton::onDisabled() {
    enabled_ = false;
    pressed_ = false;
    hovered_ = false;
    cancelTooltip();
    updateState();
}

bool QuillButton::hitTest(int px, int py) const {
    if (!Widget::hitTest(px, py)) {
        return false;
    }
    const GLTexture* texture = style_.looks[ButtonStyle::Normal].texture;
    return !texture || texture->isOpaqueAt(px - x(), py - y());
}

void QuillButton::render(Graphics& graphics, ScreenBase*) {
    if (overlayPriority_ > 0) {
        if (manager()) {
            manager()->requestOverlay(this, overlayPriority_);
        }
        return;
    }
    drawButton(graphics);
}

void QuillButton::renderOverlay(Graphics& graphics, ScreenBase*) {
    const int depth = graphics.depth();
    graphics.setDepth(overlayPriority_);
    drawButton(graphics);
    graphics.setDepth(depth);
}

void QuillButton::drawButton(Graphics& graphics) {
    if (fading_) {
        drawLook(graphics, style_.looks[std::size_t(previousState_)]);
    }
    drawLook(graphics, style_.looks[std::size_t(state_)]);
    if (tooltipVisible_) {
        drawTooltip(graphics);
    }
}

void QuillButton::drawLook(Graphics& graphics, const ButtonLook& look) {
    if (look.texture) {
        graphics.drawTexture(look.x, look.y, look.texture, look.color);
    } else {
        const int w = width() - 2 * look.x;
        const int h = height() - 2 * look.y;
        graphics.fillRect(look.x, look.y, w, h, look.color);
        graphics.strokeRect(
            look.x, look.y, w, h,
            Color(look.labelColor.r, look.labelColor.g, look.labelColor.b, look.color.a));
    }
    if (labelTexture_) {
        graphics.drawTexture(style_.labelRect.x, style_.labelRect.y, labelTexture_,
                             look.labelColor);
    } else if (look.font) {
        look.font->drawTextBox(graphics, style_.labelRect, label_, look.labelColor, style_.hAlign,
                               style_.vAlign, false);
    }
}

void QuillButton::drawTooltip(Graphics& graphics) {
    if (!tooltipFont_) {
        return;
    }
    const int w = tooltipFont_->textWidth(tooltipText_);
    const int h = tooltipFont_->lineHeight();
    int left = width() / 2;
    if (x() + left + w > tooltipRightLimit_) {
        left = tooltipRightLimit_ - x() - w - 4;
    }
    graphics.fillRect(left - 3, -h - 3, w + 6, h + 6, tooltipInk_);
    graphics.fillRect(left - 2, -h - 2, w + 4, h + 4, tooltipFill_);
    tooltipFont_->drawText(graphics, left, -h, tooltipText_, tooltipInk_);
}
