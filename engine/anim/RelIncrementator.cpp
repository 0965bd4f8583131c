#include "engine/anim/RelIncrementator.h"

#include <type_traits>

namespace lux {

namespace {

// Integers go through a wide type first: truncation toward zero, then the unsigned
// conversion wraps small types instead of hitting an undefined float conversion.
template <typename T> T fromFloat(float value) {
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(value);
    } else {
        return static_cast<T>(static_cast<long long>(value));
    }
}

} // namespace

template <typename T> void RelIncrementator<T>::start(ActionListener* listener, int index) {
    duration_.begin();
    startValue_ = *target_;
    Action::start(listener, index);
}

template <typename T> void RelIncrementator<T>::update(int ms) {
    if (!isRunning()) {
        return;
    }
    duration_.advance(ms);
    refresh();
}

template <typename T> void RelIncrementator<T>::refresh() {
    if (!isRunning()) {
        return;
    }
    const float elapsed = static_cast<float>(duration_.elapsed());
    const float length = static_cast<float>(duration_.length());
    // Also covers a zero length, which would otherwise divide by zero.
    if (elapsed >= length) {
        *target_ = static_cast<T>(startValue_ + amount_);
        complete();
        return;
    }
    *target_ = fromFloat<T>(elapsed / length * static_cast<float>(amount_) +
                            static_cast<float>(startValue_));
}

template <typename T> std::unique_ptr<Action> RelIncrementator<T>::clone() const {
    return std::make_unique<RelIncrementator>(*this);
}

template class RelIncrementator<int>;
template class RelIncrementator<float>;
template class RelIncrementator<unsigned char>;

} // namespace lux
