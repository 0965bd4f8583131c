#pragma once

class SaveGame;

// One value of the save game. It writes and reads its own bytes through the
// store; the store never writes keys, so an entry must read back exactly what
// it wrote.
class SaveGameEntry {
public:
    virtual ~SaveGameEntry() = default;
    virtual bool load(SaveGame& store) = 0;
    virtual bool save(SaveGame& store) = 0;
};
