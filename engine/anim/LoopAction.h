#pragma once

#include "engine/anim/Action.h"
#include "engine/anim/ActionListener.h"

#include <memory>

namespace lux {

// Restarts its owned child each time it finishes, a given number of rounds or, with
// a count of -1, for ever. It only refreshes its child: update(ms) arrives as
// refresh(), so the child is timed by the clock. An endless loop needs a child that
// does not finish the moment it starts.
class LoopAction : public Action, public ActionListener {
public:
    static constexpr int kEndless = -1;

    LoopAction(std::unique_ptr<Action> child, int loops);
    // Deep copy; the copied child listens to the copy.
    LoopAction(const LoopAction& other);

    void start(ActionListener* listener, int index) override;
    void refresh() override;
    void stop() override;
    std::unique_ptr<Action> clone() const override;

    void actionFinished(int index) override;
    // Tags of the child reach this loop's listener, as with the other containers.
    void actionTagFinished(int index, int tag) override;

    int loops() const { return loops_; }
    int done() const { return done_; }

private:
    std::unique_ptr<Action> child_;
    // Starts rounds until one takes time or the count is reached.
    void startRounds();

    int loops_;
    int done_ = 0;
    // A round that ends the moment it starts is counted by startRounds, not
    // by a nested start, so instant rounds never pile up on the stack.
    bool starting_ = false;
    bool endedAtStart_ = false;
};

} // namespace lux
