#pragma once

#include <optional>
#include <string>

namespace platform {

// Value of an environment variable; std::nullopt when it is not set. An empty
// value is returned as an empty string.
std::optional<std::string> environmentValue(const std::string& name);

// Seed for the game's random numbers: QUILL_SEED when it holds an integer (so a
// run can be replayed), else the current time. A negative seed wraps like
// srand(int) would.
unsigned randomSeed();

} // namespace platform
