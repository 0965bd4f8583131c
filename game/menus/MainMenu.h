#pragma once

#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/ScreenBase.h"

#include <string>
#include <vector>

class QuillButton;
class TextLabel;

// The hub the player returns to: play (or resume) at the profile's place in
// the game flow, free play, options, profiles and quitting. Its context says
// where the player came from ("started", "fromScene", "finished", ...).
class MainMenu : public ScreenBase,
                 public QuillButtonListener,
                 public MessageQuestionDialogListener,
                 public MessageDialogSimpleListener {
public:
    enum ButtonId { Play = 0, FreePlay = 1, Options = 2, ChangeProfile = 3, ExitGame = 4 };
    enum ExitCode { PlayCode = 0, FreePlayCode = 1, ExitCode = 4 };
    static constexpr int ButtonX = 75;
    static constexpr int FirstButtonY = 120;
    // The subtitle under the title painted into the background.
    static constexpr int SubtitleX = 50;
    static constexpr int SubtitleY = 76;
    static constexpr int GreetingY = 604;
    static constexpr int ButtonStep = 60;
    // The message dialog that tells the player the save was set aside.
    static constexpr int SetAsideNoticeId = 1;

    explicit MainMenu(std::string context);

    void onStart() override;
    void createWidgets() override;
    // The buttons and the greeting in the new language.
    void onLanguageChanged() override;
    void onShown() override;
    void onUncovered(GameApp& app) override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void onQuestionAnswered(int dialogId, int answer) override;
    void onDialogClosed(int dialogId, int result) override;
    // Play (continuing a started game), with one visit to the options a run;
    // once the game is finished, one replay in free play, then the end.
    PlayerMove suggestMove() override;

    const std::string& context() const { return context_; }
    int highlighted() const { return highlighted_; }
    QuillButton* button(int id) const;
    const std::string& profileName() const;

private:
    void askNewOrContinue();
    // A first start, or a save that could not be read: the player names a profile.
    void askForAProfileWhenThereIsNone();
    // Whether the flow can build a screen at the saved position.
    bool canPlay() const;
    void updateNameLabel();
    // The greeting in the labels' language, the player's name right after it.
    void layOutGreeting();

    std::string context_;
    int highlighted_ = -1;
    std::vector<QuillButton*> buttons_;
    TextLabel* welcome_ = nullptr;
    TextLabel* name_ = nullptr;
};
