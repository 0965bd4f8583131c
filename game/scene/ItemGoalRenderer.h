#pragma once

#include "engine/ui/Widget.h"

#include <vector>

class GLTexture;
class HOScene;
class Item;

// The find-list dashboard at the foot of a scene: what is still to be found.
// Only the goal items it shows get their renderers enabled, so only those can
// be collected.
class ItemGoalRenderer : public Widget {
public:
    struct Entry {
        Item* item;
        int group;
        int index;
    };

    ItemGoalRenderer();
    ~ItemGoalRenderer() override;

    // The scene's items of the listed groups, sorted by item index.
    void rebuildEntries();
    // After each rebuild; `collected` is the item just found, or none.
    virtual void refreshGoals(Item* collected) = 0;
    // Inside the background and on one of its visible pixels.
    bool hitTest(int px, int py) const override;

    void setScene(HOScene* scene) { scene_ = scene; }
    HOScene* scene() const { return scene_; }
    const std::vector<Entry>& entries() const { return entries_; }
    void setListedGroups(std::vector<int> groups) { listedGroups_ = std::move(groups); }

protected:
    // The background picture, centred at the foot of the 1024 x 768 screen.
    void placeBackground(const GLTexture* background);

    std::vector<Entry> entries_;
    const GLTexture* background_ = nullptr;

private:
    HOScene* scene_ = nullptr;
    std::vector<int> listedGroups_{2, 3};
};
