#include "game/menus/QuitDialogScreen.h"

#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "engine/ui/TextLabelEx.h"
#include "game/GameDialogs.h"
#include "game/ResourceTables.h"

namespace {

// The dialog window's size when its picture is missing.
constexpr int kFrameWidth = 359;
constexpr int kFrameHeight = 257;

} // namespace

QuitDialogScreen::QuitDialogScreen(QuitDialogHost* host)
    : DialogScreen("QuitDialogScreen", {"QUIT_DLG_DAILOG_BG", kFrameWidth, kFrameHeight, 170,
                                        OpenAnimation, CloseAnimation}),
      host_(host) {
    if (host_) {
        host_->setQuitDialogShown(true);
    }
}

void QuitDialogScreen::onStart() {
    resource_tables::registerQuitDialogTextures(resources());
    loadAnimations();
}

void QuitDialogScreen::onShown() {
    playOpening();
}

void QuitDialogScreen::buildWidgets() {
    const int x = frameX();
    const int y = frameY();
    auto title = std::make_unique<TextLabel>(applicationLabel("EXIT_GAME"),
                                             applicationFont("FONT_CheltenhamBT28"),
                                             TextLabel::CentredHorizontally, parchmentTitle());
    title->setBounds(x, y + 24, kFrameWidth, 36);
    addDialogWidget(std::move(title));
    auto message = std::make_unique<TextLabelEx>(
        applicationLabel("MESSAGE_QUIT"), applicationFont("FONT_CheltenhamBT20"), parchmentInk());
    message->setBounds(x + 30, y + 64, kFrameWidth - 60, 110);
    addDialogWidget(std::move(message));

    const GLTexture* base = resources().getTexture("QUIT_DLG_BTN_BASE");
    auto ok = makeParchmentButton(this, OkButton, base, applicationLabel("OK"));
    ok->setBounds(x + 40, y + 178, 128, 64);
    ok_ = addDialogWidget(std::move(ok));
    auto cancel = makeParchmentButton(this, CancelButton, base, applicationLabel("CANCEL"));
    cancel->setBounds(x + kFrameWidth - 40 - 128, y + 178, 128, 64);
    cancel_ = addDialogWidget(std::move(cancel));
    engineLog() << "Quit dialog open\n";
}

void QuitDialogScreen::onWidgetsRemoved() {
    ok_ = nullptr;
    cancel_ = nullptr;
}

void QuitDialogScreen::buttonEvent(int id, int code) {
    if (code != ButtonClicked) {
        return;
    }
    if (id == OkButton) {
        removeDialogWidgets();
        if (GameApp* app = GameApp::instance()) {
            app->requestQuit();
            app->setExitNow();
        }
    } else if (id == CancelButton) {
        if (host_) {
            host_->setQuitDialogShown(false);
        }
        playClosing(CancelledExitCode);
    }
}

PlayerMove QuitDialogScreen::suggestMove() {
    return isClosing() ? PlayerMove::wait() : clickOn(cancel_, "CANCEL");
}
