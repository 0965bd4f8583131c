#include "engine/anim/TinyActionDelay.h"

void TinyActionDelay::start(TinyActionListener* listener, int index) {
    elapsed_ = 0;
    TinyAction::start(listener, index);
}

void TinyActionDelay::update(int ms) {
    if (!isRunning()) {
        return;
    }
    elapsed_ += ms;
    if (elapsed_ >= length_) {
        finish();
    }
}

std::unique_ptr<TinyAction> TinyActionDelay::clone() const {
    return std::make_unique<TinyActionDelay>(*this);
}
