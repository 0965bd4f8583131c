#include "game/menus/StoryScreen.h"

#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/audio/AudioEngine.h"
#include "engine/audio/SceneMusic.h"
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

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int ScreenWidth = 1024;
constexpr int BandTop = 612;
constexpr int BandHeight = 64;

} // namespace

StoryScreen::StoryScreen(std::string folder, int sceneId)
    : ScreenBase("StoryScreen"), folder_(std::move(folder)), sceneId_(sceneId) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
}

void StoryScreen::onStart() {
    resource_tables::registerStoryTextures(resources());
    slides_ = readSlides(pathIn(folder_, "slides.xml"));
    engineLog() << "Story \"" << folder_ << "\": " << slides_.size() << " slide(s)\n";
    state_ = NextSlide;
}

void StoryScreen::createWidgets() {
    skip_ = flow_navigation::addMenuAndSkip(*this, this, resources(), "STORY_BTN_BASE");
    const std::string music = SceneMusic::instance().musicFor(sceneId_);
    if (!music.empty()) {
        resources().addMusicStream("SCENE_MUSIC", AudioEngine::instance().loadMusic(music));
        AudioEngine::instance().fadeInMusic(resources().getMusicStream("SCENE_MUSIC"), 500, -1);
    }
    listControls();
}

void StoryScreen::onUpdate(int) {
    switch (state_) {
    case Showing:
        if (ticks_ > slideDelay_) {
            state_ = NextSlide;
        }
        break;
    case NextSlide:
        nextSlide();
        break;
    case CrossFading:
        crossFade();
        break;
    default:
        break;
    }
    ++ticks_;
}

void StoryScreen::nextSlide() {
    ++slideIndex_;
    if (slideIndex_ >= int(slides_.size())) {
        state_ = Done;
        if (phase() != Leaving) {
            close(Finished);
        }
        return;
    }
    const Slide& slide = slides_[std::size_t(slideIndex_)];
    slideDelay_ = std::atoi(slide.attribute("delay", std::to_string(DefaultDelayMs)).c_str()) / 10;
    if (!slide.has("file")) {
        // Nothing to show: the next update moves on.
        engineLog() << "Story \"" << folder_ << "\": slide " << slide.id << " has no file\n";
        return;
    }
    previousSlide_ = currentSlide_;
    currentSlide_ = slidePicture(resources(), folder_, slide);
    currentAlpha_ = 0;
    const std::string key = slide.attribute("caption");
    GameApp* app = GameApp::instance();
    caption_.clear();
    if (!key.empty() && app && app->getLabels().hasText(key)) {
        caption_ = app->getLabels().getText(key);
    } else if (!key.empty()) {
        engineLog() << "Story \"" << folder_ << "\": slide " << slide.id << " has the caption \""
                    << key << "\", which has no label; no caption is shown\n";
    }
    engineLog() << "Story slide " << slideIndex_ << " \"" << slide.id << "\"\n";
    state_ = CrossFading;
    ticks_ = 0;
}

void StoryScreen::crossFade() {
    if (ticks_ > CrossFadeTicks) {
        currentAlpha_ = 255;
        state_ = Showing;
        ticks_ = 0;
    }
    currentAlpha_ = std::min(255, currentAlpha_ + ticks_ * 255 / 500);
}

void StoryScreen::drawBackground(Graphics& graphics) {
    if (previousSlide_) {
        graphics.drawTexture(0, 0, previousSlide_, Color(255, 255, 255, 255));
    }
    if (currentSlide_) {
        graphics.drawTexture(0, 0, currentSlide_,
                             Color(255, 255, 255, std::uint8_t(currentAlpha_)));
    }
}

void StoryScreen::drawForeground(Graphics& graphics) {
    const Font* font = applicationFont("FONT_CheltenhamBT22");
    if (caption_.empty() || !font) {
        return;
    }
    // A parchment band at the bottom of the slide, fading in with it.
    graphics.fillRect(0, BandTop, ScreenWidth, BandHeight,
                      Color(244, 232, 204, std::uint8_t(currentAlpha_ * 220 / 255)));
    graphics.fillRect(0, BandTop, ScreenWidth, 2, Color(190, 150, 70, std::uint8_t(currentAlpha_)));
    graphics.fillRect(0, BandTop + BandHeight - 2, ScreenWidth, 2,
                      Color(190, 150, 70, std::uint8_t(currentAlpha_)));
    font->drawTextBox(graphics, WidgetRect(40, BandTop, 0, ScreenWidth - 80, BandHeight), caption_,
                      Color(80, 36, 28, std::uint8_t(currentAlpha_)), Font::AlignCenter,
                      Font::AlignMiddle, true);
}

void StoryScreen::buttonEvent(int id, int code) {
    if (code != ButtonClicked || phase() != Shown) {
        return;
    }
    state_ = Done;
    close(id == flow_navigation::MenuButton ? ToMenu : Finished);
}

void StoryScreen::onClosed(int exitCode) {
    flow_navigation::leave(exitCode == ToMenu, "fromStory");
}

PlayerMove StoryScreen::suggestMove() {
    return clickOn(skip_, "SKIP");
}
