#include "engine/audio/AudioDevice.h"

#include <SDL_mixer.h>

bool audioDeviceOpen() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}
