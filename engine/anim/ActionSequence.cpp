#include "engine/anim/ActionSequence.h"

#include <utility>

namespace lux {

void ActionSequence::start(ActionListener* listener, int index) {
    current_ = 0;
    Action::start(listener, index);
    if (childCount() > 0) {
        child(0).start(this, 0);
    } else {
        finish();
    }
}

template <typename Forward> void ActionSequence::step(Forward forward) {
    if (!isRunning()) {
        return;
    }
    if (current_ < childCount() && child(current_).isRunning()) {
        forward(child(current_));
        return;
    }
    ++current_;
    if (current_ < childCount()) {
        child(current_).start(this, static_cast<int>(current_));
    } else {
        finish();
    }
}

void ActionSequence::update(int ms) {
    step([ms](Action& action) { action.update(ms); });
}

void ActionSequence::refresh() {
    step([](Action& action) { action.refresh(); });
}

std::unique_ptr<Action> ActionSequence::clone() const {
    return std::make_unique<ActionSequence>(*this);
}

std::unique_ptr<Action> ActionSequence::thenOwned(std::unique_ptr<Action> self,
                                                  std::unique_ptr<Action> next) {
    append(std::move(next));
    return self;
}

} // namespace lux
