#pragma once

#include <string>
#include <vector>

// Where the game's own files are: the folder that holds content/. The game
// reads every file relative to it, so main makes it the working folder.
class GameFolder {
public:
    // The file whose presence marks a game folder.
    static constexpr const char* Marker = "content/config/config.xml";

    // The folders looked in, in order: the working folder (a start from the
    // source tree), the executable's folder (an unpacked archive) and the
    // data folder an install puts beside it (../share/quill-game).
    static std::vector<std::string> candidates(const std::string& workingFolder,
                                               const std::string& executableFolder);
    // The first candidate holding the marker; empty when none does.
    static std::string find(const std::string& workingFolder, const std::string& executableFolder);
};
