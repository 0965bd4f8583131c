#include "engine/anim/TinySetter.h"

template <typename T> void TinySetter<T>::start(TinyActionListener* listener, int index) {
    TinyAction::start(listener, index);
    *target_ = value_;
}

template <typename T> void TinySetter<T>::update(int ms) {
    (void)ms;
    if (isRunning()) {
        finish();
    }
}

template <typename T> std::unique_ptr<TinySetter<T>> TinySetter<T>::copySetter() const {
    return std::make_unique<TinySetter>(*this);
}

template class TinySetter<int>;
template class TinySetter<float>;
