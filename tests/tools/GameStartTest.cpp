// The real quill-game started as a player starts it, with a user folder of the
// test's own, and ended by the system's termination request.
#include "tests/support/TemporaryDirectory.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// Waits up to `seconds` for the child; its exit status, or -1 if it runs on.
int waitFor(pid_t child, int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return -1;
}

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, n);
        }
        pclose(pipe);
    }
    return out;
}

TEST(GameStartTest, TerminationSavesTheGameAndEndsCleanly) {
    TemporaryDirectory user;
    ASSERT_TRUE(user.valid());
    const std::string save = user / "LanternInn/profiles.sav";
    ::setenv("APPDATA", user.path().c_str(), 1);
    // The game unloads the GL driver at exit, so a sanitizer build would report
    // the driver's own leaks from an unnamed module; the engine's code is
    // leak-checked by the other tests.
    const char* asan = std::getenv("ASAN_OPTIONS");
    ::setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
    const std::string log = user / "game.log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    char* argv[] = {const_cast<char*>(QUILL_GAME_PATH), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, QUILL_GAME_PATH, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(0, spawned);

    // The first start writes the save file at once; give the logo a moment.
    bool started = false;
    for (int i = 0; i < 300 && !started; ++i) {
        started = std::filesystem::exists(save);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(started) << TemporaryDirectory::readFile(log);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    std::filesystem::remove(save);

    ASSERT_EQ(0, kill(child, SIGTERM));
    const int status = waitFor(child, 30);
    if (status == -1) {
        kill(child, SIGKILL);
        waitFor(child, 5);
    }
    EXPECT_EQ(0, status) << TemporaryDirectory::readFile(log);
    ASSERT_TRUE(std::filesystem::exists(save)) << "saved on the way out";

    const nlohmann::json decoded =
        nlohmann::json::parse(run(std::string(QUILL_TOOL_PATH) + " save " + save), nullptr, false);
    ASSERT_FALSE(decoded.is_discarded());
    EXPECT_EQ("VELT_RA001", decoded["productId"]);
    EXPECT_EQ(0, decoded["flags"]["fullScreen"]) << "the configuration says windowed";
}

} // namespace
