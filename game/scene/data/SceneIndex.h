#pragma once

#include <map>
#include <memory>
#include <string>

// Where the scene file of one scene lies, and the scene's visible area once
// its file has been read.
struct SceneIndexEntry {
    int id = -1; // -1: left behind by a lookup of an unlisted id
    int width = 0;
    int height = 0;
    int xOffset = 0;
    int yOffset = 0;
    std::string fileName; // base name, without language suffix and extension
    std::string path;     // folder of the scene file and the item images, a plain prefix
};

// The scene ids of the game and their scene files, read once at start-up from
// sceneIndex.xml. A process-wide singleton; `reset` gives tests a fresh one.
class SceneIndex {
public:
    static constexpr const char* DefaultPath = "content/config/scene/sceneIndex.xml";

    static SceneIndex& instance();
    static void reset();

    // Replaces the entries with the file's; a file that cannot be parsed or
    // has no Indexes root leaves them as they were and returns false.
    bool load(const std::string& path = DefaultPath);

    // The entry of the scene id; for an unlisted id an entry with id -1 is
    // left behind, as the scene file readers expect.
    SceneIndexEntry& entry(int sceneId);
    // The entry, or null for an unlisted id; adds nothing.
    const SceneIndexEntry* find(int sceneId) const;
    const std::map<int, SceneIndexEntry>& entries() const { return entries_; }

    // path + fileName + language code (none for "EN") + ".xml".
    static std::string sceneFilePath(const SceneIndexEntry& entry, const std::string& language);

private:
    SceneIndex() = default;
    friend struct std::default_delete<SceneIndex>;

    std::map<int, SceneIndexEntry> entries_;
};
