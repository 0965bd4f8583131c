#pragma once

#include <cstdint>

namespace lux {

// The actions read time through this seam so the library does not depend on the
// application; the game installs its own clock, which stands still while paused.
using ClockSource = std::uint32_t (*)();

// Installs the clock read by clockNow(); nullptr removes it.
void setClockSource(ClockSource source);

// Current time in milliseconds, or 0 while no clock is installed.
std::uint32_t clockNow();

} // namespace lux
