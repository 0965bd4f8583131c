#include "game/scene/RainRenderer.h"

#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"

#include <algorithm>
#include <cstdlib>

RainRenderer::RainRenderer(ItemRendererOwner* owner, Item* item) : ItemRenderer(owner, item) {
    // A square wider than the screen, so slanted rain reaches every corner.
    side_ = float(screenWidth() + 256);
    left_ = -128;
    top_ = float(screenHeight() - screenWidth()) / 2 - 128;
}

void RainRenderer::load(ResourceManager& resources) {
    const ItemDescription* description = item()->description;
    if (!description) {
        return;
    }
    auto texture = std::make_unique<GLTexture>(description->path + description->image, nullptr,
                                               GLTexture::KeepNothing);
    if (texture->imageWidth() > 0) {
        texture_ = resources.addTexture(textureKey(), std::move(texture));
    }
    tint_ = itemColor();
    const int alpha = std::clamp(description->A, 0, 255);
    minAlpha_ = alpha / 10;
    alphaSpan_ = float(alpha - alpha / 10) / 1.3f;
    slant_ = description->angle;
    const int density = std::clamp(description->majorGroupID, 0, 100);
    emissionCost_ = 3.0f - float(density) / 100.0f * 2.9f;
}

void RainRenderer::update(int elapsedMs) {
    const float step = 0.7f * float(std::min(elapsedMs, 100));
    budget_ += step;
    while (budget_ > 0) {
        Drop drop;
        drop.x = left_ + float(std::rand() % int(side_));
        drop.y = top_;
        drop.speed = float(std::rand() % 100) / 100.0f * 1.3f + 0.2f;
        drop.layer = std::rand() % 3;
        drops_.push_back(drop);
        budget_ -= emissionCost_;
    }
    const float bottom = top_ + side_;
    for (Drop& drop : drops_) {
        drop.y += ((drop.speed - 0.2f) * 0.8846154f + 0.6f) * step;
    }
    drops_.erase(std::remove_if(drops_.begin(), drops_.end(),
                                [bottom](const Drop& drop) { return drop.y > bottom; }),
                 drops_.end());
}

void RainRenderer::draw(Graphics& graphics) {
    if (!texture_) {
        return;
    }
    const float slants[3] = {slant_, slant_ + 3, slant_ - 3};
    const float centreX = float(screenWidth()) / 2;
    const float centreY = float(screenHeight()) / 2;
    const float width = float(texture_->imageWidth());
    const float height = float(texture_->imageHeight());
    const Rect source(0, 0, width, height);
    for (int layer = 0; layer < 3; ++layer) {
        graphics.pushTransform();
        graphics.translate(centreX, centreY);
        graphics.rotate(slants[layer], 0, 0, 1);
        graphics.translate(-centreX, -centreY);
        // Each drop's corners are worked out here rather than with a matrix
        // of its own: a transform per quad makes the driver flush every drop,
        // and a window can hold a thousand of them.
        for (const Drop& drop : drops_) {
            if (drop.layer != layer) {
                continue;
            }
            Color color = tint_;
            color.a = std::uint8_t(
                std::clamp(int(float(minAlpha_) + (drop.speed - 0.2f) * alphaSpan_), 0, 255));
            const float bottom = drop.y + height * drop.speed;
            graphics.drawTextureQuad(texture_, Point(drop.x, drop.y), Point(drop.x + width, drop.y),
                                     Point(drop.x + width, bottom), Point(drop.x, bottom), source,
                                     color);
        }
        graphics.popTransform();
    }
}
