#pragma once

#include "engine/ui/TextInputCursor.h"
#include "engine/ui/Widget.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Font;
class Sound;

// Told about every change of a text field's text.
class TextInputListener {
public:
    virtual ~TextInputListener() = default;
    virtual void onTextChanged(const std::string& /*text*/, int /*id*/) {}
    // The last text this listener took note of (subclasses keep it up to date).
    virtual const std::string& reportedText() const { return reportedText_; }

protected:
    std::string reportedText_;
};

// A one-line text entry field. The text is UTF-8; the cursor index and the
// length limit count characters, never bytes. Keys are taken only while the
// field is active: a click activates it (and may clear the initial text), or,
// with activate-on-focus, gaining keyboard focus does.
class TextInputWidget : public Widget {
public:
    enum FocusMode { FocusSelects = 0, FocusActivates = 1 };
    enum Align { AlignLeft = 0, AlignCentre = 2 };
    using CharacterFilter = std::function<bool(std::uint32_t)>;

    TextInputWidget(const std::string& initialText, TextInputListener* listener, int maxLength,
                    bool clearOnFirstClick);
    ~TextInputWidget() override;

    void update(int elapsedMs, ScreenBase* screen) override;
    void render(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;
    void keyEvent(const KeyEvent& event) override;
    void onFocusGained() override;
    void onFocusLost() override;

    // The default filter: printable characters (no C0 or C1 controls, no DEL).
    static bool isPrintable(std::uint32_t code);

    // Replaces the text without telling the listener; the cursor goes to its end.
    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    // The text's length in characters.
    int length() const;
    int cursorIndex() const { return cursorIndex_; }
    void setMaxLength(int maxLength) { maxLength_ = maxLength; }
    int maxLength() const { return maxLength_; }
    void setFont(const Font* font);
    const Font* font() const { return font_; }
    void setListener(TextInputListener* listener, int listenerId = 0) {
        listener_ = listener;
        listenerId_ = listenerId;
    }
    void setClearOnFirstClick(bool clear) { clearOnFirstClick_ = clear; }
    bool clearsOnFirstClick() const { return clearOnFirstClick_; }
    void setCursor(std::unique_ptr<TextInputCursor> cursor);
    TextInputCursor* cursor() const { return cursor_.get(); }
    // Control characters are never inserted, whatever the filter says.
    void setCharacterFilter(CharacterFilter accept) { accept_ = std::move(accept); }
    // Activating places the cursor, so that it shows where typing goes.
    void setActive(bool active);
    bool isActive() const { return active_; }
    void setTextPosition(int x, int y) {
        textX_ = x;
        textY_ = y;
    }
    int textX() const { return textX_; }
    int textY() const { return textY_; }
    // Played for typed keys while the sound-effect catalogue is switched off.
    void setTypingSound(Sound* sound) { typingSound_ = sound; }
    void setAlign(int align) { align_ = align; }
    int align() const { return align_; }
    void setActivateOnFocus(bool activate) { activateOnFocus_ = activate; }
    // Only FocusActivates is implemented: in the other mode a click does nothing.
    void setFocusMode(int mode) { focusMode_ = mode; }
    int focusMode() const { return focusMode_; }
    void setBoxColour(const Color& colour) { boxColour_ = colour; }
    const Color& boxColour() const { return boxColour_; }
    void setTextColour(const Color& colour) { textColour_ = colour; }
    const Color& textColour() const { return textColour_; }

    // The rectangle the cursor gets when standing before character `index`.
    WidgetRect cursorRectAt(int index) const;

private:
    void placeCursor();
    void notifyChanged();
    void playTypingSound();
    int measure(const std::string& text) const;
    int centringOffset() const;
    // Byte position of the character `index` (the text's size past its end).
    std::size_t byteOffset(int index) const;
    void eraseBeforeCursor();
    void insertAtCursor(std::uint32_t code);

    int cursorIndex_ = 0;
    Color boxColour_ = Color(255, 255, 255, 255);
    Color textColour_ = Color(0, 0, 0, 255);
    std::string text_;
    int maxLength_;
    const Font* font_;
    TextInputListener* listener_;
    int listenerId_ = 0;
    bool clearOnFirstClick_;
    std::unique_ptr<TextInputCursor> cursor_;
    CharacterFilter accept_ = &TextInputWidget::isPrintable;
    bool active_ = false;
    int textX_ = 0;
    int textY_ = 0;
    Sound* typingSound_ = nullptr;
    int align_ = AlignLeft;
    bool activateOnFocus_ = false;
    int focusMode_ = FocusActivates;
};
