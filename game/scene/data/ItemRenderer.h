#pragma once

#include "engine/graphics/Types.h"

#include <cstdint>
#include <string>

class Graphics;
class Item;
class ResourceManager;

// What item renderers ask of the scene that shows them.
class ItemRendererOwner {
public:
    virtual ~ItemRendererOwner() = default;
    // Rebuilds the scene's display list; `collected` is the item that has
    // just left the scene, or none.
    virtual void refreshItems(Item* collected) = 0;
    virtual void itemCollected(Item& item) = 0;
    // The item's layer becomes one more than the highest shown.
    virtual void bringToFront(Item& item) = 0;
    virtual void setItemLayer(Item& item, int layer) = 0;
    // Limits drawing to the game's screen area (on a wide desktop the game is
    // centred with a frame around it), or lifts the limit.
    virtual void clipToScreen(Graphics& graphics, bool clip) = 0;
};

// Draws, hit-tests and animates one item of a hidden-object scene. The item's
// registry entry owns its renderer while a scene shows the item.
class ItemRenderer {
public:
    // The states a scene sends.
    enum State { Clicked = 0, HintTarget = 300, FadeIn = 301, FadeOut = 302, Dimmed = 303 };

    ItemRenderer(ItemRendererOwner* owner, Item* item) : owner_(owner), item_(item) {}
    virtual ~ItemRenderer() = default;
    ItemRenderer(const ItemRenderer&) = delete;
    ItemRenderer& operator=(const ItemRenderer&) = delete;

    virtual void update(int /*elapsedMs*/) {}
    // The scene has translated to the item's position: draw at (0, 0).
    virtual void draw(Graphics& /*graphics*/) {}
    // In scene coordinates.
    virtual bool hitTest(int /*x*/, int /*y*/) const { return false; }
    virtual void setState(int /*state*/) {}
    // Loads the item's pictures into the scene's resources.
    virtual void load(ResourceManager& /*resources*/) {}

    // Only enabled renderers react to clicks; invisible ones are neither
    // drawn nor hit.
    bool isEnabled() const { return enabled_; }
    // A renderer busy leaving the scene stays disabled whoever enables it.
    void setEnabled(bool enabled) { enabled_ = enabled && acceptsClicks(); }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    // The item's box in scene coordinates.
    int x() const { return x_; }
    int y() const { return y_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool boxContains(int px, int py) const {
        return px >= x_ && py >= y_ && px < x_ + width_ && py < y_ + height_;
    }

    Item* item() const { return item_; }
    ItemRendererOwner* owner() const { return owner_; }

    // A colour channel from a number of the scene file, kept within 0..255.
    static std::uint8_t channel(int value);
    // The game's screen size from the configuration (1024 x 768 without one).
    static int screenWidth();
    static int screenHeight();

protected:
    virtual bool acceptsClicks() const { return true; }
    // The item's colour from its description (opaque white without one).
    Color itemColor() const;
    // The resource key of the item's picture, or of a filtered copy of it.
    std::string textureKey(int variant = 0) const;
    void setBounds(int x, int y, int width, int height) {
        x_ = x;
        y_ = y;
        width_ = width;
        height_ = height;
    }

private:
    ItemRendererOwner* owner_;
    Item* item_;
    bool enabled_ = false;
    bool visible_ = true;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
};
