#include "engine/audio/SDLSoundSystem.h"

#include <SDL_mixer.h>

void SDLSoundSystem::setMusicVolume(int volume) {
    Mix_VolumeMusic(volume);
}

void SDLSoundSystem::setChannelVolume(int channel, int volume) {
    // SDL_mixer walks its channel table without checking that the device is
    // open: with no device (or after it closed) there is nothing to set.
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0) {
        return;
    }
    Mix_Volume(channel, volume);
}
