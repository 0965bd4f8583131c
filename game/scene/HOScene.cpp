#include "game/scene/HOScene.h"

#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/AnimationPlayer.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/WidgetManager.h"
#include "game/GameFlow.h"
#include "game/scene/ItemGoalRenderer.h"
#include "game/scene/TexItemRenderer.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneIndex.h"

#include <algorithm>

namespace {

constexpr int kDisplayGroups[] = {GROUP_DISPLAY_6, GROUP_SCENE, GROUP_GOAL, GROUP_BONUS,
                                  GROUP_DISPLAY_5};

int layerOf(const Item* item) {
    return item->description ? item->description->layer : 0;
}

} // namespace

HOScene::HOScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
                 const std::string& mechanicsConf, const std::string& itemGroupConf, int startStep)
    : ScreenBase("HOScene"), sceneId_(sceneId),
      itemRendererRulePath_(configPath + itemRendererConf),
      mechanicsPath_(configPath + mechanicsConf), itemGroupRulePath_(configPath + itemGroupConf),
      currentStep_(startStep - 1), animationPlayer_(std::make_unique<AnimationPlayer>(this)),
      factory_(std::make_unique<ItemRendererFactory>()) {}

namespace {
bool debugOverlayShown = false;

// The outline's colour tells the item's group at a glance.
Color groupColor(int group) {
    switch (group) {
    case GROUP_GOAL:
        return Color(255, 220, 40, 255);
    case GROUP_BONUS:
        return Color(80, 230, 90, 255);
    case GROUP_SCENE:
        return Color(120, 190, 255, 255);
    default:
        return Color(255, 255, 255, 255);
    }
}
} // namespace

void HOScene::setDebugOverlay(bool shown) {
    debugOverlayShown = shown;
}

bool HOScene::isDebugOverlayShown() {
    return debugOverlayShown;
}

void HOScene::drawDebug(Graphics& graphics) {
    if (!debugOverlayShown) {
        return;
    }
    const Font* font = applicationFont("FONT_CheltenhamBT16");
    const ItemRegistry& registry = ItemRegistry::instance();
    for (const Item* item : displayList_) {
        const ItemRenderer* renderer = item->renderer.get();
        if (!renderer || !renderer->isVisible()) {
            continue;
        }
        const int group = registry.groupOf(item->index, sceneId_);
        const Color color = groupColor(group);
        const int x = renderer->x();
        const int y = renderer->y();
        graphics.frameRect(x, y, renderer->width(), renderer->height(), 1, color);
        const std::string text =
            "#" + std::to_string(item->index) + " t" +
            std::to_string(item->description ? item->description->typeId : -1) + " g" +
            std::to_string(group);
        if (font) {
            // On a dark band, so it reads over any picture.
            const int width = font->textWidth(text) + 4;
            graphics.fillRect(x, y, width, font->lineHeight(), Color(0, 0, 0, 170));
            font->drawText(graphics, x + 2, y, text, color);
        }
    }
}

HOScene::~HOScene() {
    destroyRenderers();
}

void HOScene::destroyRenderers() {
    ItemRegistry& registry = ItemRegistry::instance();
    for (const int group : registry.groupKeys()) {
        for (Item* item : registry.itemsOf(group, sceneId_)) {
            item->renderer.reset();
        }
    }
    displayList_.clear();
}

bool HOScene::isCollectGroup(const MechanicStep* step) {
    return step && step->kind == MechanicStep::CollectGroup;
}

const MechanicStep* HOScene::step() const {
    return currentStep_ >= 0 && currentStep_ < int(steps_.size())
               ? &steps_[std::size_t(currentStep_)]
               : nullptr;
}

void HOScene::onStart() {
    registerSceneResources();
}

void HOScene::createWidgets() {
    steps_ = loadMechanics(mechanicsPath_);
    ItemRegistry& registry = ItemRegistry::instance();
    // Saved items the scene file no longer has could never be found: they go,
    // and a scene left with none starts afresh.
    if (const int stale = registry.removeItemsWithoutDescription(sceneId_)) {
        engineLog() << "Scene " << sceneId_ << ": " << stale
                    << " saved items are not in the scene file any more and are dropped\n";
    }
    const bool visited = !registry.itemsOf(GROUP_SCENE, sceneId_).empty() ||
                         !registry.itemsOf(GROUP_GOAL, sceneId_).empty() ||
                         !registry.itemsOf(GROUP_REMOVED, sceneId_).empty() ||
                         !registry.itemsOf(GROUP_DISPLAY_6, sceneId_).empty();
    if (!visited) {
        registry.registerSceneItems(itemGroupRulePath_, sceneId_);
        if (const SceneIndexEntry* entry = SceneIndex::instance().find(sceneId_)) {
            setOffset(offsetX() + entry->xOffset, offsetY() + entry->yOffset);
        }
        onFirstVisit();
    }
    afterLoad();
    factory_->loadRules(itemRendererRulePath_);

    const int next = currentStep_ + 1;
    const MechanicStep* upcoming =
        next >= 0 && next < int(steps_.size()) ? &steps_[std::size_t(next)] : nullptr;
    if (!upcoming || isCollectGroup(upcoming)) {
        // A find list starts at once (it is announced below); no step at all
        // finishes the scene.
        advanceStep(true);
    } else {
        buildDisplayList();
        advancePending_ = true;
    }

    for (Item* item : displayList_) {
        const ItemDescription* description = item->description;
        ItemRendererFactoryInput input;
        input.groupId = registry.groupOf(item->index, sceneId_);
        input.typeId = description ? description->typeId : -1;
        input.type = description ? description->type : -1;
        std::unique_ptr<ItemRenderer> renderer = factory_->createRenderer(input, this, item);
        if (renderer) {
            renderer->load(resources());
            renderer->setEnabled(false);
        }
        item->renderer = std::move(renderer);
    }
    onItemsLoaded();
    const int shown = std::max(currentStep_, 0);
    if (shown < int(steps_.size()) && isCollectGroup(&steps_[std::size_t(shown)])) {
        onStepStarted(steps_[std::size_t(shown)]);
    }
    setupScreen();
}

void HOScene::buildDisplayList() {
    ItemRegistry& registry = ItemRegistry::instance();
    displayList_.clear();
    for (const int group : kDisplayGroups) {
        const std::vector<Item*> items = registry.itemsOf(group, sceneId_);
        displayList_.insert(displayList_.end(), items.begin(), items.end());
    }
    sortDisplayList();
}

void HOScene::sortDisplayList() {
    std::stable_sort(displayList_.begin(), displayList_.end(), [](const Item* a, const Item* b) {
        const int la = layerOf(a);
        const int lb = layerOf(b);
        return la != lb ? la < lb : a->index < b->index;
    });
}

void HOScene::refreshItems(Item* collected) {
    buildDisplayList();
    if (goalRenderer_) {
        goalRenderer_->rebuildEntries();
        goalRenderer_->refreshGoals(collected);
    }
    onRefresh(collected);
    if (isCollectGroup(step()) && ItemRegistry::instance().itemsOf(GROUP_GOAL, sceneId_).empty()) {
        advanceStep(false);
    }
}

void HOScene::advanceStep(bool fromLoad) {
    ++currentStep_;
    if (currentStep_ >= int(steps_.size())) {
        currentStep_ = int(steps_.size());
        if (!allStepsDone_) {
            allStepsDone_ = true;
            onAllStepsDone();
        }
        return;
    }
    const MechanicStep& current = steps_[std::size_t(currentStep_)];
    if (current.kind == MechanicStep::CollectGroup &&
        ItemRegistry::instance().itemsOf(GROUP_GOAL, sceneId_).empty()) {
        pickGoals(current);
    }
    if (current.kind == MechanicStep::Screen) {
        startScreenStep(current);
        if (!screenStepOpen_ && !pendingScreen_) {
            // Nothing could be opened: the player is never left in this step.
            advanceStep(fromLoad);
            return;
        }
    }
    if (!fromLoad) {
        onStepStarted(current);
    }
    refreshItems(nullptr);
}

void HOScene::pickGoals(const MechanicStep& step) {
    ::pickGoals(step, sceneId_);
}

void HOScene::startScreenStep(const MechanicStep& step) {
    pendingScreen_ = GameFlow::instance().createScreen(step.name, step.attributes);
    if (!pendingScreen_) {
        engineLog() << "Scene " << sceneId_ << ": no screen of type \"" << step.name
                    << "\" for step " << currentStep_ << "; the scene goes on without it\n";
        return;
    }
    launchedExit_ = -1;
    if (auto* launched = dynamic_cast<LaunchedScreen*>(pendingScreen_.get())) {
        launched->setLauncher(this);
    }
    ScreenBase* next = dynamic_cast<ScreenBase*>(pendingScreen_.get());
    const std::string transition = step.attribute("transition");
    if (transition == "none") {
        setInTransition(std::make_unique<EmptyTransition>());
        setOutTransition(std::make_unique<EmptyTransition>());
        if (next) {
            next->setInTransition(std::make_unique<EmptyTransition>());
            next->setOutTransition(std::make_unique<EmptyTransition>());
        }
    } else if (transition == "fade") {
        const bool afterScreen =
            currentStep_ < 1 || steps_[std::size_t(currentStep_ - 1)].kind == MechanicStep::Screen;
        if (afterScreen) {
            setOutTransition(std::make_unique<EmptyTransition>());
            coverBlack_ = true;
        } else {
            setOutTransition(std::make_unique<FadeOutTransition>(500));
            coverBlack_ = false;
        }
        setInTransition(std::make_unique<FadeInTransition>(500));
        if (next) {
            next->setInTransition(std::make_unique<FadeInTransition>(500));
            next->setOutTransition(std::make_unique<FadeOutTransition>(500));
        }
    }
    screenStepOpen_ = true;
    close(ScreenStepExit);
}

void HOScene::onClosed(int exitCode) {
    if (exitCode == ScreenStepExit) {
        if (pendingScreen_) {
            if (GameApp* app = GameApp::instance()) {
                app->startScreen(std::move(pendingScreen_));
            }
        } else {
            advanceStep(false);
        }
        return;
    }
    onSceneEvent(exitCode);
}

void HOScene::onUncovered(GameApp& app) {
    ScreenBase::onUncovered(app);
    if (screenStepOpen_) {
        screenStepOpen_ = false;
        pendingScreen_.reset();
        const int ended = launchedExit_;
        launchedExit_ = -1;
        if (ended == ReplayExit && currentStep_ >= 0 && currentStep_ < int(steps_.size())) {
            // The same step's screen, built anew.
            startScreenStep(steps_[std::size_t(currentStep_)]);
            if (screenStepOpen_) {
                onActivate();
                return;
            }
        } else if (ended == BackToMenuExit) {
            onActivate();
            onLaunchedScreenLeftToMenu();
            return;
        }
        const int next = currentStep_ + 1;
        const bool screenNext =
            next < int(steps_.size()) && steps_[std::size_t(next)].kind == MechanicStep::Screen;
        if (!screenNext) {
            // Back to play (or to the scene's end): the scene fades in again.
            coverBlack_ = false;
            enterAgain();
        } else {
            if (steps_[std::size_t(next)].attribute("transition") == "fade") {
                coverBlack_ = false;
            }
            widgetManager().setInputEnabled(true);
        }
        // A fresh fade-out before the advance: a Screen step that follows
        // starts its own out-transition at once.
        setOutTransition(std::make_unique<FadeOutTransition>(500));
        advanceStep(false);
    }
    onActivate();
}

void HOScene::onCovered(GameApp& app) {
    ScreenBase::onCovered(app);
    onDeactivate();
}

void HOScene::onShown() {
    if (advancePending_) {
        advancePending_ = false;
        advanceStep(false);
    }
    afterDeferredAdvance();
}

void HOScene::onUpdate(int elapsedMs) {
    // By index: an update may collect the last goal and rebuild the list.
    for (std::size_t i = 0; i < displayList_.size(); ++i) {
        if (ItemRenderer* renderer = displayList_[i]->renderer.get()) {
            renderer->update(elapsedMs);
        }
    }
    onSceneUpdate(elapsedMs);
}

void HOScene::drawBackground(Graphics& graphics) {
    beforeDrawItems(graphics);
    for (const Item* item : displayList_) {
        ItemRenderer* renderer = item->renderer.get();
        if (!renderer || !renderer->isVisible() || !item->description) {
            continue;
        }
        graphics.pushTransform();
        graphics.translate(item->description->x, item->description->y);
        renderer->draw(graphics);
        graphics.popTransform();
    }
    afterDrawItems(graphics);
}

const GLTexture* HOScene::backdrop() const {
    if (displayList_.empty()) {
        return nullptr;
    }
    // Only a picture drawn at the origin in full colour hides what is under it.
    const Item* first = displayList_.front();
    const auto* picture = dynamic_cast<const TexItemRenderer*>(first->renderer.get());
    const ItemDescription* at = first->description;
    if (!picture || !picture->isVisible() || !at || at->x != 0 || at->y != 0 ||
        ItemRenderer::channel(at->A) != 255) {
        return nullptr;
    }
    return picture->texture();
}

void HOScene::drawForeground(Graphics& graphics) {
    beforeDrawOverlay(graphics);
    drawDebug(graphics);
    if (coverBlack_) {
        graphics.fillRect(0, 0, 1024, 768, Color(0, 0, 0, 255));
    }
}

Item* HOScene::hitAt(int x, int y) const {
    for (auto it = displayList_.rbegin(); it != displayList_.rend(); ++it) {
        const ItemRenderer* renderer = (*it)->renderer.get();
        if (renderer && renderer->isVisible() && renderer->boxContains(x, y) &&
            renderer->hitTest(x, y)) {
            return *it;
        }
    }
    return nullptr;
}

void HOScene::onKeyEvent(const KeyEvent& event) {
    ScreenBase::onKeyEvent(event);
    afterKeyEvent(event);
}

void HOScene::mouseMoved(const MouseEvent& event) {
    pressedItem_ = nullptr;
    afterMouseEvent(event);
}

void HOScene::mousePressed(const MouseEvent& event) {
    Item* item = pressedItem_ ? pressedItem_ : hitAt(event.x, event.y);
    if (item && item->renderer && item->renderer->isEnabled()) {
        item->renderer->setState(ItemRenderer::Clicked);
    } else {
        onMiss();
    }
    afterMouseEvent(event);
}

void HOScene::mouseReleased(const MouseEvent& event) {
    afterMouseEvent(event);
}

void HOScene::bringToFront(Item& item) {
    if (!item.description || ItemRegistry::instance().groupOf(item.index, item.sceneId) == -1) {
        return;
    }
    int highest = 0;
    for (const Item* shown : displayList_) {
        highest = std::max(highest, layerOf(shown));
    }
    item.description->layer = highest + 1;
    sortDisplayList();
}

void HOScene::setItemLayer(Item& item, int layer) {
    if (!item.description || ItemRegistry::instance().groupOf(item.index, item.sceneId) == -1) {
        return;
    }
    item.description->layer = layer;
    sortDisplayList();
}

void HOScene::clipToScreen(Graphics& graphics, bool clip) {
    // A scene that fills the window has nothing to clip; switching the
    // scissor on and off around every item would only cost state changes.
    const GameApp* app = GameApp::instance();
    if (app && offsetX() <= 0 && offsetY() <= 0 &&
        offsetX() + ItemRenderer::screenWidth() >= app->width() &&
        offsetY() + ItemRenderer::screenHeight() >= app->height()) {
        return;
    }
    if (clip) {
        graphics.setClipRect(offsetX(), offsetY(), ItemRenderer::screenWidth(),
                             ItemRenderer::screenHeight());
    }
    graphics.setClipping(clip);
}

void HOScene::installGoalRenderer(std::unique_ptr<ItemGoalRenderer> renderer) {
    if (goalRenderer_) {
        deleteWidget(goalRenderer_);
        goalRenderer_ = nullptr;
    }
    if (!renderer) {
        return;
    }
    renderer->setScene(this);
    renderer->rebuildEntries();
    renderer->refreshGoals(nullptr);
    goalRenderer_ = addWidget(std::move(renderer));
}
