#include "game/scene/data/ItemRenderer.h"

#include "engine/app/AppConfig.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"

#include <algorithm>

std::uint8_t ItemRenderer::channel(int value) {
    return std::uint8_t(std::clamp(value, 0, 255));
}

int ItemRenderer::screenWidth() {
    const int width = AppConfig::instance().width();
    return width > 0 ? width : 1024;
}

int ItemRenderer::screenHeight() {
    const int height = AppConfig::instance().height();
    return height > 0 ? height : 768;
}

Color ItemRenderer::itemColor() const {
    const ItemDescription* d = item_ ? item_->description : nullptr;
    return d ? Color(channel(d->R), channel(d->G), channel(d->B), channel(d->A)) : Color();
}

std::string ItemRenderer::textureKey(int variant) const {
    return "ITEM_" + std::to_string(item_->sceneId) + "_" + std::to_string(item_->index) +
           (variant ? "_" + std::to_string(variant) : std::string());
}
