#include "game/scene/CollectableItemRenderer.h"

#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "game/scene/ItemActions.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

} // namespace

CollectableItemRenderer::CollectableItemRenderer(ItemRendererOwner* owner, Item* item)
    : TexItemRenderer(owner, item) {}

CollectableItemRenderer::~CollectableItemRenderer() = default;

bool CollectableItemRenderer::running(const std::unique_ptr<lux::Action>& action) {
    return action && action->isRunning();
}

void CollectableItemRenderer::load(ResourceManager& resources) {
    loadPicture(resources, {Silhouette, BlackAndWhite});
    particle_ = resources.getTexture(ParticleTexture);
    itemAlpha_ = item()->description ? std::clamp(item()->description->A, 0, 255) : 255;
}

void CollectableItemRenderer::update(int elapsedMs) {
    // Each action may finish (and the collect may take the item out of the
    // scene) while it is advanced.
    for (auto* action : {&collect_, &hint_, &dim_, &fade_}) {
        if (running(*action)) {
            (*action)->update(elapsedMs);
        }
    }
}

void CollectableItemRenderer::setState(int state) {
    using namespace item_actions;
    switch (state) {
    case Clicked:
        if (running(collect_)) {
            return; // already on its way out
        }
        owner()->itemCollected(*item());
        startCollect();
        break;
    case HintTarget:
        if (running(hint_)) {
            return;
        }
        savedLayer_ = item()->description ? item()->description->layer : 0;
        hint_ = sequence(set(&hintAlpha_, 0), by(&hintAlpha_, 255, 1000), wait(5000),
                         by(&hintAlpha_, -255, 1000));
        hint_->start(this, HintAction);
        break;
    case FadeIn:
        fade_ = sequence(set(&itemAlpha_, 0), by(&itemAlpha_, 255, 500));
        fade_->start(this, FadeAction);
        break;
    case FadeOut:
        fade_ = sequence(set(&itemAlpha_, 255), by(&itemAlpha_, -255, 500));
        fade_->start(this, FadeAction);
        break;
    case Dimmed:
        dim_ = sequence(set(&greyAlpha_, 0), by(&greyAlpha_, 255, 500), wait(5000),
                        by(&greyAlpha_, -255, 500));
        dim_->start(this, DimAction);
        break;
    default:
        break;
    }
}

void CollectableItemRenderer::startCollect() {
    using namespace item_actions;
    setEnabled(false);
    collect_.reset();
    owner()->bringToFront(*item());
    const float halfWidth = float(width()) / 2;
    const float halfHeight = float(height()) / 2;
    radius_ = std::sqrt(halfWidth * halfWidth + halfHeight * halfHeight);
    collect_ = together(
        sequence(set(&glowAlpha_, 0), by(&glowAlpha_, 255, 200), wait(1000),
                 by(&glowAlpha_, -255, 200)),
        sequence(set(&rotation_, 0.0f), by(&rotation_, kPi / 4, CollectMs)),
        by(&radius_, 20.0f, CollectMs), sequence(wait(1000), by(&itemAlpha_, -255, 400)),
        sequence(by(&scaleX_, 0.25f, 700), by(&scaleX_, -0.25f, 700), set(&scaleX_, 1.0f)),
        sequence(by(&scaleY_, 0.25f, 700), by(&scaleY_, -0.25f, 700), set(&scaleY_, 1.0f)),
        sequence(set(&silhouetteAlpha_, 255), wait(1000), by(&silhouetteAlpha_, -255, 400)));
    collect_->start(this, CollectAction);
}

void CollectableItemRenderer::actionFinished(int index) {
    switch (index) {
    case CollectAction:
        removeFromScene();
        break;
    case HintAction:
        if (item()->description) {
            owner()->setItemLayer(*item(), savedLayer_);
        }
        break;
    default:
        break;
    }
}

void CollectableItemRenderer::drawParticles(Graphics& graphics) const {
    if (!particle_) {
        return;
    }
    const float centreX = float(width()) / 2;
    const float centreY = float(height()) / 2;
    for (int i = 0; i < ParticleCount; ++i) {
        const float angle = float(i) * 2 * kPi / ParticleCount + rotation_;
        const float x = centreX + radius_ * std::cos(angle) - float(particle_->imageWidth()) / 2;
        const float y = centreY + radius_ * std::sin(angle) - float(particle_->imageHeight()) / 2;
        graphics.drawTexture(int(x), int(y), particle_, Color(255, 255, 255, channel(glowAlpha_)));
    }
}

void CollectableItemRenderer::draw(Graphics& graphics) {
    const ItemDescription* description = item()->description;
    if (!texture_ || !description) {
        return;
    }
    const bool collecting = running(collect_);
    if (collecting) {
        drawParticles(graphics);
    }
    owner()->clipToScreen(graphics, true);
    // Scaled about the middle only while it grows or shrinks: a matrix per
    // item at rest would cost a driver flush for each of a scene's items.
    const bool scaled = scaleX_ != 1.0f || scaleY_ != 1.0f;
    if (scaled) {
        graphics.pushTransform();
        graphics.translate((scaleX_ - 1) * float(width()) * -0.5f,
                           (scaleY_ - 1) * float(height()) * -0.5f);
        graphics.scale(scaleX_, scaleY_);
    }
    const GLTexture* silhouette = collecting || running(hint_) ? variant(Silhouette) : nullptr;
    const Color tint = itemColor();
    if (collecting) {
        if (silhouette) {
            graphics.drawTexture(0, 0, silhouette, Color(255, 255, 255, channel(silhouetteAlpha_)));
        }
    } else if (running(hint_)) {
        if (silhouette) {
            graphics.drawTexture(0, 0, silhouette, Color(255, 255, 0, channel(hintAlpha_)));
        }
        graphics.drawTexture(0, 0, texture_,
                             Color(tint.r, tint.g, tint.b, channel(255 - hintAlpha_)));
    } else {
        graphics.drawTexture(0, 0, texture_, Color(tint.r, tint.g, tint.b, channel(itemAlpha_)));
    }
    if (scaled) {
        graphics.popTransform();
    }
    const GLTexture* grey = running(dim_) ? variant(BlackAndWhite) : nullptr;
    if (grey) {
        graphics.drawTexture(0, 0, grey,
                             Color(255, 255, 255, channel(std::min(greyAlpha_, itemAlpha_))));
    }
    owner()->clipToScreen(graphics, false);
}
