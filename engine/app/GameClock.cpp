#include "engine/app/GameClock.h"

#include <SDL.h>

std::uint32_t SDLTickSource::ticks() {
    return SDL_GetTicks();
}

void SDLTickSource::delay(std::uint32_t ms) {
    SDL_Delay(ms);
}

std::uint32_t GameClock::now() const {
    if (paused_) {
        return std::uint32_t(pauseStart_ - startTime_);
    }
    return std::uint32_t(source_->ticks() - startTime_);
}

void GameClock::pause() {
    if (paused_) {
        return;
    }
    pauseStart_ = source_->ticks();
    paused_ = true;
}

void GameClock::resume() {
    if (!paused_) {
        return;
    }
    startTime_ += source_->ticks() - pauseStart_;
    paused_ = false;
}

void GameClock::restart() {
    startTime_ = pauseStart_ = source_->ticks();
    paused_ = false;
}
