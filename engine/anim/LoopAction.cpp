#include "engine/anim/LoopAction.h"

#include <utility>

namespace lux {

LoopAction::LoopAction(std::unique_ptr<Action> child, int loops)
    : child_(std::move(child)), loops_(loops) {}

LoopAction::LoopAction(const LoopAction& other)
    : Action(other), ActionListener(), child_(other.child_->clone()), loops_(other.loops_),
      done_(other.done_) {
    rebindListener(*child_, &other, this);
}

void LoopAction::start(ActionListener* listener, int index) {
    // The loop is running before its child starts, so a child that finishes at once
    // is counted against this round rather than lost.
    Action::start(listener, index);
    done_ = 0;
    child_->start(this, -1);
}

void LoopAction::refresh() {
    if (isRunning()) {
        child_->refresh();
    }
}

void LoopAction::stop() {
    child_->stop();
    Action::stop();
}

std::unique_ptr<Action> LoopAction::clone() const {
    return std::make_unique<LoopAction>(*this);
}

void LoopAction::actionFinished(int index) {
    (void)index;
    if (loops_ != kEndless) {
        ++done_;
    }
    if (loops_ == kEndless || done_ < loops_) {
        child_->start(this, -1);
    } else {
        finish();
    }
}

void LoopAction::actionTagFinished(int index, int tag) {
    if (listener()) {
        listener()->actionTagFinished(index, tag);
    }
}

} // namespace lux
