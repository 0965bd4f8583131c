#pragma once

#include "engine/app/Transition.h"

#include <memory>

namespace lux {
template <typename T> class RelIncrementator;
}

// A black rectangle over the whole logical screen whose alpha is tweened by
// `delta` from `startAlpha` over the duration.
class FadeTransition : public Transition {
public:
    ~FadeTransition() override;
    void postDraw(Graphics& graphics) override;
    void update(int elapsedMs) override;

    int alpha() const { return alpha_; }
    int duration() const { return durationMs_; }
    void setDuration(int ms) { durationMs_ = ms; }

protected:
    FadeTransition(int startAlpha, int delta, int durationMs);
    void begin() override;

private:
    int startAlpha_;
    int delta_;
    int alpha_;
    int durationMs_;
    std::unique_ptr<lux::RelIncrementator<int>> tween_;
};

// From black to the screen.
class FadeInTransition : public FadeTransition {
public:
    explicit FadeInTransition(int durationMs = 500) : FadeTransition(255, -255, durationMs) {}
};

// From the screen to black.
class FadeOutTransition : public FadeTransition {
public:
    explicit FadeOutTransition(int durationMs = 500) : FadeTransition(0, 255, durationMs) {}
};
