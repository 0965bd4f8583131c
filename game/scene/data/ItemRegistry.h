#pragma once

#include "game/scene/data/Item.h"
#include "game/scene/data/SceneFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Item group numbers in use.
enum ItemGroup {
    GROUP_NONE = -1,     // no item-group rule matched; never drawn
    GROUP_SCENE = 1,     // drawn, not clickable
    GROUP_GOAL = 2,      // on the find list
    GROUP_REMOVED = 3,   // collected or thinned out; not drawn
    GROUP_BONUS = 4,     // clickable from the start; adds a hint
    GROUP_DISPLAY_5 = 5, // drawn; the scene never moves items in or out
    GROUP_DISPLAY_6 = 6,
};

// One item-group block as stored in a profile, decoded without trusting it.
struct ItemGroupBlock {
    struct Entry {
        int index;
        int sceneId;
        int slot;
    };
    std::int32_t group = 0;
    std::uint32_t declaredCount = 0;
    std::vector<Entry> entries; // the whole triples the bytes hold, at most declaredCount
    std::size_t consumed = 0;   // bytes taken: the header and the whole triples
    bool complete = false;      // the header and every declared triple were there
};

// The state of every item of every scene: an ordered map from item group to
// the list of items in it. Lists keep insertion order; a moved item goes to
// the end of its new list. A process-wide singleton; `reset` gives tests a
// fresh one.
class ItemRegistry {
public:
    // Block layout: count (4), group (4), then index, scene id and slot as one
    // signed byte each, so ids and indices must lie within 0..127.
    static constexpr std::size_t BlockHeaderSize = 8;
    static constexpr int LargestStoredId = 127;

    using SceneLoader = std::function<ItemDescriptions(int sceneId)>;

    static ItemRegistry& instance();
    static void reset();

    // The items of the group that belong to the scene (every scene for -1),
    // in list order. A group that does not exist yet is created empty.
    std::vector<Item*> itemsOf(int group, int sceneId);
    // The first group, in ascending order, that holds the item; -1 if none.
    int groupOf(int index, int sceneId) const;
    Item* findItem(int group, int index, int sceneId) const;
    // Nothing happens for the same group or an item not in `fromGroup`.
    void moveItem(int fromGroup, int index, int sceneId, int toGroup);
    void removeSceneItems(int group, int sceneId);
    // Destroys the scene's items that have no description (a saved item the
    // scene file no longer has); returns how many.
    int removeItemsWithoutDescription(int sceneId);
    // Destroys every item of the group; the group itself stays, empty.
    void clearGroup(int group);
    // A scene replayed in free play starts unvisited: its items as they stand
    // are put aside, and saves keep writing them in place of what the replay
    // makes of the scene. `restoreScene` destroys the replay's items and
    // brings the set-aside ones back to their groups.
    void setAsideScene(int sceneId);
    void restoreScene(int sceneId);
    bool isSetAside(int sceneId) const { return setAside_.count(sceneId) != 0; }
    // Destroys every item and group.
    void clear();
    std::vector<int> groupKeys() const;
    std::size_t itemCount() const;

    // Appends an item to a group's list.
    void addItem(int group, std::unique_ptr<Item> item);

    // The block of one group. Items whose index or scene id does not fit one
    // byte are left out rather than stored as another scene's items.
    std::vector<std::uint8_t> writeGroup(int group) const;
    // Appends one item per whole triple of the block to its group and returns
    // the bytes consumed; a damaged block adds what it holds and no more.
    std::size_t readGroup(const std::uint8_t* bytes, std::size_t length);
    static ItemGroupBlock decodeBlock(const std::uint8_t* bytes, std::size_t length);

    // First visit of a scene: every item of its scene file, in file order, as
    // item i with slot i, in the group its rule gives (-1 included).
    void registerSceneItems(const std::string& itemGroupRulePath, int sceneId,
                            const SceneLoader& load = SceneFile::loadSceneItems);
    // Points every item without a description at the description with its
    // index, reading each scene file at most once.
    void attachDescriptions(const SceneLoader& load = SceneFile::loadSceneItems);
    // Reads the scene's file again (every scene's for -1) and points its
    // items at the new descriptions, their groups unchanged: a scene file
    // edited while the game runs, or another language's. Items set aside
    // keep theirs.
    void reloadDescriptions(int sceneId, const SceneLoader& load = SceneFile::loadSceneItems);

private:
    ItemRegistry() = default;
    friend struct std::default_delete<ItemRegistry>;

    using ItemList = std::vector<std::unique_ptr<Item>>;

    // Keeps a scene's descriptions alive for the items that point at them,
    // and drops earlier sets that no item uses any more.
    void adoptDescriptions(ItemDescriptions descriptions);

    std::map<int, ItemList> groups_;
    std::vector<ItemDescriptions> descriptions_;
    // Per scene id, its set-aside items by group.
    std::map<int, std::map<int, ItemList>> setAside_;
};
