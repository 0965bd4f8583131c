#pragma once

#include "engine/anim/Action.h"
#include "engine/anim/ActionListener.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace lux {

// An action made of owned child actions. It listens to its children: tags they
// report are passed on to its own listener unchanged, while their completion is
// read from their running flags by the concrete composites.
class CompositeAction : public Action, public ActionListener {
public:
    CompositeAction() = default;

    // Appends a child and gives it the tag (-1 clears it).
    void add(std::unique_ptr<Action> child, int tag = -1);
    // Appends a child keeping the tag it already has.
    void append(std::unique_ptr<Action> child);

    void stop() override;

    void actionFinished(int index) override { (void)index; }
    void actionTagFinished(int index, int tag) override;

    std::size_t childCount() const { return children_.size(); }
    Action& child(std::size_t position) { return *children_[position]; }
    const Action& child(std::size_t position) const { return *children_[position]; }

protected:
    // Deep copy: every child is cloned and listens to the copy, not the original.
    CompositeAction(const CompositeAction& other);

    std::vector<std::unique_ptr<Action>>& children() { return children_; }

private:
    std::vector<std::unique_ptr<Action>> children_;
};

} // namespace lux
