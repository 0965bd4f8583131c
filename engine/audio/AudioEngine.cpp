#include "engine/audio/AudioEngine.h"

#include "engine/audio/AudioDevice.h"
#include "engine/core/Log.h"

#include <SDL_mixer.h>

namespace {

std::unique_ptr<AudioEngine>& holder() {
    static std::unique_ptr<AudioEngine> engine;
    return engine;
}

} // namespace

AudioEngine& AudioEngine::instance() {
    auto& engine = holder();
    if (!engine) {
        engine = std::make_unique<AudioEngine>();
    }
    return *engine;
}

void AudioEngine::reset() {
    holder().reset();
}

_Mix_Music* AudioEngine::loadMusic(const std::string& path) {
    if (!audioDeviceOpen()) {
        return nullptr;
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) {
        engineLog() << "Mix_LoadMUS: " << Mix_GetError() << " (" << path << ")\n";
    } else {
        reportCutShortMusic(path);
    }
    return music;
}

void AudioEngine::fadeInMusic(_Mix_Music* music, int ms, int loops) {
    currentMusic_ = music;
    if (music) {
        Mix_FadeInMusic(music, loops, ms);
    }
}

bool AudioEngine::isMusicPlaying() const {
    return opened_ && Mix_PlayingMusic() != 0;
}

_Mix_Music* AudioEngine::loadAndFadeInMusic(const std::string& path, int ms, int loops) {
    Mix_Music* music = loadMusic(path);
    if (music) {
        fadeInMusic(music, ms, loops);
    }
    currentMusic_ = music;
    return music;
}

std::string AudioEngine::open(const Spec& spec) {
    if (Mix_OpenAudio(spec.frequency, spec.format, 2, spec.chunkSize) != 0) {
        opened_ = false;
        status_ = -100;
        return SDL_GetError();
    }
    Mix_AllocateChannels(spec.channels);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        status_ = -96;
    }
    chunkDecoderCount_ = Mix_GetNumChunkDecoders();
    for (int i = 0; i < chunkDecoderCount_; ++i) {
        chunkDecoders_.push_back(Mix_GetChunkDecoder(i));
    }
    musicDecoderCount_ = Mix_GetNumMusicDecoders();
    for (int i = 0; i < musicDecoderCount_; ++i) {
        musicDecoders_.push_back(Mix_GetMusicDecoder(i));
    }
    group1Ready_ = Mix_GroupChannels(0, 6, 1) == 7;
    group2Ready_ = Mix_GroupChannels(7, 13, 2) == 7;
    opened_ = true;
    return "";
}

void AudioEngine::close() {
    if (opened_) {
        Mix_CloseAudio();
    }
    opened_ = false;
    status_ = 1000;
    group1Ready_ = group2Ready_ = false;
    chunkDecoderCount_ = musicDecoderCount_ = -1;
    chunkDecoders_.clear();
    musicDecoders_.clear();
    currentMusic_ = nullptr;
    for (bool& busy : busy_) {
        busy = false;
    }
}

void AudioEngine::fadeInChunk(int channel, Mix_Chunk* chunk, int ms, int loops) {
    if (!chunk) {
        return;
    }
    const int used = Mix_FadeInChannelTimed(channel, chunk, loops, ms, -1);
    if (used >= 0 && used < BusyChannels) {
        busy_[used] = true;
    }
}

Mix_Chunk* AudioEngine::loadAndFadeInChunk(const std::string& path, int channel, int ms,
                                           int loops) {
    if (!audioDeviceOpen()) {
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
    if (!chunk) {
        engineLog() << "Mix_LoadWAV: " << SDL_GetError() << " (" << path << ")\n";
        return nullptr;
    }
    fadeInChunk(channel, chunk, ms, loops);
    return chunk;
}

void AudioEngine::fadeOutChannel(int channel, int ms) {
    currentMusic_ = nullptr;
    Mix_FadeOutChannel(channel, ms);
    if (channel >= 0 && channel < BusyChannels) {
        busy_[channel] = false;
    }
}

bool AudioEngine::isChannelBusy(int channel) const {
    return channel >= 0 && channel < BusyChannels && busy_[channel];
}

void AudioEngine::setPanning(int channel, int left, int right) {
    Mix_SetPanning(channel, Uint8(left), Uint8(right));
}

void AudioEngine::setChunkVolume(Mix_Chunk* chunk, int volume) {
    if (chunk) {
        Mix_VolumeChunk(chunk, volume);
    }
}
