#include "engine/app/FadeTransition.h"

#include "engine/anim/RelIncrementator.h"
#include "engine/app/AppConfig.h"
#include "engine/graphics/Graphics.h"

#include <algorithm>

FadeTransition::FadeTransition(int startAlpha, int delta, int durationMs)
    : startAlpha_(startAlpha), delta_(delta), alpha_(startAlpha), durationMs_(durationMs) {}

FadeTransition::~FadeTransition() = default;

void FadeTransition::begin() {
    alpha_ = startAlpha_;
    tween_ =
        std::make_unique<lux::RelIncrementator<int>>(lux::Duration(durationMs_), &alpha_, delta_);
    tween_->start(nullptr, 0);
}

void FadeTransition::update(int elapsedMs) {
    if (!running_) {
        return;
    }
    if (tween_ && tween_->isRunning()) {
        tween_->update(elapsedMs);
        alpha_ = std::clamp(alpha_, 0, 255);
    } else {
        finished();
    }
}

void FadeTransition::postDraw(Graphics& graphics) {
    const AppConfig& config = AppConfig::instance();
    graphics.fillRect(0, 0, config.width(), config.height(),
                      Color(0, 0, 0, static_cast<std::uint8_t>(std::clamp(alpha_, 0, 255))));
}
