#include "game/scene/data/ItemRegistry.h"

#include "engine/core/Log.h"
#include "engine/persist/Buffer.h"
#include "game/scene/data/ItemGroupRules.h"

#include <algorithm>
#include <set>
#include <unordered_set>

namespace {

std::unique_ptr<ItemRegistry>& storage() {
    static std::unique_ptr<ItemRegistry> registry;
    return registry;
}

bool fitsByte(int value, int lowest) {
    return value >= lowest && value <= ItemRegistry::LargestStoredId;
}

} // namespace

ItemRegistry& ItemRegistry::instance() {
    auto& registry = storage();
    if (!registry) {
        registry.reset(new ItemRegistry());
    }
    return *registry;
}

void ItemRegistry::reset() {
    storage().reset();
}

std::vector<Item*> ItemRegistry::itemsOf(int group, int sceneId) {
    std::vector<Item*> items;
    for (const auto& item : groups_[group]) {
        if (sceneId == -1 || item->sceneId == sceneId) {
            items.push_back(item.get());
        }
    }
    return items;
}

int ItemRegistry::groupOf(int index, int sceneId) const {
    for (const auto& [group, items] : groups_) {
        for (const auto& item : items) {
            if (item->index == index && item->sceneId == sceneId) {
                return group;
            }
        }
    }
    return -1;
}

Item* ItemRegistry::findItem(int group, int index, int sceneId) const {
    const auto found = groups_.find(group);
    if (found == groups_.end()) {
        return nullptr;
    }
    for (const auto& item : found->second) {
        if (item->index == index && item->sceneId == sceneId) {
            return item.get();
        }
    }
    return nullptr;
}

void ItemRegistry::moveItem(int fromGroup, int index, int sceneId, int toGroup) {
    if (fromGroup == toGroup) {
        return;
    }
    const auto from = groups_.find(fromGroup);
    if (from == groups_.end()) {
        return;
    }
    ItemList& items = from->second;
    const auto found = std::find_if(items.begin(), items.end(), [&](const auto& item) {
        return item->index == index && item->sceneId == sceneId;
    });
    if (found == items.end()) {
        return;
    }
    std::unique_ptr<Item> item = std::move(*found);
    items.erase(found);
    groups_[toGroup].push_back(std::move(item));
}

void ItemRegistry::removeSceneItems(int group, int sceneId) {
    const auto found = groups_.find(group);
    if (found == groups_.end()) {
        return;
    }
    ItemList& items = found->second;
    items.erase(std::remove_if(items.begin(), items.end(),
                               [&](const auto& item) { return item->sceneId == sceneId; }),
                items.end());
}

int ItemRegistry::removeItemsWithoutDescription(int sceneId) {
    int removed = 0;
    for (auto& [group, items] : groups_) {
        const auto stale = [&](const auto& item) {
            return item->sceneId == sceneId && !item->description;
        };
        removed += int(std::count_if(items.begin(), items.end(), stale));
        items.erase(std::remove_if(items.begin(), items.end(), stale), items.end());
    }
    return removed;
}

void ItemRegistry::clearGroup(int group) {
    const auto found = groups_.find(group);
    if (found != groups_.end()) {
        found->second.clear();
    }
}

void ItemRegistry::clear() {
    groups_.clear();
    setAside_.clear();
    descriptions_.clear();
}

void ItemRegistry::setAsideScene(int sceneId) {
    if (isSetAside(sceneId)) {
        return;
    }
    std::map<int, ItemList>& kept = setAside_[sceneId];
    for (auto& [group, items] : groups_) {
        for (auto& item : items) {
            if (item && item->sceneId == sceneId) {
                kept[group].push_back(std::move(item));
            }
        }
        items.erase(std::remove(items.begin(), items.end(), nullptr), items.end());
    }
}

void ItemRegistry::restoreScene(int sceneId) {
    const auto found = setAside_.find(sceneId);
    if (found == setAside_.end()) {
        return;
    }
    for (auto& [group, items] : groups_) {
        items.erase(
            std::remove_if(items.begin(), items.end(),
                           [sceneId](const auto& item) { return item->sceneId == sceneId; }),
            items.end());
    }
    for (auto& [group, items] : found->second) {
        ItemList& list = groups_[group];
        for (auto& item : items) {
            list.push_back(std::move(item));
        }
    }
    setAside_.erase(found);
    adoptDescriptions({});
}

std::vector<int> ItemRegistry::groupKeys() const {
    std::set<int> keys;
    for (const auto& [group, items] : groups_) {
        keys.insert(group);
    }
    for (const auto& [scene, groups] : setAside_) {
        for (const auto& [group, items] : groups) {
            keys.insert(group);
        }
    }
    return std::vector<int>(keys.begin(), keys.end());
}

std::size_t ItemRegistry::itemCount() const {
    std::size_t count = 0;
    for (const auto& [group, items] : groups_) {
        count += items.size();
    }
    return count;
}

void ItemRegistry::addItem(int group, std::unique_ptr<Item> item) {
    if (item) {
        groups_[group].push_back(std::move(item));
    }
}

std::vector<std::uint8_t> ItemRegistry::writeGroup(int group) const {
    Buffer triples;
    std::uint32_t count = 0;
    const auto write = [&](const Item& item) {
        if (!fitsByte(item.index, 0) || !fitsByte(item.sceneId, 0)) {
            return;
        }
        triples.writeByte(static_cast<std::uint8_t>(item.index));
        triples.writeByte(static_cast<std::uint8_t>(item.sceneId));
        triples.writeByte(static_cast<std::uint8_t>(fitsByte(item.slot, -128) ? item.slot : -1));
        ++count;
    };
    const auto found = groups_.find(group);
    if (found != groups_.end()) {
        for (const auto& item : found->second) {
            // A scene in free play is saved as it was before the replay.
            if (!isSetAside(item->sceneId)) {
                write(*item);
            }
        }
    }
    for (const auto& [scene, groups] : setAside_) {
        const auto kept = groups.find(group);
        if (kept != groups.end()) {
            for (const auto& item : kept->second) {
                write(*item);
            }
        }
    }
    Buffer block;
    block.writeUint32(count);
    block.writeInt32(group);
    block.write(triples.data(), triples.size());
    return std::vector<std::uint8_t>(block.data(), block.data() + block.size());
}

ItemGroupBlock ItemRegistry::decodeBlock(const std::uint8_t* bytes, std::size_t length) {
    ItemGroupBlock block;
    if (!bytes || length < BlockHeaderSize) {
        return block;
    }
    Buffer buffer(bytes, length);
    block.declaredCount = buffer.readUint32();
    block.group = buffer.readInt32();
    // The count is not trusted for reserving: only whole triples present count.
    const std::size_t present = buffer.remaining() / 3;
    const std::size_t taken = std::min<std::size_t>(present, block.declaredCount);
    for (std::size_t i = 0; i < taken; ++i) {
        const auto index = static_cast<std::int8_t>(buffer.readByte());
        const auto sceneId = static_cast<std::int8_t>(buffer.readByte());
        const auto slot = static_cast<std::int8_t>(buffer.readByte());
        block.entries.push_back({index, sceneId, slot});
    }
    block.consumed = BlockHeaderSize + 3 * taken;
    block.complete = taken == block.declaredCount;
    return block;
}

std::size_t ItemRegistry::readGroup(const std::uint8_t* bytes, std::size_t length) {
    const ItemGroupBlock block = decodeBlock(bytes, length);
    if (block.consumed == 0) {
        engineLog() << "item registry: an item-group block of " << length
                    << " bytes is too short for its header" << std::endl;
        return 0;
    }
    if (!block.complete) {
        engineLog() << "item registry: the block of group " << block.group << " claims "
                    << block.declaredCount << " items but holds " << block.entries.size()
                    << std::endl;
    }
    ItemList& items = groups_[block.group];
    for (const auto& entry : block.entries) {
        // Negative ids come only from damaged bytes; no scene has them.
        if (entry.index < 0 || entry.sceneId < 0) {
            continue;
        }
        items.push_back(std::make_unique<Item>(entry.index, entry.sceneId, entry.slot));
    }
    return block.consumed;
}

void ItemRegistry::registerSceneItems(const std::string& itemGroupRulePath, int sceneId,
                                      const SceneLoader& load) {
    ItemDescriptions descriptions = load(sceneId);
    const ItemGroupRules rules = ItemGroupRules::load(itemGroupRulePath);
    if (!fitsByte(sceneId, 0)) {
        engineLog() << "item registry: scene id " << sceneId << " does not fit a save file (0.."
                    << LargestStoredId << "); its items are kept for this run only" << std::endl;
    } else if (descriptions.size() > LargestStoredId + 1u) {
        engineLog() << "item registry: scene " << sceneId << " has " << descriptions.size()
                    << " items; those after index " << LargestStoredId
                    << " are kept for this run only" << std::endl;
    }
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const int index = static_cast<int>(i);
        ItemDescription* description = descriptions[i].get();
        addItem(rules.groupFor(description),
                std::make_unique<Item>(index, sceneId, index, description));
    }
    adoptDescriptions(std::move(descriptions));
}

void ItemRegistry::attachDescriptions(const SceneLoader& load) {
    std::set<int> scenes;
    for (const auto& [group, items] : groups_) {
        for (const auto& item : items) {
            if (!item->description) {
                scenes.insert(item->sceneId);
            }
        }
    }
    for (const int sceneId : scenes) {
        ItemDescriptions descriptions = load(sceneId);
        for (auto& [group, items] : groups_) {
            for (auto& item : items) {
                if (!item->description && item->sceneId == sceneId && item->index >= 0 &&
                    static_cast<std::size_t>(item->index) < descriptions.size()) {
                    item->description = descriptions[static_cast<std::size_t>(item->index)].get();
                }
            }
        }
        adoptDescriptions(std::move(descriptions));
    }
}

void ItemRegistry::reloadDescriptions(int sceneId, const SceneLoader& load) {
    for (auto& [group, items] : groups_) {
        for (auto& item : items) {
            if (sceneId == -1 || item->sceneId == sceneId) {
                item->description = nullptr;
            }
        }
    }
    attachDescriptions(load);
}

void ItemRegistry::adoptDescriptions(ItemDescriptions descriptions) {
    std::unordered_set<const ItemDescription*> used;
    for (const auto& [group, items] : groups_) {
        for (const auto& item : items) {
            used.insert(item->description);
        }
    }
    for (const auto& [scene, groups] : setAside_) {
        for (const auto& [group, items] : groups) {
            for (const auto& item : items) {
                used.insert(item->description);
            }
        }
    }
    descriptions_.erase(std::remove_if(descriptions_.begin(), descriptions_.end(),
                                       [&](const ItemDescriptions& set) {
                                           return std::none_of(set.begin(), set.end(),
                                                               [&](const auto& d) {
                                                                   return used.count(d.get()) != 0;
                                                               });
                                       }),
                        descriptions_.end());
    if (!descriptions.empty()) {
        descriptions_.push_back(std::move(descriptions));
    }
}
