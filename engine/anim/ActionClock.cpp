#include "engine/anim/ActionClock.h"

namespace lux {

namespace {
ClockSource currentSource = nullptr;
}

void setClockSource(ClockSource source) {
    currentSource = source;
}

std::uint32_t clockNow() {
    return currentSource ? currentSource() : 0;
}

} // namespace lux
