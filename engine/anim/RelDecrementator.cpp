#include "engine/anim/RelDecrementator.h"

namespace lux {

template <typename T> void RelDecrementator<T>::start(ActionListener* listener, int index) {
    duration_.begin();
    startValue_ = *target_;
    Action::start(listener, index);
}

template <typename T> void RelDecrementator<T>::update(int ms) {
    if (!isRunning()) {
        return;
    }
    duration_.advance(ms);
    refresh();
}

template <typename T> void RelDecrementator<T>::refresh() {
    if (!isRunning()) {
        return;
    }
    const float elapsed = static_cast<float>(duration_.elapsed());
    const float length = static_cast<float>(duration_.length());
    if (elapsed >= length) {
        *target_ = static_cast<T>(startValue_ - amount_);
        complete();
        return;
    }
    const double ratio = static_cast<double>(elapsed) / static_cast<double>(length);
    // Through a wide integer so a result below zero wraps instead of being undefined.
    *target_ = static_cast<T>(static_cast<long long>(startValue_ - ratio * amount_));
}

template <typename T> std::unique_ptr<Action> RelDecrementator<T>::clone() const {
    return std::make_unique<RelDecrementator>(*this);
}

template class RelDecrementator<unsigned char>;

} // namespace lux
