#include "engine/anim/Action.h"

#include "engine/anim/ActionListener.h"
#include "engine/anim/ActionSequence.h"
#include "engine/anim/ParalelAction.h"

#include <utility>

namespace lux {

void Action::update(int ms) {
    (void)ms;
    refresh();
}

void Action::start(ActionListener* listener, int index) {
    listener_ = listener;
    index_ = index;
    running_ = true;
}

void Action::stop() {
    running_ = false;
}

std::unique_ptr<Action> Action::clone() const {
    return std::unique_ptr<Action>(new Action(*this));
}

std::unique_ptr<Action> Action::with(std::unique_ptr<Action> first, std::unique_ptr<Action> other) {
    if (!first) {
        return other;
    }
    if (!other) {
        return first;
    }
    Action* target = first.get();
    return target->withOwned(std::move(first), std::move(other));
}

std::unique_ptr<Action> Action::then(std::unique_ptr<Action> first, std::unique_ptr<Action> next) {
    if (!first) {
        return next;
    }
    if (!next) {
        return first;
    }
    Action* target = first.get();
    return target->thenOwned(std::move(first), std::move(next));
}

std::unique_ptr<Action> Action::withOwned(std::unique_ptr<Action> self,
                                          std::unique_ptr<Action> other) {
    auto parallel = std::make_unique<ParalelAction>();
    parallel->append(std::move(self));
    parallel->append(std::move(other));
    return parallel;
}

std::unique_ptr<Action> Action::thenOwned(std::unique_ptr<Action> self,
                                          std::unique_ptr<Action> next) {
    auto sequence = std::make_unique<ActionSequence>();
    sequence->append(std::move(self));
    sequence->append(std::move(next));
    return sequence;
}

void Action::finish() {
    running_ = false;
    if (listener_) {
        listener_->actionFinished(index_);
    }
}

void Action::finishTag() {
    running_ = false;
    if (listener_) {
        listener_->actionTagFinished(index_, tag_);
    }
}

void Action::complete() {
    if (tag_ >= 0) {
        finishTag();
    }
    finish();
}

void Action::rebindListener(Action& action, const ActionListener* from, ActionListener* to) {
    if (action.listener_ == from) {
        action.listener_ = to;
    }
}

} // namespace lux
