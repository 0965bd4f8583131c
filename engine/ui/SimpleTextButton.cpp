#include "engine/ui/SimpleTextButton.h"

#include "engine/audio/SfxContainer.h"
#include "engine/audio/Sound.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"

namespace {

// The button's own sound if it has one, else the catalogue's effect.
void playButtonSound(Sound* own, const char* effect) {
    if (!SfxContainer::instance().isEnabled()) {
        return;
    }
    if (own) {
        own->play();
    } else {
        SfxContainer::instance().play(effect, false);
    }
}

} // namespace

SimpleTextButton::SimpleTextButton(SimpleButtonListener* listener, int id, const Font* font,
                                   const std::string& text)
    : listener_(listener), text_(text), id_(id), font_(font) {
    setName(text);
}

void SimpleTextButton::notify(int code) {
    if (listener_) {
        listener_->buttonEvent(id_, code);
    }
}

void SimpleTextButton::mousePressed(const MouseEvent& event) {
    if (event.buttons != MouseEvent::Left) {
        return;
    }
    playButtonSound(pressSound_, "BUTTON_PRESS");
    pressed_ = true;
    notify(ButtonPressed);
}

void SimpleTextButton::mouseReleased(const MouseEvent& event) {
    if (event.buttons != MouseEvent::Left) {
        return;
    }
    notify(ButtonClicked);
    pressed_ = false;
    pressedBeforeLeaving_ = false;
}

void SimpleTextButton::mouseEntered() {
    playButtonSound(overSound_, "BUTTON_OVER");
    notify(ButtonEntered);
    pressed_ = pressedBeforeLeaving_;
    hovered_ = true;
}

void SimpleTextButton::mouseLeft() {
    notify(ButtonLeft);
    pressedBeforeLeaving_ = pressed_;
    pressed_ = false;
    hovered_ = false;
}

void SimpleTextButton::render(Graphics& graphics, ScreenBase*) {
    drawBoxAndText(graphics);
}

void SimpleTextButton::drawBoxAndText(Graphics& graphics) {
    if (!font_) {
        return;
    }
    Color box = boxNormal_;
    Color ink = textNormal_;
    if (hovered_) {
        box = boxOver_;
        ink = textOver_;
    }
    if (pressed_) {
        box = boxPressed_;
        ink = textPressed_;
    }
    if (!noBox_) {
        graphics.fillRect(0, 0, width(), height(), box);
    }
    const int x = textOffsetX_ + (width() - font_->textWidth(text_)) / 2;
    const int y = (height() - font_->lineHeight()) / 2 + textOffsetY_ - 4;
    if (shadow_) {
        font_->drawText(graphics, x + 1, y + 1, text_, Color(0, 0, 0, 255));
    }
    font_->drawText(graphics, x, y, text_, ink);
}
