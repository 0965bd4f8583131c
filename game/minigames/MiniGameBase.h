#pragma once

#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/WidgetListeners.h"
#include "game/LaunchedScreen.h"

class QuillButton;

// The frame every puzzle shares: fades in and out, MENU and SKIP buttons,
// the scene's music, the result dialog, and where the game goes when the
// puzzle ends. Started by the game flow, an ending moves the flow on (or
// replays, or returns to the main menu); opened by a scene's step, the
// puzzle reports its ending to the scene and leaves.
class MiniGameBase : public ScreenBase,
                     public QuillButtonListener,
                     public MessageDialogSimpleListener,
                     public LaunchedScreen {
public:
    static constexpr int SkipButtonId = 1000;
    static constexpr int MenuButtonId = 1001;
    // Exit codes.
    static constexpr int Solved = 100;
    static constexpr int Replay = LaunchedScreenListener::ReplayExit;
    static constexpr int Skipped = 1000;
    static constexpr int BackToMenu = LaunchedScreenListener::BackToMenuExit;
    // Result dialogs: solved and leave at once, solved and stay to look (SKIP
    // becomes CONTINUE), wrong and try again.
    enum ResultKind { SolvedAndLeave = 0, SolvedAndStay = 1, WrongSolution = 2 };

    MiniGameBase(bool buttonsAtTop, int musicSceneId);
    ~MiniGameBase() override;

    // Keys do nothing in a puzzle.
    void onKeyEvent(const KeyEvent&) override {}
    void onStart() override;
    // The buttons and the music; a puzzle calls it first, then builds its pieces.
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void onDialogClosed(int dialogId, int result) override;
    void setLauncher(LaunchedScreenListener* launcher) override { launcher_ = launcher; }

    // At most one at a time; a wrong-solution dialog, once closed, allows the next.
    void showResultDialog(int kind);
    bool resultShown() const { return resultShown_; }
    QuillButton* skipButton() const { return skipButton_; }
    QuillButton* menuButton() const { return menuButton_; }
    int musicSceneId() const { return musicSceneId_; }

    // The automated player answers the result dialog; a puzzle that knows no
    // better move is skipped.
    PlayerMove suggestMove() override;

private:
    QuillButton* skipButton_ = nullptr;
    QuillButton* menuButton_ = nullptr;
    bool buttonsAtTop_ = false;
    int musicSceneId_ = 0;
    bool resultShown_ = false;
    LaunchedScreenListener* launcher_ = nullptr;
};
