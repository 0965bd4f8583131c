#pragma once

#include "engine/ui/TextInputWidget.h"
#include "game/menus/DialogScreen.h"

#include <memory>
#include <string>
#include <vector>

class QuillButton;
class TextLabel;

// Asks for a player's name over the profile menu. The caller's string is the
// initial text and receives the name on OK; CANCEL leaves it as it was.
// The field takes keys as soon as it shows; Return is OK, Escape CANCEL.
class PlayerNameEntry : public DialogScreen, public TextInputListener, public QuillButtonListener {
public:
    enum ButtonId { OkButton = 1, CancelButton = 2 };
    enum ExitCode { Accepted = 1, Cancelled = 2 };
    static constexpr int DefaultMaxLength = 16;
    static constexpr const char* OpenAnimation = "content/animations/PlayerName/DialogStart.xml";
    static constexpr const char* CloseAnimation = "content/animations/PlayerName/DialogClose.xml";

    explicit PlayerNameEntry(std::string& name);

    void onStart() override;
    void createWidgets() override {}
    void onShown() override;
    void onKeyEvent(const KeyEvent& event) override;
    void buttonEvent(int id, int code) override;
    void onTextChanged(const std::string& text, int id) override;
    // Types a name no other profile has, then OK.
    PlayerMove suggestMove() override;
    // The name the automated player gives a new profile.
    std::string autoplayName() const;

    // Whether OK would take this name: not blank, not the prompt, and no other
    // profile's (the name being edited may stay as it is).
    bool isAcceptable(const std::string& name) const;
    // The longest name, in characters ("PlayerName.Length").
    static int maxNameLength();
    // Whether the field takes the character after its text: one the fonts
    // can draw, and only while the name still fits a row of the profile list.
    bool takesCharacter(std::uint32_t code) const;

    TextInputWidget* input() const { return input_; }
    QuillButton* okButton() const { return ok_; }
    QuillButton* cancelButton() const { return cancel_; }

protected:
    void buildWidgets() override;
    void onWidgetsRemoved() override;

private:
    void accept();
    void updateState();

    std::string& name_;
    const std::string initialName_;
    TextInputWidget* input_ = nullptr;
    TextLabel* prompt_ = nullptr;
    QuillButton* ok_ = nullptr;
    QuillButton* cancel_ = nullptr;
};
