#pragma once

// What screens may change about the display: the window or full-screen mode
// and the mouse pointer the player chose.
class DisplayControl {
public:
    virtual ~DisplayControl() = default;

    // False when the mode could not be set; `isFullScreen` then tells the mode in use.
    virtual bool setFullScreen(bool fullScreen) = 0;
    virtual bool isFullScreen() const = 0;
    // The configuration's cursor drawn by the game (true) or the system
    // pointer; returns whether the game's cursor is in use.
    virtual bool useCustomCursor(bool custom) = 0;
};
