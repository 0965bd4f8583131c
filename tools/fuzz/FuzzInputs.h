#pragma once

// What the fuzz targets do with one input, shared with the test that replays
// every input that ever failed.

#include "engine/core/Log.h"
#include "engine/persist/FileSaveGame.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/PlayerProfiles.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Loads save-file bytes the way the game does. True when every profile read
// writes back to a record that reads again to the same bytes, and the
// registry restored from the current profile writes blocks that read back
// unchanged.
inline bool loadSaveFile(const std::uint8_t* data, std::size_t size) {
    PlayerProfiles::reset();
    ItemRegistry::reset();
    GameFlow::reset();
    PlayerProfiles& profiles = PlayerProfiles::instance();
    profiles.setSceneLoader([](int) { return ItemDescriptions(); });
    FileSaveGame save("", GameSave::ProductId);
    GameSave::registerEntries(save);
    save.loadBytes(data, size);

    bool consistent = true;
    for (int i = 0; i < profiles.profileCount(); ++i) {
        const std::vector<std::uint8_t> record = profiles.profileAt(i)->record();
        PlayerProfile again;
        std::string damage;
        again.readRecord(record.data(), record.size(), damage);
        consistent = consistent && again.record() == record;
    }
    ItemRegistry& registry = ItemRegistry::instance();
    for (const int group : registry.groupKeys()) {
        const std::vector<std::uint8_t> block = registry.writeGroup(group);
        const ItemGroupBlock decoded = ItemRegistry::decodeBlock(block.data(), block.size());
        consistent = consistent && decoded.complete && decoded.consumed == block.size() &&
                     decoded.group == group &&
                     decoded.entries.size() == registry.itemsOf(group, -1).size();
    }
    PlayerProfiles::reset();
    ItemRegistry::reset();
    return consistent;
}

// Reads scene-file text. True when the items read carry the scene folder and
// a second reading gives equal descriptions.
inline bool readSceneFile(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ItemDescriptions items;
    SceneScreen screen;
    if (!SceneFile::parse(text, "scene/", items, screen)) {
        return items.empty();
    }
    ItemDescriptions again;
    SceneFile::parse(text, "scene/", again, screen);
    bool consistent = again.size() == items.size();
    for (std::size_t i = 0; consistent && i < items.size(); ++i) {
        consistent = items[i]->path == "scene/" && *items[i] == *again[i];
    }
    return consistent;
}

} // namespace fuzz
