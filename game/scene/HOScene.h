#pragma once

#include "engine/ui/AnimationListener.h"
#include "engine/ui/ScreenBase.h"
#include "game/LaunchedScreen.h"
#include "game/scene/ItemRendererFactory.h"
#include "game/scene/data/ItemRenderer.h"
#include "game/scene/data/SceneMechanics.h"

#include <memory>
#include <string>
#include <vector>

class AnimationPlayer;
class Item;
class ItemGoalRenderer;

// The screen of a hidden-object scene: it registers the scene's items on the
// first visit, gives each shown item its renderer, draws them in layer order,
// turns a press into a collected item or a miss, and runs the scene's steps
// (find-list stages and screens opened over it). What a game adds (dashboard,
// dialogs, sounds, saving) goes into the hooks.
class HOScene : public ScreenBase,
                public ItemRendererOwner,
                public AnimationListener,
                public LaunchedScreenListener {
public:
    // The exit code with which the scene hands over to a Screen step's screen.
    static constexpr int ScreenStepExit = 10000;

    HOScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
            const std::string& mechanicsConf, const std::string& itemGroupConf, int startStep);
    ~HOScene() override;

    void onStart() override;
    void createWidgets() override;
    void onUpdate(int elapsedMs) override;
    void drawBackground(Graphics& graphics) override;
    void drawForeground(Graphics& graphics) override;
    // The scene's picture, drawn first: what lies under the scene (the free
    // play menu) is then neither drawn nor kept in memory.
    const GLTexture* backdrop() const override;
    void onKeyEvent(const KeyEvent& event) override;
    void mouseMoved(const MouseEvent& event) override;
    void mousePressed(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void onShown() override;
    void onClosed(int exitCode) override;
    void onCovered(GameApp& app) override;
    void onUncovered(GameApp& app) override;
    // How the screen a Screen step opened ended: acted on once uncovered.
    void launchedScreenEnded(int exitCode) override { launchedExit_ = exitCode; }
    void animationFinished(int) override {}

    // Item renderers' owner.
    void refreshItems(Item* collected) override;
    void itemCollected(Item& item) override { onItemCollected(item); }
    void bringToFront(Item& item) override;
    void setItemLayer(Item& item, int layer) override;
    void clipToScreen(Graphics& graphics, bool clip) override;

    // The topmost shown item whose renderer takes the point (scene
    // coordinates); none.
    Item* hitAt(int x, int y) const;
    void advanceStep(bool fromLoad);

    int sceneId() const { return sceneId_; }
    int currentStep() const { return currentStep_; }
    const MechanicSteps& steps() const { return steps_; }
    // The step being played, or none (before the first, after the last).
    const MechanicStep* step() const;
    const std::vector<Item*>& displayList() const { return displayList_; }
    ItemGoalRenderer* goalRenderer() const { return goalRenderer_; }
    ItemRendererFactory& rendererFactory() { return *factory_; }
    AnimationPlayer& animationPlayer() { return *animationPlayer_; }
    bool allStepsDone() const { return allStepsDone_; }

    // For content authors: every scene then draws each shown item's box with
    // its index, typeId and group over the picture. Off unless turned on.
    static void setDebugOverlay(bool shown);
    static bool isDebugOverlayShown();

protected:
    // Hooks for the game's scene. The debug drawing draws nothing unless the
    // debug overlay is on.
    virtual void drawDebug(Graphics& graphics);
    virtual void registerSceneResources() {}
    virtual void setupScreen() {}
    virtual void afterKeyEvent(const KeyEvent& /*event*/) {}
    virtual void afterMouseEvent(const MouseEvent& /*event*/) {}
    virtual void beforeDrawItems(Graphics& /*graphics*/) {}
    virtual void afterDrawItems(Graphics& /*graphics*/) {}
    virtual void beforeDrawOverlay(Graphics& /*graphics*/) {}
    virtual void onSceneUpdate(int /*elapsedMs*/) {}
    virtual void onDeactivate() {}
    virtual void onActivate() {}
    virtual void afterLoad() {}
    virtual void onFirstVisit() {}
    virtual void onItemsLoaded() {}
    virtual void onRefresh(Item* /*collected*/) {}
    virtual void onItemCollected(Item& /*item*/) {}
    virtual void onMiss() {}
    virtual void onStepStarted(const MechanicStep& /*step*/) {}
    virtual void onAllStepsDone() {}
    // The screen a Screen step opened sent the player to the main menu: by
    // default the scene goes on as if it had ended.
    virtual void onLaunchedScreenLeftToMenu() { advanceStep(false); }
    virtual void onSceneEvent(int /*event*/) {}
    virtual void afterDeferredAdvance() {}
    virtual void pickGoals(const MechanicStep& step);

    // Replaces (and destroys) the dashboard; it is added to the widgets.
    void installGoalRenderer(std::unique_ptr<ItemGoalRenderer> renderer);
    // The renderers of the scene's items in every group are destroyed.
    void destroyRenderers();

private:
    void buildDisplayList();
    void sortDisplayList();
    void startScreenStep(const MechanicStep& step);
    static bool isCollectGroup(const MechanicStep* step);

    int sceneId_;
    std::string itemRendererRulePath_;
    std::string mechanicsPath_;
    std::string itemGroupRulePath_;
    MechanicSteps steps_;
    int currentStep_;
    std::vector<Item*> displayList_;
    ItemGoalRenderer* goalRenderer_ = nullptr;
    std::unique_ptr<GameState> pendingScreen_;
    int launchedExit_ = -1;
    bool screenStepOpen_ = false;
    bool coverBlack_ = false;
    bool advancePending_ = false;
    bool allStepsDone_ = false;
    std::unique_ptr<AnimationPlayer> animationPlayer_;
    std::unique_ptr<ItemRendererFactory> factory_;
    Item* pressedItem_ = nullptr;
};
