#pragma once

#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/WidgetListeners.h"
#include "game/LaunchedScreen.h"

#include <string>

class GLTexture;
class QuillButton;
class TiXmlDocument;
class TiXmlElement;

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
    // The puzzle's instruction line between the two buttons.
    void drawForeground(Graphics& graphics) override;
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

    // The game-flow type that builds the puzzle ("MG_Screen5").
    std::string screenName() const override;
    void setTypeName(const std::string& type) { typeName_ = type; }

    // The extension appended to the picture names of the puzzle files.
    static std::string pictureExtension();

protected:
    // A picture of the puzzle, kept with the screen's resources so that it is
    // freed and reloaded with them. Never null; a missing file gives an empty
    // texture (and one line).
    const GLTexture* loadPicture(const std::string& path);
    // Reads a puzzle file and finds its first element of that name (the root
    // or a child of it); null after one line naming the file and the fault.
    static const TiXmlElement* readPuzzleFile(TiXmlDocument& document, const std::string& path,
                                              const char* elementName);
    // An attribute's text, empty when the element lacks it.
    static std::string textOf(const TiXmlElement* element, const char* name);
    // MENU at (24, 13) and SKIP at (1000 - its width, 13), for puzzles whose
    // play reaches the bottom of the screen.
    void moveButtonsToTop();
    // The picture at (0, 0) in opaque white, when there is one.
    static void drawPicture(Graphics& graphics, const GLTexture* picture);
    // A label key; its text is drawn between the buttons.
    void setCaption(const std::string& labelKey) { captionKey_ = labelKey; }
    // The player may act on the puzzle: it shows and no result dialog is up.
    bool acceptsPlay() const { return phase() == Shown && !resultShown_; }
    // What the automated player does once the puzzle has nothing to offer:
    // answer a dialog, else leave with SKIP (CONTINUE once solved).
    PlayerMove leaveMove();
    // True while the automated player's plan has it skip this puzzle (decided
    // once, when it first asks).
    bool plannedSkip();

private:
    QuillButton* skipButton_ = nullptr;
    QuillButton* menuButton_ = nullptr;
    bool buttonsAtTop_ = false;
    int musicSceneId_ = 0;
    bool resultShown_ = false;
    LaunchedScreenListener* launcher_ = nullptr;
    std::string captionKey_;
    std::string typeName_;
    int skipPlanned_ = -1; // not asked yet
    int pictures_ = 0;
};
