#pragma once

#include "engine/audio/Sound.h"

struct Mix_Chunk;

// A sound effect decoded into a mixer chunk, played on any free channel.
// Without an open audio device it holds nothing and every call does nothing.
class MixSound : public Sound {
public:
    explicit MixSound(const std::string& path);
    ~MixSound() override;

    void load() override;
    void play() override;
    void play(int loops) override;
    void fadeIn(int loops, int ms) override;
    void fadeOut(int ms) override;
    void halt() override;
    bool isPlaying() const override;
    void playOnChannel(int channel);
    // The length of the sound at the mixer's output format, 0 without a device.
    int lengthMs() const;
    // The same for `bytes` of mixer data at that format.
    static int lengthMsOf(unsigned bytes);

    bool isLoaded() const { return chunk_ != nullptr; }
    // The channel of the last play, -1 when none.
    int channel() const { return channel_; }

private:
    void readFile();
    // True while our chunk is still what plays on our channel.
    bool ownsChannel() const;

    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;
};
