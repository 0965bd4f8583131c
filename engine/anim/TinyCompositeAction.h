#pragma once

#include "engine/anim/TinyAction.h"
#include "engine/anim/TinyActionListener.h"

#include <cstddef>
#include <memory>
#include <vector>

// A tiny action made of owned children. The concrete composites read completion from
// the children's running flags, so their reports are ignored.
class TinyCompositeAction : public TinyAction, public TinyActionListener {
public:
    TinyCompositeAction() = default;

    void add(std::unique_ptr<TinyAction> child);

    void stop() override;
    void actionFinished(int index) override { (void)index; }

    std::size_t childCount() const { return children_.size(); }
    TinyAction& child(std::size_t position) { return *children_[position]; }
    const TinyAction& child(std::size_t position) const { return *children_[position]; }

protected:
    // Deep copy: every child is cloned and listens to the copy, not the original.
    TinyCompositeAction(const TinyCompositeAction& other);

private:
    std::vector<std::unique_ptr<TinyAction>> children_;
};
