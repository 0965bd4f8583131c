#pragma once

#include "engine/ui/Widget.h"

#include <string>

class Font;
class Sound;

// A flat box with centred text, for the dialogs' answers. Tells its listener
// (id, code): 0 pressed, 1 released (wherever the pointer is), 2 entered,
// 3 left. Only the left button counts.
class SimpleTextButton : public Widget {
public:
    SimpleTextButton(SimpleButtonListener* listener, int id, const Font* font,
                     const std::string& text);

    void render(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void mouseEntered() override;
    void mouseLeft() override;

    int id() const { return id_; }
    const std::string& text() const { return text_; }
    void setText(const std::string& text) {
        text_ = text;
        setName(text);
    }
    void setFont(const Font* font) { font_ = font; }
    void setSounds(Sound* press, Sound* over) {
        pressSound_ = press;
        overSound_ = over;
    }
    void setTextOffset(int x, int y) {
        textOffsetX_ = x;
        textOffsetY_ = y;
    }
    void setBoxColors(const Color& normal, const Color& over, const Color& pressed) {
        boxNormal_ = normal;
        boxOver_ = over;
        boxPressed_ = pressed;
    }
    void setTextColors(const Color& normal, const Color& over, const Color& pressed) {
        textNormal_ = normal;
        textOver_ = over;
        textPressed_ = pressed;
    }
    void setShadow(bool shadow) { shadow_ = shadow; }
    void setNoBox(bool noBox) { noBox_ = noBox; }
    bool isPressed() const { return pressed_; }
    bool isHovered() const { return hovered_; }

protected:
    // The box and the text, as the plain button draws them.
    void drawBoxAndText(Graphics& graphics);
    void notify(int code);
    const Font* font() const { return font_; }

private:
    Sound* pressSound_ = nullptr;
    Sound* overSound_ = nullptr;
    SimpleButtonListener* listener_;
    std::string text_;
    int textOffsetY_ = 0;
    int textOffsetX_ = 0;
    Color boxNormal_{255, 255, 255, 255};
    Color boxPressed_{127, 127, 127, 255};
    Color boxOver_{200, 200, 200, 255};
    Color textNormal_{0, 0, 0, 255};
    Color textOver_{255, 255, 255, 255};
    Color textPressed_{255, 255, 255, 255};
    bool pressed_ = false;
    bool pressedBeforeLeaving_ = false;
    int id_;
    const Font* font_;
    bool shadow_ = false;
    bool noBox_ = false;
    bool hovered_ = false;
};
