#pragma once

#include "game/scene/data/ItemRenderer.h"

#include <cstdint>
#include <memory>

struct ItemDescription;

// One item of one scene in the item registry, identified by (index, sceneId):
// the index is the position of its Item element in the scene file.
class Item {
public:
    Item(std::int32_t index, std::int32_t sceneId, std::int32_t slot,
         ItemDescription* description = nullptr)
        : slot(slot), index(index), sceneId(sceneId), description(description) {}
    virtual ~Item() = default;

    std::int32_t slot;  // find-list dashboard slot, -1 for none
    std::int32_t index; // position in the scene file
    std::int32_t sceneId;
    // Not owned: the registry keeps the descriptions of its scenes alive.
    // Null after a profile was restored until the descriptions are attached.
    // The scene moves and re-layers items through it.
    ItemDescription* description;
    // The item's renderer while a scene shows it.
    std::unique_ptr<ItemRenderer> renderer;
};
