#include "engine/anim/TinyCompositeAction.h"

#include <utility>

TinyCompositeAction::TinyCompositeAction(const TinyCompositeAction& other)
    : TinyAction(other), TinyActionListener() {
    children_.reserve(other.children_.size());
    for (const auto& child : other.children_) {
        children_.push_back(child->clone());
        rebindListener(*children_.back(), &other, this);
    }
}

void TinyCompositeAction::add(std::unique_ptr<TinyAction> child) {
    children_.push_back(std::move(child));
}

void TinyCompositeAction::stop() {
    for (auto& child : children_) {
        child->stop();
    }
    TinyAction::stop();
}
