#include "engine/anim/ActionDelay.h"

namespace lux {

void ActionDelay::start(ActionListener* listener, int index) {
    duration_.begin();
    Action::start(listener, index);
}

void ActionDelay::update(int ms) {
    if (!isRunning()) {
        return;
    }
    duration_.advance(ms);
    refresh();
}

void ActionDelay::refresh() {
    if (isRunning() && duration_.elapsed() >= duration_.length()) {
        complete();
    }
}

std::unique_ptr<Action> ActionDelay::clone() const {
    return std::make_unique<ActionDelay>(*this);
}

} // namespace lux
