#pragma once

#include <cstdint>

// A mouse event as the application hands it to screens and widget managers.
struct MouseEvent {
    enum Type { ButtonDown = 0, ButtonUp = 1, Motion = 2, WheelUp = 3, WheelDown = 4 };
    enum Button { Left = 1, Right = 2, Middle = 4 };

    int dx = 0;
    int dy = 0;
    int x = 0;
    int y = 0;
    // A release handler sets this to make the manager forget the pointed widget.
    int consumed = 0;
    int type = ButtonDown;
    // For presses and releases the button that changed; for motion the held mask.
    int buttons = 0;
    int clickCount = 0;
};

// A key event; an all-zero event stands for "no key".
struct KeyEvent {
    enum Type { KeyDown = 0, KeyUp = 1 };

    int key = 0;       // SDL key symbol
    int modifiers = 0; // SDL modifier mask
    int type = KeyDown;
    int unicode = 0;
    char character = 0;
};

class InputListener {
public:
    virtual ~InputListener() = default;
    virtual void keyEvent(const KeyEvent& event) = 0;
    virtual void mouseEvent(const MouseEvent& event) = 0;
};
