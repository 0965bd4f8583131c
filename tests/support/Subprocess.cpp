#include "tests/support/Subprocess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int decodeStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

// argv and envp arrays for posix_spawn, pointing into the given strings.
std::vector<char*> pointers(const std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (const std::string& s : strings) {
        out.push_back(const_cast<char*>(s.c_str()));
    }
    out.push_back(nullptr);
    return out;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> all;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        bool replaced = false;
        for (const std::string& e : extra) {
            replaced = replaced || text.compare(0, e.find('=') + 1, e, 0, e.find('=') + 1) == 0;
        }
        if (!replaced) {
            all.push_back(text);
        }
    }
    all.insert(all.end(), extra.begin(), extra.end());
    return all;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const std::string& outPath, const std::string& errPath) {
    if (argv.empty()) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (errPath == outPath) {
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    std::vector<char*> args = pointers(argv);
    const std::vector<std::string> env = environmentWith(environment);
    std::vector<char*> envp = pointers(env);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, args.data(), envp.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// A file name of this process's own for captured output.
std::string scratchPath(const char* what) {
    static int runs = 0;
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/quill-test-" + std::to_string(::getpid()) +
           "-" + std::to_string(++runs) + "-" + what;
}

} // namespace

CommandResult runCommand(const std::vector<std::string>& argv) {
    CommandResult result;
    const std::string outPath = scratchPath("out");
    const std::string errPath = scratchPath("err");
    const pid_t pid = spawn(argv, {}, outPath, errPath);
    if (pid > 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
        }
        result.exitCode = decodeStatus(status);
        result.out = readAll(outPath);
        result.err = readAll(errPath);
    }
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& outputPath,
                           const std::vector<std::string>& environment)
    : outputPath_(outputPath), pid_(spawn(argv, environment, outputPath, outputPath)) {}

ChildProcess::~ChildProcess() {
    if (running()) {
        kill();
    }
}

std::string ChildProcess::output() const {
    return readAll(outputPath_);
}

bool ChildProcess::waitForOutput(const std::string& text, std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return output().find(text) != std::string::npos; }, timeout);
}

int ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    if (!running()) {
        return exitCode_;
    }
    waitUntil(
        [&] {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exitCode_ = decodeStatus(status);
            }
            return exitCode_ != -1;
        },
        timeout);
    return exitCode_;
}

void ChildProcess::kill() {
    if (!running()) {
        return;
    }
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) == -1 && errno == EINTR) {
    }
    exitCode_ = decodeStatus(status);
}
