// The real quill-game started as a player starts it, with a user folder of the
// test's own, played with real keys and clicks on the places the game logs for
// its controls, and ended by a close request or the system's termination request.
#include "tests/support/GamePrograms.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>

namespace {

using namespace std::chrono_literals;

// Generous: the sanitizer build under a busy Xvfb starts slowly.
constexpr auto kStartTimeout = 120s;
constexpr auto kStepTimeout = 60s;

std::string xdotool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "xdotool");
    return runCommand(arguments).out;
}

bool installed(const std::string& program) {
    return runCommand({"sh", "-c", "command -v " + program}).exitCode == 0;
}

// The centre of the control the game last logged under this name after the
// marker text, in window coordinates.
std::optional<std::pair<int, int>> controlAfter(const std::string& log, const std::string& marker,
                                                const std::string& name) {
    const std::size_t from = log.rfind(marker);
    if (from == std::string::npos) {
        return std::nullopt;
    }
    const std::regex line("Control \"" + name + "\" at (\\d+),(\\d+) \\((\\d+)x(\\d+)\\)");
    std::optional<std::pair<int, int>> place;
    const std::string tail = log.substr(from);
    for (std::sregex_iterator it(tail.begin(), tail.end(), line), end; it != end; ++it) {
        place = std::make_pair(std::stoi((*it)[1]), std::stoi((*it)[2]));
    }
    return place;
}

// quill-game started from the repository root in a user folder; its output
// goes to a log file in that folder.
class GameProcess {
public:
    explicit GameProcess(const std::string& userFolder)
        : userPath(userFolder), logPath(userFolder + "/game" + std::to_string(++starts) + ".log"),
          child({QUILL_GAME_PATH}, logPath, {"APPDATA=" + userFolder}) {}

    std::string log() const { return child.output(); }
    std::string save() const { return userPath + "/LanternInn/profiles.sav"; }
    bool waitForOutput(const std::string& text, std::chrono::milliseconds timeout = kStepTimeout) {
        return child.waitForOutput(text, timeout);
    }
    // The game's window id for xdotool, or an empty text.
    std::string window() const {
        const std::string found =
            xdotool({"search", "--sync", "--onlyvisible", "--pid", std::to_string(child.pid())});
        return found.substr(0, found.find('\n'));
    }
    // Clicks the named control the game logged after the marker text, once
    // the game has logged it.
    ::testing::AssertionResult click(const std::string& window, const std::string& marker,
                                     const std::string& name) {
        std::optional<std::pair<int, int>> place;
        if (!waitUntil([&] { return bool(place = controlAfter(log(), marker, name)); },
                       kStepTimeout)) {
            return ::testing::AssertionFailure()
                   << "no control \"" << name << "\" after \"" << marker << "\" in\n"
                   << log();
        }
        xdotool({"mousemove", "--window", window, std::to_string(place->first),
                 std::to_string(place->second), "click", "1"});
        return ::testing::AssertionSuccess();
    }
    // Alt+F4, as a window manager passes it on, and OK in the quit dialog.
    ::testing::AssertionResult quitWithOk(const std::string& window) {
        xdotool({"key", "--window", window, "alt+F4"});
        if (!waitForOutput("Quit dialog open")) {
            return ::testing::AssertionFailure() << "no quit dialog in\n" << log();
        }
        return click(window, "Quit dialog open", "OK");
    }

    static inline int starts = 0;
    std::string userPath;
    std::string logPath;
    ChildProcess child;
};

using game_programs::decodeSave;

class GameStartTest : public testing::Test {
protected:
    void SetUp() override {
        if (!installed("xdotool") || !installed("setxkbmap")) {
            GTEST_SKIP() << "xdotool or setxkbmap is not installed";
        }
    }
    TemporaryDirectory user;
};

TEST_F(GameStartTest, TerminationSavesTheGameAndEndsCleanly) {
    GameProcess game(user.path());
    ASSERT_TRUE(game.child.started());
    // A first start asks for the player's name once the logos are over.
    ASSERT_TRUE(game.waitForOutput("Name entry open", kStartTimeout)) << game.log();
    std::filesystem::remove(game.save());

    ASSERT_EQ(0, kill(game.child.pid(), SIGTERM));
    EXPECT_EQ(0, game.child.waitForExit(30s)) << game.log();
    ASSERT_TRUE(std::filesystem::exists(game.save())) << "saved on the way out";
    const nlohmann::json decoded = decodeSave(game.save());
    ASSERT_FALSE(decoded.is_discarded());
    EXPECT_EQ("VELT_RA001", decoded["productId"]);
    EXPECT_EQ(0, decoded["flags"]["fullScreen"]) << "the configuration says windowed";
}

// Installed into a folder of the test's own and started the way its desktop
// launcher starts it, from another folder.
TEST_F(GameStartTest, TheInstalledGameStartsFromItsLauncherInAnyFolderAndSaysWhereThingsAre) {
    namespace fs = std::filesystem;
    TemporaryDirectory prefix;
    TemporaryDirectory elsewhere;
    const CommandResult install =
        runCommand({"cmake", "--install", QUILL_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_EQ(0, install.exitCode) << install.out << install.err;
    const std::string id = QUILL_APP_ID;
    const std::string launcher = prefix / ("share/applications/" + id + ".desktop");
    const std::string metainfo = prefix / ("share/metainfo/" + id + ".metainfo.xml");
    EXPECT_TRUE(fs::exists(prefix / "share/quill-game/content/config/config.xml"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string side = std::to_string(size);
        EXPECT_TRUE(fs::exists(
            prefix / ("share/icons/hicolor/" + side + "x" + side + "/apps/" + id + ".png")))
            << size;
    }
    const CommandResult desktop = runCommand({"desktop-file-validate", launcher});
    EXPECT_EQ(0, desktop.exitCode) << desktop.out << desktop.err;
    const CommandResult appstream = runCommand({"appstreamcli", "validate", "--no-net", metainfo});
    EXPECT_EQ(0, appstream.exitCode) << appstream.out << appstream.err;

    std::ifstream entry(launcher);
    std::string line;
    std::string command;
    while (std::getline(entry, line)) {
        if (line.rfind("Exec=", 0) == 0) {
            command = line.substr(5);
        }
    }
    ASSERT_EQ("quill-game", command) << "a launcher command the PATH finds";
    ChildProcess game(
        {"sh", "-c", "cd '" + elsewhere.path() + "' && exec " + command}, user / "game.log",
        {"APPDATA=" + user.path(), "PATH=" + prefix / "bin" + ":" + std::getenv("PATH")});
    ASSERT_TRUE(game.waitForOutput("Name entry open", kStartTimeout)) << game.output();
    EXPECT_NE(std::string::npos, game.output().find("Content folder: " + prefix.path() +
                                                    "/share/quill-game/content; save folder: " +
                                                    user.path() + "/LanternInn\n"))
        << game.output();
    ASSERT_EQ(0, kill(game.pid(), SIGTERM));
    EXPECT_EQ(0, game.waitForExit(30s)) << game.output();
    EXPECT_TRUE(fs::exists(user / "LanternInn/profiles.sav"));
}

TEST_F(GameStartTest, VersionHelpAndUnknownOptionsEachTakeOneCall) {
    const CommandResult version = runCommand({QUILL_GAME_PATH, "--version"});
    EXPECT_EQ(0, version.exitCode);
    EXPECT_EQ(std::string("quill-game ") + QUILL_VERSION + "\n", version.out);
    const CommandResult help = runCommand({QUILL_GAME_PATH, "--help"});
    EXPECT_EQ(0, help.exitCode);
    EXPECT_NE(std::string::npos, help.out.find("--version"));
    const CommandResult unknown = runCommand({QUILL_GAME_PATH, "--windowed"});
    EXPECT_EQ(2, unknown.exitCode);
    EXPECT_EQ("quill-game: unknown option \"--windowed\" (try --help)\n", unknown.err);
    EXPECT_TRUE(unknown.out.empty());
}

TEST_F(GameStartTest, CloseRequestAsksAndOkSavesAndEnds) {
    GameProcess game(user.path());
    ASSERT_TRUE(game.child.started());
    ASSERT_TRUE(game.waitForOutput("Name entry open", kStartTimeout)) << game.log();
    const std::string window = game.window();
    ASSERT_FALSE(window.empty());
    std::filesystem::remove(game.save());

    xdotool({"key", "--window", window, "alt+F4"});
    ASSERT_TRUE(game.waitForOutput("Quit dialog open")) << game.log();
    EXPECT_EQ(-1, game.child.waitForExit(500ms)) << "still running under the dialog";
    ASSERT_TRUE(game.click(window, "Quit dialog open", "OK"));
    EXPECT_EQ(0, game.child.waitForExit(kStepTimeout)) << game.log();
    ASSERT_TRUE(std::filesystem::exists(game.save())) << "saved on the way out";
    const nlohmann::json decoded = decodeSave(game.save());
    ASSERT_FALSE(decoded.is_discarded());
    EXPECT_EQ("VELT_RA001", decoded["productId"]);
}

// A player's first evening: signs the guest book as "Zoë", turns the music
// down to half, quits, and is welcomed by name at the next start.
TEST_F(GameStartTest, ProfileAndVolumeSurviveAQuitAndARestart) {
    {
        GameProcess game(user.path());
        ASSERT_TRUE(game.child.started());
        ASSERT_TRUE(game.waitForOutput("Name entry open", kStartTimeout)) << game.log();
        const std::string window = game.window();
        ASSERT_FALSE(window.empty());
        // The Albanian layout has a key of its own for 'ë'.
        runCommand({"setxkbmap", "al"});
        xdotool({"type", "--window", window, "--delay", "150", "Zoë"});
        runCommand({"setxkbmap", "us"});
        xdotool({"key", "--window", window, "--delay", "150", "Return"});
        ASSERT_TRUE(game.waitForOutput("Profile menu closed, player 'Zoë'")) << game.log();

        // The main menu listed its buttons when it first showed, under the profiles.
        ASSERT_TRUE(game.click(window, "Main menu shown", "Options"));
        ASSERT_TRUE(game.waitForOutput("Options open")) << game.log();
        // A click on the middle of the rail sets one half.
        ASSERT_TRUE(game.click(window, "Options open", "Music"));
        ASSERT_TRUE(game.click(window, "Options open", "OK"));
        ASSERT_TRUE(game.waitForOutput(", music 50\n")) << game.log();

        ASSERT_TRUE(game.quitWithOk(window));
        ASSERT_EQ(0, game.child.waitForExit(kStepTimeout)) << game.log();
        const nlohmann::json decoded = decodeSave(game.save());
        ASSERT_FALSE(decoded.is_discarded());
        ASSERT_EQ(1u, decoded["profiles"].size()) << decoded.dump();
        EXPECT_EQ("Zoë", decoded["profiles"][0]["name"]);
        EXPECT_EQ(50, decoded["volumes"]["music"]);
    }
    // The same user folder, started again.
    GameProcess again(user.path());
    ASSERT_TRUE(again.child.started());
    EXPECT_TRUE(again.waitForOutput("Main menu shown (started), player 'Zoë'", kStartTimeout))
        << again.log();
    const std::string window = again.window();
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(again.quitWithOk(window));
    EXPECT_EQ(0, again.child.waitForExit(kStepTimeout)) << again.log();
}

} // namespace
