#pragma once

namespace platform {

// Window tweaks the Windows build made through the Win32 API. On Linux the
// window manager owns the title bar and its maximise box, so these only record
// what was asked; the game behaves the same either way.
class WindowHooks {
public:
    void addMaximiseBox() { maximiseBox_ = true; }
    void removeMaximiseBox() { maximiseBox_ = false; }
    bool hasMaximiseBox() const { return maximiseBox_; }

    // Windows: catches a maximise to request a restore. Here the application
    // calls requestRestore() when SDL reports a resize to the desktop size.
    void installWindowProcHook();

    // Windows: un-maximises the window. Here the application resets the video
    // mode itself.
    void restoreWindow();

    void requestRestore() { restoreRequested_ = true; }
    void clearRestoreRequest() { restoreRequested_ = false; }
    bool restoreRequested() const { return restoreRequested_; }

private:
    bool maximiseBox_ = false;
    bool restoreRequested_ = false;
};

} // namespace platform
