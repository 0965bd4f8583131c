#pragma once

#include "engine/anim/CompositeAction.h"

#include <cstddef>
#include <memory>

namespace lux {

// Runs its children one after another. Moving on to the next child takes one call
// after the previous one finished, and finishing takes one more after the last.
class ActionSequence : public CompositeAction {
public:
    ActionSequence() = default;
    ActionSequence(const ActionSequence& other) = default;

    void start(ActionListener* listener, int index) override;
    void update(int ms) override;
    void refresh() override;
    std::unique_ptr<Action> clone() const override;

protected:
    std::unique_ptr<Action> thenOwned(std::unique_ptr<Action> self,
                                      std::unique_ptr<Action> next) override;

private:
    // Passes the call to the current child, or moves on when that child is done.
    template <typename Forward> void step(Forward forward);

    std::size_t current_ = 0;
};

} // namespace lux
