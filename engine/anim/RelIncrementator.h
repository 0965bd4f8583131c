#pragma once

#include "engine/anim/Action.h"
#include "engine/anim/Duration.h"

#include <memory>

namespace lux {

// Moves *target by `amount` from the value it holds at start, linearly over the
// duration. Integer targets truncate toward zero, unsigned char ones wrap modulo 256,
// and the last step writes start + amount exactly.
template <typename T> class RelIncrementator : public Action {
public:
    RelIncrementator(Duration duration, T* target, T amount)
        : target_(target), amount_(amount), duration_(duration) {}
    RelIncrementator(const RelIncrementator& other) = default;

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

extern template class RelIncrementator<int>;
extern template class RelIncrementator<float>;
extern template class RelIncrementator<unsigned char>;

} // namespace lux
