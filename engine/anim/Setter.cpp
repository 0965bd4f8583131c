#include "engine/anim/Setter.h"

namespace lux {

template <typename T> void Setter<T>::start(ActionListener* listener, int index) {
    Action::start(listener, index);
    *target_ = value_;
}

template <typename T> void Setter<T>::refresh() {
    if (isRunning()) {
        complete();
    }
}

template <typename T> std::unique_ptr<Setter<T>> Setter<T>::copySetter() const {
    return std::make_unique<Setter>(*this);
}

template class Setter<int>;
template class Setter<unsigned char>;
template class Setter<float>;

} // namespace lux
