#include "game/scene/AnimPlayerItemRenderer.h"

#include "engine/graphics/Graphics.h"
#include "engine/ui/Animation2D.h"
#include "engine/ui/AnimationPlayer.h"
#include "game/scene/HOScene.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"

AnimPlayerItemRenderer::AnimPlayerItemRenderer(HOScene* scene, Item* item)
    : ItemRenderer(scene, item), scene_(scene) {
    const ItemDescription* description = item->description;
    if (!scene_ || !description) {
        return;
    }
    AnimationPlayer& player = scene_->animationPlayer();
    if (player.load(item->index, description->path + description->infoTip)) {
        player.play(item->index, 0, ParkX, ParkY, scene_);
    }
    setBounds(int(description->x), int(description->y), 0, 0);
}

AnimPlayerItemRenderer::~AnimPlayerItemRenderer() = default;

Animation2D* AnimPlayerItemRenderer::animation() const {
    return scene_ ? scene_->animationPlayer().find(item()->index) : nullptr;
}

void AnimPlayerItemRenderer::draw(Graphics& graphics) {
    if (const Animation2D* playing = animation()) {
        graphics.translate(-float(ParkX), -float(ParkY));
        playing->renderAt(graphics);
    }
}
