#pragma once

#include "engine/anim/ActionListener.h"
#include "game/scene/TexItemRenderer.h"

#include <memory>

class GLTexture;

// An item to find (or a bonus item). A click collects it: for 1400 ms it
// swells and fades as a white silhouette inside a turning ring of sparkles,
// then it leaves the scene. A hint makes it glow yellow; a hint pointing at
// another item shows it in black and white for a while.
class CollectableItemRenderer : public TexItemRenderer, public lux::ActionListener {
public:
    static constexpr int CollectMs = 1400;
    static constexpr int ParticleCount = 12;
    static constexpr const char* ParticleTexture = "GUI_TEX_COLLECTED_PARTICLE";

    CollectableItemRenderer(ItemRendererOwner* owner, Item* item);
    ~CollectableItemRenderer() override;

    void load(ResourceManager& resources) override;
    void update(int elapsedMs) override;
    void draw(Graphics& graphics) override;
    void setState(int state) override;
    void actionFinished(int index) override;

    bool isCollecting() const { return running(collect_); }
    bool isHinted() const { return running(hint_); }
    bool isDimmed() const { return running(dim_); }
    int itemAlpha() const { return itemAlpha_; }
    float radius() const { return radius_; }
    float scaleX() const { return scaleX_; }

protected:
    bool acceptsClicks() const override { return !isCollecting(); }

private:
    enum ActionId { CollectAction = 1, HintAction = 2, DimAction = 3, FadeAction = 4 };
    static bool running(const std::unique_ptr<lux::Action>& action);
    void startCollect();
    void drawParticles(Graphics& graphics) const;

    const GLTexture* particle_ = nullptr;
    int itemAlpha_ = 255;
    int glowAlpha_ = 0;
    int silhouetteAlpha_ = 0;
    int hintAlpha_ = 0;
    int greyAlpha_ = 0;
    float radius_ = 0;
    float rotation_ = 0;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
    int savedLayer_ = -1111;
    std::unique_ptr<lux::Action> collect_;
    std::unique_ptr<lux::Action> hint_;
    std::unique_ptr<lux::Action> dim_;
    std::unique_ptr<lux::Action> fade_;
};
