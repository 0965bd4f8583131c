#pragma once

#include "engine/anim/TinyAction.h"
#include "engine/anim/TinyActionListener.h"

#include <memory>

// Restarts its owned child each time it finishes, a given number of rounds or, with a
// count of -1, for ever. An endless loop needs a child that does not finish the moment
// it starts.
class TinyLoopAction : public TinyAction, public TinyActionListener {
public:
    static constexpr int kEndless = -1;

    TinyLoopAction(std::unique_ptr<TinyAction> child, int loops);
    // Deep copy; the copied child listens to the copy.
    TinyLoopAction(const TinyLoopAction& other);

    void start(TinyActionListener* listener, int index) override;
    void update(int ms) override;
    void stop() override;
    std::unique_ptr<TinyAction> clone() const override;

    void actionFinished(int index) override;

    int loops() const { return loops_; }
    int done() const { return done_; }

private:
    std::unique_ptr<TinyAction> child_;
    // Starts rounds until one takes time or the count is reached.
    void startRounds();

    int loops_;
    int done_ = 0;
    // A round that ends the moment it starts is counted by startRounds, not
    // by a nested start, so instant rounds never pile up on the stack.
    bool starting_ = false;
    bool endedAtStart_ = false;
};
