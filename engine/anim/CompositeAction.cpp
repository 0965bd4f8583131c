#include "engine/anim/CompositeAction.h"

#include <utility>

namespace lux {

CompositeAction::CompositeAction(const CompositeAction& other) : Action(other), ActionListener() {
    children_.reserve(other.children_.size());
    for (const auto& child : other.children_) {
        children_.push_back(child->clone());
        rebindListener(*children_.back(), &other, this);
    }
}

void CompositeAction::add(std::unique_ptr<Action> child, int tag) {
    child->setTag(tag);
    children_.push_back(std::move(child));
}

void CompositeAction::append(std::unique_ptr<Action> child) {
    children_.push_back(std::move(child));
}

void CompositeAction::stop() {
    for (auto& child : children_) {
        child->stop();
    }
    Action::stop();
}

void CompositeAction::actionTagFinished(int index, int tag) {
    if (listener()) {
        listener()->actionTagFinished(index, tag);
    }
}

} // namespace lux
