#pragma once

#include "engine/anim/AnimationListener.h"
#include "engine/app/ScreenBase.h"
#include "engine/ui/TextInputWidget.h"

#include <memory>
#include <string>
#include <vector>

class AnimationPlayer;
class QuillButton;
class TextLabel;

// Asks for a player's name over the profile menu. The caller's string is the
// initial text and receives the name on OK; CANCEL leaves it as it was.
// The field takes keys as soon as it shows; Return is OK, Escape CANCEL.
class PlayerNameEntry : public ScreenBase,
                        public TextInputListener,
                        public QuillButtonListener,
                        public AnimationListener {
public:
    enum ButtonId { OkButton = 1, CancelButton = 2 };
    enum ExitCode { Accepted = 1, Cancelled = 2 };
    static constexpr int DefaultMaxLength = 16;
    static constexpr const char* OpenAnimation = "content/animations/PlayerName/DialogStart.xml";
    static constexpr const char* CloseAnimation = "content/animations/PlayerName/DialogClose.xml";

    explicit PlayerNameEntry(std::string& name);
    ~PlayerNameEntry() override;

    void onStart() override;
    void createWidgets() override {}
    void onShown() override;
    void drawBackground(Graphics& graphics) override;
    void onKeyEvent(const KeyEvent& event) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void animationFinished(int id) override;
    void onTextChanged(const std::string& text, int id) override;

    // Whether OK would take this name: not blank, not the prompt, and no other
    // profile's (the name being edited may stay as it is).
    bool isAcceptable(const std::string& name) const;
    // The longest name, in characters ("PlayerName.Length").
    static int maxNameLength();

    bool isFrameShown() const { return frameShown_; }
    TextInputWidget* input() const { return input_; }
    QuillButton* okButton() const { return ok_; }
    QuillButton* cancelButton() const { return cancel_; }
    int frameX() const;
    int frameY() const;

private:
    enum AnimationIndex { Opening = 0, Closing = 1 };

    void buildWidgets();
    void removeWidgets();
    void accept();
    void leave(int exitCode);
    void updateState();

    std::string& name_;
    const std::string initialName_;
    bool frameShown_ = false;
    int pendingExit_ = 0;
    std::unique_ptr<AnimationPlayer> player_;
    std::vector<Widget*> widgets_;
    TextInputWidget* input_ = nullptr;
    TextLabel* prompt_ = nullptr;
    QuillButton* ok_ = nullptr;
    QuillButton* cancel_ = nullptr;
};
