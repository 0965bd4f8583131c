#include "engine/app/FrameTimings.h"

#include <algorithm>
#include <cstdio>

double FrameTimings::sinceStartMs() const {
    return std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
}

void FrameTimings::mark(std::ostream& out, const std::string& what) const {
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.1f", sinceStartMs());
    out << "Timing: " << ms << ' ' << what << std::endl;
}

void FrameTimings::screenOnTop(std::ostream& out, const std::string& screen) {
    if (screen != top_) {
        top_ = screen;
        mark(out, screen + " on top");
    }
}

void FrameTimings::frameWork(const std::string& screen, std::uint32_t microseconds) {
    work_[screen].push_back(microseconds);
}

void FrameTimings::report(std::ostream& out) const {
    for (const auto& [screen, samples] : work_) {
        std::vector<std::uint32_t> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        const auto at = [&sorted](double share) {
            return sorted[std::min(sorted.size() - 1, std::size_t(share * double(sorted.size())))] /
                   1000.0;
        };
        char line[160];
        std::snprintf(line, sizeof line,
                      "Timing: frame work on %s: %zu frames, median %.2f ms, p95 %.2f ms, "
                      "largest %.2f ms",
                      screen.c_str(), sorted.size(), at(0.5), at(0.95), sorted.back() / 1000.0);
        out << line << '\n';
    }
    out.flush();
}
