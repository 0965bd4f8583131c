#include "engine/platform/FileSystem.h"

#include "engine/platform/Environment.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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

bool writeFileDurably(const std::string& path, const void* bytes, std::size_t length) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::cout << "platform: cannot open \"" << path
                  << "\" for writing: " << std::strerror(errno) << std::endl;
        return false;
    }
    const char* next = static_cast<const char*>(bytes);
    std::size_t left = length;
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::write(fd, next, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = false;
            break;
        }
        next += n;
        left -= std::size_t(n);
    }
    ok = ok && ::fsync(fd) == 0;
    const int error = ok ? 0 : errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        std::cout << "platform: cannot write \"" << path
                  << "\": " << std::strerror(error ? error : errno) << std::endl;
    }
    return ok;
}

bool renameFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        std::cout << "platform: cannot rename \"" << from << "\" to \"" << to
                  << "\": " << std::strerror(errno) << std::endl;
        return false;
    }
    const std::size_t slash = to.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : to.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems refuse to flush a folder; the rename itself stands.
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

std::string currentDirectory() {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    if (error) {
        std::cout << "platform: cannot read the working folder: " << error.message() << std::endl;
        return ".";
    }
    return here.string();
}

bool changeDirectory(const std::string& path) {
    if (::chdir(path.c_str()) != 0) {
        std::cout << "platform: cannot change to the folder '" << path
                  << "': " << std::strerror(errno) << std::endl;
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

namespace platform {

std::vector<std::string> filesUnder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return files;
    }
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error)) {
            files.push_back(fs::relative(it->path(), folder, error).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace platform
