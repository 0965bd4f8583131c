#pragma once

#include "engine/anim/Action.h"
#include "engine/anim/Duration.h"

#include <memory>

namespace lux {

// Moves *target down by `amount` from the value it holds at start, linearly over the
// duration; the last step writes start - amount exactly, wrapping modulo 256.
template <typename T> class RelDecrementator : public Action {
public:
    RelDecrementator(Duration duration, T* target, T amount)
        : target_(target), amount_(amount), duration_(duration) {}
    RelDecrementator(const RelDecrementator& other) = default;

    void start(ActionListener* listener, int index) override;
    void update(int ms) override;
    void refresh() override;
    std::unique_ptr<Action> clone() const override;

private:
    T startValue_{};
    T* target_;
    T amount_;
    Duration duration_;
};

extern template class RelDecrementator<unsigned char>;

} // namespace lux
