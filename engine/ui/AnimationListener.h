#pragma once

// Told when an animation (by id) has played to its end.
class AnimationListener {
public:
    virtual ~AnimationListener() = default;
    virtual void animationFinished(int id) = 0;
};

// The same report, from an animation to its player.
class AnimationPlayerListener {
public:
    virtual ~AnimationPlayerListener() = default;
    virtual void animationFinished(int id) = 0;
};
