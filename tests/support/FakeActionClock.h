#pragma once

#include "engine/anim/ActionClock.h"
#include "tests/support/TestApp.h"

#include <cstdint>

// While it lives, the lux actions read their time from a fake tick source
// that moves only when the test advances it (it starts at 1000 ms).
class FakeActionClock {
public:
    FakeActionClock() {
        installed() = &ticks_;
        lux::setClockSource(&read);
    }
    ~FakeActionClock() {
        lux::setClockSource(nullptr);
        installed() = nullptr;
    }
    FakeActionClock(const FakeActionClock&) = delete;
    FakeActionClock& operator=(const FakeActionClock&) = delete;

    std::uint32_t now() { return ticks_.ticks(); }
    void advance(std::uint32_t ms) { ticks_.advance(ms); }

private:
    static FakeTickSource*& installed() {
        static FakeTickSource* ticks = nullptr;
        return ticks;
    }
    static std::uint32_t read() { return installed()->ticks(); }

    FakeTickSource ticks_;
};
