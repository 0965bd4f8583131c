#include "engine/audio/MixSound.h"

#include "engine/audio/AudioDevice.h"
#include "engine/core/Log.h"

#include <SDL_mixer.h>

MixSound::MixSound(const std::string& path) : Sound(path) {
    if (!deferIfRequested()) {
        readFile();
    }
}

MixSound::~MixSound() {
    if (chunk_) {
        if (ownsChannel()) {
            Mix_HaltChannel(channel_);
        }
        Mix_FreeChunk(chunk_);
    }
}

void MixSound::load() {
    if (isPending()) {
        markLoaded();
        readFile();
    }
}

void MixSound::readFile() {
    // Without a device the game is silent; the application has said so once.
    if (!audioDeviceOpen()) {
        return;
    }
    chunk_ = Mix_LoadWAV_RW(SDL_RWFromFile(path_.c_str(), "rb"), 1);
    if (!chunk_) {
        engineLog() << "Mix_LoadWAV: " << SDL_GetError() << " (" << path_ << ")\n";
    }
}

bool MixSound::ownsChannel() const {
    // Another sound may have taken the channel since; leave that one alone.
    return channel_ != -1 && audioDeviceOpen() && Mix_Playing(channel_) &&
           Mix_GetChunk(channel_) == chunk_;
}

void MixSound::play() {
    if (chunk_) {
        channel_ = Mix_PlayChannelTimed(-1, chunk_, 0, -1);
    }
}

void MixSound::play(int loops) {
    if (chunk_) {
        channel_ = Mix_PlayChannelTimed(-1, chunk_, loops, -1);
    }
}

void MixSound::fadeIn(int loops, int ms) {
    if (chunk_) {
        channel_ = Mix_FadeInChannelTimed(-1, chunk_, loops, ms, -1);
    }
}

void MixSound::playOnChannel(int channel) {
    if (chunk_) {
        channel_ = Mix_PlayChannelTimed(channel, chunk_, 0, -1);
    }
}

void MixSound::fadeOut(int ms) {
    if (chunk_ && ownsChannel()) {
        Mix_FadeOutChannel(channel_, ms);
    }
}

void MixSound::halt() {
    if (chunk_ && ownsChannel()) {
        Mix_HaltChannel(channel_);
    }
}

bool MixSound::isPlaying() const {
    return chunk_ && ownsChannel();
}

int MixSound::lengthMsOf(unsigned bytes) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency == 0 || channels == 0) {
        return 0;
    }
    const unsigned bytesPerSample = (format & 0xFF) / 8;
    if (bytesPerSample == 0) {
        return 0;
    }
    const unsigned long samples = bytes / bytesPerSample / unsigned(channels);
    return int(samples * 1000UL / unsigned(frequency));
}

int MixSound::lengthMs() const {
    return chunk_ ? lengthMsOf(chunk_->alen) : 0;
}
