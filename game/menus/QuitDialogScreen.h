#pragma once

#include "engine/app/QuitDialogHost.h"
#include "game/menus/DialogScreen.h"

class QuillButton;

// Asks before the program ends. OK ends it at the end of the frame; CANCEL
// plays the closing animation and pops the dialog.
class QuitDialogScreen : public DialogScreen, public QuillButtonListener {
public:
    static constexpr int OkButton = 2;
    static constexpr int CancelButton = 3;
    static constexpr int CancelledExitCode = 3;
    static constexpr const char* OpenAnimation =
        "content/animations/UniversalDialog/MessageDialogStart.xml";
    static constexpr const char* CloseAnimation =
        "content/animations/UniversalDialog/MessageDialogClose.xml";

    explicit QuitDialogScreen(QuitDialogHost* host);

    void onStart() override;
    void createWidgets() override {}
    void onShown() override;
    void buttonEvent(int id, int code) override;
    // CANCEL: the automated player plays on.
    PlayerMove suggestMove() override;

    QuillButton* okButton() const { return ok_; }
    QuillButton* cancelButton() const { return cancel_; }

protected:
    void buildWidgets() override;
    void onWidgetsRemoved() override;

private:
    QuitDialogHost* host_;
    QuillButton* ok_ = nullptr;
    QuillButton* cancel_ = nullptr;
};
