#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A growable byte sequence with a read cursor. Writing appends; reading at or
// past the end yields zero bytes, so a short save file reads as zeros instead
// of failing. Multi-byte integers are little-endian.
class Buffer {
public:
    Buffer() = default;
    Buffer(const void* bytes, std::size_t length);

    void write(const void* bytes, std::size_t length);
    void writeByte(std::uint8_t value) { bytes_.push_back(value); }
    void writeUint32(std::uint32_t value);
    void writeInt32(std::int32_t value) { writeUint32(static_cast<std::uint32_t>(value)); }

    // Fills `length` bytes, with zeros for whatever lies past the end.
    void read(void* bytes, std::size_t length);
    std::uint8_t readByte();
    std::uint32_t readUint32();
    std::int32_t readInt32() { return static_cast<std::int32_t>(readUint32()); }
    void skip(std::size_t length);

    const std::uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    std::size_t readPosition() const { return readPosition_; }
    void setReadPosition(std::size_t position) { readPosition_ = position; }
    std::size_t remaining() const {
        return readPosition_ < bytes_.size() ? bytes_.size() - readPosition_ : 0;
    }
    // True once a read asked for bytes past the end.
    bool overrun() const { return overrun_; }

    static void encodeUint32(std::uint32_t value, std::uint8_t out[4]);
    static std::uint32_t decodeUint32(const std::uint8_t in[4]);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t readPosition_ = 0;
    bool overrun_ = false;
};
