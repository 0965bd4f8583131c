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
    // In a user folder of its own, or in the given one (a second start).
    explicit GameProcess(std::string folder = {})
        : userPath(folder.empty() ? ownFolder.path() : std::move(folder)),
          logPath(userPath + "/game" + std::to_string(++starts) + ".log") {
        ::setenv("APPDATA", userPath.c_str(), 1);
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
    const std::string& log() const { return logPath; }
    std::string logText() const { return TemporaryDirectory::readFile(log()); }
    std::string save() const { return userPath + "/LanternInn/profiles.sav"; }
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
    // The game's window id for xdotool, or an empty text.
    std::string window() const {
        std::string found = run("xdotool search --sync --onlyvisible --pid " +
                                std::to_string(child) + " 2>/dev/null");
        return found.substr(0, found.find('\n'));
    }
    // A left click at (x, y) of the game's window.
    void clickAt(const std::string& window, int x, int y) const {
        run("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
            std::to_string(y) + " click 1");
    }
    // Alt+F4, then OK in the quit dialog until the game has ended.
    void quitWithOk(const std::string& window) {
        run("xdotool key --window " + window + " alt+F4");
        if (waitForOutput("Quit dialog open", 60)) {
            pressOk(window);
        }
    }
    // OK in the open quit dialog until the game has ended.
    void pressOk(const std::string& window) {
        // OK sits at the left of the dialog's button row (the dialog is centred).
        const int okX = (1024 - 359) / 2 + 40 + 64;
        const int okY = (768 - 257) / 2 + 178 + 32;
        for (int attempt = 0; attempt < 20 && status == -1; ++attempt) {
            clickAt(window, okX, okY);
            waitForExit(3);
        }
    }

    static inline int starts = 0;
    TemporaryDirectory ownFolder;
    std::string userPath;
    std::string logPath;
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
    const std::string window = game.window();
    ASSERT_FALSE(window.empty());
    std::filesystem::remove(game.save());

    // Alt+F4 as the window manager would pass it on; the dialog asks first.
    run("xdotool key --window " + window + " alt+F4");
    ASSERT_TRUE(game.waitForOutput("Quit dialog open", 60)) << game.logText();
    EXPECT_EQ(-1, game.waitForExit(1)) << "still running under the dialog";
    game.pressOk(window);
    EXPECT_EQ(0, game.status) << game.logText();
    ASSERT_TRUE(std::filesystem::exists(game.save())) << "saved on the way out";
    const nlohmann::json decoded = decodeSave(game.save());
    ASSERT_FALSE(decoded.is_discarded());
    EXPECT_EQ("VELT_RA001", decoded["productId"]);
}

// A player's first evening: signs the guest book as "Zoë", turns the music
// down to half, quits, and is welcomed by name at the next start.
TEST(GameStartTest, ProfileAndVolumeSurviveAQuitAndARestart) {
    if (run("command -v xdotool").empty() || run("command -v setxkbmap").empty()) {
        GTEST_SKIP() << "xdotool or setxkbmap is not installed";
    }
    std::string save;
    {
        GameProcess game;
        ASSERT_TRUE(game.spawned);
        ASSERT_TRUE(game.waitForOutput("Name entry open", 120)) << game.logText();
        const std::string window = game.window();
        ASSERT_FALSE(window.empty());
        // The Albanian layout has a key of its own for 'ë'.
        run("setxkbmap al");
        run("xdotool type --window " + window + " --delay 150 'Zoë'");
        run("setxkbmap us");
        run("xdotool key --window " + window + " --delay 150 Return");
        ASSERT_TRUE(game.waitForOutput("Profile menu closed, player 'Zoë'", 60)) << game.logText();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));

        // Options, third button of the main menu (x 75, y 120 + 60 * 2).
        game.clickAt(window, 75 + 100, 120 + 2 * 60 + 24);
        ASSERT_TRUE(game.waitForOutput("Options open", 60)) << game.logText();
        // The options frame (460 x 400) is centred; the music rail starts at
        // its x + 210 and is 220 pixels wide: its middle is one half.
        const int frameX = (1024 - 460) / 2;
        const int frameY = (768 - 400) / 2;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        game.clickAt(window, frameX + 210 + 110, frameY + 92 + 50 + 4 + 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        game.clickAt(window, frameX + (460 - 128) / 2 + 64, frameY + 292 + 32);
        std::this_thread::sleep_for(std::chrono::seconds(1));

        game.quitWithOk(window);
        ASSERT_EQ(0, game.status) << game.logText();
        save = game.save();
        const nlohmann::json decoded = decodeSave(save);
        ASSERT_FALSE(decoded.is_discarded());
        ASSERT_EQ(1u, decoded["profiles"].size()) << decoded.dump();
        EXPECT_EQ("Zoë", decoded["profiles"][0]["name"]);
        EXPECT_EQ(50, decoded["volumes"]["music"]);

        // The same user folder, started again.
        GameProcess again(game.userPath);
        ASSERT_TRUE(again.spawned);
        EXPECT_TRUE(again.waitForOutput("Main menu shown (started), player 'Zoë'", 120))
            << again.logText();
        const std::string secondWindow = again.window();
        ASSERT_FALSE(secondWindow.empty());
        again.quitWithOk(secondWindow);
        EXPECT_EQ(0, again.status) << again.logText();
    }
}

} // namespace
