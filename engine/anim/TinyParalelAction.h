#pragma once

#include "engine/anim/TinyCompositeAction.h"

#include <memory>

// Runs all its children at once and finishes on the first update that finds none of
// them running any more.
class TinyParalelAction : public TinyCompositeAction {
public:
    TinyParalelAction() = default;
    TinyParalelAction(const TinyParalelAction& other) = default;

    void start(TinyActionListener* listener, int index) override;
    void update(int ms) override;
    std::unique_ptr<TinyAction> clone() const override;

protected:
    std::unique_ptr<TinyAction> withOwned(std::unique_ptr<TinyAction> self,
                                          std::unique_ptr<TinyAction> other) override;
};
