#pragma once

#include <cstdint>

namespace lux {

// A span of time measured either against the action clock or, once advance() has
// been called, purely from the milliseconds fed to it.
class Duration {
public:
    explicit Duration(int lengthMs) : length_(lengthMs) {}
    virtual ~Duration() = default;

    virtual int length() const { return length_; }

    // Restarts the measurement from now.
    void begin();
    // Switches to manual timing and adds the given milliseconds.
    void advance(int ms);
    int elapsed() const;

private:
    bool manual_ = false;
    int manualElapsed_ = 0;
    int length_;
    // Kept unsigned so the difference stays right when the clock wraps.
    std::uint32_t start_ = 0;
};

} // namespace lux
