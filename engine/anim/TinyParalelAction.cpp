#include "engine/anim/TinyParalelAction.h"

#include <cstddef>
#include <utility>

void TinyParalelAction::start(TinyActionListener* listener, int index) {
    TinyAction::start(listener, index);
    if (childCount() == 0) {
        finish();
        return;
    }
    for (std::size_t i = 0; i < childCount(); ++i) {
        child(i).start(this, static_cast<int>(i));
    }
}

void TinyParalelAction::update(int ms) {
    if (!isRunning()) {
        return;
    }
    int running = 0;
    for (std::size_t i = 0; i < childCount(); ++i) {
        if (child(i).isRunning()) {
            child(i).update(ms);
            ++running;
        }
    }
    if (running == 0) {
        finish();
    }
}

std::unique_ptr<TinyAction> TinyParalelAction::clone() const {
    return std::make_unique<TinyParalelAction>(*this);
}

std::unique_ptr<TinyAction> TinyParalelAction::withOwned(std::unique_ptr<TinyAction> self,
                                                         std::unique_ptr<TinyAction> other) {
    add(std::move(other));
    return self;
}
