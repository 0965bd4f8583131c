#pragma once

#include "engine/core/DeferableResource.h"

// One loaded piece of music, played as the mixer's single music stream.
class Music : public DeferableResource {
public:
    ~Music() override = default;

    // loops: -1 endless.
    virtual void play(int loops) = 0;
    virtual void fadeIn(int /*ms*/, int /*loops*/) {}
    virtual void fadeOut(int /*ms*/) {}

protected:
    Music() = default;
    explicit Music(std::string path) : DeferableResource(std::move(path)) {}
};
