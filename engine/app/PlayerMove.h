#pragma once

#include <string>
#include <utility>

// What a player would do next on a screen: the automated player asks the top
// screen for it each frame and acts it out with real input events.
struct PlayerMove {
    enum Kind {
        Wait,    // nothing to do yet (a fade, an animation, a dialog opening)
        Click,   // the left button on (x, y), window coordinates
        Point,   // the pointer moved by (x, y) minus where it is, at once, no button
        Drag,    // the left button pressed on (x, y), held to (toX, toY), released there
        Type,    // the text, one keystroke a character
        Press,   // one key (an SDL key code), without a character
        Done,    // the game has been played to its end
        Blocked, // the game cannot go on from here; `what` says why
    };

    Kind kind = Wait;
    int x = 0;
    int y = 0;
    // Half the width and height a click may stray from (x, y) and still land.
    int slackX = 0;
    int slackY = 0;
    int toX = 0;
    int toY = 0;
    int key = 0;
    // The control's name, the text to type, the key's name, or the reason.
    std::string what;

    PlayerMove() = default;
    static PlayerMove wait() { return PlayerMove(); }
    static PlayerMove click(std::string control, int x, int y, int slackX = 0, int slackY = 0) {
        PlayerMove move(Click, std::move(control));
        move.x = x;
        move.y = y;
        move.slackX = slackX;
        move.slackY = slackY;
        return move;
    }
    // Steering rather than aiming: the hand moves straight away. A target
    // beyond the window's edge leaves the pointer at the edge while the whole
    // motion still reaches the game, as a mouse pushed on does.
    static PlayerMove point(std::string control, int x, int y) {
        PlayerMove move(Point, std::move(control));
        move.x = x;
        move.y = y;
        return move;
    }
    static PlayerMove drag(std::string control, int x, int y, int toX, int toY) {
        PlayerMove move(Drag, std::move(control));
        move.x = x;
        move.y = y;
        move.toX = toX;
        move.toY = toY;
        return move;
    }
    static PlayerMove type(std::string text) { return PlayerMove(Type, std::move(text)); }
    static PlayerMove press(int key, std::string name) {
        PlayerMove move(Press, std::move(name));
        move.key = key;
        return move;
    }
    static PlayerMove done(std::string why) { return PlayerMove(Done, std::move(why)); }
    static PlayerMove blocked(std::string why) { return PlayerMove(Blocked, std::move(why)); }

    // The same thing asked again: a move that did not take.
    bool sameAs(const PlayerMove& other) const {
        return kind == other.kind && what == other.what && x == other.x && y == other.y &&
               toX == other.toX && toY == other.toY && key == other.key;
    }

private:
    PlayerMove(Kind k, std::string text) : kind(k), what(std::move(text)) {}
};
