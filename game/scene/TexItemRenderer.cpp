#include "game/scene/TexItemRenderer.h"

#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ImageFilter.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "engine/resources/ResourceManager.h"
#include "game/scene/ItemActions.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemRegistry.h"

#include <SDL.h>

#include <algorithm>

TexItemRenderer::TexItemRenderer(ItemRendererOwner* owner, Item* item)
    : ItemRenderer(owner, item) {}

TexItemRenderer::~TexItemRenderer() = default;

void TexItemRenderer::load(ResourceManager& resources) {
    loadPicture(resources, {Silhouette});
}

void TexItemRenderer::loadPicture(ResourceManager& resources, std::initializer_list<int> variants) {
    const ItemDescription* description = item()->description;
    if (!description) {
        return;
    }
    // Decoded once; the texture and its filtered copies are made from it.
    const SDLSurfaceImage picture(description->path + description->image);
    SDL_Surface* surface = picture.surface();
    if (!surface || surface->w <= 0 || surface->h <= 0) {
        return; // the loader has named the missing picture
    }
    texture_ = resources.addTexture(textureKey(0),
                                    std::make_unique<GLTexture>(surface, surface->w, surface->h));
    resources_ = &resources;
    for (const int number : variants) {
        variants_[number] = nullptr;
    }
    setBounds(int(description->x), int(description->y), surface->w, surface->h);
}

const GLTexture* TexItemRenderer::variant(int number) {
    const auto found = variants_.find(number);
    if (found == variants_.end()) {
        return nullptr;
    }
    if (!found->second && texture_ && resources_) {
        const auto* kept = dynamic_cast<const SDLSurfaceImage*>(texture_->keptImage());
        if (!kept || !kept->surface()) {
            return nullptr;
        }
        static const SilhouetteImageFilter silhouette;
        static const BWImageFilter blackAndWhite;
        const ImageFilter* filter =
            number == Silhouette ? static_cast<const ImageFilter*>(&silhouette) : &blackAndWhite;
        found->second = resources_->addTexture(
            textureKey(number), std::make_unique<GLTexture>(kept->surface(), texture_->imageWidth(),
                                                            texture_->imageHeight(), filter));
    }
    return found->second;
}

void TexItemRenderer::draw(Graphics& graphics) {
    const ItemDescription* description = item()->description;
    if (!texture_ || !description) {
        return;
    }
    graphics.drawTexture(0, 0, texture_, itemColor());
}

bool TexItemRenderer::hitTest(int x, int y) const {
    return texture_ && boxContains(x, y) && texture_->isOpaqueAt(x - this->x(), y - this->y());
}

void TexItemRenderer::setState(int state) {
    if (state == Clicked) {
        owner()->itemCollected(*item());
        removeFromScene();
    }
}

void TexItemRenderer::removeFromScene() {
    Item* shown = item();
    setEnabled(false);
    if (shown->description) {
        shown->description->x = float(screenWidth());
        shown->description->y = float(screenHeight());
    }
    ItemRegistry& registry = ItemRegistry::instance();
    registry.moveItem(registry.groupOf(shown->index, shown->sceneId), shown->index, shown->sceneId,
                      GROUP_REMOVED);
    owner()->refreshItems(shown);
}

OverlayItemRenderer::OverlayItemRenderer(ItemRendererOwner* owner, Item* item)
    : TexItemRenderer(owner, item) {}

OverlayItemRenderer::~OverlayItemRenderer() = default;

void OverlayItemRenderer::load(ResourceManager& resources) {
    // Scenery is never collected: no silhouette.
    loadPicture(resources, {BlackAndWhite});
}

void OverlayItemRenderer::update(int elapsedMs) {
    if (action_ && action_->isRunning()) {
        action_->update(elapsedMs);
    }
}

void OverlayItemRenderer::setState(int state) {
    using namespace item_actions;
    switch (state) {
    case HintTarget:
        action_ = sequence(set(&overlayAlpha_, 0), by(&overlayAlpha_, 255, 500), wait(5000),
                           by(&overlayAlpha_, -255, 500));
        break;
    case FadeIn:
        action_ = sequence(set(&overlayAlpha_, 0), by(&overlayAlpha_, 255, 500));
        break;
    case FadeOut:
        action_ = sequence(set(&overlayAlpha_, 255), by(&overlayAlpha_, -255, 500));
        break;
    default:
        return; // scenery is never collected
    }
    action_->start(this, 0);
}

void OverlayItemRenderer::actionFinished(int) {}

void OverlayItemRenderer::draw(Graphics& graphics) {
    owner()->clipToScreen(graphics, true);
    TexItemRenderer::draw(graphics);
    const bool greyShown = action_ && action_->isRunning() && overlayAlpha_ > 0;
    const GLTexture* grey = greyShown ? variant(BlackAndWhite) : nullptr;
    if (grey) {
        const int alpha =
            std::min(item()->description ? item()->description->A : 255, overlayAlpha_);
        graphics.drawTexture(0, 0, grey, Color(255, 255, 255, channel(alpha)));
    }
    owner()->clipToScreen(graphics, false);
}
