#include "engine/persist/Paths.h"

#include "engine/platform/FileSystem.h"

#include <vector>

namespace paths {

std::string userFolder() {
    return platform::userFolder();
}

bool makeDirectories(const std::string& path) {
    return platform::makeDirectories(path);
}

std::string saveDirectory(const std::string& saveFolder) {
    return saveFolder.empty() ? userFolder()
                              : userFolder() + "/" + withoutTrailingSlash(saveFolder);
}

std::string saveFilePath(const std::string& saveFolder, const std::string& saveFileName) {
    return saveDirectory(saveFolder) + "/" + saveFileName;
}

std::string screenshotDirectory(const std::string& saveFolder) {
    return saveDirectory(saveFolder) + "/ScreenShots/";
}

std::string withoutTrailingSlash(const std::string& path) {
    std::string result = path;
    while (result.size() > 1 && result.back() == '/') {
        result.pop_back();
    }
    return result;
}

std::string withTrailingSlash(const std::string& path) {
    if (path.empty() || path.back() == '/') {
        return path;
    }
    return path + "/";
}

namespace {

// Position of the extension's '.', or npos.
std::size_t extensionDot(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::string::npos;
    }
    return dot;
}

} // namespace

std::string extension(const std::string& path) {
    const std::size_t dot = extensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string withoutExtension(const std::string& path) {
    const std::size_t dot = extensionDot(path);
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string fileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string normalisePath(const std::string& path) {
    const bool absolute = !path.empty() && path[0] == '/';
    std::vector<std::string> kept;
    std::size_t start = absolute ? 1 : 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        const std::string segment = path.substr(start, slash - start);
        if (segment == "..") {
            if (!kept.empty() && kept.back() != "..") {
                kept.pop_back();
            } else if (!absolute) {
                kept.push_back(segment);
            }
        } else if (segment != ".") {
            kept.push_back(segment);
        }
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        result += (i == 0 ? "" : "/") + kept[i];
    }
    return result;
}

} // namespace paths
