#pragma once

#include "engine/anim/TinyAction.h"

#include <memory>

// Waits until the fed milliseconds reach its length.
class TinyActionDelay : public TinyAction {
public:
    explicit TinyActionDelay(int lengthMs) : length_(lengthMs) {}
    TinyActionDelay(const TinyActionDelay& other) = default;

    void start(TinyActionListener* listener, int index) override;
    void update(int ms) override;
    std::unique_ptr<TinyAction> clone() const override;

private:
    int elapsed_ = 0;
    int length_;
};
