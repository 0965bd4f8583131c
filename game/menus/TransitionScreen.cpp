#include "game/menus/TransitionScreen.h"

#include "engine/anim/ActionDelay.h"
#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "game/ResourceTables.h"
#include "game/menus/FlowNavigation.h"

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

std::unique_ptr<Transition> fade(bool in, int ms) {
    if (ms <= 0) {
        return std::make_unique<EmptyTransition>();
    }
    if (in) {
        return std::make_unique<FadeInTransition>(ms);
    }
    return std::make_unique<FadeOutTransition>(ms);
}

} // namespace

TransitionScreen::TransitionScreen(std::string caption, int screenDurationMs, int fadeInMs,
                                   int fadeOutMs)
    : ScreenBase("TransitionScreen"), caption_(std::move(caption)),
      screenDurationMs_(std::max(0, screenDurationMs)) {
    setInTransition(fade(true, fadeInMs));
    setOutTransition(fade(false, fadeOutMs));
}

TransitionScreen::~TransitionScreen() = default;

void TransitionScreen::onStart() {
    resource_tables::registerTransitionScreenTextures(resources());
    GameApp* app = GameApp::instance();
    const bool known = app && app->getLabels().hasText(caption_);
    captionText_ = known ? app->getLabels().getText(caption_) : caption_;
    if (!known) {
        engineLog() << "Transition screen: no label \"" << caption_ << "\", shown as written\n";
    }
    engineLog() << "Transition screen: \"" << captionText_ << "\"\n";
}

void TransitionScreen::createWidgets() {
    // A disabled button serves as the caption plate.
    const GLTexture* plate = resources().getTexture("TRANSITION_SCREEN_TITLE_CONTAINER");
    const int width = plate ? plate->imageWidth() : 600;
    const int height = plate ? plate->imageHeight() : 120;
    ButtonStyle style;
    style.hAlign = Font::AlignCenter;
    style.vAlign = Font::AlignMiddle;
    style.labelRect = WidgetRect(5, 0, 0, width - 10, height);
    for (std::size_t i = 0; i < style.looks.size(); ++i) {
        style.looks[i].texture = plate;
        style.looks[i].font = applicationFont("FONT_CheltenhamBT28");
        style.looks[i].labelColor = Color(250, 236, 200, 255); // cream on the burgundy plate
    }
    auto button = makeQuillButton(this, 0, style, captionText_);
    button->setBounds((ScreenWidth - width) / 2 - offsetX(),
                      (ScreenHeight - height) / 2 - offsetY(), width, height);
    button->setEnabled(false);
    addWidget(std::move(button));

    delay_ = std::make_unique<lux::ActionDelay>(lux::Duration(screenDurationMs_));
    delay_->start(this, 0);
}

void TransitionScreen::onUpdate(int elapsedMs) {
    if (delay_ && delay_->isRunning()) {
        delay_->update(elapsedMs);
    }
}

void TransitionScreen::drawBackground(Graphics& graphics) {
    graphics.drawTexture(0, 0, resources().getTexture("TRANSITION_SCREEN_BG"),
                         Color(255, 255, 255, 255));
}

void TransitionScreen::mousePressed(const MouseEvent&) {
    if (phase() == Shown) {
        close(ClickedAway);
    }
}

void TransitionScreen::actionFinished(int) {
    if (phase() != Leaving) {
        close(TimeUp);
    }
}

void TransitionScreen::onClosed(int) {
    flow_navigation::leave(false, "fromTransition");
}

PlayerMove TransitionScreen::suggestMove() {
    if (phase() != Shown) {
        return PlayerMove::wait();
    }
    return PlayerMove::click("the chapter card", offsetX() + ScreenWidth / 2,
                             offsetY() + ScreenHeight / 2, 200, 150);
}
