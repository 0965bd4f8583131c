#pragma once

#include "engine/app/PlayerMove.h"
#include "engine/ui/AnimationListener.h"
#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/Widget.h"

#include <memory>

class AnimationPlayer;
class SimpleImageButton;

// A modal message over the whole window: dims the screen, plays the opening
// animation of its window, then shows its text and answer button; an answer
// plays the closing animation, removes the dialog and tells the owner.
class MessageDialogSimple : public Widget, public AnimationListener, public SimpleButtonListener {
public:
    static constexpr int OpenAnimationId = 790790;
    static constexpr int CloseAnimationId = 790791;
    static constexpr int AnswerButtonId = -10000;
    static constexpr int OverlayPriority = 100;
    static constexpr int AnimationDepth = 10;

    MessageDialogSimple(const MessageDialogDesc& desc, MessageDialogSimpleListener* listener,
                        int dialogId);
    explicit MessageDialogSimple(const MessageDialogDesc& desc);
    ~MessageDialogSimple() override;

    void onAttach() override;
    void onDetach() override;
    void render(Graphics& graphics, ScreenBase* screen) override;
    void renderOverlay(Graphics& graphics, ScreenBase* screen) override;
    void animationFinished(int id) override;
    void buttonEvent(int id, int code) override;

    // The title as the dialog draws it (upper case), for measuring.
    static std::string displayedTitle(const std::string& title);

    // Starts the closing sequence; false without an animation player.
    virtual bool closeDialog();
    // Builds and shows the answer button(s); run when the opening ends.
    virtual void createButtons();

    // The automated player's click on the answer button (this dialog has
    // one, whatever the answer); a wait until the buttons show.
    virtual PlayerMove suggestAnswer(int answer) const;

    bool isContentVisible() const { return contentVisible_; }
    int result() const { return result_; }
    int dialogId() const { return dialogId_; }
    const MessageDialogDesc& desc() const { return desc_; }
    const std::string& message() const { return message_; }
    AnimationPlayer* animationPlayer() const { return player_.get(); }
    SimpleImageButton* answerButton() const { return button_.get(); }

protected:
    // The screen this dialog is on; none before it is attached.
    ScreenBase* screen() const;
    // Puts a button into the manager above the dialog (the dialog keeps it).
    void showButton(SimpleImageButton* button);
    void hideButton(SimpleImageButton* button);
    // A picture button with the description's looks.
    std::unique_ptr<SimpleImageButton> makeButton(int id, int x, int y, const GLTexture* normal,
                                                  const GLTexture* over, const GLTexture* icon,
                                                  const std::string& label, bool labelled);
    // Closes the dialog with the animation's z offset of the concrete dialog.
    bool playClosing(int zOffset);
    void removeSelf();
    // What happens when the closing animation ends.
    virtual void closed();

    MessageDialogDesc desc_;
    bool contentVisible_ = false;
    int result_ = -1;

private:
    std::string message_;
    bool wrapWhenDrawn_ = false;
    std::unique_ptr<AnimationPlayer> player_;
    MessageDialogSimpleListener* listener_ = nullptr;
    int dialogId_ = -1;
    std::unique_ptr<SimpleImageButton> button_;
    ScreenBase* screen_ = nullptr;
};
