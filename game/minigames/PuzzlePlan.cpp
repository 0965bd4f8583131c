#include "game/minigames/PuzzlePlan.h"

#include <memory>

namespace {
std::unique_ptr<PuzzlePlan>& holder() {
    static std::unique_ptr<PuzzlePlan> plan;
    return plan;
}
} // namespace

PuzzlePlan& PuzzlePlan::instance() {
    if (!holder()) {
        holder() = std::make_unique<PuzzlePlan>();
    }
    return *holder();
}

void PuzzlePlan::reset() {
    holder().reset();
}
