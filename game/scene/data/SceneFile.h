#pragma once

#include "game/scene/data/ItemDescription.h"

#include <memory>
#include <string>
#include <vector>

using ItemDescriptions = std::vector<std::unique_ptr<ItemDescription>>;

// The visible area of a scene and the offset of its screen, from the scene
// file's Screen element.
struct SceneScreen {
    int width = 0;
    int height = 0;
    int xOffset = 0;
    int yOffset = 0;
};

// Reads scene files: one per scene and language, listing the scene's items.
class SceneFile {
public:
    // Reads scene-file text: its Screen values and its items in file order,
    // each with `folder` as its path. False (nothing filled) when the text is
    // not XML or has no Scene root.
    static bool parse(const std::string& text, const std::string& folder, ItemDescriptions& items,
                      SceneScreen& screen);
    // The same for a file.
    static bool read(const std::string& path, const std::string& folder, ItemDescriptions& items,
                     SceneScreen& screen);

    // The items of a listed scene in the active language, in file order; the
    // Screen values go into its index entry. Empty for an unlisted scene or a
    // file that cannot be read.
    static ItemDescriptions loadSceneItems(int sceneId);
};
