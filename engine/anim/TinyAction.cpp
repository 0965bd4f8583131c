#include "engine/anim/TinyAction.h"

#include "engine/anim/TinyActionListener.h"
#include "engine/anim/TinyActionSequence.h"
#include "engine/anim/TinyParalelAction.h"

#include <utility>

void TinyAction::start(TinyActionListener* listener, int index) {
    listener_ = listener;
    index_ = index;
    running_ = true;
}

void TinyAction::stop() {
    running_ = false;
}

std::unique_ptr<TinyAction> TinyAction::clone() const {
    return std::unique_ptr<TinyAction>(new TinyAction(*this));
}

std::unique_ptr<TinyAction> TinyAction::with(std::unique_ptr<TinyAction> first,
                                             std::unique_ptr<TinyAction> other) {
    if (!first) {
        return other;
    }
    if (!other) {
        return first;
    }
    TinyAction* target = first.get();
    return target->withOwned(std::move(first), std::move(other));
}

std::unique_ptr<TinyAction> TinyAction::then(std::unique_ptr<TinyAction> first,
                                             std::unique_ptr<TinyAction> next) {
    if (!first) {
        return next;
    }
    if (!next) {
        return first;
    }
    TinyAction* target = first.get();
    return target->thenOwned(std::move(first), std::move(next));
}

std::unique_ptr<TinyAction> TinyAction::withOwned(std::unique_ptr<TinyAction> self,
                                                  std::unique_ptr<TinyAction> other) {
    auto parallel = std::make_unique<TinyParalelAction>();
    parallel->add(std::move(self));
    parallel->add(std::move(other));
    return parallel;
}

std::unique_ptr<TinyAction> TinyAction::thenOwned(std::unique_ptr<TinyAction> self,
                                                  std::unique_ptr<TinyAction> next) {
    auto sequence = std::make_unique<TinyActionSequence>();
    sequence->add(std::move(self));
    sequence->add(std::move(next));
    return sequence;
}

void TinyAction::finish() {
    running_ = false;
    if (listener_) {
        listener_->actionFinished(index_);
    }
}

void TinyAction::rebindListener(TinyAction& action, const TinyActionListener* from,
                                TinyActionListener* to) {
    if (action.listener_ == from) {
        action.listener_ = to;
    }
}
