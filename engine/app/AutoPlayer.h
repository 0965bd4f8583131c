#pragma once

#include "engine/app/PlayerMove.h"

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

class GameState;
class SDLGameApp;

// The game's own player: each frame it asks the top screen what a player
// would do next and acts it out as real SDL events (pointer moves, presses,
// keystrokes) with a player's pauses, all timed on the game clock. It ends
// the program when a screen says the game is over or cannot go on, or when
// one screen has made no progress for too long.
class AutoPlayer {
public:
    struct Options {
        unsigned seed = 1;
        // A screenshot of every new screen goes here; none when empty.
        std::string shotsFolder;
        // Game time one screen may go without progress before the player
        // gives up on it.
        int stallLimitMs = 60000;
    };
    // The program's exit code for each ending.
    enum Ending { Finished = 0, Stuck = 3, CannotGoOn = 4, Interrupted = 5 };

    AutoPlayer(SDLGameApp& app, Options options);

    // Called by the frame loop before it pumps the window's events.
    void beforeFrame();

    bool hasEnded() const { return ended_; }
    // The ending's exit code; Interrupted while the play has not ended.
    int exitCode() const { return ended_ ? ending_ : Interrupted; }
    // The screens in the order they came to the top.
    const std::vector<std::string>& screens() const { return screens_; }
    int clicks() const { return clicks_; }
    int misses() const { return misses_; }
    int keystrokes() const { return keystrokes_; }
    // "Autoplay: 9 screens, 6 clicks, 0 misses, 10 keystrokes, 31.5 s of game time ..."
    std::string summary() const;

private:
    // How long a screen that asks for nothing is on top before its screenshot.
    static constexpr std::uint32_t ShotAfterMs = 800;

    struct Scheduled {
        std::uint32_t due;
        SDL_Event event;
    };

    // Notes a new top screen; true when it changed.
    bool observeTop(GameState* top, std::uint32_t now);
    void act(const PlayerMove& move, std::uint32_t now);
    void planClick(const PlayerMove& move, std::uint32_t start);
    void planKeys(const PlayerMove& move, std::uint32_t start);
    void planDrag(const PlayerMove& move, std::uint32_t start);
    // Pointer moves towards (x, y) from `due` on; the time of the last one.
    std::uint32_t planStrides(int x, int y, std::uint32_t due, int heldButtons);
    void end(Ending ending, const std::string& line);
    void takeShot(const std::string& screen);
    int between(int low, int high);
    // Game time since the play began.
    std::uint32_t now() const;

    SDLGameApp& app_;
    Options options_;
    std::mt19937 random_;
    std::deque<Scheduled> queue_;
    GameState* top_ = nullptr;
    std::string topName_;
    std::vector<std::string> screens_;
    PlayerMove lastMove_;
    bool lastMoveOnThisScreen_ = false;
    bool shotPending_ = false;
    std::uint32_t startedAt_ = 0;
    std::uint32_t progressAt_ = 0;
    std::uint32_t topSince_ = 0;
    int pointerX_ = 0;
    int pointerY_ = 0;
    int frames_ = 0;
    int clicks_ = 0;
    int pointerMoves_ = 0;
    int drags_ = 0;
    int misses_ = 0;
    int keystrokes_ = 0;
    bool ended_ = false;
    Ending ending_ = Interrupted;
};
