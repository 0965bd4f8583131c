#include "engine/platform/FileSystem.h"

#include "engine/platform/Environment.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::optional<std::string> nonEmptyVariable(const char* name) {
    auto value = environmentValue(name);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string userFolder() {
    if (const auto appData = nonEmptyVariable("APPDATA")) {
        return withoutTrailingSlashes(*appData);
    }
    if (const auto dataHome = nonEmptyVariable("XDG_DATA_HOME")) {
        return withoutTrailingSlashes(*dataHome);
    }
    if (const auto home = nonEmptyVariable("HOME")) {
        return withoutTrailingSlashes(*home) + (home->find_first_not_of('/') == std::string::npos
                                                    ? ".local/share"
                                                    : "/.local/share");
    }
    std::cout << "platform: neither APPDATA, XDG_DATA_HOME nor HOME is set, using \".\" as "
                 "the user folder"
              << std::endl;
    return ".";
}

bool makeDirectories(const std::string& path) {
    if (path.empty()) {
        std::cout << "platform: cannot create a directory with an empty path" << std::endl;
        return false;
    }
    std::string level = path[0] == '/' ? "/" : "";
    std::size_t pos = 0;
    while (pos < path.size()) {
        const std::size_t start = path.find_first_not_of('/', pos);
        if (start == std::string::npos) {
            break;
        }
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (!level.empty() && level.back() != '/') {
            level += '/';
        }
        level.append(path, start, end - start);
        pos = end;

        if (::mkdir(level.c_str(), 0755) == 0) {
            continue;
        }
        // mkdir reports EEXIST for files too, and something else (e.g. EACCES)
        // for an existing directory inside an unwritable one; stat decides.
        const int mkdirError = errno;
        struct stat info {};
        if (::stat(level.c_str(), &info) == 0) {
            if (S_ISDIR(info.st_mode)) {
                continue;
            }
            std::cout << "platform: cannot create directory \"" << path << "\": \"" << level
                      << "\" is not a directory" << std::endl;
            return false;
        }
        std::cout << "platform: cannot create directory \"" << path << "\" at \"" << level
                  << "\": " << std::strerror(mkdirError) << std::endl;
        return false;
    }
    return true;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), R_OK) == 0;
}

bool directoryExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        std::cout << "platform: cannot remove \"" << path << "\": " << std::strerror(errno)
                  << std::endl;
        return false;
    }
    return true;
}

bool renameFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        std::cout << "platform: cannot rename \"" << from << "\" to \"" << to
                  << "\": " << std::strerror(errno) << std::endl;
        return false;
    }
    return true;
}

std::string executableDirectory() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            std::cout << "platform: cannot read /proc/self/exe: " << std::strerror(errno)
                      << std::endl;
            return ".";
        }
        // A full buffer may mean a truncated path: retry larger.
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string exe(buffer.data(), static_cast<std::size_t>(length));
            const std::size_t slash = exe.rfind('/');
            if (slash == std::string::npos) {
                return ".";
            }
            return slash == 0 ? "/" : exe.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace platform
