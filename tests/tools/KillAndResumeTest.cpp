// The real quill-game playing the whole game by itself, killed without
// warning (SIGKILL) at moments of the play and started again in the same user
// folder each time: the save file always decodes, what was found stays found,
// and the play still reaches the game's end.
#include "tests/support/AutoplayRuns.h"
#include "tests/support/GamePrograms.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using namespace autoplay_runs;

// The whole lines a running program has added to its log since the last call.
class LogTail {
public:
    explicit LogTail(std::string path) : path_(std::move(path)) {}
    ~LogTail() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    LogTail(const LogTail&) = delete;
    LogTail& operator=(const LogTail&) = delete;

    std::vector<std::string> newLines() {
        if (fd_ < 0) {
            // The child makes its log when it starts.
            fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        }
        char buffer[8192];
        ssize_t got = 0;
        while (fd_ >= 0 && (got = ::read(fd_, buffer, sizeof buffer)) > 0) {
            partial_.append(buffer, std::size_t(got));
        }
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end = partial_.find('\n'); end != std::string::npos;
             end = partial_.find('\n', start)) {
            lines.push_back(partial_.substr(start, end - start));
            start = end + 1;
        }
        partial_.erase(0, start);
        return lines;
    }

private:
    std::string path_;
    int fd_ = -1;
    std::string partial_;
};

// A file as a save replaces it: every save renames a new file over the old.
struct FileIdentity {
    ino_t inode = 0;
    long long modified = -1;
    off_t size = -1;

    static FileIdentity of(const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            return {};
        }
        return {info.st_ino, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec,
                info.st_size};
    }
    bool operator==(const FileIdentity& other) const {
        return inode == other.inode && modified == other.modified && size == other.size;
    }
};

// When to kill the game: the nth line of one kind its log shows, counted from
// the start of a run.
struct KillMoment {
    enum Kind { MidScene, OptionsClosing, MidCollect, MidPuzzle };
    Kind kind;
    int nth;

    std::string name() const {
        static const char* const names[] = {"mid-scene", "options closing", "mid-collect",
                                            "mid-puzzle"};
        return std::string(names[kind]) + " #" + std::to_string(nth);
    }
};

// Follows a run's log and says when its kill moment has come.
class MomentWatch {
public:
    explicit MomentWatch(KillMoment moment) : moment_(moment) {}

    bool reached(const std::string& line) {
        static const std::regex control(R"re(^Control "([^"]*)" at )re");
        static const std::regex sceneClick(
            R"re(^Autoplay: click "([^"]*)" at \S+ on (Scene\d+))re");
        static const std::regex puzzleMove(R"re(^Autoplay: (click|drag) .* on MG_Screen\d+)re");
        static const std::regex optionsClick(R"re(^Autoplay: click .* on OptionsMenu)re");
        std::smatch match;
        if (std::regex_search(line, match, control)) {
            controls_.insert(match[1]);
            return false;
        }
        const bool closed = line.rfind("Options closed, ", 0) == 0;
        if (!closed && line.rfind("Autoplay: ", 0) != 0) {
            return false;
        }
        const bool onScene = std::regex_search(line, match, sceneClick);
        bool candidate = false;
        switch (moment_.kind) {
        case KillMoment::MidScene:
            candidate = onScene;
            break;
        case KillMoment::OptionsClosing:
            // The player's OK (the closing animation plays, then the save),
            // or the game's word that the options are saved and closed.
            candidate = closed || std::regex_search(line, optionsClick);
            break;
        case KillMoment::MidCollect:
            // The scene asks for the next move the frame after a goal's
            // click: its collect animation has just begun.
            candidate = onScene && match[2] == goalScene_ && !isDialogAnswer(match[1]);
            break;
        case KillMoment::MidPuzzle:
            candidate = std::regex_search(line, puzzleMove);
            break;
        }
        goalScene_ = onScene && isGoal(match[1]) ? match[2].str() : std::string();
        return candidate && ++seen_ == moment_.nth;
    }

private:
    // A message dialog's answer comes only once the dialog has opened, after
    // any collect.
    static bool isDialogAnswer(const std::string& name) { return name == "OK" || name == "Yes"; }
    // The scene's buttons, the planned miss, and dialogs are not in the room.
    bool isGoal(const std::string& name) const {
        return !controls_.count(name) && name != "nothing" && !isDialogAnswer(name);
    }

    KillMoment moment_;
    int seen_ = 0;
    std::set<std::string> controls_;
    std::string goalScene_;
};

// What the save held when the game was killed.
struct AtKill {
    FileIdentity file;
    int flowPosition = -1;
    std::map<int, int> found;      // scene: its items in group 3
    std::set<std::string> playing; // "SceneN" with goals or found items
};

// A save written by a restarted game, to compare with the one at the kill.
struct Snapshot {
    std::string when;
    bool sceneBack;
    std::string bytes;
};

nlohmann::json decodeBytes(const std::string& folder, const std::string& bytes) {
    const std::string path = folder + "/snapshot.sav";
    TemporaryDirectory::writeFile(path, bytes);
    return game_programs::decodeSave(path);
}

AtKill recordKill(const std::string& savePath, const nlohmann::json& save) {
    AtKill kill;
    kill.file = FileIdentity::of(savePath);
    const nlohmann::json& profile = save["profiles"][0];
    kill.flowPosition = profile["flowPosition"].get<int>();
    for (const nlohmann::json& block : profile["itemGroups"]) {
        const int group = block["group"].get<int>();
        for (const nlohmann::json& item : block["items"]) {
            const int scene = item["sceneId"].get<int>();
            if (group == 2 || group == 3) {
                kill.playing.insert("Scene" + std::to_string(scene));
            }
            kill.found[scene] += group == 3 ? 1 : 0;
        }
    }
    return kill;
}

TEST(KillAndResumeTest, KilledAtAnyMomentTheGameResumesWithEverythingSavedAndReachesItsEnd) {
    TemporaryDirectory user;
    const std::string save = savePath(user.path());
    const std::string scratch = user.path() + "/decoded";
    std::filesystem::create_directories(scratch);

    std::mt19937 random(20261209);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Counted from each start: a start resumes where the last one was killed.
    const int closingFirst = pick(1, 2);
    const std::vector<KillMoment> plan = {
        {KillMoment::MidScene, pick(2, 6)}, // the Taproom, first visit
        // Both moments of the options' closing, in either order.
        {KillMoment::OptionsClosing, closingFirst},
        {KillMoment::MidCollect, pick(1, 4)}, // the Taproom again
        {KillMoment::MidPuzzle, pick(2, 12)}, // its pipes
        {KillMoment::OptionsClosing, 3 - closingFirst},
        {KillMoment::MidCollect, pick(2, 6)}, // a scene further on
        {KillMoment::MidPuzzle, pick(3, 9)},  // a puzzle further on
    };

    std::optional<AtKill> lastKill;
    std::string lastKillLine;
    std::size_t kills = 0;
    for (int run = 1;; ++run) {
        const std::string logPath = user.path() + "/run" + std::to_string(run) + ".log";
        ChildProcess game(command(), logPath, environment(user.path(), random()));
        LogTail tail(logPath);
        std::optional<MomentWatch> watch;
        if (kills < plan.size()) {
            watch.emplace(plan[kills]);
        }
        SCOPED_TRACE("run " + std::to_string(run) + " (log " + logPath + "), after " +
                     (kills > 0 ? "the kill " + plan[kills - 1].name() + " at: " + lastKillLine
                                : std::string("none")));

        // The restart's first save, and the first one once the scene in play
        // is back on screen (it saves as it loads).
        std::vector<Snapshot> snapshots;
        bool firstSaveTaken = !lastKill.has_value();
        std::set<std::string> scenesTaken;
        std::string killedAt;
        const auto deadline = std::chrono::steady_clock::now() + 400s;
        while (killedAt.empty() && game.waitForExit(0ms) == -1) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << game.output();
            for (const std::string& line : tail.newLines()) {
                const std::optional<std::string> screen = screenOf(line);
                if (lastKill && screen && lastKill->playing.count(*screen) &&
                    scenesTaken.insert(*screen).second) {
                    snapshots.push_back(
                        {*screen + " back", true, TemporaryDirectory::readFile(save)});
                }
                if (watch && watch->reached(line)) {
                    game.kill();
                    killedAt = line;
                    break;
                }
            }
            if (!firstSaveTaken && !(FileIdentity::of(save) == lastKill->file)) {
                firstSaveTaken = true;
                snapshots.push_back({"first save", false, TemporaryDirectory::readFile(save)});
            }
            std::this_thread::sleep_for(1ms);
        }

        if (lastKill) {
            // Killed again before it first saved, or it saved.
            ASSERT_TRUE(firstSaveTaken || !killedAt.empty()) << game.output();
            for (const Snapshot& snapshot : snapshots) {
                const nlohmann::json saved = decodeBytes(scratch, snapshot.bytes);
                ASSERT_FALSE(saved.is_discarded()) << snapshot.when;
                const nlohmann::json& profile = saved["profiles"][0];
                // A scene completed meanwhile has emptied group 3; a scene
                // back on screen is still the one in play.
                if (!snapshot.sceneBack && lastKill->flowPosition != profile["flowPosition"]) {
                    continue;
                }
                ASSERT_EQ(lastKill->flowPosition, profile["flowPosition"]) << snapshot.when;
                for (const auto& [scene, count] : lastKill->found) {
                    EXPECT_GE(itemsIn(profile, 3, scene), count)
                        << "scene " << scene << " lost found items by " << snapshot.when;
                }
            }
        }

        if (killedAt.empty()) {
            ASSERT_EQ(0, game.exitCode()) << game.output();
            break;
        }
        SCOPED_TRACE("killed " + plan[kills].name() + " at: " + killedAt);
        ++kills;
        lastKillLine = killedAt;
        // Never a half-written file: a save is written beside and renamed.
        const nlohmann::json saved = game_programs::decodeSave(save);
        ASSERT_FALSE(saved.is_discarded()) << game.output();
        ASSERT_EQ(1u, saved["profiles"].size());
        // Options the game said it had closed are on the disk.
        if (const auto volumes = optionsClosed(game.output())) {
            EXPECT_EQ(volumes->first, saved["volumes"]["sound"]);
            EXPECT_EQ(volumes->second, saved["volumes"]["music"]);
        }
        lastKill = recordKill(save, saved);
    }

    EXPECT_EQ(plan.size(), kills) << "every planned kill came before the end";
    const nlohmann::json done = game_programs::decodeSave(save);
    ASSERT_FALSE(done.is_discarded());
    EXPECT_EQ(true, done["profiles"][0]["finished"]);
    EXPECT_FALSE(std::filesystem::exists(save + ".tmp")) << "the temporary file is renamed";
}

} // namespace
