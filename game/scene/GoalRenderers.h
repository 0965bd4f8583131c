#pragma once

#include "game/scene/ItemGoalRenderer.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class ResourceManager;

// "Bottle caps left: 4": one caption and the number of goals still to find.
class CountItemGoalRenderer : public ItemGoalRenderer {
public:
    CountItemGoalRenderer(ResourceManager& resources, std::string caption);

    void refreshGoals(Item* collected) override;
    void render(Graphics& graphics, ScreenBase* screen) override;

    const std::string& text() const { return text_; }
    int remaining() const { return remaining_; }

private:
    std::string caption_;
    std::string text_;
    int remaining_ = 0;
};

// The stacked find list: up to fifteen names in five columns and three rows;
// stacked collectables (typeIds 201..205) share one place per typeId with
// their count ("3 x Coin"); found goals are struck out in place.
class LarkStackedItemGoalRenderer : public ItemGoalRenderer {
public:
    static constexpr int Columns = 5;
    static constexpr int Rows = 3;
    static constexpr int Places = Columns * Rows;
    static constexpr int ColumnStep = 118;
    static constexpr int RowHeight = 16;

    struct Slot {
        bool used = false;
        int x = 0;
        int y = 0;
        int typeId = 0;
        std::string text;
        int alpha = 255;
        std::set<Item*> items; // not yet found
    };

    LarkStackedItemGoalRenderer(ResourceManager& resources, std::vector<int> trackedTypeIds);

    void refreshGoals(Item* collected) override;
    void render(Graphics& graphics, ScreenBase* screen) override;

    const std::vector<Slot>& slots() const { return slots_; }
    // What a place shows: "Coin", "3 x Coin"; empty for an empty place.
    static std::string slotText(const Slot& slot);

private:
    void build();
    Slot& place(int index, const Item& item);

    std::vector<int> tracked_;
    std::vector<Slot> slots_;
    std::map<int, int> typeSlot_;
    bool built_ = false;
};

bool isStackedTypeId(int typeId);
