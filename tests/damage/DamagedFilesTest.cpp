// The real quill-tool and quill-game fed damaged copies of the files they
// read: truncated, emptied, random bytes, huge numbers, deep nesting and
// wrong types, and the save file cut short. Each must name the damaged file in
// a line and exit or carry on with defaults: never a crash, a hang or a
// sanitizer report, and a damaged save is kept aside byte for byte.
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "game/GameSave.h"
#include "game/PlayerProfiles.h"
#include "game/scene/data/ItemRegistry.h"
#include "tests/support/ContentCopy.h"
#include "tests/support/GamePrograms.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

enum class Damage { Truncated, Emptied, RandomBytes, HugeNumbers, DeepNesting, WrongTypes };

const char* nameOf(Damage damage) {
    switch (damage) {
    case Damage::Truncated:
        return "Truncated";
    case Damage::Emptied:
        return "Emptied";
    case Damage::RandomBytes:
        return "RandomBytes";
    case Damage::HugeNumbers:
        return "HugeNumbers";
    case Damage::DeepNesting:
        return "DeepNesting";
    case Damage::WrongTypes:
        return "WrongTypes";
    }
    return "";
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    fs::remove(path); // a link into the repository's content is replaced, never written through
    std::ofstream(path, std::ios::binary) << bytes;
}

enum class Kind { Xml, KeyValue, Binary };

Kind kindOf(const fs::path& path) {
    const std::string ext = path.extension().string();
    return ext == ".cfg"                    ? Kind::KeyValue
           : ext == ".xml" || ext == ".fnt" ? Kind::Xml
                                            : Kind::Binary;
}

// The file's bytes damaged in one way; the seed makes random bytes repeatable.
std::string damaged(const std::string& bytes, Damage damage, unsigned seed, Kind kind) {
    switch (damage) {
    case Damage::Truncated:
        return bytes.substr(0, bytes.size() / 2);
    case Damage::Emptied:
        return {};
    case Damage::RandomBytes: {
        std::mt19937 random(seed);
        std::string noise(bytes.size(), '\0');
        for (char& c : noise) {
            c = char(random() & 0xff);
        }
        return noise;
    }
    case Damage::HugeNumbers:
        return std::regex_replace(bytes, std::regex("[0-9]+"), "99999999999999999999");
    case Damage::WrongTypes:
        return std::regex_replace(bytes, std::regex("[0-9]+"), "seven");
    case Damage::DeepNesting: {
        if (kind != Kind::Xml) {
            // Nothing nests in a key = value or binary file: one endless line first.
            return "key = " + std::string(1 << 20, 'x') + "\n" + bytes;
        }
        // 100000 elements just inside the root element: deep enough to take a
        // recursive parser past its stack.
        std::string deep;
        for (int i = 0; i < 100000; ++i) {
            deep += "<a>";
        }
        for (int i = 0; i < 100000; ++i) {
            deep += "</a>";
        }
        std::smatch root;
        std::regex_search(bytes, root, std::regex("<[A-Za-z][^>]*[^/]>"));
        const std::size_t at = root.empty() ? 0 : std::size_t(root.position(0) + root.length(0));
        return bytes.substr(0, at) + deep + bytes.substr(at);
    }
    }
    return bytes;
}

const std::vector<Damage> kEveryDamage = {Damage::Truncated,   Damage::Emptied,
                                          Damage::RandomBytes, Damage::HugeNumbers,
                                          Damage::DeepNesting, Damage::WrongTypes};

std::string sanitizerReport(const std::string& output) {
    for (const char* mark : {"AddressSanitizer", "LeakSanitizer", "runtime error:"}) {
        const std::size_t at = output.find(mark);
        if (at != std::string::npos) {
            return output.substr(at > 200 ? at - 200 : 0, 2000);
        }
    }
    return {};
}

// ----------------------------------------------------------------------------
// quill-tool reads one file a command: every data file it can read, damaged
// every way.

struct ToolCase {
    std::string file;                 // under content/
    std::vector<std::string> command; // FILE stands for the damaged copy
};

std::vector<ToolCase> toolCases() {
    std::vector<ToolCase> cases = {
        {"config/config.xml", {"config", "--config", "FILE"}},
        {"config/GameParameters.cfg", {"config", "--parameters", "FILE"}},
        {"config/labels/Labels.xml", {"labels", "--file", "FILE"}},
        {"config/labels/LabelsDE.xml", {"labels", "de", "--file", "FILE"}},
    };
    for (const auto& entry : fs::recursive_directory_iterator("content")) {
        const fs::path& path = entry.path();
        const std::string relative = path.lexically_relative("content").string();
        if (path.extension() == ".fnt") {
            cases.push_back({relative, {"font", "FILE", "Lantern Inn"}});
        } else if (path.extension() == ".xml" &&
                   (relative.rfind("animations/", 0) == 0 || relative.rfind("GUI/", 0) == 0)) {
            cases.push_back({relative, {"anim", "FILE", "--at", "500"}});
        }
    }
    return cases;
}

class DamagedFilesTest : public testing::Test {
protected:
    TemporaryDirectory scratch;
};

class DamagedToolInput : public DamagedFilesTest, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedToolInput, EveryDataFileIsNamedAndNeverCrashesTheTool) {
    const std::vector<ToolCase> cases = toolCases();
    ASSERT_GT(cases.size(), 10u) << "run from the repository root";
    const Damage damage = GetParam();
    unsigned seed = 1;
    for (const ToolCase& c : cases) {
        const std::string original = bytesOf(fs::path("content") / c.file);
        {
            const std::string copy =
                scratch / (fs::path(c.file).filename().string() + "." + nameOf(damage));
            const std::string bytes = damaged(original, damage, seed++, kindOf(c.file));
            writeBytes(copy, bytes);
            std::vector<std::string> argv = {"timeout", "60", QUILL_TOOL_PATH};
            for (const std::string& word : c.command) {
                argv.push_back(word == "FILE" ? copy : word);
            }
            const CommandResult result = runCommand(argv);
            const std::string output = result.out + result.err;
            SCOPED_TRACE(c.file + " " + nameOf(damage));
            // timeout says 124 when time ran out; a signal gives 128 and more.
            EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 1) << result.exitCode << output;
            EXPECT_EQ("", sanitizerReport(output));
            if (result.exitCode == 1 || bytes.empty()) {
                EXPECT_NE(std::string::npos, output.find(copy)) << "no line names it:\n" << output;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedToolInput, testing::ValuesIn(kEveryDamage),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

// A save file as the game writes it: two profiles, one item found, the sound
// turned down.
std::string aRealSave(const std::string& path) {
    PlayerProfiles::reset();
    ItemRegistry::reset();
    PlayerProfiles::instance().setSceneLoader([](int) { return ItemDescriptions(); });
    PlayerProfiles::instance().addProfile("Zo\xC3\xAB");
    PlayerProfiles::instance().addProfile("Bo");
    PlayerProfiles::instance().selectProfile(1);
    ItemRegistry::instance().addItem(GROUP_GOAL, std::make_unique<Item>(4, 3, -1));
    FileSaveGame save(path, GameSave::ProductId);
    GameSave::registerEntries(save);
    save.entry<GenericEntry<int>>(GameSave::SoundVolume)->setValue(20);
    const bool saved = save.save();
    PlayerProfiles::reset();
    ItemRegistry::reset();
    return saved ? bytesOf(path) : std::string();
}

// Every length of a real save file, from nothing to one byte short.
TEST_F(DamagedFilesTest, QuillToolReadsASaveCutAtEveryLength) {
    const std::string save = scratch / "profiles.sav";
    const std::string whole = aRealSave(save);
    ASSERT_GT(whole.size(), 60u);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        writeBytes(save, whole.substr(0, length));
        const CommandResult result = runCommand({"timeout", "60", QUILL_TOOL_PATH, "save", save});
        SCOPED_TRACE("cut at " + std::to_string(length));
        const std::string output = result.out + result.err;
        ASSERT_TRUE(result.exitCode == 0 || result.exitCode == 1) << result.exitCode << output;
        ASSERT_EQ("", sanitizerReport(output));
        ASSERT_NE(std::string::npos, output.find(save)) << output;
    }
}

// ----------------------------------------------------------------------------
// quill-game reads its data at start-up: a copy of content/ in a folder of the
// test's own, with links to the repository's files except the damaged ones.

const std::vector<std::string> kStartupDataFiles = {
    "config/GameFlow.xml",
    "config/GameParameters.cfg",
    "config/labels/Labels.xml",
    "config/scene/music.xml",
    "config/scene/sceneIndex.xml",
    "config/sfx.xml",
    "fonts/CheltenhamBT16.fnt",
    "fonts/CheltenhamBT20.fnt",
    "fonts/CheltenhamBT22.fnt",
    "fonts/CheltenhamBT28.fnt",
    "fonts/PH_big.fnt",
    "fonts/PH_medium.fnt",
    "fonts/PH_small.fnt",
    "fonts/TimesNewRoman17B.fnt",
    "animations/Logo/QuillGames.xml",
    "animations/PlayerName/DialogStart.xml",
    "animations/PlayerName/DialogClose.xml",
    "animations/PlayerProfiles/DialogStart.xml",
    "animations/PlayerProfiles/DialogClose.xml",
};

// Pictures and sounds read at start-up, damaged only in the ways that apply
// to binary files.
const std::vector<std::string> kStartupMediaFiles = {
    "Icon/Icon.png",      "images/cursors/Arrow.png",    "images/menus/main/Bg.png",
    "fonts/PH_big_0.png", "sounds/sfx/ButtonPress1.wav", "music/MenuTheme.ogg",
};

class DamagedGameStart : public testing::TestWithParam<Damage> {
protected:
    // Damages the files, starts the game in the copy, waits for the first
    // screen after the logos (or the end), asks it to terminate and checks
    // that it ended cleanly. The output, for the checks of the caller.
    std::string runWith(const std::vector<std::string>& files, Damage damage,
                        const std::string& firstScreen = "Name entry open") {
        unsigned seed = 100 + unsigned(damage);
        for (const std::string& file : files) {
            content.write(
                file, damaged(bytesOf(fs::path("content") / file), damage, seed++, kindOf(file)));
        }
        ChildProcess game({"sh", "-c", "cd \"$1\" && exec \"$0\"", QUILL_GAME_PATH, content.root()},
                          user / "game.log", {"APPDATA=" + user.path()});
        const bool started = waitUntil(
            [&] {
                const std::string log = game.output();
                // A first start: the name entry follows the main menu.
                return !game.running() || log.find(firstScreen) != std::string::npos;
            },
            120s);
        EXPECT_TRUE(started) << "neither a first screen nor an end in time:\n" << game.output();
        if (game.running()) {
            kill(game.pid(), SIGTERM);
        }
        const int exitCode = game.waitForExit(30s);
        const std::string log = game.output();
        EXPECT_EQ(0, exitCode) << log;
        EXPECT_EQ("", sanitizerReport(log));
        return log;
    }

    ContentCopy content;
    TemporaryDirectory user;
};

// Files whose numbers are not read at start-up: texts (the labels), file
// names (the sound effects), an index with no scenes yet, and the game flow,
// whose numbers its screens read when they open.
bool numbersReadAtStart(const std::string& file) {
    return file != "config/labels/Labels.xml" && file != "config/sfx.xml" &&
           file != "config/scene/sceneIndex.xml" && file != "config/GameFlow.xml";
}

TEST_P(DamagedGameStart, EveryDataFileDamagedIsNamedAndTheGameCarriesOn) {
    const Damage damage = GetParam();
    const std::string log = runWith(kStartupDataFiles, damage);
    const bool numbers = damage == Damage::HugeNumbers || damage == Damage::WrongTypes;
    for (const std::string& file : kStartupDataFiles) {
        if (numbers && !numbersReadAtStart(file)) {
            continue;
        }
        EXPECT_NE(std::string::npos, log.find("content/" + file))
            << "no line names content/" << file << " in\n"
            << log;
    }
}

// Numbers and nesting are not a picture's or a sound's: these take the other
// damages only.
class DamagedMediaStart : public DamagedGameStart {};

TEST_P(DamagedMediaStart, EveryPictureAndSoundDamagedIsNamedAndTheGameCarriesOn) {
    const std::string log = runWith(kStartupMediaFiles, GetParam());
    for (const std::string& file : kStartupMediaFiles) {
        EXPECT_NE(std::string::npos, log.find("content/" + file))
            << "no line names content/" << file << " in\n"
            << log;
    }
}

TEST_P(DamagedGameStart, ADamagedConfigurationIsNamedAndDefaultsServe) {
    const std::string log = runWith({"config/config.xml"}, GetParam());
    EXPECT_NE(std::string::npos, log.find("content/config/config.xml")) << log;
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedGameStart, testing::ValuesIn(kEveryDamage),
                         [](const auto& info) { return std::string(nameOf(info.param)); });
INSTANTIATE_TEST_SUITE_P(Damages, DamagedMediaStart,
                         testing::Values(Damage::Truncated, Damage::Emptied, Damage::RandomBytes),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

// A save cut short or overwritten with noise is kept aside byte for byte, the
// player is told, and the game starts afresh with a save that reads cleanly.
TEST_P(DamagedGameStart, ADamagedSaveIsKeptAsideByteForByte) {
    const fs::path save = fs::path(user.path()) / "LanternInn/profiles.sav";
    fs::create_directories(save.parent_path());
    const std::string whole = aRealSave(save);
    ASSERT_GT(whole.size(), 60u);
    const std::string bad = damaged(whole, GetParam(), 7, Kind::Binary);
    ASSERT_NE(whole, bad);
    writeBytes(save, bad);
    const std::string log = runWith({}, GetParam(), "telling the player the save was set aside");
    EXPECT_NE(std::string::npos, log.find(save.string())) << log;
    EXPECT_EQ(bad, bytesOf(save.string() + ".bak"));
    const CommandResult decoded = runCommand({QUILL_TOOL_PATH, "save", save.string()});
    EXPECT_EQ(0, decoded.exitCode) << decoded.out << decoded.err;
}

} // namespace
