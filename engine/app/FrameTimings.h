#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Wall-clock measurements of the frame loop for benchmarks: when the process
// drew its first frame, when each screen first came to the top, and the work
// of every frame (events, update, drawing and the buffer swap, without the
// wait for the next frame) by the screen on top. Nothing here feeds back into
// the game, which keeps its own clock.
class FrameTimings {
public:
    using Clock = std::chrono::steady_clock;

    FrameTimings() : start_(Clock::now()) {}

    // Milliseconds since the timings began (the program's start).
    double sinceStartMs() const;
    // Prints "Timing: <ms> <what>" at once.
    void mark(std::ostream& out, const std::string& what) const;
    // A screen on top of this frame; a new one is marked.
    void screenOnTop(std::ostream& out, const std::string& screen);
    void frameWork(const std::string& screen, std::uint32_t microseconds);
    // One line per screen: frames, median, 95th percentile and largest work in ms.
    void report(std::ostream& out) const;

private:
    Clock::time_point start_;
    std::string top_;
    std::map<std::string, std::vector<std::uint32_t>> work_;
};
