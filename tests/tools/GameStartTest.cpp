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

// quill-game started from the repository root with a user folder of the
// test's own; its output goes to a log file in that folder.
class GameProcess {
public:
    GameProcess() {
        ::setenv("APPDATA", user.path().c_str(), 1);
        // The game unloads the GL driver at exit, so a sanitizer build would
        // report the driver's own leaks from an unnamed module; the engine's
        // code is leak-checked by the other tests.
        const char* asan = std::getenv("ASAN_OPTIONS");
        ::setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log().c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        char* argv[] = {const_cast<char*>(QUILL_GAME_PATH), nullptr};
        spawned = posix_spawn(&child, QUILL_GAME_PATH, &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~GameProcess() {
        if (spawned && status == -1) {
            kill(child, SIGKILL);
            waitFor(child, 5);
        }
    }
    std::string log() const { return user / "game.log"; }
    std::string logText() const { return TemporaryDirectory::readFile(log()); }
    std::string save() const { return user / "LanternInn/profiles.sav"; }
    // Waits up to `seconds` for the text to appear in the game's output.
    bool waitForOutput(const std::string& text, int seconds) const {
        for (int i = 0; i < seconds * 10; ++i) {
            if (logText().find(text) != std::string::npos) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    int waitForExit(int seconds) { return status = waitFor(child, seconds); }

    TemporaryDirectory user;
    pid_t child = 0;
    bool spawned = false;
    int status = -1;
};

// The save file as quill-tool decodes it.
nlohmann::json decodeSave(const std::string& path) {
    return nlohmann::json::parse(run(std::string(QUILL_TOOL_PATH) + " save " + path), nullptr,
                                 false);
}

TEST(GameStartTest, TerminationSavesTheGameAndEndsCleanly) {
    GameProcess game;
    ASSERT_TRUE(game.spawned);
    // The first start writes the save file at once; give the logo a moment.
    bool started = false;
    for (int i = 0; i < 300 && !started; ++i) {
        started = std::filesystem::exists(game.save());
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(started) << game.logText();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    std::filesystem::remove(game.save());

    ASSERT_EQ(0, kill(game.child, SIGTERM));
    EXPECT_EQ(0, game.waitForExit(30)) << game.logText();
    ASSERT_TRUE(std::filesystem::exists(game.save())) << "saved on the way out";

    const nlohmann::json decoded = decodeSave(game.save());
    ASSERT_FALSE(decoded.is_discarded());
    EXPECT_EQ("VELT_RA001", decoded["productId"]);
    EXPECT_EQ(0, decoded["flags"]["fullScreen"]) << "the configuration says windowed";
}

TEST(GameStartTest, CloseRequestAsksAndOkSavesAndEnds) {
    if (run("command -v xdotool").empty()) {
        GTEST_SKIP() << "xdotool is not installed";
    }
    GameProcess game;
    ASSERT_TRUE(game.spawned);
    ASSERT_TRUE(game.waitForOutput("Main menu shown (started)", 120)) << game.logText();
    const std::string pid = std::to_string(game.child);
    std::string window = run("xdotool search --sync --onlyvisible --pid " + pid + " 2>/dev/null");
    window = window.substr(0, window.find('\n'));
    ASSERT_FALSE(window.empty());
    std::filesystem::remove(game.save());

    // Alt+F4 as the window manager would pass it on; the dialog asks first.
    run("xdotool key --window " + window + " alt+F4");
    ASSERT_TRUE(game.waitForOutput("Quit dialog open", 60)) << game.logText();
    EXPECT_EQ(-1, game.waitForExit(1)) << "still running under the dialog";
    // OK sits at the left of the dialog's button row (the dialog is centred).
    const int okX = (1024 - 359) / 2 + 40 + 64;
    const int okY = (768 - 257) / 2 + 178 + 32;
    for (int attempt = 0; attempt < 20 && game.status == -1; ++attempt) {
        run("xdotool mousemove --window " + window + " " + std::to_string(okX) + " " +
            std::to_string(okY) + " click 1");
        game.waitForExit(3);
    }
    EXPECT_EQ(0, game.status) << game.logText();
    ASSERT_TRUE(std::filesystem::exists(game.save())) << "saved on the way out";
    const nlohmann::json decoded = decodeSave(game.save());
    ASSERT_FALSE(decoded.is_discarded());
    EXPECT_EQ("VELT_RA001", decoded["productId"]);
}

} // namespace
