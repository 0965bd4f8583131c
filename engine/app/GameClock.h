#pragma once

#include <cstdint>

// Where the application's time comes from: SDL's millisecond ticks and its
// sleep in the game, a hand-driven source in tests and automated play.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual std::uint32_t ticks() = 0;
    virtual void delay(std::uint32_t ms) = 0;
};

class SDLTickSource : public TickSource {
public:
    std::uint32_t ticks() override;
    void delay(std::uint32_t ms) override;
};

// Time that moves only when the frame loop waits: each frame then lasts
// exactly the loop's frame time, however fast the machine draws it, and a run
// repeats frame for frame. For automated play.
class SteppedTickSource : public TickSource {
public:
    std::uint32_t ticks() override { return now_; }
    void delay(std::uint32_t ms) override { now_ += ms; }

private:
    std::uint32_t now_ = 0;
};

// The game clock: milliseconds since the last restart, standing still while paused.
class GameClock {
public:
    explicit GameClock(TickSource* source) : source_(source) {}

    std::uint32_t now() const;
    void pause();
    void resume();
    void restart();
    bool isPaused() const { return paused_; }
    void setSource(TickSource* source) { source_ = source; }

private:
    TickSource* source_;
    bool paused_ = false;
    std::uint64_t pauseStart_ = 0;
    std::uint64_t startTime_ = 0;
};
