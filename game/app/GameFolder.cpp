#include "game/app/GameFolder.h"

#include "engine/platform/FileSystem.h"

#include <filesystem>

std::vector<std::string> GameFolder::candidates(const std::string& workingFolder,
                                                const std::string& executableFolder) {
    const std::filesystem::path executable(executableFolder);
    // Written without "..": the start-up line names the folder a player can open.
    return {workingFolder, executable.lexically_normal().string(),
            (executable / ".." / "share" / "quill-game").lexically_normal().string()};
}

std::string GameFolder::find(const std::string& workingFolder,
                             const std::string& executableFolder) {
    for (std::string folder : candidates(workingFolder, executableFolder)) {
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        if (platform::fileExists(folder + "/" + Marker)) {
            return folder;
        }
    }
    return {};
}
