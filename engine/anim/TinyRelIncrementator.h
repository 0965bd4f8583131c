#pragma once

#include "engine/anim/TinyAction.h"

#include <memory>

// Moves *target by `amount` from the value it holds at start, linearly over the fed
// milliseconds; integers truncate toward zero and the last step writes start + amount
// exactly. A length of 0 or less finishes at start and leaves the target alone.
template <typename T> class TinyRelIncrementator : public TinyAction {
public:
    TinyRelIncrementator(int lengthMs, T* target, T amount)
        : target_(target), amount_(amount), length_(lengthMs) {}
    TinyRelIncrementator(const TinyRelIncrementator& other) = default;

    void start(TinyActionListener* listener, int index) override;
    void update(int ms) override;
    std::unique_ptr<TinyAction> clone() const override;

private:
    T startValue_{};
    T* target_;
    T amount_;
    int elapsed_ = 0;
    int length_;
    float inverseLength_ = 0.0f;
};

extern template class TinyRelIncrementator<int>;
extern template class TinyRelIncrementator<float>;
