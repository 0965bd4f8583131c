#include "engine/persist/SaveGame.h"

#include "engine/core/Log.h"
#include "engine/persist/Buffer.h"

SaveGame::~SaveGame() = default;

void SaveGame::registerEntry(const std::string& key, std::unique_ptr<SaveGameEntry> entry) {
    entries_[key] = std::move(entry);
}

SaveGameEntry* SaveGame::getEntry(const std::string& key) const {
    const auto found = entries_.find(key);
    if (found == entries_.end()) {
        engineLog() << "save game: no entry registered as \"" << key << "\"" << std::endl;
        return nullptr;
    }
    return found->second.get();
}

void SaveGame::reportDamage(const std::string& what, Reading reading) {
    if (damage_.empty()) {
        damage_ = "at byte " + std::to_string(readOffset()) + ": " + what;
    }
    readingLost_ = readingLost_ || reading == Reading::Lost;
}

void SaveGame::writeInt32(std::int32_t value) {
    std::uint8_t bytes[4];
    Buffer::encodeUint32(static_cast<std::uint32_t>(value), bytes);
    write(bytes, sizeof bytes);
}

std::uint8_t SaveGame::readByte() {
    std::uint8_t value = 0;
    read(&value, 1);
    return value;
}

std::uint32_t SaveGame::readUint32() {
    std::uint8_t bytes[4] = {};
    read(bytes, sizeof bytes);
    return Buffer::decodeUint32(bytes);
}

void SaveGame::saveEntries() {
    for (auto& [key, entry] : entries_) {
        if (entry) {
            entry->save(*this);
        }
    }
}

void SaveGame::loadEntries() {
    for (auto& [key, entry] : entries_) {
        if (!entry) {
            continue;
        }
        if (readingLost_) {
            engineLog() << "save game: \"" << key
                        << "\" is not read after the damage, it keeps its value" << std::endl;
            continue;
        }
        if (!entry->load(*this) && !damaged()) {
            engineLog() << "save game: \"" << key
                        << "\" held a value out of its range, the nearest allowed one is used"
                        << std::endl;
        }
    }
}
