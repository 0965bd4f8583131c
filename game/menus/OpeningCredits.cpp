#include "game/menus/OpeningCredits.h"

#include "engine/app/AppConfig.h"
#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/audio/AudioEngine.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/QuillButton.h"
#include "game/LanguageChoice.h"
#include "game/menus/FlowNavigation.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr int FadeMs = 1000;

} // namespace

OpeningCredits::OpeningCredits(std::string folder, std::string fileName)
    : ScreenBase("OpeningCredits"), folder_(std::move(folder)), fileName_(std::move(fileName)) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
}

void OpeningCredits::createWidgets() {
    // The credits have their text painted in: each language its own pictures.
    const std::string file =
        language_choice::localisedFile(folder_ + fileName_, AppConfig::instance().activeLanguage());
    slides_ = readSlides(file);
    engineLog() << "Credits \"" << file << "\": " << slides_.size() << " slide(s)\n";
    // Slide 0 becomes the one below, slide 1 the one that fades in.
    advance();
    advance();
    skip_ = flow_navigation::addMenuAndSkip(*this, this, resources(), "GTEX_BTN_BASE");
    GameApp* app = GameApp::instance();
    if (_Mix_Music* music = app ? app->getResources().getMusicStream("MAIN_MUSIC") : nullptr) {
        AudioEngine::instance().fadeInMusic(music, 500, -1);
    }
    listControls();
}

bool OpeningCredits::advance() {
    ++slideIndex_;
    if (slideIndex_ >= int(slides_.size())) {
        return false;
    }
    const Slide& slide = slides_[std::size_t(slideIndex_)];
    if (const GLTexture* picture = slidePicture(resources(), folder_, slide)) {
        previousSlide_ = currentSlide_;
        currentAlpha_ = 0;
        currentSlide_ = picture;
    }
    engineLog() << "Credits slide " << slideIndex_ << " \"" << slide.id << "\"\n";
    return true;
}

void OpeningCredits::onShown() {
    startSlideAction();
}

void OpeningCredits::startSlideAction() {
    actionRunning_ = true;
    actionMs_ = 0;
    zoomFrom_ = zoom_;
    zoomBy_ = zoom_ <= 1.0f ? ZoomStep : -ZoomStep;
}

void OpeningCredits::onUpdate(int elapsedMs) {
    if (!actionRunning_) {
        return;
    }
    actionMs_ = std::min(SlideMs, actionMs_ + std::max(0, elapsedMs));
    zoom_ = zoomFrom_ + zoomBy_ * float(actionMs_) / float(SlideMs);
    if (actionMs_ > HoldMs) {
        currentAlpha_ = std::min(255, (actionMs_ - HoldMs) * 255 / FadeMs);
    }
    if (actionMs_ < SlideMs) {
        return;
    }
    actionRunning_ = false;
    if (advance()) {
        startSlideAction();
    } else if (phase() == Shown) {
        close(Finished);
    }
}

void OpeningCredits::drawZoomed(Graphics& graphics, const GLTexture* picture, int alpha) const {
    if (!picture) {
        return;
    }
    const float width = float(picture->imageWidth());
    const float height = float(picture->imageHeight());
    graphics.pushTransform();
    graphics.translate(width / 2, height / 2);
    graphics.scale(zoom_, zoom_);
    graphics.translate(-width / 2, -height / 2);
    graphics.drawTexture(0, 0, picture, Color(255, 255, 255, std::uint8_t(alpha)));
    graphics.popTransform();
}

void OpeningCredits::drawBackground(Graphics& graphics) {
    graphics.setClipRect(offsetX(), offsetY(), ScreenWidth, ScreenHeight);
    graphics.setClipping(true);
    drawZoomed(graphics, previousSlide_, 255);
    drawZoomed(graphics, currentSlide_, currentAlpha_);
    graphics.setClipping(false);
}

void OpeningCredits::buttonEvent(int id, int code) {
    if (code != ButtonClicked || phase() != Shown) {
        return;
    }
    actionRunning_ = false;
    close(id == flow_navigation::MenuButton ? ToMenu : Finished);
}

void OpeningCredits::onClosed(int exitCode) {
    flow_navigation::leave(exitCode == ToMenu, "fromCredits");
}

PlayerMove OpeningCredits::suggestMove() {
    return clickOn(skip_, "SKIP");
}
