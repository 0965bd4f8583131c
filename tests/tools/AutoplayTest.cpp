// The real quill-game playing itself in fixed steps from a fresh user folder:
// the screens it meets in order, where it stops, the save it leaves, its
// screenshots, and a second run with the same seed that plays the same way.
#include "tests/support/AutoplayRuns.h"
#include "tests/support/GamePrograms.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

using namespace autoplay_runs;

struct AutoplayRun {
    int exitCode = -1;
    std::string log;
    std::string save;
};

AutoplayRun autoplay(const std::string& userFolder, std::vector<std::string> extraArguments,
                     const std::string& locale = "") {
    std::vector<std::string> variables = environment(userFolder, 20261208);
    if (!locale.empty()) {
        variables.push_back("LANG=" + locale);
    }
    ChildProcess game(command(extraArguments), userFolder + "/autoplay.log", variables);
    AutoplayRun run;
    // Generous for the sanitizer build on a busy machine.
    run.exitCode = game.waitForExit(420s);
    run.log = game.output();
    run.save = savePath(userFolder);
    return run;
}

// A volume attribute of the demo's config.xml: the first-run value.
int firstRunVolume(const std::string& attribute) {
    const std::string config = TemporaryDirectory::readFile("content/config/config.xml");
    std::smatch match;
    if (!std::regex_search(config, match, std::regex(attribute + R"re(="(\d+)")re"))) {
        return -1;
    }
    return std::stoi(match[1]);
}

// The screens of the whole game in the order the automated player meets them.
std::vector<std::string> wholeGameScreens() {
    // Each scene: three goals, a hint, a miss, then MENU and YES; Play and
    // Continue on the main menu; the rest of the goals and the completion dialog.
    // The first time back on the main menu, once a run, the options.
    // The puzzles are solved from their own data, but for the planned skip.
    return {
        "LogoSeqManager",     // clicked away
        "MainMenu",           // fading in, no profile yet
        "PlayerProfilesMenu", // opens the name entry at once
        "PlayerNameEntry",    // "Autoplayer" typed, OK
        "PlayerProfilesMenu", // closes itself on the new profile
        "MainMenu",           // Play
        "StoryScreen",        // the intro, skipped
        "TransitionScreen",   // "Chapter 1 - The Taproom", clicked away
        // clang-format off
        "Scene1", "MainMenu",           // the Taproom
        "OptionsMenu", "MainMenu",      // the music slider moved, OK
        "Scene1",
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
}

TEST(AutoplayTest, PlaysTheWholeGameFromAFreshUserFolderAndRepeatsWithItsSeed) {
    TemporaryDirectory user;
    const std::string shots = user.path() + "/shots";
    const AutoplayRun run = autoplay(user.path(), {"--autoplay-shots", shots});
    ASSERT_EQ(0, run.exitCode) << run.log;
    EXPECT_EQ(wholeGameScreens(), screensMet(run.log)) << run.log;
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
    // The music volume the player dragged to, not the first run's; the sound
    // left alone.
    const int firstMusic = firstRunVolume("musicVolume");
    ASSERT_GE(firstMusic, 0) << "config.xml names the first-run volumes";
    const std::optional<int> music = musicChosen(run.log);
    ASSERT_TRUE(music.has_value()) << run.log;
    EXPECT_NE(firstMusic, *music);
    EXPECT_EQ(*music, save["volumes"]["music"]) << save.dump();
    EXPECT_EQ(firstRunVolume("soundVolume"), save["volumes"]["sound"]) << save.dump();
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

// On a German desktop the game speaks German from the first start, and the
// automated player goes through the same screens, clicking German buttons.
TEST(AutoplayTest, PlaysTheWholeGameInTheDesktopsGerman) {
    TemporaryDirectory user;
    const AutoplayRun run = autoplay(user.path(), {"--draw-every", "60"}, "de_DE.UTF-8");
    ASSERT_EQ(0, run.exitCode) << run.log;
    EXPECT_NE(run.log.find("Language: DE, the desktop's (\"de_DE.UTF-8\")"), std::string::npos)
        << run.log;
    EXPECT_EQ(wholeGameScreens(), screensMet(run.log)) << run.log;
    EXPECT_NE(run.log.find("Autoplay: click \"Spielen\""), std::string::npos) << run.log;
}

TEST(AutoplayTest, ATerminationMidSceneKeepsWhatWasFoundAndTheNextStartFinishesTheScene) {
    TemporaryDirectory user;
    {
        ChildProcess game(command({"--draw-every", "10"}), user.path() + "/first.log",
                          environment(user.path(), 5));
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
    const nlohmann::json saved = game_programs::decodeSave(savePath(user.path()));
    ASSERT_FALSE(saved.is_discarded());
    // Collected goals and thinned coins alike are in group 3.
    const int found = itemsIn(saved["profiles"][0], 3);
    EXPECT_GE(found, 1) << saved.dump();

    ChildProcess again(command(), user.path() + "/second.log", environment(user.path(), 6));
    EXPECT_EQ(0, again.waitForExit(420s)) << again.output();
    const std::vector<std::string> screens = screensMet(again.output());
    // No profile to make this time: the options once, then the main menu
    // continues the scene.
    const std::vector<std::string> opening = {"LogoSeqManager", "MainMenu", "OptionsMenu",
                                              "MainMenu", "Scene1"};
    ASSERT_GE(screens.size(), opening.size()) << again.output();
    EXPECT_EQ(opening, std::vector<std::string>(screens.begin(), screens.begin() + 5));
    const nlohmann::json done = game_programs::decodeSave(savePath(user.path()));
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
    // A replay is the recorded input alone.
    const CommandResult both = runCommand({QUILL_GAME_PATH, "--replay", "x.journal", "--autoplay"});
    EXPECT_EQ(2, both.exitCode);
    EXPECT_NE(both.err.find("not with --autoplay or --record"), std::string::npos) << both.err;
    const CommandResult noFrames = runCommand({QUILL_GAME_PATH, "--frame-shots", "shots"});
    EXPECT_EQ(2, noFrames.exitCode);
    const CommandResult help = runCommand({QUILL_GAME_PATH, "--help"});
    EXPECT_EQ(0, help.exitCode);
    EXPECT_NE(help.out.find("--fixed-step"), std::string::npos);
    EXPECT_NE(help.out.find("--replay FILE"), std::string::npos);
}

} // namespace
