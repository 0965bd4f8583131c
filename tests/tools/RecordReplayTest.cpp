// A run of the real quill-game recorded with --record and played again with
// --replay: the same frames drawn, the same save at the end, and a first line
// that says whether the content is still the recording's.
#include "tests/support/AutoplayRuns.h"
#include "tests/support/ContentCopy.h"
#include "tests/support/GamePrograms.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>

namespace {

using namespace std::chrono_literals;

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// The game started in its own user folder; the test stops it or lets it end.
ChildProcess startGame(const std::string& userFolder, std::vector<std::string> arguments,
                       const std::string& logName) {
    std::vector<std::string> argv = {QUILL_GAME_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return ChildProcess(argv, userFolder + "/" + logName,
                        autoplay_runs::environment(userFolder, 20261208));
}

TEST(RecordReplayTest, AReplayDrawsTheRecordedFramesAgainAndLeavesTheSameSave) {
    TemporaryDirectory recorded;
    TemporaryDirectory replayed;
    const std::string journal = recorded.path() + "/run.journal";
    {
        // The automated player's first minutes, cut short by the system once
        // the Taproom is reached: typing, clicks and drags are all recorded.
        ChildProcess game =
            startGame(recorded.path(),
                      {"--autoplay", "--fixed-step", "--draw-every", "100", "--record", journal,
                       "--frame-shots", "250", recorded.path() + "/shots"},
                      "record.log");
        ASSERT_TRUE(game.waitForOutput("Autoplay: click \"", 120s)) << game.output();
        ASSERT_TRUE(
            waitUntil([&] { return game.output().find(" on Scene1") != std::string::npos; }, 120s))
            << game.output();
        ASSERT_EQ(0, kill(game.pid(), SIGTERM));
        ASSERT_EQ(5, game.waitForExit(60s)) << game.output(); // the play was cut short
    }
    ChildProcess replay = startGame(replayed.path(),
                                    {"--replay", journal, "--draw-every", "100", "--frame-shots",
                                     "250", replayed.path() + "/shots"},
                                    "replay.log");
    ASSERT_EQ(0, replay.waitForExit(180s)) << replay.output();
    EXPECT_NE(firstLine(replay.output()).find("on the same content"), std::string::npos)
        << replay.output();
    EXPECT_NE(replay.output().find("Replay: ended at frame"), std::string::npos);

    // Every 250th frame of both runs, byte for byte.
    int compared = 0;
    for (const auto& shot : std::filesystem::directory_iterator(recorded.path() + "/shots")) {
        const std::string name = shot.path().filename().string();
        const std::string again = replayed.path() + "/shots/" + name;
        ASSERT_TRUE(std::filesystem::exists(again)) << name;
        EXPECT_TRUE(TemporaryDirectory::readFile(shot.path().string()) ==
                    TemporaryDirectory::readFile(again))
            << name << " differs";
        ++compared;
    }
    // The Taproom starts after the profile, the intro and the chapter card,
    // about 14 s of play (frame 890): the shots at 250, 500 and 750 at least.
    EXPECT_GE(compared, 3);
    // Both runs saved the same profile and the same items found.
    const nlohmann::json first =
        game_programs::decodeSave(recorded.path() + "/LanternInn/profiles.sav");
    const nlohmann::json second =
        game_programs::decodeSave(replayed.path() + "/LanternInn/profiles.sav");
    ASSERT_FALSE(first.is_discarded());
    EXPECT_EQ(first["profiles"], second["profiles"]);
}

TEST(RecordReplayTest, AReplaySaysFirstWhenTheContentChangedAndStopsAtADamagedLine) {
    TemporaryDirectory user;
    const std::string journal = user.path() + "/menu.journal";
    {
        ChildProcess game = startGame(user.path(), {"--fixed-step", "--record", journal}, "a.log");
        ASSERT_TRUE(game.waitForOutput("Main menu shown", 60s)) << game.output();
        ASSERT_EQ(0, kill(game.pid(), SIGTERM));
        ASSERT_EQ(0, game.waitForExit(60s)) << game.output();
    }
    // The same journal on content with one more file.
    ContentCopy content;
    content.write("notes.txt", "an author's note");
    {
        ScopedWorkingDirectory there(content.root());
        TemporaryDirectory fresh;
        ChildProcess replay = startGame(fresh.path(), {"--replay", journal}, "b.log");
        ASSERT_EQ(0, replay.waitForExit(60s)) << replay.output();
        EXPECT_EQ(0u, replay.output().find("Replay: the content has changed since the recording"))
            << replay.output();
    }
    // A line that is not an event ends the events there, with a line naming it;
    // the replay runs on a little and ends.
    std::string text = TemporaryDirectory::readFile(journal);
    const std::size_t end = text.find("\nend ");
    ASSERT_NE(std::string::npos, end);
    text.insert(end + 1, "9 motion 10 ten\n");
    TemporaryDirectory::writeFile(user.path() + "/damaged.journal", text);
    TemporaryDirectory fresh;
    ChildProcess damaged =
        startGame(fresh.path(), {"--replay", user.path() + "/damaged.journal"}, "c.log");
    EXPECT_EQ(0, damaged.waitForExit(120s)) << damaged.output();
    EXPECT_NE(damaged.output().find("is not an event; the replay ends before it"),
              std::string::npos)
        << damaged.output();
    // Not a journal at all: one line and exit code 2.
    const CommandResult wrong = runCommand({QUILL_GAME_PATH, "--replay", "/etc/hostname"});
    EXPECT_EQ(2, wrong.exitCode);
    EXPECT_NE(wrong.err.find("is not an input journal"), std::string::npos) << wrong.err;
}

} // namespace
