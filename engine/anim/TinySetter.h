#pragma once

#include "engine/anim/TinyAction.h"

#include <memory>

// Writes a value when started and finishes on the next update. clone() keeps the
// plain TinyAction copy; copySetter() gives a working copy.
template <typename T> class TinySetter : public TinyAction {
public:
    TinySetter(T* target, T value) : target_(target), value_(value) {}
    TinySetter(const TinySetter& other) = default;

    void start(TinyActionListener* listener, int index) override;
    void update(int ms) override;
    virtual std::unique_ptr<TinySetter> copySetter() const;

private:
    T* target_;
    T value_;
};

extern template class TinySetter<int>;
extern template class TinySetter<float>;
