#include "game/scene/GoalRenderers.h"

#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "game/scene/HOScene.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemRegistry.h"

#include <algorithm>

namespace {

const char* const kBackground = "GUI_TEX_MAIN";
const char* const kFont = "FONT_ITEMS";

void enable(Item* item) {
    if (item && item->renderer) {
        item->renderer->setEnabled(true);
    }
}

} // namespace

bool isStackedTypeId(int typeId) {
    return typeId >= 201 && typeId <= 205;
}

CountItemGoalRenderer::CountItemGoalRenderer(ResourceManager& resources, std::string caption)
    : caption_(std::move(caption)) {
    setListedGroups({GROUP_GOAL});
    placeBackground(resources.getTexture(kBackground));
}

void CountItemGoalRenderer::refreshGoals(Item*) {
    remaining_ = int(entries_.size());
    for (const Entry& entry : entries_) {
        enable(entry.item);
    }
    text_ = caption_ + std::to_string(remaining_);
}

void CountItemGoalRenderer::render(Graphics& graphics, ScreenBase*) {
    graphics.drawTexture(0, 0, background_, Color());
    if (const Font* font = applicationFont(kFont)) {
        font->drawTextBox(graphics, WidgetRect(0, 10, 0, width(), height()), text_, Color(),
                          Font::AlignCenter, Font::AlignMiddle, false);
    }
}

LarkStackedItemGoalRenderer::LarkStackedItemGoalRenderer(ResourceManager& resources,
                                                         std::vector<int> trackedTypeIds)
    : tracked_(std::move(trackedTypeIds)) {
    setListedGroups({GROUP_GOAL});
    placeBackground(resources.getTexture(kBackground));
}

LarkStackedItemGoalRenderer::Slot& LarkStackedItemGoalRenderer::place(int index, const Item& item) {
    Slot& slot = slots_[std::size_t(index)];
    slot = Slot();
    slot.used = true;
    slot.x = 385 + ColumnStep * (index % Columns);
    slot.y = 30 + RowHeight * (index / Columns);
    slot.typeId = item.description ? item.description->typeId : 0;
    slot.text = item.description ? item.description->name : std::string();
    return slot;
}

void LarkStackedItemGoalRenderer::build() {
    built_ = true;
    slots_.clear();
    typeSlot_.clear();
    HOScene* owner = scene();
    if (owner) {
        // Goals found on an earlier visit of this stage are shown struck out.
        for (Item* item : ItemRegistry::instance().itemsOf(GROUP_REMOVED, owner->sceneId())) {
            const int typeId = item->description ? item->description->typeId : 0;
            if (std::find(tracked_.begin(), tracked_.end(), typeId) != tracked_.end()) {
                entries_.push_back({item, GROUP_REMOVED, item->index});
            }
        }
    }
    // Stacked collectables: one place per typeId, in the order met.
    for (const Entry& entry : entries_) {
        const int typeId = entry.item->description ? entry.item->description->typeId : 0;
        if (!isStackedTypeId(typeId)) {
            continue;
        }
        auto found = typeSlot_.find(typeId);
        if (found == typeSlot_.end()) {
            const int index = int(slots_.size());
            if (index >= Places) {
                continue; // no room: the item stays disabled
            }
            slots_.emplace_back();
            place(index, *entry.item);
            found = typeSlot_.emplace(typeId, index).first;
        }
        slots_[std::size_t(found->second)].items.insert(entry.item);
        entry.item->slot = found->second;
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.item->slot < b.item->slot; });
    const int free = Places - int(slots_.size());
    std::vector<Item*> others;
    for (auto it = entries_.rbegin(); it != entries_.rend() && int(others.size()) < free; ++it) {
        const int typeId = it->item->description ? it->item->description->typeId : 0;
        if (!isStackedTypeId(typeId)) {
            others.push_back(it->item);
        }
    }
    const std::size_t firstFree = slots_.size();
    slots_.resize(slots_.size() + std::size_t(std::max(free, 0)));
    std::vector<Item*> homeless;
    for (Item* item : others) {
        // A place kept from an earlier visit (or given by the file) is taken again.
        if (item->slot >= int(firstFree) && item->slot < int(slots_.size())) {
            place(item->slot, *item).items.insert(item);
        } else {
            homeless.push_back(item);
        }
    }
    for (Item* item : homeless) {
        const auto empty = std::find_if(slots_.begin() + std::ptrdiff_t(firstFree), slots_.end(),
                                        [](const Slot& slot) { return !slot.used; });
        if (empty == slots_.end()) {
            break;
        }
        const int index = int(empty - slots_.begin());
        place(index, *item).items.insert(item);
        item->slot = index;
    }
    for (Slot& slot : slots_) {
        for (Item* item : slot.items) {
            enable(item);
        }
    }
    ItemRegistry& registry = ItemRegistry::instance();
    for (Slot& slot : slots_) {
        for (auto it = slot.items.begin(); it != slot.items.end();) {
            Item* item = *it;
            it = registry.groupOf(item->index, item->sceneId) == GROUP_REMOVED
                     ? slot.items.erase(it)
                     : std::next(it);
        }
    }
}

void LarkStackedItemGoalRenderer::refreshGoals(Item* collected) {
    if (!built_) {
        build();
        return;
    }
    if (!collected) {
        return;
    }
    for (Slot& slot : slots_) {
        slot.items.erase(collected);
    }
}

std::string LarkStackedItemGoalRenderer::slotText(const Slot& slot) {
    if (!slot.used) {
        return std::string();
    }
    const std::size_t count = slot.items.size();
    return count > 1 ? std::to_string(count) + " x " + slot.text : slot.text;
}

void LarkStackedItemGoalRenderer::render(Graphics& graphics, ScreenBase*) {
    graphics.drawTexture(0, 0, background_, Color());
    const Font* font = applicationFont(kFont);
    for (const Slot& slot : slots_) {
        if (!slot.used) {
            continue;
        }
        const bool found = slot.items.empty();
        Color color(255, 255, 255);
        if (slot.typeId == 100) {
            color = Color(250, 250, 0);
        } else if (isStackedTypeId(slot.typeId)) {
            color = Color(0, 250, 0);
        }
        color.a = std::uint8_t(found ? 128 : std::clamp(slot.alpha, 0, 255));
        if (font) {
            // A name wider than its place is drawn smaller about the place's
            // centre, so that neighbours never run into each other.
            const std::string text = slotText(slot);
            const int room = ColumnStep - 6;
            const int wide = font->textWidth(text);
            if (wide <= room) {
                font->drawTextBox(graphics,
                                  WidgetRect(slot.x, slot.y + 2, 0, ColumnStep, RowHeight), text,
                                  color, Font::AlignCenter, Font::AlignMiddle, false);
            } else {
                const float shrink = float(room) / float(wide);
                graphics.pushTransform();
                graphics.translate(float(slot.x) + ColumnStep * 0.5f * (1.0f - shrink),
                                   float(slot.y + 2) + RowHeight * 0.5f * (1.0f - shrink));
                graphics.scale(shrink, shrink);
                font->drawTextBox(graphics, WidgetRect(0, 0, 0, ColumnStep, RowHeight), text, color,
                                  Font::AlignCenter, Font::AlignMiddle, false);
                graphics.popTransform();
            }
        }
        if (found) {
            const float y = float(slot.y + 2 + 8);
            graphics.drawLine(Point(float(slot.x) + 0.15f * ColumnStep, y),
                              Point(float(slot.x) + 0.85f * ColumnStep, y), 1.0f, false,
                              Color(255, 255, 255));
        }
    }
}
