#include "engine/anim/ParalelAction.h"

#include <cstddef>
#include <utility>

namespace lux {

void ParalelAction::start(ActionListener* listener, int index) {
    Action::start(listener, index);
    if (childCount() == 0) {
        finish();
        return;
    }
    for (std::size_t i = 0; i < childCount(); ++i) {
        child(i).start(this, static_cast<int>(i));
    }
}

template <typename Forward> void ParalelAction::step(Forward forward) {
    if (!isRunning()) {
        return;
    }
    int running = 0;
    for (std::size_t i = 0; i < childCount(); ++i) {
        if (child(i).isRunning()) {
            forward(child(i));
            ++running;
        }
    }
    if (running == 0) {
        finish();
    }
}

void ParalelAction::update(int ms) {
    step([ms](Action& action) { action.update(ms); });
}

void ParalelAction::refresh() {
    step([](Action& action) { action.refresh(); });
}

std::unique_ptr<Action> ParalelAction::clone() const {
    return std::make_unique<ParalelAction>(*this);
}

std::unique_ptr<Action> ParalelAction::withOwned(std::unique_ptr<Action> self,
                                                 std::unique_ptr<Action> other) {
    append(std::move(other));
    return self;
}

} // namespace lux
