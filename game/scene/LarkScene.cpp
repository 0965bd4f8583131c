#include "game/scene/LarkScene.h"

#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/audio/AudioEngine.h"
#include "engine/audio/SceneMusic.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "game/GameDialogs.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/scene/AnimPlayerItemRenderer.h"
#include "game/scene/CollectableItemRenderer.h"
#include "game/scene/GoalRenderers.h"
#include "game/scene/HintButton.h"
#include "game/scene/RainRenderer.h"
#include "game/scene/TexItemRenderer.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemRegistry.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kButtonTop = 708;
constexpr int kGroupsToClear[] = {GROUP_SCENE, GROUP_REMOVED, GROUP_GOAL, GROUP_DISPLAY_6,
                                  GROUP_BONUS};

PlayerProfile* profile() {
    return PlayerProfiles::instance().currentProfile();
}

int startStepFor(bool freePlay) {
    const PlayerProfile* player = profile();
    return freePlay || !player ? 0 : player->resumeStep;
}

// The main menu through the game flow's factory, built with the context.
void startMainMenu(const std::string& context) {
    GameFlow::instance().startMainMenu(context);
}

} // namespace

LarkScene::LarkScene(int sceneId, const std::string& configPath,
                     const std::string& itemRendererConf, const std::string& mechanicsConf,
                     const std::string& itemGroupConf, bool pushDialogWindow,
                     const std::string& dialogMessage, bool freePlay)
    : HOScene(sceneId, configPath, itemRendererConf, mechanicsConf, itemGroupConf,
              startStepFor(freePlay)),
      freePlay_(freePlay), pushDialogWindow_(pushDialogWindow) {
    if (!freePlay_) {
        completionText_ = applicationLabel(dialogMessage.empty() ? "LABEL" : dialogMessage);
    } else {
        // The replay starts as a first visit and leaves the story's state of
        // the scene as it found it.
        ItemRegistry::instance().setAsideScene(sceneId);
    }
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
    ItemRendererFactory& factory = rendererFactory();
    auto collectable = [](ItemRendererOwner* owner, Item* item) -> std::unique_ptr<ItemRenderer> {
        return std::make_unique<CollectableItemRenderer>(owner, item);
    };
    factory.registerCreator(0, collectable);
    factory.registerCreator(1, [](ItemRendererOwner* owner, Item* item) {
        return std::unique_ptr<ItemRenderer>(std::make_unique<OverlayItemRenderer>(owner, item));
    });
    factory.registerCreator(2, collectable);
    factory.registerCreator(3, [](ItemRendererOwner* owner, Item* item) {
        return std::unique_ptr<ItemRenderer>(std::make_unique<RainRenderer>(owner, item));
    });
    // Animated scenery needs a scene's animation player; other owners get none.
    factory.registerCreator(4, [](ItemRendererOwner* owner, Item* item) {
        auto* scene = dynamic_cast<HOScene*>(owner);
        return scene ? std::unique_ptr<ItemRenderer>(
                           std::make_unique<AnimPlayerItemRenderer>(scene, item))
                     : nullptr;
    });
}

LarkScene::~LarkScene() {
    if (freePlay_) {
        ItemRegistry::instance().restoreScene(sceneId());
    }
}

std::string LarkScene::screenName() const {
    return "Scene" + std::to_string(sceneId());
}

void LarkScene::registerSceneResources() {
    resource_tables::registerSceneTextures(resources());
}

void LarkScene::setupScreen() {
    const GLTexture* base = resources().getTexture("GUI_TEX_BTN_BASE");
    const int width = base ? base->imageWidth() : 128;
    const int height = base ? base->imageHeight() : 64;
    auto menu = makeParchmentButton(this, MenuButtonId, base, applicationLabel("MENU"));
    menu->setBounds(0, kButtonTop, width, height);
    menuButton_ = addWidget(std::move(menu));

    auto hint = std::make_unique<HintButton>(&simpleButtons_, HintButtonId, base,
                                             resources().getTexture("GUI_TEX_BTN_FRAME"));
    hint->setPosition(123, kButtonTop);
    hint->setLabel(applicationLabel("HINT"), applicationFont("FONT_CheltenhamBT20"),
                   WidgetRect(0, -4, 0, width, 64), Color(0, 0, 0, 255));
    hint->setName(applicationLabel("HINT"));
    hintButton_ = addWidget(std::move(hint));
    raiseButtons();

    const std::string music = SceneMusic::instance().musicFor(sceneId());
    if (!music.empty()) {
        resources().addMusicStream("SCENE_MUSIC", AudioEngine::instance().loadMusic(music));
        AudioEngine::instance().fadeInMusic(resources().getMusicStream("SCENE_MUSIC"), 500, -1);
    }
    listControls();
}

void LarkScene::raiseButtons() {
    if (menuButton_) {
        menuButton_->bringToFront();
    }
    if (hintButton_) {
        hintButton_->bringToFront();
    }
}

void LarkScene::save() {
    if (!freePlay_) {
        GameSave::saveNow();
    }
}

void LarkScene::onFirstVisit() {
    thinCollectables(steps(), sceneId());
}

void LarkScene::onItemsLoaded() {
    for (Item* item : ItemRegistry::instance().itemsOf(GROUP_BONUS, sceneId())) {
        if (item->renderer) {
            item->renderer->setEnabled(true);
        }
    }
    save();
}

void LarkScene::onItemCollected(Item& item) {
    if (ItemRegistry::instance().groupOf(item.index, item.sceneId) == GROUP_BONUS) {
        if (PlayerProfile* player = profile()) {
            player->hintCount += 1;
        }
    }
    ++collectedThisVisit_;
    playSoundEffect("SFX_SCENE_ITEM_COLLECTED");
}

void LarkScene::onRefresh(Item* collected) {
    // A found item reaches the disk as soon as it has left the scene.
    if (collected) {
        save();
    }
}

void LarkScene::onMiss() {
    playSoundEffect("SFX_SCENE_ITEM_MISS");
}

void LarkScene::onStepStarted(const MechanicStep& step) {
    // A replay in free play leaves the story's place alone.
    PlayerProfile* player = freePlay_ ? nullptr : profile();
    if (player) {
        player->resumeStep = currentStep();
    }
    save();
    if (step.kind != MechanicStep::CollectGroup) {
        return;
    }
    if (!step.rules.empty() && !step.rules.front().typeIds.empty() &&
        step.rules.front().typeIds.front() == LocketTypeId && !dialogOpen_) {
        // Asked only while the piece is still to be found: a player who comes
        // back to the stage after finding it is not told to look for it again.
        const std::vector<Item*> goals = ItemRegistry::instance().itemsOf(GROUP_GOAL, sceneId());
        const bool pieceToFind = std::any_of(goals.begin(), goals.end(), [](const Item* goal) {
            return goal->description && goal->description->typeId == LocketTypeId;
        });
        if (pieceToFind) {
            openMessage(StageDialog, "", applicationLabel("GAME_FIND_LOCKET_PIECE"));
        }
    }
    if (step.name == "STACKED_ITEM_LIST") {
        std::vector<int> typeIds;
        for (const CollectRule& rule : step.rules) {
            typeIds.insert(typeIds.end(), rule.typeIds.begin(), rule.typeIds.end());
        }
        installGoalRenderer(
            std::make_unique<LarkStackedItemGoalRenderer>(resources(), std::move(typeIds)));
    } else if (step.name == "FIND_X_ITEMS") {
        // The rule's name is a label key; a name the labels lack is shown as written.
        const std::string name = step.rules.empty() ? std::string() : step.rules.front().name;
        GameApp* app = GameApp::instance();
        const std::string caption =
            app && app->getLabels().hasText(name) ? app->getLabels().getText(name) : name;
        installGoalRenderer(std::make_unique<CountItemGoalRenderer>(resources(), caption));
    }
    raiseButtons();
}

void LarkScene::onAllStepsDone() {
    setOutTransition(std::make_unique<FadeOutTransition>(500));
    if (!pushDialogWindow_) {
        close(CompletedEvent);
    } else if (dialogOpen_) {
        completionPending_ = true;
    } else {
        openMessage(CompletionDialog, applicationLabel("COLECT_GROUP_COLLECTED_CAPTION"),
                    completionText_);
    }
}

void LarkScene::openMessage(int dialogId, const std::string& caption, const std::string& message) {
    dialogOpen_ = true;
    addWidget(std::make_unique<MessageDialogSimple>(
        parchmentDialogDesc(caption, message, applicationLabel("OK"), "", offsetX(), offsetY()),
        this, dialogId));
}

void LarkScene::openLeaveDialog() {
    if (leaveOpen_ || dialogOpen_) {
        return;
    }
    leaveOpen_ = true;
    const char* question = freePlay_ ? "CONTINUE_TO_FREEPLAY_MENU" : "CONTINUE_TO_MAIN_MENU";
    // The first answer leaves (1), the second stays (0).
    addWidget(std::make_unique<MessageQuestionDialogSimple>(
        parchmentDialogDesc(applicationLabel("LEAVE_GAME"), applicationLabel(question),
                            applicationLabel("YES"), applicationLabel("NO"), offsetX(), offsetY()),
        this));
}

void LarkScene::onDialogClosed(int dialogId, int) {
    if (dialogId == CompletionDialog) {
        close(CompletedEvent);
        return;
    }
    dialogOpen_ = false;
    if (completionPending_) {
        completionPending_ = false;
        onAllStepsDone();
    }
}

void LarkScene::onLaunchedScreenLeftToMenu() {
    setOutTransition(std::make_unique<EmptyTransition>());
    close(LeftEvent);
}

void LarkScene::onQuestionAnswered(int, int answer) {
    leaveOpen_ = false;
    if (answer == MessageQuestionDialogSimple::YesButtonId) {
        setOutTransition(std::make_unique<EmptyTransition>());
        close(LeftEvent);
    }
}

void LarkScene::buttonEvent(int id, int code) {
    if (code != ButtonClicked || phase() != Shown) {
        return;
    }
    if (id == MenuButtonId) {
        openLeaveDialog();
    } else if (id == 9) {
        close(CompletedEvent);
    }
}

void LarkScene::simpleButtonEvent(int id, int state) {
    if (state != HintButton::Clicked) {
        return;
    }
    switch (id) {
    case 3:
        setOutTransition(std::make_unique<EmptyTransition>());
        close(LeftAtOnce);
        break;
    case HintButtonId:
        giveHint();
        break;
    case 5:
        close(ErrorEvent);
        break;
    case 7:
        close(CompletedEvent);
        break;
    case 8:
        for (Item* item : ItemRegistry::instance().itemsOf(GROUP_GOAL, sceneId())) {
            if (item->renderer) {
                item->renderer->setState(ItemRenderer::Clicked);
            }
        }
        break;
    default:
        break;
    }
}

bool LarkScene::giveHint() {
    std::vector<Item*> candidates;
    if (goalRenderer()) {
        for (const ItemGoalRenderer::Entry& entry : goalRenderer()->entries()) {
            const ItemRenderer* renderer = entry.item->renderer.get();
            if (renderer && renderer->isEnabled() && renderer->isVisible()) {
                candidates.push_back(entry.item);
            }
        }
    }
    if (candidates.empty()) {
        return false;
    }
    if (PlayerProfile* player = profile()) {
        player->hintFlags |= 1u;
    }
    Item* chosen = candidates[std::size_t(std::rand()) % candidates.size()];
    // A copy: bringing the target to the front re-sorts the display list.
    const std::vector<Item*> shown = displayList();
    for (Item* item : shown) {
        if (item->renderer) {
            item->renderer->setState(item == chosen ? ItemRenderer::HintTarget
                                                    : ItemRenderer::Dimmed);
        }
    }
    bringToFront(*chosen);
    playSoundEffect("HINT_ITEM");
    return true;
}

void LarkScene::onSceneEvent(int event) {
    GameApp* app = GameApp::instance();
    if (!app) {
        return;
    }
    const bool freePlay = freePlay_;
    const int step = currentStep();
    const int scene = sceneId();
    app->popScreen(); // this scene is destroyed once the frame is over
    ItemRegistry& registry = ItemRegistry::instance();
    if (freePlay) {
        // The next replay is a first visit again, and the story finds the
        // scene as it left it.
        registry.restoreScene(scene);
        return;
    }
    PlayerProfile* player = freePlay_ ? nullptr : profile();
    switch (event) {
    case LeftEvent:
        if (player) {
            player->resumeStep = std::max(step, 0);
        }
        GameSave::saveNow();
        startMainMenu("fromSceneOnESC");
        break;
    case CompletedEvent: {
        for (const int group : kGroupsToClear) {
            registry.clearGroup(group);
        }
        if (player) {
            player->completedScenes += 1;
            player->resumeStep = 0;
        }
        std::unique_ptr<GameState> next = GameFlow::instance().next(true);
        GameSave::saveNow();
        if (next) {
            app->startScreen(std::move(next));
        } else {
            engineLog() << "Game flow: no screen can be built at position "
                        << GameFlow::instance().position() << "; back to the main menu\n";
            startMainMenu("fromScene");
        }
        break;
    }
    case LeftAtOnce:
        startMainMenu("fromScene");
        break;
    default:
        startMainMenu("fromSceneError");
        break;
    }
}

bool LarkScene::pointOn(const Item& item, int& x, int& y) const {
    const ItemRenderer* renderer = item.renderer.get();
    if (!renderer) {
        return false;
    }
    const int centreX = renderer->x() + renderer->width() / 2;
    const int centreY = renderer->y() + renderer->height() / 2;
    long best = -1;
    for (int py = renderer->y(); py < renderer->y() + renderer->height(); py += 2) {
        for (int px = renderer->x(); px < renderer->x() + renderer->width(); px += 2) {
            // The dashboard and the buttons take presses over the scene.
            if (py >= 660 || hitAt(px, py) != &item) {
                continue;
            }
            const long distance =
                long(px - centreX) * (px - centreX) + long(py - centreY) * (py - centreY);
            if (best < 0 || distance < best) {
                best = distance;
                x = px;
                y = py;
            }
        }
    }
    return best >= 0;
}

PlayerMove LarkScene::suggestMove() {
    if (phase() != Shown) {
        return PlayerMove::wait();
    }
    PlayerMove move;
    // Messages are read and closed; asked whether to leave, the player leaves.
    if (dialogMove(move, MessageQuestionDialogSimple::YesButtonId)) {
        return move;
    }
    if (allStepsDone()) {
        return PlayerMove::wait();
    }
    // Once per scene and run, the player leaves midway and comes back later.
    static std::set<int> leftOnce;
    if (!freePlay_ && collectedThisVisit_ >= 3 && !leftOnce.count(sceneId()) && menuButton_) {
        leftOnce.insert(sceneId());
        return clickOn(menuButton_, "MENU");
    }
    if (collectedThisVisit_ >= 1 && !hintedThisVisit_ && hintButton_ && hintButton_->isReady()) {
        hintedThisVisit_ = true;
        return clickOn(hintButton_, "HINT");
    }
    if (collectedThisVisit_ >= 2 && !missedThisVisit_) {
        // A deliberate miss: a spot of the room that holds nothing to find.
        for (int py = 40; py < 640; py += 37) {
            for (int px = 40; px < 1000; px += 41) {
                const Item* hit = hitAt(px, py);
                if (!hit || !hit->renderer || !hit->renderer->isEnabled()) {
                    missedThisVisit_ = true;
                    return PlayerMove::click("nothing", offsetX() + px, offsetY() + py);
                }
            }
        }
        missedThisVisit_ = true;
    }
    std::vector<Item*> goals;
    if (goalRenderer()) {
        for (const ItemGoalRenderer::Entry& entry : goalRenderer()->entries()) {
            goals.push_back(entry.item);
        }
    }
    for (Item* item : ItemRegistry::instance().itemsOf(GROUP_BONUS, sceneId())) {
        goals.push_back(item);
    }
    for (Item* item : goals) {
        const ItemRenderer* renderer = item->renderer.get();
        int x = 0;
        int y = 0;
        if (renderer && renderer->isEnabled() && renderer->isVisible() && pointOn(*item, x, y)) {
            const std::string name = item->description ? item->description->name : "an item";
            return PlayerMove::click(name, offsetX() + x, offsetY() + y);
        }
    }
    return PlayerMove::wait();
}
