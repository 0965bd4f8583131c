#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

// The music catalogue: which music files may play for a scene index (9999 is
// the menus), read from music.xml. A process-wide singleton created on first
// use; `reset` gives tests a fresh one.
class SceneMusic {
public:
    static constexpr int MenuIndex = 9999;

    static SceneMusic& instance();
    static void reset();

    // Reads the catalogue; false (after one diagnostic line) when the file
    // cannot be read or has no SceneMusic root.
    bool load(const std::string& path);
    // The full path of one of the index's files, chosen at random; empty when
    // the index has none.
    std::string musicFor(int index) const;

    const std::map<int, std::vector<std::string>>& files() const { return files_; }
    const std::string& pathPrefix() const { return pathPrefix_; }

private:
    std::map<int, std::vector<std::string>> files_;
    std::string pathPrefix_;
};
