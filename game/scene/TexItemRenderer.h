#pragma once

#include "engine/anim/ActionListener.h"
#include "game/scene/data/ItemRenderer.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>

class GLTexture;
namespace lux {
class Action;
}

// An item drawn as its picture, tinted by the item's colour, and hit on the
// picture's opaque pixels. Filtered copies of the picture are kept beside it:
// 1 the white silhouette, 2 black and white.
class TexItemRenderer : public ItemRenderer {
public:
    enum Variant { Silhouette = 1, BlackAndWhite = 2 };

    TexItemRenderer(ItemRendererOwner* owner, Item* item);
    ~TexItemRenderer() override;

    // The picture from the scene folder; the box at the item's position with
    // the picture's size. A picture that cannot be read leaves no texture:
    // nothing is drawn or hit.
    void load(ResourceManager& resources) override;
    void draw(Graphics& graphics) override;
    bool hitTest(int x, int y) const override;
    // Clicked: collected at once. Other states do nothing.
    void setState(int state) override;

    const GLTexture* texture() const { return texture_; }
    // A filtered copy named at load, made from the picture's kept pixels the
    // first time it is asked for: most items of a scene never need theirs.
    const GLTexture* variant(int number);

protected:
    // The picture and the filtered copies listed, into the scene's resources;
    // the box at the item's position with the picture's size.
    void loadPicture(ResourceManager& resources, std::initializer_list<int> variants);
    // The item leaves the scene: off screen, into GROUP_REMOVED, and the
    // scene refreshes with it.
    void removeFromScene();

    const GLTexture* texture_ = nullptr;
    // Every variant named at load; none until first asked for.
    std::map<int, const GLTexture*> variants_;
    ResourceManager* resources_ = nullptr;
};

// Scenery that cannot be collected: on a hint it shows its black-and-white
// copy for a while.
class OverlayItemRenderer : public TexItemRenderer, public lux::ActionListener {
public:
    OverlayItemRenderer(ItemRendererOwner* owner, Item* item);
    ~OverlayItemRenderer() override;

    void load(ResourceManager& resources) override;
    void update(int elapsedMs) override;
    void draw(Graphics& graphics) override;
    // 300 hint, 301 fade in, 302 fade out; every other state does nothing.
    void setState(int state) override;
    void actionFinished(int index) override;

    int overlayAlpha() const { return overlayAlpha_; }

private:
    int overlayAlpha_ = 0;
    std::unique_ptr<lux::Action> action_;
};
