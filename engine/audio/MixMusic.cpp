#include "engine/audio/MixMusic.h"

#include "engine/audio/AudioDevice.h"
#include "engine/core/Log.h"

#include <SDL_mixer.h>

MixMusic::MixMusic(const std::string& path) : Music(path) {
    if (!deferIfRequested()) {
        readFile();
    }
}

MixMusic::~MixMusic() {
    if (music_) {
        // Freeing the playing music stops it first.
        Mix_FreeMusic(music_);
    }
}

void MixMusic::load() {
    if (isPending()) {
        markLoaded();
        readFile();
    }
}

void MixMusic::readFile() {
    if (!audioDeviceOpen()) {
        return;
    }
    music_ = Mix_LoadMUS(path_.c_str());
    if (!music_) {
        engineLog() << "Mix_LoadMUS: " << Mix_GetError() << " (" << path_ << ")\n";
    } else {
        reportCutShortMusic(path_);
    }
}

void MixMusic::play(int loops) {
    if (music_) {
        Mix_HaltMusic();
        Mix_PlayMusic(music_, loops);
    }
}

void MixMusic::fadeIn(int ms, int loops) {
    if (music_) {
        Mix_FadeInMusic(music_, loops, ms);
    }
}

void MixMusic::fadeOut(int ms) {
    if (music_) {
        Mix_FadeOutMusic(ms);
    }
}

void MixMusic::stop() {
    if (music_) {
        Mix_HaltMusic();
    }
}
