#pragma once

#include "engine/persist/SaveGameEntry.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

// The key-value store of everything that outlives a run. Keys are never
// written: the stored bytes are the entries' bytes in ascending key order, so
// the set of registered keys fixes the layout.
class SaveGame {
public:
    virtual ~SaveGame();
    SaveGame() = default;
    SaveGame(const SaveGame&) = delete;
    SaveGame& operator=(const SaveGame&) = delete;

    virtual bool save() = 0;
    virtual bool load() = 0;
    // Append to, or consume from, the store's bytes while a save or load is
    // in progress; without one they do nothing (a read then gives zeros).
    virtual void write(const void* bytes, std::size_t length) = 0;
    virtual void read(void* bytes, std::size_t length) = 0;
    // Bytes still unread during a load, 0 otherwise: entries check stored
    // lengths against it before they reserve anything.
    virtual std::size_t remaining() const = 0;
    // Offset of the next byte a load reads.
    virtual std::size_t readOffset() const = 0;

    // Takes ownership; an entry already registered under the key is deleted.
    void registerEntry(const std::string& key, std::unique_ptr<SaveGameEntry> entry);
    // Null (with a diagnostic line) for a key that is not registered.
    SaveGameEntry* getEntry(const std::string& key) const;
    template <typename T> T* entry(const std::string& key) const {
        return dynamic_cast<T*>(getEntry(key));
    }
    std::size_t entryCount() const { return entries_.size(); }

    // Where an unreadable save file was set aside at start-up, given once so
    // that the player is told once; empty otherwise.
    virtual std::string takeSetAsideNotice() { return {}; }

    // An entry that finds its bytes inconsistent says so here; the first
    // report of a load is kept with the offset where it was noticed. Damage
    // inside a record whose length was known leaves the reading in place;
    // otherwise the entries after this one are not read (they keep the values
    // they had), since their bytes would be taken from the wrong place.
    enum class Reading { InPlace, Lost };
    void reportDamage(const std::string& what, Reading reading = Reading::Lost);
    bool damaged() const { return !damage_.empty(); }
    bool readingLost() const { return readingLost_; }
    const std::string& damage() const { return damage_; }

    void writeByte(std::uint8_t value) { write(&value, 1); }
    void writeInt32(std::int32_t value);
    std::uint8_t readByte();
    std::uint32_t readUint32();
    std::int32_t readInt32() { return static_cast<std::int32_t>(readUint32()); }

protected:
    void saveEntries();
    void loadEntries();
    void clearDamage() {
        damage_.clear();
        readingLost_ = false;
    }

private:
    std::map<std::string, std::unique_ptr<SaveGameEntry>> entries_;
    std::string damage_;
    bool readingLost_ = false;
};
