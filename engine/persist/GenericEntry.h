#pragma once

#include "engine/persist/SaveGame.h"
#include "engine/persist/SaveGameEntry.h"

#include <cstdint>
#include <limits>
#include <type_traits>

// A plain integer value stored as its sizeof(T) bytes, little-endian:
// GenericEntry<int> for volumes, GenericEntry<char> for flags.
template <typename T> class GenericEntry : public SaveGameEntry {
    static_assert(std::is_integral_v<T>, "GenericEntry stores integers");

public:
    explicit GenericEntry(T initial = T()) : value_(initial), default_(initial) {}
    // A value read back outside lowest..highest is taken to the nearest end
    // of the range (and the load says it was not as written).
    GenericEntry(T initial, T lowest, T highest)
        : value_(initial), default_(initial), lowest_(lowest), highest_(highest) {}

    T value() const { return value_; }
    void setValue(T value) { value_ = value; }
    T defaultValue() const { return default_; }

    bool save(SaveGame& store) override {
        using Unsigned = std::make_unsigned_t<T>;
        const auto bits = static_cast<Unsigned>(value_);
        std::uint8_t bytes[sizeof(T)];
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
        store.write(bytes, sizeof bytes);
        return true;
    }

    bool load(SaveGame& store) override {
        using Unsigned = std::make_unsigned_t<T>;
        std::uint8_t bytes[sizeof(T)];
        store.read(bytes, sizeof bytes);
        Unsigned bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bits = static_cast<Unsigned>(bits | (Unsigned(bytes[i]) << (8 * i)));
        }
        value_ = static_cast<T>(bits);
        if (value_ < lowest_ || value_ > highest_) {
            value_ = value_ < lowest_ ? lowest_ : highest_;
            return false;
        }
        return true;
    }

private:
    T value_;
    T default_;
    T lowest_ = std::numeric_limits<T>::min();
    T highest_ = std::numeric_limits<T>::max();
};
