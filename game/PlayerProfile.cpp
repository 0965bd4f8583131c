#include "game/PlayerProfile.h"

#include "engine/core/Log.h"
#include "engine/persist/Buffer.h"
#include "game/scene/data/ItemRegistry.h"

#include <algorithm>

namespace {

// Name terminator, flags, three counters, flow position, resume step, hint
// flags and the block count.
constexpr std::size_t FixedFieldsSize = 2 + 2 + 3 + 4 + 4 + 4 + 1;

// The byte-sized counters hold -128..127; larger values are kept at the
// limit rather than wrapped (a hint count of 130 must not come back as -126).
std::uint8_t counterByte(std::int32_t value) {
    return static_cast<std::uint8_t>(static_cast<std::int8_t>(std::clamp(value, -128, 127)));
}

} // namespace

void PlayerProfile::reset() {
    PlayerProfile fresh(name);
    fresh.finished = finished;
    *this = std::move(fresh);
}

std::vector<std::uint8_t> PlayerProfile::record() const {
    Buffer out;
    out.write(name.data(), name.size());
    out.writeByte(0);
    out.writeByte(0);
    out.writeByte(started ? 1 : 0);
    out.writeByte(finished ? 1 : 0);
    out.writeByte(counterByte(counterB));
    out.writeByte(counterByte(counterA));
    out.writeByte(counterByte(hintCount));
    out.writeInt32(flowPosition);
    out.writeInt32(resumeStep);
    out.writeUint32(hintFlags);
    const std::size_t blocks = std::min(sceneStates.size(), MaxBlocks);
    if (blocks < sceneStates.size()) {
        engineLog() << "player profile \"" << name << "\": only " << MaxBlocks << " of "
                    << sceneStates.size() << " item-group blocks fit the record" << std::endl;
    }
    out.writeByte(static_cast<std::uint8_t>(blocks));
    for (std::size_t i = 0; i < blocks; ++i) {
        out.writeUint32(static_cast<std::uint32_t>(sceneStates[i].size()));
        out.write(sceneStates[i].data(), sceneStates[i].size());
    }
    out.writeInt32(completedScenes);
    return std::vector<std::uint8_t>(out.data(), out.data() + out.size());
}

bool PlayerProfile::readRecord(const std::uint8_t* bytes, std::size_t length, std::string& damage) {
    sceneStates.clear();
    damage.clear();
    if (!bytes) {
        length = 0;
    }
    // The name runs to the first pair of zero bytes; past the end every byte
    // reads as zero, so a record cut inside its name still ends there.
    std::size_t nameEnd = 0;
    while (nameEnd < length &&
           !(bytes[nameEnd] == 0 && (nameEnd + 1 >= length || bytes[nameEnd + 1] == 0))) {
        ++nameEnd;
    }
    name = nameEnd > 0 ? std::string(reinterpret_cast<const char*>(bytes), nameEnd) : std::string();
    const std::size_t minimum = nameEnd + FixedFieldsSize + 4;
    if (length < minimum) {
        damage = "the record is " + std::to_string(length) + " bytes, its fields need " +
                 std::to_string(minimum);
    }

    Buffer in(bytes, length);
    in.setReadPosition(nameEnd + 2);
    started = in.readByte() != 0;
    finished = in.readByte() != 0;
    counterB = static_cast<std::int8_t>(in.readByte());
    counterA = static_cast<std::int8_t>(in.readByte());
    hintCount = static_cast<std::int8_t>(in.readByte());
    flowPosition = in.readInt32();
    resumeStep = in.readInt32();
    hintFlags = in.readUint32();
    const std::size_t blockCount = in.readByte();

    // Blocks lie between the fixed fields and the final completedScenes.
    const std::size_t blocksEnd = length >= minimum ? length - 4 : length;
    for (std::size_t i = 0; i < blockCount && damage.empty(); ++i) {
        const std::size_t left = blocksEnd - std::min(blocksEnd, in.readPosition());
        if (left < 4) {
            damage = "the record lists " + std::to_string(blockCount) +
                     " item-group blocks but holds " + std::to_string(i);
            break;
        }
        const std::uint32_t blockLength = in.readUint32();
        if (blockLength > left - 4) {
            damage = "item-group block " + std::to_string(i) + " claims " +
                     std::to_string(blockLength) + " bytes but only " + std::to_string(left - 4) +
                     " remain";
            break;
        }
        const std::uint8_t* block = bytes + in.readPosition();
        const ItemGroupBlock decoded = ItemRegistry::decodeBlock(block, blockLength);
        if (!decoded.complete || decoded.consumed != blockLength) {
            damage = "item-group block " + std::to_string(i) + " (" + std::to_string(blockLength) +
                     " bytes) does not match its item count " +
                     std::to_string(decoded.declaredCount);
        }
        sceneStates.emplace_back(block, block + blockLength);
        in.skip(blockLength);
    }
    if (damage.empty() && in.readPosition() != blocksEnd) {
        damage = std::to_string(blocksEnd - std::min(blocksEnd, in.readPosition())) +
                 " bytes of the record are not accounted for";
    }
    in.setReadPosition(blocksEnd);
    completedScenes = length >= minimum ? in.readInt32() : 0;
    return damage.empty();
}

void PlayerProfile::captureRegistry(const ItemRegistry& registry) {
    sceneStates.clear();
    for (const int group : registry.groupKeys()) {
        sceneStates.push_back(registry.writeGroup(group));
    }
}

void PlayerProfile::restoreRegistry(ItemRegistry& registry) const {
    registry.clear();
    for (const Block& block : sceneStates) {
        registry.readGroup(block.data(), block.size());
    }
}
