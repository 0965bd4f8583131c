#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// Programs that tests run: a command run to its end, or a child left running
// whose output goes to a file the test reads as it goes. No shell is involved,
// so arguments need no quoting.

struct CommandResult {
    // The exit status; 128 + the signal when a signal ended it; -1 when it
    // could not be started.
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with its arguments and waits for it to end.
CommandResult runCommand(const std::vector<std::string>& argv);

// Polls the condition until it holds or the time is up; true when it held.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// A program started in the background with standard output and error going to
// one file. Killed and reaped on destruction if it still runs.
class ChildProcess {
public:
    // Extra environment entries ("NAME=value") are added to the test's own.
    ChildProcess(const std::vector<std::string>& argv, const std::string& outputPath,
                 const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    std::string output() const;
    // Waits for the text in the output; true when it appeared in time.
    bool waitForOutput(const std::string& text, std::chrono::milliseconds timeout) const;
    // Waits for the end; the exit code as in CommandResult, or -1 while it runs on.
    int waitForExit(std::chrono::milliseconds timeout);
    bool running() const { return pid_ > 0 && exitCode_ == -1; }
    int exitCode() const { return exitCode_; }
    // SIGKILL and reap.
    void kill();

private:
    std::string outputPath_;
    pid_t pid_ = -1;
    int exitCode_ = -1;
};
