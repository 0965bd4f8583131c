#pragma once

#include "engine/anim/Action.h"
#include "engine/anim/Duration.h"

#include <memory>

namespace lux {

// Waits for its duration, timed by the clock when refreshed or by the fed
// milliseconds when updated.
class ActionDelay : public Action {
public:
    explicit ActionDelay(Duration duration) : duration_(duration) {}
    ActionDelay(const ActionDelay& other) = default;

    void start(ActionListener* listener, int index) override;
    void update(int ms) override;
    void refresh() override;
    std::unique_ptr<Action> clone() const override;

private:
    Duration duration_;
};

} // namespace lux
