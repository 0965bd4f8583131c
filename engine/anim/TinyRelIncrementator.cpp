#include "engine/anim/TinyRelIncrementator.h"

template <typename T> void TinyRelIncrementator<T>::start(TinyActionListener* listener, int index) {
    elapsed_ = 0;
    startValue_ = *target_;
    TinyAction::start(listener, index);
    if (length_ > 0) {
        inverseLength_ = 1.0f / static_cast<float>(length_);
    } else {
        finish();
    }
}

template <typename T> void TinyRelIncrementator<T>::update(int ms) {
    if (!isRunning()) {
        return;
    }
    elapsed_ += ms;
    if (elapsed_ >= length_) {
        *target_ = static_cast<T>(startValue_ + amount_);
        finish();
        return;
    }
    *target_ =
        static_cast<T>(inverseLength_ * static_cast<float>(elapsed_) * static_cast<float>(amount_) +
                       static_cast<float>(startValue_));
}

template <typename T> std::unique_ptr<TinyAction> TinyRelIncrementator<T>::clone() const {
    return std::make_unique<TinyRelIncrementator>(*this);
}

template class TinyRelIncrementator<int>;
template class TinyRelIncrementator<float>;
