#include "game/menus/PlaceholderScreen.h"

#include "engine/app/GameApp.h"
#include "engine/graphics/Font.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageDialogSimple.h"
#include "game/GameDialogs.h"

PlaceholderScreen::PlaceholderScreen(std::string title, std::string message,
                                     std::function<void()> onDone)
    : ScreenBase("PlaceholderScreen"), title_(std::move(title)), message_(std::move(message)),
      onDone_(std::move(onDone)) {}

void PlaceholderScreen::onShown() {
    MessageDialogDesc desc =
        parchmentDialogDesc(title_, message_, applicationLabel("OK"), "", offsetX(), offsetY());
    // One button, in the middle.
    desc.firstButtonX = desc.dialogX + (desc.windowWidth - 128) / 2;
    addWidget(std::make_unique<MessageDialogSimple>(desc, this, 0));
}

void PlaceholderScreen::onDialogClosed(int, int) {
    if (onDone_) {
        onDone_();
    }
    close(0);
}

void PlaceholderScreen::onClosed(int) {
    if (GameApp* app = GameApp::instance()) {
        app->popScreen();
    }
}

PlayerMove PlaceholderScreen::suggestMove() {
    PlayerMove move;
    return phase() == Shown && dialogMove(move, 0) ? move : PlayerMove::wait();
}
