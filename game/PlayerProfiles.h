#pragma once

#include "engine/persist/SaveGameEntry.h"
#include "game/PlayerProfile.h"
#include "game/scene/data/ItemRegistry.h"

#include <memory>
#include <string>
#include <vector>

// The players sharing one installation, stored in the save game as the entry
// "PLAYER_PROFILES": the profile count, each profile's record behind its
// length, then the index of the current profile (-1 for none). A process-wide
// singleton; `reset` gives tests a fresh one.
class PlayerProfiles : public SaveGameEntry {
public:
    static constexpr const char* EntryKey = "PLAYER_PROFILES";

    static PlayerProfiles& instance();
    static void reset();
    // The save game's entry for the profiles: it owns its entries, while the
    // profiles live as long as the process, so it gets this forwarder.
    static std::unique_ptr<SaveGameEntry> saveEntry();

    // Appends a profile; the first one becomes current when none is.
    void addProfile(const std::string& name);
    // Ignored outside the list; keeps `current` on the same profile, or -1
    // when that one is removed.
    void removeProfile(int index);
    // Ignored outside the list. The outgoing profile takes the registry and
    // the game-flow position with it; the registry and the position then
    // come from the new one.
    void selectProfile(int index);
    // Deletes every profile; none is current afterwards.
    void clear();

    PlayerProfile* currentProfile() const;
    int current() const { return current_; }
    int profileCount() const { return static_cast<int>(profiles_.size()); }
    PlayerProfile* profileAt(int index) const;

    bool save(SaveGame& store) override;
    // A list that claims more than the store holds ends where the bytes end,
    // keeping the profiles read so far, and reports the damage to the store.
    bool load(SaveGame& store) override;

    // How restored items find their descriptions (the scene files by default).
    void setSceneLoader(ItemRegistry::SceneLoader loader) { sceneLoader_ = std::move(loader); }

private:
    PlayerProfiles() = default;
    friend struct std::default_delete<PlayerProfiles>;

    void captureCurrent();
    void restoreCurrent();

    std::vector<std::unique_ptr<PlayerProfile>> profiles_;
    int current_ = -1;
    ItemRegistry::SceneLoader sceneLoader_ = SceneFile::loadSceneItems;
};
