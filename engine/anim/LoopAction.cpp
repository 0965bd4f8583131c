#include "engine/anim/LoopAction.h"

#include "engine/core/Log.h"

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
    startRounds();
}

void LoopAction::startRounds() {
    for (;;) {
        endedAtStart_ = false;
        starting_ = true;
        child_->start(this, -1);
        starting_ = false;
        if (!endedAtStart_) {
            return;
        }
        if (loops_ == kEndless) {
            // It would start again for ever without time passing.
            engineLog() << "A looping action whose round takes no time is stopped" << std::endl;
            finish();
            return;
        }
        if (++done_ >= loops_) {
            finish();
            return;
        }
    }
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
    if (starting_) {
        endedAtStart_ = true;
        return;
    }
    if (loops_ != kEndless) {
        ++done_;
    }
    if (loops_ == kEndless || done_ < loops_) {
        startRounds();
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
