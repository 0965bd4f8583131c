#pragma once

#include "engine/audio/SoundSystem.h"

// SoundSystem over SDL_mixer; harmless while no audio device is open.
class SDLSoundSystem : public SoundSystem {
public:
    void setMusicVolume(int volume) override;
    void setChannelVolume(int channel, int volume) override;
};
