#pragma once

#include "engine/audio/Music.h"

struct _Mix_Music;

// A piece of music streamed by the mixer (Ogg Vorbis in the game).
class MixMusic : public Music {
public:
    explicit MixMusic(const std::string& path);
    ~MixMusic() override;

    void load() override;
    // Halts whatever music plays, then starts this one.
    void play(int loops) override;
    void fadeIn(int ms, int loops) override;
    void fadeOut(int ms) override;
    void stop();

    bool isLoaded() const { return music_ != nullptr; }

private:
    void readFile();

    _Mix_Music* music_ = nullptr;
};
