#include "engine/anim/TinyLoopAction.h"

#include "engine/core/Log.h"

#include <utility>

TinyLoopAction::TinyLoopAction(std::unique_ptr<TinyAction> child, int loops)
    : child_(std::move(child)), loops_(loops) {}

TinyLoopAction::TinyLoopAction(const TinyLoopAction& other)
    : TinyAction(other), TinyActionListener(), child_(other.child_->clone()), loops_(other.loops_),
      done_(other.done_) {
    rebindListener(*child_, &other, this);
}

void TinyLoopAction::start(TinyActionListener* listener, int index) {
    // The loop is running before its child starts, so a child that finishes at once
    // is counted against this round rather than lost.
    TinyAction::start(listener, index);
    done_ = 0;
    startRounds();
}

void TinyLoopAction::startRounds() {
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

void TinyLoopAction::update(int ms) {
    if (isRunning()) {
        child_->update(ms);
    }
}

void TinyLoopAction::stop() {
    child_->stop();
    TinyAction::stop();
}

std::unique_ptr<TinyAction> TinyLoopAction::clone() const {
    return std::make_unique<TinyLoopAction>(*this);
}

void TinyLoopAction::actionFinished(int index) {
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
