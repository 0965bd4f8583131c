#pragma once

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryDirectory.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Opens SDL_mixer as the game does (44.1 kHz, 16-bit, stereo, 16 channels)
// on a chosen SDL audio driver, and closes it again.
class OpenMixer {
public:
    explicit OpenMixer(const std::string& driver = "dummy") : saved_({"SDL_AUDIODRIVER"}) {
        ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
            Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) != 0) {
            error_ = SDL_GetError();
            return;
        }
        Mix_AllocateChannels(16);
        open_ = true;
    }
    ~OpenMixer() { close(); }
    OpenMixer(const OpenMixer&) = delete;
    OpenMixer& operator=(const OpenMixer&) = delete;

    void close() {
        if (open_) {
            Mix_CloseAudio();
            open_ = false;
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool isOpen() const { return open_; }
    const std::string& error() const { return error_; }

private:
    ScopedEnvironment saved_;
    bool open_ = false;
    std::string error_;
};

// A 16-bit mono WAV of a soft sine tone.
inline void writeToneWav(const std::string& path, int milliseconds, double frequency = 440.0,
                         int rate = 44100) {
    const int samples = rate * milliseconds / 1000;
    std::vector<std::int16_t> data(std::size_t(samples), 0);
    for (int i = 0; i < samples; ++i) {
        data[std::size_t(i)] =
            std::int16_t(12000 * std::sin(2 * 3.14159265358979 * frequency * i / rate));
    }
    auto u32 = [](std::ofstream& out, std::uint32_t v) {
        out.write(reinterpret_cast<char*>(&v), 4);
    };
    auto u16 = [](std::ofstream& out, std::uint16_t v) {
        out.write(reinterpret_cast<char*>(&v), 2);
    };
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t bytes = std::uint32_t(samples * 2);
    out.write("RIFF", 4);
    u32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(out, 16);
    u16(out, 1);
    u16(out, 1);
    u32(out, std::uint32_t(rate));
    u32(out, std::uint32_t(rate * 2));
    u16(out, 2);
    u16(out, 16);
    out.write("data", 4);
    u32(out, bytes);
    out.write(reinterpret_cast<const char*>(data.data()), bytes);
}
