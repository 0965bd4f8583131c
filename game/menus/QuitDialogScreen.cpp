#include "game/menus/QuitDialogScreen.h"

#include "engine/anim/AnimationPlayer.h"
#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/app/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/persist/LabelManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "engine/ui/TextLabelEx.h"
#include "game/ResourceTables.h"
#include "game/menus/GameDialogs.h"

namespace {

// The dialog window's size when its picture is missing.
constexpr int kFrameWidth = 359;
constexpr int kFrameHeight = 257;
const Color kInk(62, 36, 30);
const Color kBurgundy(122, 32, 48);

} // namespace

QuitDialogScreen::QuitDialogScreen(QuitDialogHost* host)
    : ScreenBase("QuitDialogScreen"), host_(host),
      player_(std::make_unique<AnimationPlayer>(this)) {
    if (host_) {
        host_->setQuitDialogShown(true);
    }
}

QuitDialogScreen::~QuitDialogScreen() = default;

void QuitDialogScreen::onStart() {
    resource_tables::registerQuitDialogTextures(resources());
    player_->load(Opening, OpenAnimation);
    player_->load(Closing, CloseAnimation);
}

int QuitDialogScreen::frameX() const {
    const GLTexture* frame = resources().getTexture("QUIT_DLG_DAILOG_BG");
    const int width = frame && frame->imageWidth() > 0 ? frame->imageWidth() : kFrameWidth;
    return (AppConfig::instance().width() - width) / 2;
}

int QuitDialogScreen::frameY() const {
    const GLTexture* frame = resources().getTexture("QUIT_DLG_DAILOG_BG");
    const int height = frame && frame->imageHeight() > 0 ? frame->imageHeight() : kFrameHeight;
    return (AppConfig::instance().height() - height) / 2;
}

void QuitDialogScreen::onShown() {
    if (!player_->play(Opening, 0, frameX(), frameY(), this)) {
        // Without its animation the dialog opens at once.
        animationFinished(Opening);
    }
}

void QuitDialogScreen::animationFinished(int id) {
    if (id == Opening) {
        // The frame is drawn by the screen from now on.
        player_->remove(Opening, this);
        frameShown_ = true;
        buildWidgets();
        engineLog() << "Quit dialog open\n";
    } else if (id == Closing) {
        close(CancelledExitCode);
    }
}

void QuitDialogScreen::buildWidgets() {
    const int x = frameX();
    const int y = frameY();
    auto title = std::make_unique<TextLabel>(applicationLabel("EXIT_GAME"),
                                             applicationFont("FONT_CheltenhamBT28"),
                                             TextLabel::CentredHorizontally, kBurgundy);
    title->setBounds(x, y + 24, kFrameWidth, 36);
    widgets_.push_back(addWidget(std::move(title)));
    auto message = std::make_unique<TextLabelEx>(applicationLabel("MESSAGE_QUIT"),
                                                 applicationFont("FONT_CheltenhamBT20"), kInk);
    message->setBounds(x + 30, y + 64, kFrameWidth - 60, 110);
    widgets_.push_back(addWidget(std::move(message)));

    const ButtonStyle style = parchmentButtonStyle(resources().getTexture("QUIT_DLG_BTN_BASE"));
    auto ok = makeQuillButton(this, OkButton, style, applicationLabel("OK"));
    ok->setBounds(x + 40, y + 178, 128, 64);
    ok_ = addWidget(std::move(ok));
    auto cancel = makeQuillButton(this, CancelButton, style, applicationLabel("CANCEL"));
    cancel->setBounds(x + kFrameWidth - 40 - 128, y + 178, 128, 64);
    cancel_ = addWidget(std::move(cancel));
    widgets_.push_back(ok_);
    widgets_.push_back(cancel_);
}

void QuitDialogScreen::removeWidgets() {
    for (Widget* widget : widgets_) {
        safeRemoveWidget(widget);
    }
    widgets_.clear();
    ok_ = nullptr;
    cancel_ = nullptr;
}

void QuitDialogScreen::drawBackground(Graphics& graphics) {
    const AppConfig& config = AppConfig::instance();
    graphics.fillRect(0, 0, config.width(), config.height(), Color(0, 0, 0, 170));
    if (frameShown_) {
        graphics.drawTexture(frameX(), frameY(), resources().getTexture("QUIT_DLG_DAILOG_BG"),
                             Color());
    }
}

void QuitDialogScreen::buttonEvent(int id, int code) {
    if (code != ButtonClicked) {
        return;
    }
    if (id == OkButton) {
        removeWidgets();
        if (GameApp* app = GameApp::instance()) {
            app->requestQuit();
            app->setExitNow();
        }
    } else if (id == CancelButton) {
        removeWidgets();
        frameShown_ = false;
        if (host_) {
            host_->setQuitDialogShown(false);
        }
        if (!player_->play(Closing, 0, frameX(), frameY(), this)) {
            close(CancelledExitCode);
        }
    }
}

void QuitDialogScreen::onClosed(int) {
    if (GameApp* app = GameApp::instance()) {
        app->popScreen();
    }
}
