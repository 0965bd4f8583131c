#pragma once

#include "engine/anim/Action.h"
#include "engine/anim/ActionDelay.h"
#include "engine/anim/RelIncrementator.h"
#include "engine/anim/Setter.h"

#include <memory>

// Short names for the tweens the item renderers build.
namespace item_actions {

template <typename T> std::unique_ptr<lux::Action> set(T* target, T value) {
    return std::make_unique<lux::Setter<T>>(target, value);
}
template <typename T> std::unique_ptr<lux::Action> by(T* target, T amount, int ms) {
    return std::make_unique<lux::RelIncrementator<T>>(lux::Duration(ms), target, amount);
}
inline std::unique_ptr<lux::Action> wait(int ms) {
    return std::make_unique<lux::ActionDelay>(lux::Duration(ms));
}
// The actions one after another.
template <typename... Rest>
std::unique_ptr<lux::Action> sequence(std::unique_ptr<lux::Action> first, Rest... rest) {
    ((first = lux::Action::then(std::move(first), std::move(rest))), ...);
    return first;
}
// The actions at once.
template <typename... Rest>
std::unique_ptr<lux::Action> together(std::unique_ptr<lux::Action> first, Rest... rest) {
    ((first = lux::Action::with(std::move(first), std::move(rest))), ...);
    return first;
}

} // namespace item_actions
