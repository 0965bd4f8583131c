#pragma once

#include "engine/anim/TinyCompositeAction.h"

#include <cstddef>
#include <memory>

// Runs its children one after another. Moving on to the next child takes one update
// after the previous one finished, and finishing takes one more after the last.
class TinyActionSequence : public TinyCompositeAction {
public:
    TinyActionSequence() = default;
    TinyActionSequence(const TinyActionSequence& other) = default;

    void start(TinyActionListener* listener, int index) override;
    void update(int ms) override;
    std::unique_ptr<TinyAction> clone() const override;

protected:
    std::unique_ptr<TinyAction> thenOwned(std::unique_ptr<TinyAction> self,
                                          std::unique_ptr<TinyAction> next) override;

private:
    std::size_t current_ = 0;
};
