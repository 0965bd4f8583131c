#pragma once

#include "engine/audio/Sound.h"

// A sound that only counts how often it was started.
class CountingSound : public Sound {
public:
    void load() override {}
    void play() override { ++plays; }
    void play(int) override { ++plays; }
    void fadeIn(int, int) override { ++plays; }
    void fadeOut(int) override {}
    void halt() override {}
    bool isPlaying() const override { return false; }

    int plays = 0;
};
