#include "game/scene/ItemGoalRenderer.h"

#include "engine/graphics/GLTexture.h"
#include "game/scene/HOScene.h"
#include "game/scene/data/ItemRegistry.h"

#include <algorithm>

ItemGoalRenderer::ItemGoalRenderer() = default;

ItemGoalRenderer::~ItemGoalRenderer() = default;

void ItemGoalRenderer::rebuildEntries() {
    entries_.clear();
    if (!scene_) {
        return;
    }
    ItemRegistry& registry = ItemRegistry::instance();
    for (const int group : listedGroups_) {
        for (Item* item : registry.itemsOf(group, scene_->sceneId())) {
            entries_.push_back({item, group, item->index});
        }
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.index < b.index; });
}

void ItemGoalRenderer::placeBackground(const GLTexture* background) {
    background_ = background;
    const int width = background ? background->imageWidth() : 1024;
    const int height = background ? background->imageHeight() : 100;
    setBounds((1024 - width) / 2, 768 - height, width, height);
}

bool ItemGoalRenderer::hitTest(int px, int py) const {
    return isVisible() && background_ && Widget::hitTest(px, py) &&
           background_->isOpaqueAt(px - x(), py - y());
}
