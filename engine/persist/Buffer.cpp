#include "engine/persist/Buffer.h"

#include <algorithm>
#include <cstring>

Buffer::Buffer(const void* bytes, std::size_t length) {
    write(bytes, length);
}

void Buffer::write(const void* bytes, std::size_t length) {
    if (length == 0) {
        return;
    }
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    bytes_.insert(bytes_.end(), first, first + length);
}

void Buffer::writeUint32(std::uint32_t value) {
    std::uint8_t bytes[4];
    encodeUint32(value, bytes);
    write(bytes, sizeof bytes);
}

void Buffer::read(void* bytes, std::size_t length) {
    auto* out = static_cast<std::uint8_t*>(bytes);
    const std::size_t available = std::min(length, remaining());
    if (available > 0) {
        std::memcpy(out, bytes_.data() + readPosition_, available);
    }
    if (available < length) {
        std::memset(out + available, 0, length - available);
        overrun_ = true;
    }
    readPosition_ += available;
}

std::uint8_t Buffer::readByte() {
    std::uint8_t value = 0;
    read(&value, 1);
    return value;
}

std::uint32_t Buffer::readUint32() {
    std::uint8_t bytes[4];
    read(bytes, sizeof bytes);
    return decodeUint32(bytes);
}

void Buffer::skip(std::size_t length) {
    if (length > remaining()) {
        overrun_ = true;
        readPosition_ = std::max(readPosition_, bytes_.size());
        return;
    }
    readPosition_ += length;
}

void Buffer::encodeUint32(std::uint32_t value, std::uint8_t out[4]) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t Buffer::decodeUint32(const std::uint8_t in[4]) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= std::uint32_t(in[i]) << (8 * i);
    }
    return value;
}
