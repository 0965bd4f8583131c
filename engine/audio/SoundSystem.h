#pragma once

// Global volumes of the mixer. Volumes are passed on unchanged: the game uses
// 0..100 on SDL_mixer's 0..128 scale.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    virtual void setMusicVolume(int volume) = 0;
    // channel -1: every channel.
    virtual void setChannelVolume(int channel, int volume) = 0;
};
