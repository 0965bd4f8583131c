#pragma once

#include "tests/support/TemporaryDirectory.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// The repository's content/ under a folder of the test's own, as links to the
// real files (the content is 10 MB), so that a test can replace single files
// and start the game there without touching the repository.
class ContentCopy {
public:
    ContentCopy() {
        namespace fs = std::filesystem;
        const fs::path content = fs::absolute("content");
        const fs::path copy = fs::path(root_.path()) / "content";
        fs::create_directories(copy);
        for (const auto& entry : fs::recursive_directory_iterator(content)) {
            const fs::path target = copy / entry.path().lexically_relative(content);
            if (entry.is_directory()) {
                fs::create_directories(target);
            } else {
                fs::create_symlink(entry.path(), target);
            }
        }
    }

    // The folder holding content/: the game's working folder.
    const std::string& root() const { return root_.path(); }

    // Writes a file under content/; a link to the repository's file is
    // replaced, never written through.
    void write(const std::string& file, const std::string& bytes) const {
        const std::filesystem::path path = std::filesystem::path(root()) / "content" / file;
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::remove(path);
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    TemporaryDirectory root_;
};

// Works in another folder until destroyed.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingDirectory() { std::filesystem::current_path(previous_); }
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};
