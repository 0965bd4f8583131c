#pragma once

#include "engine/graphics/Types.h"
#include "game/scene/data/ItemRenderer.h"

#include <vector>

class GLTexture;

// Rain over the scene (a window's, say): drops emitted along the top of a
// square area larger than the screen fall at their own speeds in three
// layers, each slanted a little differently. Never hit.
class RainRenderer : public ItemRenderer {
public:
    struct Drop {
        float x;
        float y;
        float speed; // 0.2 .. 1.5
        int layer;   // 0 .. 2
    };

    RainRenderer(ItemRendererOwner* owner, Item* item);

    // The drop picture; its tint, slant and density from the item: colour,
    // angle (degrees) and majorGroupID (0..100).
    void load(ResourceManager& resources) override;
    void update(int elapsedMs) override;
    void draw(Graphics& graphics) override;

    const std::vector<Drop>& drops() const { return drops_; }
    float emissionCost() const { return emissionCost_; }

private:
    const GLTexture* texture_ = nullptr;
    Color tint_{200, 200, 200, 255};
    float slant_ = -5.0f;
    float emissionCost_ = 1.0f;
    float budget_ = 0;
    int minAlpha_ = 0;
    float alphaSpan_ = 0;
    float left_ = 0;
    float top_ = 0;
    float side_ = 0;
    std::vector<Drop> drops_;
};
