#pragma once

#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/ScreenBase.h"

#include <functional>
#include <string>

// Stands in for a menu that is not built yet: a message over the screen
// below, which pops when answered. Runs `onDone` first (e.g. to make sure a
// profile exists).
class PlaceholderScreen : public ScreenBase, public MessageDialogSimpleListener {
public:
    PlaceholderScreen(std::string title, std::string message,
                      std::function<void()> onDone = nullptr);

    void onStart() override {}
    void createWidgets() override {}
    void onShown() override;
    void onDialogClosed(int dialogId, int result) override;
    void onClosed(int exitCode) override;
    // OK on the message.
    PlayerMove suggestMove() override;

private:
    std::string title_;
    std::string message_;
    std::function<void()> onDone_;
};
