#pragma once

#include <string>

class GameState;
class SDLGameApp;

// Keys for content authors, on with --author: F5 builds the game flow's
// screen again from its files (a scene keeps what was found in it), F6 shows
// or hides the scenes' item boxes, F7 leaves the screen for the next one of
// the game flow. The window caption names the screen on top, its type and files.
class AuthorMode {
public:
    // `caption` is the game's own window caption, which the screen's
    // description follows.
    AuthorMode(SDLGameApp& app, std::string caption);

    // True for the author keys, which it has acted on.
    bool keyPressed(int key);
    // Once a frame: the caption follows the screen on top.
    void update();

    // What the caption says for the screen (none: the caption alone).
    std::string captionFor(const GameState* screen) const;

    // False, with a line saying why, when no screen on the stack was built
    // from the game flow (menus, free-play replays).
    bool reloadScreen();
    void toggleSceneDebug();
    void nextScreen();

private:
    // The screen on top of the stack built from the game flow; none.
    GameState* flowScreen() const;
    // Every screen leaves the stack at once, and is destroyed.
    void clearScreens();

    SDLGameApp& app_;
    std::string caption_;
    std::string shown_;
};
