// The real quill-game playing itself in fixed steps from a fresh user folder:
// the screens it meets in order, where it stops, the save it leaves, its
// screenshots, and a second run with the same seed that plays the same way.
#include "tests/support/GamePrograms.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct AutoplayRun {
    int exitCode = -1;
    std::string log;
    std::string save;
};

AutoplayRun autoplay(const std::string& userFolder, std::vector<std::string> extraArguments) {
    // One frame in a hundred is drawn (and every screenshot): the play is the
    // same, the run much shorter.
    std::vector<std::string> argv = {QUILL_GAME_PATH, "--autoplay", "--fixed-step", "--draw-every",
                                     "100"};
    argv.insert(argv.end(), extraArguments.begin(), extraArguments.end());
    const std::string logPath = userFolder + "/autoplay.log";
    ChildProcess game(
        argv, logPath,
        {"APPDATA=" + userFolder, "QUILL_SEED=20261208", game_programs::noLeakCheck()});
    AutoplayRun run;
    // Generous for the sanitizer build on a busy machine.
    run.exitCode = game.waitForExit(420s);
    run.log = game.output();
    run.save = userFolder + "/LanternInn/profiles.sav";
    return run;
}

// The lines the automated player wrote, in order.
std::vector<std::string> autoplayLines(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Autoplay: ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> screensMet(const std::string& log) {
    std::vector<std::string> screens;
    const std::regex screenLine(R"(Autoplay: screen \d+: (\w+) at )");
    for (const std::string& line : autoplayLines(log)) {
        std::smatch match;
        if (std::regex_search(line, match, screenLine)) {
            screens.push_back(match[1]);
        }
    }
    return screens;
}

TEST(AutoplayTest, PlaysTheWholeGameFromAFreshUserFolderAndRepeatsWithItsSeed) {
    TemporaryDirectory user;
    const std::string shots = user.path() + "/shots";
    const AutoplayRun run = autoplay(user.path(), {"--autoplay-shots", shots});
    ASSERT_EQ(0, run.exitCode) << run.log;
    // Each scene: three goals, a hint, a miss, then MENU and YES; Play and
    // Continue on the main menu; the rest of the goals and the completion dialog.
    // The puzzles are solved from their own data, but for the planned skip.
    const std::vector<std::string> expected = {
        "LogoSeqManager",     // clicked away
        "MainMenu",           // fading in, no profile yet
        "PlayerProfilesMenu", // opens the name entry at once
        "PlayerNameEntry",    // "Autoplayer" typed, OK
        "PlayerProfilesMenu", // closes itself on the new profile
        "MainMenu",           // Play
        "StoryScreen",        // the intro, skipped
        "TransitionScreen",   // "Chapter 1 - The Taproom", clicked away
        // clang-format off
        "Scene1", "MainMenu", "Scene1", // the Taproom
        "MG_Screen2", "Scene1",         // the pipes: the tap tried first, a flood
        "MG_Screen5",                   // the safe: a wrong code, then the note's
        "StoryScreen",                  // a locket piece in the safe
        "Scene2", "MainMenu", "Scene2", // the Library
        "MG_Screen10", "Scene2",        // the books, skipped; the Library goes on
        "MG_Screen32",                  // the motto's letters
        "TransitionScreen",             // "Chapter 2 - Upstairs"
        "Scene3", "MainMenu", "Scene3", // the Music room
        "MG_Screen18", "Scene3",        // the piano: a slip, then the tune
        "MG_Screen22",                  // the jigsaw of the photograph
        "Scene4", "MainMenu", "Scene4", // the Kitchen
        "MG_Screen28", "Scene4",        // the chocolate box
        "MG_Screen15", "MG_Screen15",   // the breakout: the ball lost once, then cleared
        // clang-format on
        "StoryScreen",    // the ending
        "OpeningCredits", // skipped
        "MainMenu",       // "finished": free play opens
        // The first scene replayed in free play, its puzzle solved at once.
        "FreePlayMenu", "Scene1", "MG_Screen2", "Scene1", "FreePlayMenu",
        "MainMenu", // "fromFreePlay": the end
    };
    EXPECT_EQ(expected, screensMet(run.log)) << run.log;
    // Every click took: none had to be made again.
    EXPECT_NE(run.log.find(" 0 misses, 10 keystrokes, "), std::string::npos) << run.log;

    const nlohmann::json save = game_programs::decodeSave(run.save);
    ASSERT_FALSE(save.is_discarded()) << run.log;
    ASSERT_EQ(1u, save["profiles"].size());
    const nlohmann::json& profile = save["profiles"][0];
    EXPECT_EQ("Autoplayer", profile["name"]);
    // At the end the profile is finished, and Play starts the game anew.
    EXPECT_EQ(true, profile["finished"]);
    EXPECT_EQ(false, profile["started"]);
    EXPECT_EQ(0, profile["flowPosition"]);
    EXPECT_EQ(0, profile["resumeStep"]);
    EXPECT_EQ(3, profile["completedScenes"]); // -1 before the first scene, +1 each
    EXPECT_EQ(1, profile["hintFlags"]);       // a hint was taken
    // A finished scene keeps only what is drawn and never found: its room
    // scenery (group 6) and foreground props (group 5).
    // Each scene's rules put its three foreground props (typeIds 501 to 503)
    // in group 5: the replay in free play left them there once each.
    std::map<int, std::set<int>> props;
    for (const nlohmann::json& block : profile["itemGroups"]) {
        const int group = block["group"].get<int>();
        if (group != 5 && group != 6) {
            EXPECT_EQ(0, block["count"]) << block.dump();
        }
        if (group == 5) {
            EXPECT_EQ(12, block["count"]) << block.dump(); // 4 scenes x 3 props
            for (const nlohmann::json& item : block["items"]) {
                props[item["sceneId"].get<int>()].insert(item["index"].get<int>());
            }
        }
    }
    for (int scene = 1; scene <= 4; ++scene) {
        EXPECT_EQ(3u, props[scene].size()) << "scene " << scene;
    }

    // A screenshot of each screen that stayed long enough to be seen; the
    // story's is the intro's first slide at the window's size.
    const std::string storyShot = shots + "/007-StoryScreen.png";
    ASSERT_TRUE(std::filesystem::exists(storyShot)) << run.log;
    EXPECT_TRUE(std::filesystem::exists(shots + "/008-TransitionScreen.png"));
    SDL_Surface* picture = IMG_Load(storyShot.c_str());
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(1024, picture->w);
    EXPECT_EQ(768, picture->h);
    SDL_FreeSurface(picture);

    // The same seed in another fresh folder, without screenshots and drawing
    // one frame in sixty: every move, screen change and its game time, and
    // the frame count are the same.
    TemporaryDirectory again;
    EXPECT_EQ(autoplayLines(run.log),
              autoplayLines(autoplay(again.path(), {"--draw-every", "60"}).log));
}

TEST(AutoplayTest, ATerminationMidSceneKeepsWhatWasFoundAndTheNextStartFinishesTheScene) {
    TemporaryDirectory user;
    {
        ChildProcess game({QUILL_GAME_PATH, "--autoplay", "--fixed-step", "--draw-every", "10"},
                          user.path() + "/first.log",
                          {"APPDATA=" + user.path(), "QUILL_SEED=5", game_programs::noLeakCheck()});
        // Two goals clicked in the Taproom, then the system ends the game.
        auto clicksInScene = [&game] {
            const std::string log = game.output();
            std::size_t count = 0;
            for (std::size_t at = log.find("on Scene1"); at != std::string::npos;
                 at = log.find("on Scene1", at + 1)) {
                ++count;
            }
            return count;
        };
        ASSERT_TRUE(waitUntil([&] { return clicksInScene() >= 2; }, 120s)) << game.output();
        ASSERT_EQ(0, kill(game.pid(), SIGTERM));
        // Saved and ended cleanly; the automated player says its play was cut short.
        EXPECT_EQ(5, game.waitForExit(60s)) << game.output();
    }
    const nlohmann::json saved =
        game_programs::decodeSave(user.path() + "/LanternInn/profiles.sav");
    ASSERT_FALSE(saved.is_discarded());
    int found = 0; // collected goals and thinned coins alike are in group 3
    for (const nlohmann::json& block : saved["profiles"][0]["itemGroups"]) {
        found += block["group"] == 3 ? block["count"].get<int>() : 0;
    }
    EXPECT_GE(found, 1) << saved.dump();

    ChildProcess again({QUILL_GAME_PATH, "--autoplay", "--fixed-step", "--draw-every", "100"},
                       user.path() + "/second.log",
                       {"APPDATA=" + user.path(), "QUILL_SEED=6", game_programs::noLeakCheck()});
    EXPECT_EQ(0, again.waitForExit(420s)) << again.output();
    const std::vector<std::string> screens = screensMet(again.output());
    // No profile to make this time: the main menu continues the scene.
    ASSERT_GE(screens.size(), 3u) << again.output();
    EXPECT_EQ("MainMenu", screens[1]);
    EXPECT_EQ("Scene1", screens[2]);
    const nlohmann::json done = game_programs::decodeSave(user.path() + "/LanternInn/profiles.sav");
    EXPECT_EQ(true, done["profiles"][0]["finished"]) << "played to the end";
}

TEST(AutoplayTest, CommandLineMistakesGetOneLineAndExitCode2) {
    const CommandResult unknown = runCommand({QUILL_GAME_PATH, "--autoplya"});
    EXPECT_EQ(2, unknown.exitCode);
    EXPECT_EQ("quill-game: unknown option \"--autoplya\" (try --help)\n", unknown.err);
    const CommandResult noFolder = runCommand({QUILL_GAME_PATH, "--autoplay-shots"});
    EXPECT_EQ(2, noFolder.exitCode);
    const CommandResult noCount = runCommand({QUILL_GAME_PATH, "--draw-every", "0"});
    EXPECT_EQ(2, noCount.exitCode);
    EXPECT_NE(noCount.err.find("--draw-every needs a number from 1 to 1000"), std::string::npos);
    const CommandResult help = runCommand({QUILL_GAME_PATH, "--help"});
    EXPECT_EQ(0, help.exitCode);
    EXPECT_NE(help.out.find("--fixed-step"), std::string::npos);
}

} // namespace
