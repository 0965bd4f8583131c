#include "engine/ui/TextInputWidget.h"

#include "engine/audio/SfxContainer.h"
#include "engine/audio/Sound.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/Utf8Text.h"
#include "engine/ui/DefaultResources.h"

namespace {
// SDL 1.2 key symbols.
constexpr int KeyBackspace = 8;
constexpr int KeyDelete = 127;
constexpr int KeyUp = 273;
constexpr int KeyDown = 274;
constexpr int KeyRight = 275;
constexpr int KeyLeft = 276;
constexpr int KeyHome = 278;
constexpr int KeyEnd = 279;

bool isControl(std::uint32_t code) {
    return code < 32 || code == 127;
}

// Surrogate halves and values past Unicode have no UTF-8 form.
bool isCharacter(std::uint32_t code) {
    return code < 0xD800 || (code > 0xDFFF && code <= 0x10FFFF);
}

// What the key typed: the SDL unicode field, or the translated byte for
// events built without one.
std::uint32_t typedCode(const KeyEvent& event) {
    if (event.unicode != 0) {
        return std::uint32_t(event.unicode);
    }
    return static_cast<unsigned char>(event.character);
}
} // namespace

TextInputWidget::TextInputWidget(const std::string& initialText, TextInputListener* listener,
                                 int maxLength, bool clearOnFirstClick)
    : text_(initialText), maxLength_(maxLength), font_(applicationFont("FONT_CheltenhamBT20")),
      listener_(listener), clearOnFirstClick_(clearOnFirstClick) {
    cursorIndex_ = length();
}

TextInputWidget::~TextInputWidget() = default;

bool TextInputWidget::isPrintable(std::uint32_t code) {
    return !isControl(code) && !(code >= 0x80 && code < 0xA0) && isCharacter(code);
}

int TextInputWidget::length() const {
    return int(utf8Length(text_));
}

void TextInputWidget::setText(const std::string& text) {
    text_ = text;
    cursorIndex_ = length();
    placeCursor();
}

void TextInputWidget::setFont(const Font* font) {
    font_ = font;
    placeCursor();
}

void TextInputWidget::setCursor(std::unique_ptr<TextInputCursor> cursor) {
    cursor_ = std::move(cursor);
    placeCursor();
}

void TextInputWidget::setActive(bool active) {
    active_ = active;
    if (active_) {
        placeCursor();
    }
}

std::size_t TextInputWidget::byteOffset(int index) const {
    Utf8Reader reader(text_);
    for (int i = 0; i < index && !reader.atEnd(); ++i) {
        reader.next();
    }
    return reader.position();
}

int TextInputWidget::measure(const std::string& text) const {
    return font_ ? font_->textWidth(text) : 0;
}

int TextInputWidget::centringOffset() const {
    return align_ == AlignCentre ? (width() - measure(text_)) / 2 : 0;
}

WidgetRect TextInputWidget::cursorRectAt(int index) const {
    WidgetRect rect(0, textY_, 0, 0, font_ ? font_->lineHeight() : 0);
    if (index < 0 || index >= length()) {
        rect.x = textX_ + measure(text_);
        rect.width = measure("w");
    } else {
        const std::size_t start = byteOffset(index);
        const std::size_t end = byteOffset(index + 1);
        rect.x = textX_ + measure(text_.substr(0, start));
        rect.width = measure(text_.substr(start, end - start));
    }
    rect.x += centringOffset();
    return rect;
}

void TextInputWidget::placeCursor() {
    if (cursor_) {
        cursor_->setCursorRect(cursorRectAt(cursorIndex_));
    }
}

void TextInputWidget::notifyChanged() {
    if (listener_) {
        listener_->onTextChanged(text_, listenerId_);
    }
}

void TextInputWidget::playTypingSound() {
    SfxContainer& effects = SfxContainer::instance();
    if (effects.isEnabled()) {
        effects.play("TEXT_INPUT", false);
    } else if (typingSound_) {
        typingSound_->play();
    }
}

void TextInputWidget::eraseBeforeCursor() {
    const std::size_t start = byteOffset(cursorIndex_ - 1);
    const std::size_t end = byteOffset(cursorIndex_);
    text_.erase(start, end - start);
}

void TextInputWidget::insertAtCursor(std::uint32_t code) {
    std::string encoded;
    appendUtf8(encoded, code);
    text_.insert(byteOffset(cursorIndex_), encoded);
}

void TextInputWidget::mousePressed(const MouseEvent&) {
    if (focusMode_ != FocusActivates) {
        return;
    }
    if (clearOnFirstClick_) {
        clearOnFirstClick_ = false;
        text_.clear();
        cursorIndex_ = 0;
    } else {
        cursorIndex_ = length();
    }
    placeCursor();
    active_ = true;
}

void TextInputWidget::onFocusGained() {
    if (activateOnFocus_) {
        setActive(true);
    }
}

void TextInputWidget::onFocusLost() {
    if (activateOnFocus_) {
        setActive(false);
    }
}

void TextInputWidget::keyEvent(const KeyEvent& event) {
    if (!active_ || event.type != KeyEvent::KeyDown) {
        return;
    }
    switch (event.key) {
    case KeyBackspace:
    case KeyDelete:
        if (cursorIndex_ >= 1) {
            eraseBeforeCursor();
            --cursorIndex_;
            notifyChanged();
            placeCursor();
        }
        playTypingSound();
        return;
    case KeyUp:
    case KeyHome:
        cursorIndex_ = 0;
        placeCursor();
        return;
    case KeyDown:
    case KeyEnd:
        cursorIndex_ = length();
        placeCursor();
        return;
    case KeyRight:
        if (cursorIndex_ < length()) {
            ++cursorIndex_;
        }
        placeCursor();
        return;
    case KeyLeft:
        if (cursorIndex_ >= 1) {
            --cursorIndex_;
        }
        placeCursor();
        return;
    default:
        break;
    }
    const std::uint32_t code = typedCode(event);
    // Keys that type nothing (Shift, function keys) make no sound either.
    if (code == 0) {
        return;
    }
    if (!isControl(code) && isCharacter(code) && accept_ && accept_(code) &&
        length() < maxLength_) {
        insertAtCursor(code);
        notifyChanged();
        ++cursorIndex_;
    }
    placeCursor();
    playTypingSound();
}

void TextInputWidget::update(int elapsedMs, ScreenBase*) {
    if (active_ && cursor_) {
        cursor_->updateCursor(elapsedMs);
    }
}

void TextInputWidget::render(Graphics& graphics, ScreenBase*) {
    graphics.fillRect(0, 0, width(), height(), boxColour_);
    if (font_) {
        font_->drawText(graphics, textX_ + centringOffset(), textY_, text_, textColour_);
    }
    if (active_ && cursor_) {
        cursor_->drawCursor(graphics);
    }
}
