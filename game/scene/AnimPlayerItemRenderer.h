#pragma once

#include "game/scene/data/ItemRenderer.h"

class Animation2D;
class HOScene;

// Animated scenery (a pendulum, a flickering flame): the keyframe animation
// the item's infoTip names, played by the scene's animation player. The
// player's copy runs far off screen; this draws it at the item's place.
// Never hit.
class AnimPlayerItemRenderer : public ItemRenderer {
public:
    // The animation's place in the player's space, off every screen.
    static constexpr int ParkX = 2048;
    static constexpr int ParkY = 1536;

    AnimPlayerItemRenderer(HOScene* scene, Item* item);
    ~AnimPlayerItemRenderer() override;

    void draw(Graphics& graphics) override;

    bool isPlaying() const { return animation() != nullptr; }

private:
    Animation2D* animation() const;

    HOScene* scene_;
};
