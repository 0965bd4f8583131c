#pragma once

#include "engine/anim/AnimationListener.h"
#include "engine/app/ScreenBase.h"

#include <memory>

class AnimationPlayer;
class QuillButton;

// The application side of the quit dialog: whether one is open.
class QuitDialogHost {
public:
    virtual ~QuitDialogHost() = default;
    virtual void setQuitDialogShown(bool shown) = 0;
    virtual bool isQuitDialogShown() const = 0;
};

// Asks before the program ends. OK ends it at the end of the frame; CANCEL
// plays the closing animation and pops the dialog.
class QuitDialogScreen : public ScreenBase, public QuillButtonListener, public AnimationListener {
public:
    static constexpr int OkButton = 2;
    static constexpr int CancelButton = 3;
    static constexpr int CancelledExitCode = 3;
    static constexpr const char* OpenAnimation =
        "content/animations/UniversalDialog/MessageDialogStart.xml";
    static constexpr const char* CloseAnimation =
        "content/animations/UniversalDialog/MessageDialogClose.xml";

    explicit QuitDialogScreen(QuitDialogHost* host);
    ~QuitDialogScreen() override;

    void onStart() override;
    void createWidgets() override {}
    void onShown() override;
    void drawBackground(Graphics& graphics) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void animationFinished(int id) override;

    bool isFrameShown() const { return frameShown_; }
    QuillButton* okButton() const { return ok_; }
    QuillButton* cancelButton() const { return cancel_; }

private:
    enum AnimationIndex { Opening = 0, Closing = 1 };

    void buildWidgets();
    void removeWidgets();
    // Where the dialog frame sits: centred on the configured screen.
    int frameX() const;
    int frameY() const;

    QuitDialogHost* host_;
    bool frameShown_ = false;
    std::unique_ptr<AnimationPlayer> player_;
    std::vector<Widget*> widgets_;
    QuillButton* ok_ = nullptr;
    QuillButton* cancel_ = nullptr;
};
