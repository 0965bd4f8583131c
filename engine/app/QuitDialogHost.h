#pragma once

// The application side of the quit dialog: whether one is open, so that a
// second close request opens no second dialog.
class QuitDialogHost {
public:
    virtual ~QuitDialogHost() = default;
    virtual void setQuitDialogShown(bool shown) = 0;
    virtual bool isQuitDialogShown() const = 0;
};
