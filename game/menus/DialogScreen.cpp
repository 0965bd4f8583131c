#include "game/menus/DialogScreen.h"

#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/AnimationPlayer.h"

DialogScreen::DialogScreen(const std::string& name, const Look& look)
    : ScreenBase(name), look_(look), player_(std::make_unique<AnimationPlayer>(this)) {}

DialogScreen::~DialogScreen() = default;

int DialogScreen::frameX() const {
    const GLTexture* frame = resources().getTexture(look_.frameTexture);
    const int width = frame && frame->imageWidth() > 0 ? frame->imageWidth() : look_.frameWidth;
    return (AppConfig::instance().width() - width) / 2;
}

int DialogScreen::frameY() const {
    const GLTexture* frame = resources().getTexture(look_.frameTexture);
    const int height = frame && frame->imageHeight() > 0 ? frame->imageHeight() : look_.frameHeight;
    return (AppConfig::instance().height() - height) / 2;
}

void DialogScreen::loadAnimations() {
    player_->load(Opening, look_.openAnimation);
    player_->load(Closing, look_.closeAnimation);
}

void DialogScreen::playOpening() {
    if (!player_->play(Opening, 0, frameX(), frameY(), this)) {
        animationFinished(Opening);
    }
}

void DialogScreen::playClosing(int exitCode) {
    if (closing_) {
        return;
    }
    closing_ = true;
    removeDialogWidgets();
    frameShown_ = false;
    pendingExit_ = exitCode;
    if (!player_->play(Closing, 0, frameX(), frameY(), this)) {
        animationFinished(Closing);
    }
}

void DialogScreen::animationFinished(int id) {
    if (id == Opening) {
        // The frame is drawn by the screen from now on.
        player_->remove(Opening, this);
        frameShown_ = true;
        buildWidgets();
        listControls();
    } else if (id == Closing) {
        player_->remove(Closing, this);
        close(pendingExit_);
    }
}

void DialogScreen::removeDialogWidgets() {
    for (Widget* widget : dialogWidgets_) {
        safeRemoveWidget(widget);
    }
    dialogWidgets_.clear();
    onWidgetsRemoved();
}

void DialogScreen::drawBackground(Graphics& graphics) {
    const AppConfig& config = AppConfig::instance();
    graphics.fillRect(0, 0, config.width(), config.height(), Color(0, 0, 0, look_.dimAlpha));
    if (frameShown_) {
        graphics.drawTexture(frameX(), frameY(), resources().getTexture(look_.frameTexture),
                             Color());
    }
}

void DialogScreen::onClosed(int) {
    if (GameApp* app = GameApp::instance()) {
        app->popScreen();
    }
}
