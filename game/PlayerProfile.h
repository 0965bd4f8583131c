#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ItemRegistry;

// One player's progress: where they are in the game flow, the state of the
// scenes they played (the item registry's blocks) and a few counters.
class PlayerProfile {
public:
    using Block = std::vector<std::uint8_t>;

    // The record has room for this many blocks (one byte counts them).
    static constexpr std::size_t MaxBlocks = 255;
    // An empty name and no blocks.
    static constexpr std::size_t MinimumRecordSize = 24;

    explicit PlayerProfile(std::string name = std::string()) : name(std::move(name)) {}

    // Back to a new profile's values for a new game; the name stays, and so
    // does `finished`: a player who has finished the game keeps free play.
    void reset();

    // The record as stored in the save file: name, two zero bytes, flags,
    // byte-sized counters, positions, the blocks, completedScenes.
    std::vector<std::uint8_t> record() const;
    // Fills the profile from a record, replacing its blocks. A damaged record
    // gives what could be read and false, with `damage` saying what is wrong;
    // nothing is reserved beyond the record's own length.
    bool readRecord(const std::uint8_t* bytes, std::size_t length, std::string& damage);

    // One block per group of the registry, replacing the stored ones.
    void captureRegistry(const ItemRegistry& registry);
    // Clears the registry and refills it from the stored blocks (the items
    // then have no descriptions yet).
    void restoreRegistry(ItemRegistry& registry) const;

    std::vector<Block> sceneStates; // item-group blocks
    std::string name;               // UTF-8 bytes as entered
    std::int32_t flowPosition = 0;
    std::int32_t resumeStep = 0; // step of a scene left with Escape
    bool started = false;
    std::int32_t counterA = -1; // stored as one signed byte
    std::int32_t counterB = -1; // stored as one signed byte
    std::int32_t hintCount = 5; // stored as one signed byte
    std::int32_t completedScenes = -1;
    std::uint32_t hintFlags = 0; // bit 0: a hint was used
    bool finished = false;
};
