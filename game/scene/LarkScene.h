#pragma once

#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/WidgetListeners.h"
#include "game/scene/HOScene.h"

#include <set>
#include <string>

class HintButton;
class QuillButton;

// The hidden-object scene as the player meets it: the MENU and HINT buttons,
// the find-list dashboard of each stage, sounds and scene music, the hint,
// the stage, completion and leave dialogs, and the player's progress. In the
// story its progress is saved and resumed; in free play nothing is kept.
class LarkScene : public HOScene,
                  public QuillButtonListener,
                  public MessageDialogSimpleListener,
                  public MessageQuestionDialogListener {
public:
    enum ButtonId { MenuButtonId = 3, HintButtonId = 4 };
    enum DialogId { CompletionDialog = 0, StageDialog = 1, LeaveDialog = 2 };
    enum Event { LeftEvent = 1000, CompletedEvent = 1001, ErrorEvent = 1002, LeftAtOnce = 1003 };
    static constexpr int LocketTypeId = 100;

    LarkScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
              const std::string& mechanicsConf, const std::string& itemGroupConf,
              bool pushDialogWindow, const std::string& dialogMessage, bool freePlay);
    ~LarkScene() override;

    // The MENU button (QuillButton id 3): the leave dialog.
    void buttonEvent(int id, int code) override;
    // The simple buttons (HINT is id 4).
    void simpleButtonEvent(int id, int state);
    void onDialogClosed(int dialogId, int result) override;
    void onQuestionAnswered(int dialogId, int answer) override;

    // The automated player: answers dialogs, clicks goals on a visible pixel,
    // misses once, takes a hint once and leaves once midway.
    PlayerMove suggestMove() override;
    std::string screenName() const override;

    // Points out one goal the player can collect now; false when there is none.
    bool giveHint();
    bool isFreePlay() const { return freePlay_; }
    bool isDialogOpen() const { return dialogOpen_; }
    HintButton* hintButton() const { return hintButton_; }
    QuillButton* menuButton() const { return menuButton_; }
    // A point (scene coordinates) where a press collects the item: on one of
    // its visible pixels and not under another item; false when none.
    bool pointOn(const Item& item, int& x, int& y) const;

protected:
    void registerSceneResources() override;
    void setupScreen() override;
    void onFirstVisit() override;
    void onItemsLoaded() override;
    void onItemCollected(Item& item) override;
    void onMiss() override;
    void onStepStarted(const MechanicStep& step) override;
    void onRefresh(Item* collected) override;
    void onAllStepsDone() override;
    void onSceneEvent(int event) override;
    // MENU in a puzzle this scene opened: as the leave dialog's YES, so the
    // profile comes back to the puzzle's step next time.
    void onLaunchedScreenLeftToMenu() override;
    // Neither a black cover nor anything else over the scene, but the
    // authors' debug drawing when it is on.
    void drawForeground(Graphics& graphics) override { drawDebug(graphics); }

private:
    // Forwards the simple buttons' reports, which share the signature of
    // QuillButtonListener's.
    struct SimpleButtons : SimpleButtonListener {
        explicit SimpleButtons(LarkScene& scene) : scene(scene) {}
        void buttonEvent(int id, int state) override { scene.simpleButtonEvent(id, state); }
        LarkScene& scene;
    };

    void openMessage(int dialogId, const std::string& caption, const std::string& message);
    void openLeaveDialog();
    void raiseButtons();
    void save();

    SimpleButtons simpleButtons_{*this};
    bool freePlay_;
    bool pushDialogWindow_;
    std::string completionText_;
    bool dialogOpen_ = false;
    bool leaveOpen_ = false;
    // The scene ended while the stage dialog was open: completion follows it.
    bool completionPending_ = false;
    QuillButton* menuButton_ = nullptr;
    HintButton* hintButton_ = nullptr;
    // The automated player's own bookkeeping for this visit.
    int collectedThisVisit_ = 0;
    bool missedThisVisit_ = false;
    bool hintedThisVisit_ = false;
};
