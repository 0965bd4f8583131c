#pragma once

#include "engine/anim/CompositeAction.h"

#include <memory>

namespace lux {

// Runs all its children at once and finishes on the first call that finds none of
// them running any more.
class ParalelAction : public CompositeAction {
public:
    ParalelAction() = default;
    ParalelAction(const ParalelAction& other) = default;

    void start(ActionListener* listener, int index) override;
    void update(int ms) override;
    void refresh() override;
    std::unique_ptr<Action> clone() const override;

protected:
    std::unique_ptr<Action> withOwned(std::unique_ptr<Action> self,
                                      std::unique_ptr<Action> other) override;

private:
    template <typename Forward> void step(Forward forward);
};

} // namespace lux
