#include "engine/anim/TinyActionSequence.h"

#include <utility>

void TinyActionSequence::start(TinyActionListener* listener, int index) {
    current_ = 0;
    TinyAction::start(listener, index);
    if (childCount() > 0) {
        child(0).start(this, 0);
    } else {
        finish();
    }
}

void TinyActionSequence::update(int ms) {
    if (!isRunning()) {
        return;
    }
    if (current_ < childCount() && child(current_).isRunning()) {
        child(current_).update(ms);
        return;
    }
    ++current_;
    if (current_ < childCount()) {
        child(current_).start(this, static_cast<int>(current_));
    } else {
        finish();
    }
}

std::unique_ptr<TinyAction> TinyActionSequence::clone() const {
    return std::make_unique<TinyActionSequence>(*this);
}

std::unique_ptr<TinyAction> TinyActionSequence::thenOwned(std::unique_ptr<TinyAction> self,
                                                          std::unique_ptr<TinyAction> next) {
    add(std::move(next));
    return self;
}
