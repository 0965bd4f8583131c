#pragma once

#include "engine/anim/Action.h"

#include <memory>

namespace lux {

// Writes a value when started and reports completion on the next call. clone()
// keeps the plain Action copy; copySetter() gives a working copy.
template <typename T> class Setter : public Action {
public:
    Setter(T* target, T value) : target_(target), value_(value) {}
    Setter(const Setter& other) = default;

    void start(ActionListener* listener, int index) override;
    void refresh() override;
    virtual std::unique_ptr<Setter> copySetter() const;

private:
    T* target_;
    T value_;
};

extern template class Setter<int>;
extern template class Setter<unsigned char>;
extern template class Setter<float>;

} // namespace lux
