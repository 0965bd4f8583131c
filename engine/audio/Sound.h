#pragma once

#include "engine/core/DeferableResource.h"

// One loaded sound effect, played on a free mixer channel.
class Sound : public DeferableResource {
public:
    ~Sound() override = default;

    virtual void play() = 0;
    // loops: extra repetitions, -1 endless.
    virtual void play(int loops) = 0;
    virtual void fadeIn(int loops, int ms) = 0;
    virtual void fadeOut(int ms) = 0;
    virtual void halt() = 0;
    virtual bool isPlaying() const = 0;

protected:
    Sound() = default;
    explicit Sound(std::string path) : DeferableResource(std::move(path)) {}
};
