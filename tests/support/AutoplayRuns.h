#pragma once

#include "tests/support/GamePrograms.h"

#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// The real quill-game playing itself (`--autoplay --fixed-step`): how it is
// started, and what it leaves behind in its log and its save file.
namespace autoplay_runs {

#ifdef QUILL_GAME_PATH
// One frame in a hundred is drawn: the play is the same, the run much
// shorter. A later "--draw-every" among the extra arguments wins.
inline std::vector<std::string> command(const std::vector<std::string>& extraArguments = {}) {
    std::vector<std::string> argv = {QUILL_GAME_PATH, "--autoplay", "--fixed-step", "--draw-every",
                                     "100"};
    argv.insert(argv.end(), extraArguments.begin(), extraArguments.end());
    return argv;
}
#endif

inline std::vector<std::string> environment(const std::string& userFolder, unsigned seed) {
    // The test's own sanitizer settings reach the game: a run that ends
    // (rather than being killed) is leak-checked at exit.
    return {"APPDATA=" + userFolder, "QUILL_SEED=" + std::to_string(seed)};
}

inline std::string savePath(const std::string& userFolder) {
    return userFolder + "/LanternInn/profiles.sav";
}

// The lines the automated player wrote, in order.
inline std::vector<std::string> autoplayLines(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Autoplay: ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The screen named by an "Autoplay: screen N: NAME at T s" line, or nothing.
inline std::optional<std::string> screenOf(const std::string& line) {
    static const std::regex screenLine(R"re(^Autoplay: screen \d+: (\w+) at )re");
    std::smatch match;
    if (std::regex_search(line, match, screenLine)) {
        return match[1].str();
    }
    return std::nullopt;
}

inline std::vector<std::string> screensMet(const std::string& log) {
    std::vector<std::string> screens;
    for (const std::string& line : autoplayLines(log)) {
        if (const auto screen = screenOf(line)) {
            screens.push_back(*screen);
        }
    }
    return screens;
}

// The music volume the player dragged the options' slider to (the move
// names it: drag "Music to 30"), or nothing.
inline std::optional<int> musicChosen(const std::string& log) {
    static const std::regex dragLine(R"re(^Autoplay: drag "[^"]* to (\d+)" .* on OptionsMenu$)re");
    std::optional<int> chosen;
    for (const std::string& line : autoplayLines(log)) {
        std::smatch match;
        if (std::regex_search(line, match, dragLine)) {
            chosen = std::stoi(match[1]);
        }
    }
    return chosen;
}

// Sound and music volumes of the game's last "Options closed" line, or nothing.
inline std::optional<std::pair<int, int>> optionsClosed(const std::string& log) {
    static const std::regex closedLine(R"re(Options closed, sound (-?\d+), music (-?\d+))re");
    std::optional<std::pair<int, int>> volumes;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), closedLine);
         it != std::sregex_iterator(); ++it) {
        volumes = std::make_pair(std::stoi((*it)[1]), std::stoi((*it)[2]));
    }
    return volumes;
}

#ifdef QUILL_TOOL_PATH
// Items a decoded profile (quill-tool's JSON) holds in the group, for one
// scene or, with -1, for all.
inline int itemsIn(const nlohmann::json& profile, int group, int sceneId = -1) {
    int count = 0;
    for (const nlohmann::json& block : profile["itemGroups"]) {
        if (block["group"] != group) {
            continue;
        }
        for (const nlohmann::json& item : block["items"]) {
            count += sceneId < 0 || item["sceneId"] == sceneId ? 1 : 0;
        }
    }
    return count;
}
#endif

} // namespace autoplay_runs
