#include "engine/platform/Environment.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <iostream>

namespace platform {

std::optional<std::string> environmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

namespace {

// Whole-string integer parse; strtoll alone would accept leading blanks and
// trailing garbage.
std::optional<unsigned> parseSeed(const std::string& text) {
    if (text.empty() || !(text[0] == '-' || text[0] == '+' || (text[0] >= '0' && text[0] <= '9'))) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size()) {
        return std::nullopt;
    }
    if (value < INT_MIN || value > static_cast<long long>(UINT_MAX)) {
        return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

} // namespace

unsigned randomSeed() {
    const auto text = environmentValue("QUILL_SEED");
    if (text && !text->empty()) {
        if (const auto seed = parseSeed(*text)) {
            return *seed;
        }
        std::cout << "platform: QUILL_SEED \"" << *text
                  << "\" is not an integer, seeding from the time" << std::endl;
    }
    return static_cast<unsigned>(std::time(nullptr));
}

} // namespace platform
