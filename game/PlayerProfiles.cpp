#include "game/PlayerProfiles.h"

#include "engine/core/Log.h"
#include "engine/persist/SaveGame.h"
#include "game/GameFlow.h"

namespace {

std::unique_ptr<PlayerProfiles>& storage() {
    static std::unique_ptr<PlayerProfiles> profiles;
    return profiles;
}

class ProfilesEntry : public SaveGameEntry {
public:
    bool load(SaveGame& store) override { return PlayerProfiles::instance().load(store); }
    bool save(SaveGame& store) override { return PlayerProfiles::instance().save(store); }
};

} // namespace

PlayerProfiles& PlayerProfiles::instance() {
    auto& profiles = storage();
    if (!profiles) {
        profiles.reset(new PlayerProfiles());
    }
    return *profiles;
}

void PlayerProfiles::reset() {
    storage().reset();
}

std::unique_ptr<SaveGameEntry> PlayerProfiles::saveEntry() {
    return std::make_unique<ProfilesEntry>();
}

void PlayerProfiles::addProfile(const std::string& name) {
    profiles_.push_back(std::make_unique<PlayerProfile>(name));
    if (current_ == -1) {
        current_ = profileCount() - 1;
    }
}

void PlayerProfiles::removeProfile(int index) {
    if (index < 0 || index >= profileCount()) {
        return;
    }
    profiles_.erase(profiles_.begin() + index);
    if (index == current_) {
        current_ = -1;
    } else if (index < current_) {
        --current_;
    }
}

void PlayerProfiles::selectProfile(int index) {
    if (index < 0 || index >= profileCount()) {
        return;
    }
    captureCurrent();
    current_ = index;
    restoreCurrent();
}

void PlayerProfiles::clear() {
    profiles_.clear();
    current_ = -1;
}

PlayerProfile* PlayerProfiles::currentProfile() const {
    return profileAt(current_);
}

PlayerProfile* PlayerProfiles::profileAt(int index) const {
    return index >= 0 && index < profileCount() ? profiles_[index].get() : nullptr;
}

void PlayerProfiles::captureCurrent() {
    if (PlayerProfile* profile = currentProfile()) {
        profile->captureRegistry(ItemRegistry::instance());
        profile->flowPosition = GameFlow::instance().position();
    }
}

void PlayerProfiles::restoreCurrent() {
    if (PlayerProfile* profile = currentProfile()) {
        ItemRegistry& registry = ItemRegistry::instance();
        profile->restoreRegistry(registry);
        registry.attachDescriptions(sceneLoader_);
        GameFlow& flow = GameFlow::instance();
        const int entries = int(flow.entries().size());
        if (entries > 0 && (profile->flowPosition < 0 || profile->flowPosition >= entries)) {
            // A damaged value or a shorter flow: the story starts again rather
            // than leaving Play with nothing to start.
            engineLog() << "player profile \"" << profile->name << "\": flow position "
                        << profile->flowPosition << " is outside the flow of " << entries
                        << " screens, the game starts from the beginning" << std::endl;
            profile->flowPosition = 0;
        }
        flow.setPosition(profile->flowPosition);
    }
}

bool PlayerProfiles::save(SaveGame& store) {
    store.writeInt32(profileCount());
    captureCurrent();
    for (const auto& profile : profiles_) {
        const std::vector<std::uint8_t> record = profile->record();
        store.writeInt32(static_cast<std::int32_t>(record.size()));
        store.write(record.data(), record.size());
    }
    store.writeInt32(current_);
    return true;
}

bool PlayerProfiles::load(SaveGame& store) {
    clear();
    if (store.remaining() < 8) {
        // Not even a count and a current index: a file cut short before us.
        store.reportDamage("the file ends before the profile list");
        store.readUint32();
        store.readInt32();
        return false;
    }
    bool intact = true;
    const std::uint32_t count = store.readUint32();
    for (std::uint32_t i = 0; i < count; ++i) {
        // Every length is checked against the bytes left before anything is
        // reserved, so a damaged count or length cannot claim memory.
        if (store.remaining() < 4) {
            store.reportDamage("the profile list claims " + std::to_string(count) +
                               " profiles but holds " + std::to_string(i));
            intact = false;
            break;
        }
        const std::size_t at = store.readOffset();
        const std::uint32_t length = store.readUint32();
        if (length > store.remaining()) {
            store.reportDamage("the record of profile " + std::to_string(i) + " (at byte " +
                               std::to_string(at) + ") claims " + std::to_string(length) +
                               " bytes but only " + std::to_string(store.remaining()) + " remain");
            intact = false;
            break;
        }
        std::vector<std::uint8_t> record(length);
        store.read(record.data(), record.size());
        if (length < PlayerProfile::MinimumRecordSize) {
            store.reportDamage("the record of profile " + std::to_string(i) + " (at byte " +
                                   std::to_string(at) + ") is " + std::to_string(length) +
                                   " bytes, too short for a profile",
                               SaveGame::Reading::InPlace);
            intact = false;
            continue;
        }
        auto profile = std::make_unique<PlayerProfile>();
        std::string damage;
        if (!profile->readRecord(record.data(), record.size(), damage)) {
            store.reportDamage("profile " + std::to_string(i) + " (record at byte " +
                                   std::to_string(at) + "): " + damage,
                               SaveGame::Reading::InPlace);
            intact = false;
        }
        profiles_.push_back(std::move(profile));
    }
    if (intact && store.remaining() < 4) {
        store.reportDamage("the file ends before the current profile");
        intact = false;
    }
    const std::int32_t stored = store.readInt32();
    if (stored < -1 || stored >= profileCount()) {
        if (intact) {
            store.reportDamage("the current profile " + std::to_string(stored) +
                                   " is not in the list of " + std::to_string(profileCount()),
                               SaveGame::Reading::InPlace);
        }
        intact = false;
        current_ = -1;
        return intact;
    }
    current_ = stored;
    restoreCurrent();
    return intact;
}
