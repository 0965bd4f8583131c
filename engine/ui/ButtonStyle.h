#pragma once

#include "engine/graphics/Types.h"

#include <array>

class Font;
class GLTexture;

// One look of a QuillButton: normal, over, pressed or disabled.
struct ButtonLook {
    // Tint of the texture, or the fill colour when there is none.
    Color color;
    Color labelColor{0, 0, 0, 255};
    const GLTexture* texture = nullptr;
    // Where the texture sits in the button; also the inset of the filled box.
    int x = 0;
    int y = 0;
    // Values that only take part in telling looks apart.
    std::array<int, 4> extra{};
    const Font* font = nullptr;

    bool operator==(const ButtonLook& o) const {
        return color == o.color && labelColor == o.labelColor && texture == o.texture && x == o.x &&
               y == o.y && extra == o.extra && font == o.font;
    }
    bool operator!=(const ButtonLook& o) const { return !(*this == o); }
};

// The four looks of a QuillButton with its label layout and fade time. A value:
// build one and hand it to as many buttons as share it.
struct ButtonStyle {
    enum LookIndex { Normal = 0, Over = 1, Pressed = 2, Disabled = 3 };

    int hAlign = 0;
    int vAlign = 2;
    // Where the label is aligned, relative to the button.
    WidgetRect labelRect;
    int fadeTime = 0;
    std::array<ButtonLook, 4> looks;

    // Records the colours as configured; fades start from and end on them.
    void saveColors() {
        for (std::size_t i = 0; i < looks.size(); ++i) {
            savedColors[i] = looks[i].color;
            savedLabelColors[i] = looks[i].labelColor;
        }
    }
    void restoreColors() {
        for (std::size_t i = 0; i < looks.size(); ++i) {
            looks[i].color = savedColors[i];
            looks[i].labelColor = savedLabelColors[i];
        }
    }

    std::array<Color, 4> savedColors;
    std::array<Color, 4> savedLabelColors;
};
