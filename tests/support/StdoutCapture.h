#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// Collects what the code under test prints, to check its diagnostic lines.
class StdoutCapture {
public:
    StdoutCapture() { testing::internal::CaptureStdout(); }
    ~StdoutCapture() {
        if (!finished_) {
            testing::internal::GetCapturedStdout();
        }
    }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    std::string finish() {
        finished_ = true;
        return testing::internal::GetCapturedStdout();
    }

    static long lineCount(const std::string& text) {
        return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
    }

private:
    bool finished_ = false;
};
