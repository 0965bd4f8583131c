#include "game/menus/OptionsMenu.h"

#include "engine/app/AppConfig.h"
#include "engine/app/DisplayControl.h"
#include "engine/app/GameApp.h"
#include "engine/audio/SoundSystem.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/GenericEntry.h"
#include "engine/persist/SaveGame.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "game/GameDialogs.h"
#include "game/GameSave.h"
#include "game/ResourceTables.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kFrameWidth = 460;
constexpr int kFrameHeight = 400;
constexpr int kControlX = 210;
constexpr int kFlagGap = 8;
constexpr int kOkTop = 292;
constexpr int kOkHeight = 64;
// The thumb's left edge at volume 0, relative to the rail; the automated
// player's drag aims by it.
constexpr int kThumbOffsetX = -12;

int gClosedThisRun = 0;

// The volume the automated player moves the music to: well away from the
// current one, so that the change shows in the save.
int musicVolumeChoice(int current) {
    return current >= 50 ? current - 30 : current + 30;
}

DisplayControl* display() {
    GameApp* app = GameApp::instance();
    return app ? app->display() : nullptr;
}

SoundSystem* soundSystem() {
    GameApp* app = GameApp::instance();
    return app ? app->soundSystem() : nullptr;
}

GlobalEventManager* globalEvents() {
    GameApp* app = GameApp::instance();
    return app ? &app->globalEvents() : nullptr;
}

const SaveGame* saveGame() {
    GameApp* app = GameApp::instance();
    return app ? app->getSaveGame() : nullptr;
}

} // namespace

OptionsMenu::OptionsMenu()
    : DialogScreen("OptionsMenu",
                   {"OPT_BG", kFrameWidth, kFrameHeight, 128, OpenAnimation, CloseAnimation}),
      soundVolume_(GameSave::setting<int>(saveGame(), GameSave::SoundVolume)),
      musicVolume_(GameSave::setting<int>(saveGame(), GameSave::MusicVolume)),
      fullScreen_(GameSave::setting<char>(saveGame(), GameSave::FullScreen)),
      customCursor_(GameSave::setting<char>(saveGame(), GameSave::HardwareCursor)),
      events_(globalEvents()) {
    musicAtOpen_ = musicVolume_ ? musicVolume_->value() : -1;
    if (events_) {
        listenerId_ = events_->registerListener(this);
        events_->subscribe(listenerId_, GlobalEventManager::VideoModeChanged);
    }
}

OptionsMenu::~OptionsMenu() {
    // The application may be gone already when the program ends.
    if (events_ && GameApp::instance() && listenerId_ >= 0) {
        events_->unregisterListener(listenerId_);
    }
}

std::string OptionsMenu::versionFromDate(const char* date) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char month[4] = {};
    int day = 0;
    int year = 0;
    if (!date || std::sscanf(date, "%3s %d %d", month, &day, &year) != 3) {
        engineLog() << "Options: cannot read the build date '" << (date ? date : "") << "'\n";
        return {};
    }
    for (int i = 0; i < 12; ++i) {
        if (std::strcmp(month, months[i]) == 0) {
            char text[32];
            std::snprintf(text, sizeof text, "%d%02d%02d ", year - 2000, i + 1, day);
            return text;
        }
    }
    engineLog() << "Options: unknown month in the build date '" << date << "'\n";
    return {};
}

std::string OptionsMenu::buildVersion() {
    return versionFromDate(__DATE__);
}

void OptionsMenu::onStart() {
    resource_tables::registerOptionsMenuTextures(resources());
    loadAnimations();
}

void OptionsMenu::createWidgets() {
    playOpening();
}

void OptionsMenu::buildWidgets() {
    const int x = frameX();
    const int y = frameY();
    const Font* font = applicationFont("FONT_CheltenhamBT20");
    auto title = std::make_unique<TextLabel>(applicationLabel("OPTIONS"),
                                             applicationFont("FONT_CheltenhamBT28"),
                                             TextLabel::CentredHorizontally, parchmentTitle());
    title->setBounds(x, y + 22, kFrameWidth, 36);
    addDialogWidget(std::move(title));

    auto caption = [&](const char* key, int top) {
        auto label = std::make_unique<TextLabel>(applicationLabel(key), font, TextLabel::TopLeft,
                                                 parchmentInk());
        label->setBounds(x + 40, top, kControlX - 50, 30);
        addDialogWidget(std::move(label));
    };

    const int sliderIds[] = {SoundSlider, MusicSlider};
    const GenericEntry<int>* volumes[] = {soundVolume_, musicVolume_};
    const char* const sliderKeys[] = {"SOUND", "MUSIC"};
    for (int i = 0; i < 2; ++i) {
        const int top = y + 92 + 50 * i;
        caption(sliderKeys[i], top);
        auto slider = std::make_unique<CustomSliderWidget>(
            sliderIds[i], this, x + kControlX, top + 4, resources().getTexture("OPT_SLIDER_RAIL"),
            resources().getTexture("OPT_SLIDER_THUMB"));
        slider->setFillTexture(resources().getTexture("OPT_SLIDER_FILL"), 2, 5);
        slider->setThumbOffset(kThumbOffsetX, -6);
        const int volume = volumes[i] ? volumes[i]->value() : GameSave::DefaultVolume;
        slider->setValue(float(volume) / 100.0f);
        slider->setName(applicationLabel(sliderKeys[i]));
        sliders_[sliderIds[i]] = addDialogWidget(std::move(slider));
    }

    const int boxIds[] = {CursorBox, FullScreenBox};
    const GenericEntry<char>* flags[] = {customCursor_, fullScreen_};
    const char* const boxKeys[] = {"CUSTOM_CURSOR", "FULL_SCREEN"};
    for (int i = 0; i < 2; ++i) {
        const int top = y + 192 + 48 * i;
        caption(boxKeys[i], top + 4);
        auto box = std::make_unique<CheckBoxWidget>(this, boxIds[i],
                                                    resources().getTexture("OPT_CHECKBOX_OFF"),
                                                    resources().getTexture("OPT_CHECKBOX_ON"));
        box->setPosition(x + kControlX, top);
        box->setTicked(flags[i] && flags[i]->value() != 0);
        box->setName(applicationLabel(boxKeys[i]));
        checkBoxes_[boxIds[i]] = addDialogWidget(std::move(box));
    }

    const GLTexture* base = resources().getTexture("OPT_BTN_BASE");
    ok_ = addDialogWidget(makeParchmentButton(this, OkButton, base, applicationLabel("OK")));
    ok_->setBounds(x + (kFrameWidth - 128) / 2, y + kOkTop, 128, kOkHeight);

    // The languages' flags right of OK, the chosen one framed (drawForeground).
    const std::vector<AppConfig::Language>& languages = AppConfig::instance().languages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const std::string& path = languages[i].flag;
        GLTexture* picture = resources().getTexture(path);
        if (!picture && !path.empty()) {
            picture = resources().addTexture(path, std::make_unique<GLTexture>(path));
        }
        auto flag = std::make_unique<ClickableImageWidget>(picture);
        const int width = picture && picture->imageWidth() > 0 ? picture->imageWidth() : 52;
        const int height = picture && picture->imageHeight() > 0 ? picture->imageHeight() : 36;
        const int fromRight = int(languages.size() - i);
        flag->setBounds(x + kFrameWidth - 34 - fromRight * (width + kFlagGap) + kFlagGap,
                        y + kOkTop + (kOkHeight - height) / 2, width, height);
        flag->setListener(this);
        flag->setId(FirstFlag + int(i));
        flag->setName(languages[i].name);
        flags_.push_back(addDialogWidget(std::move(flag)));
    }

    auto version = std::make_unique<TextLabel>(applicationLabel("VERSION") + buildVersion(),
                                               applicationFont("FONT_CheltenhamBT16"),
                                               TextLabel::TopLeft, Color(128, 100, 76));
    version->setBounds(x + 30, y + kFrameHeight - 40, 200, 20);
    addDialogWidget(std::move(version));
    engineLog() << "Options open\n";
}

void OptionsMenu::onWidgetsRemoved() {
    sliders_[0] = sliders_[1] = nullptr;
    checkBoxes_[0] = checkBoxes_[1] = nullptr;
    ok_ = nullptr;
    flags_.clear();
    hovered_.clear();
    tooltip_.clear();
}

void OptionsMenu::onSliderChanged(int sliderId, float value) {
    const int volume = int(value * 100.0f);
    SoundSystem* sound = soundSystem();
    if (sliderId == MusicSlider) {
        if (musicVolume_) {
            musicVolume_->setValue(volume);
        }
        if (sound) {
            sound->setMusicVolume(volume);
        }
    } else if (sliderId == SoundSlider) {
        if (soundVolume_) {
            soundVolume_->setValue(volume);
        }
        if (sound) {
            sound->setChannelVolume(-1, volume);
        }
    }
}

void OptionsMenu::onCheckChanged(int checkBoxId, bool ticked) {
    if (checkBoxId == FullScreenBox) {
        if (fullScreen_) {
            fullScreen_->setValue(ticked ? 1 : 0);
        }
    } else if (checkBoxId == CursorBox) {
        if (customCursor_) {
            customCursor_->setValue(ticked ? 1 : 0);
        }
        if (DisplayControl* screen = display()) {
            screen->useCustomCursor(ticked);
        }
    }
    GameSave::saveNow();
}

void OptionsMenu::onGlobalEvent(int event, int) {
    if (event == GlobalEventManager::VideoModeChanged && checkBoxes_[FullScreenBox] &&
        fullScreen_) {
        checkBoxes_[FullScreenBox]->setTicked(fullScreen_->value() != 0);
    }
}

void OptionsMenu::onLanguageChanged() {
    if (isFrameShown() && !isClosing()) {
        removeDialogWidgets();
        buildWidgets();
    }
}

void OptionsMenu::buttonEvent(int id, int code) {
    const std::size_t language = std::size_t(id - FirstFlag);
    if (id >= FirstFlag && language < flags_.size()) {
        // On the release, as a button would.
        GameApp* app = GameApp::instance();
        if (code == ButtonClicked && app) {
            app->selectLanguage(AppConfig::instance().languages()[language].code);
        }
        return;
    }
    if (code != ButtonClicked || id != OkButton || !ok_) {
        return;
    }
    // On the disk before the closing animation: a game killed meanwhile keeps
    // the volumes chosen.
    GameSave::saveNow();
    playClosing(ClosedExitCode);
}

std::string OptionsMenu::hoveredTooltip() const {
    GameApp* app = GameApp::instance();
    if (!app || !isFrameShown()) {
        return {};
    }
    int mx = 0;
    int my = 0;
    app->getMousePosition(mx, my);
    mx -= offsetX();
    my -= offsetY();
    const Widget* const targets[] = {sliders_[SoundSlider], sliders_[MusicSlider],
                                     checkBoxes_[FullScreenBox]};
    const char* const keys[] = {"TOOLTIP_SLIDER_SOUND", "TOOLTIP_SLIDER_MUSIC",
                                "TOOLTIP_CHECKBOX_FULL_SCREEN"};
    const auto under = [mx, my](const Widget* w) {
        return w && mx >= w->x() && mx < w->x() + w->width() && my >= w->y() &&
               my < w->y() + w->height();
    };
    for (int i = 0; i < 3; ++i) {
        if (under(targets[i])) {
            return applicationLabel(keys[i]);
        }
    }
    // A language is named in itself, so that a player finds their own.
    for (const ClickableImageWidget* flag : flags_) {
        if (under(flag)) {
            return flag->name();
        }
    }
    return {};
}

void OptionsMenu::onUpdate(int elapsedMs) {
    const std::string text = hoveredTooltip();
    if (text != hovered_) {
        hovered_ = text;
        hoverMs_ = 0;
        tooltip_.clear();
        return;
    }
    if (!text.empty() && tooltip_.empty()) {
        hoverMs_ += elapsedMs;
        if (hoverMs_ >= TooltipDelayMs) {
            tooltip_ = text;
        }
    }
}

void OptionsMenu::drawForeground(Graphics& graphics) {
    const std::vector<AppConfig::Language>& languages = AppConfig::instance().languages();
    for (std::size_t i = 0; i < flags_.size() && i < languages.size(); ++i) {
        if (languages[i].code != AppConfig::instance().activeLanguage()) {
            continue;
        }
        // The chosen language's flag in a gold frame.
        const Widget& chosen = *flags_[i];
        graphics.frameRect(chosen.x() - 3, chosen.y() - 3, chosen.width() + 6, chosen.height() + 6,
                           2, Color(214, 170, 60, 255));
    }
    const Font* font = applicationFont("FONT_CheltenhamBT16");
    GameApp* app = GameApp::instance();
    if (tooltip_.empty() || !font || !app) {
        return;
    }
    int mx = 0;
    int my = 0;
    app->getMousePosition(mx, my);
    const int w = font->textWidth(tooltip_);
    const int h = font->lineHeight();
    const int left = std::min(mx - offsetX() + 12, AppConfig::instance().width() - w - 8);
    const int top = my - offsetY() - h - 10;
    graphics.fillRect(left - 3, top - 3, w + 6, h + 6, parchmentInk());
    graphics.fillRect(left - 2, top - 2, w + 4, h + 4, Color(255, 248, 228));
    font->drawText(graphics, left, top, tooltip_, parchmentInk());
}

void OptionsMenu::onClosed(int) {
    GameApp* app = GameApp::instance();
    if (!app) {
        return;
    }
    if (SaveGame* save = app->getSaveGame()) {
        save->save();
    }
    DisplayControl* screen = display();
    if (screen && fullScreen_) {
        const bool wanted = fullScreen_->value() != 0;
        if (!screen->setFullScreen(wanted) || screen->isFullScreen() != wanted) {
            // The mode could not change: the file keeps the mode in use.
            engineLog() << "Options: the screen mode could not be changed\n";
            fullScreen_->setValue(screen->isFullScreen() ? 1 : 0);
            if (SaveGame* save = app->getSaveGame()) {
                save->save();
            }
        }
    }
    engineLog() << "Options closed, sound " << (soundVolume_ ? soundVolume_->value() : -1)
                << ", music " << (musicVolume_ ? musicVolume_->value() : -1) << '\n';
    ++gClosedThisRun;
    DialogScreen::onClosed(ClosedExitCode);
}

int OptionsMenu::closedThisRun() {
    return gClosedThisRun;
}

void OptionsMenu::resetClosedThisRun() {
    gClosedThisRun = 0;
}

PlayerMove OptionsMenu::suggestMove() {
    if (isClosing()) {
        return PlayerMove::wait();
    }
    const CustomSliderWidget* music = sliders_[MusicSlider];
    if (gClosedThisRun == 0 && music && musicVolume_ && musicVolume_->value() == musicAtOpen_) {
        // The slider takes a drag when it would take a click.
        const PlayerMove ready = clickOn(music);
        const GLTexture* thumb = music->thumbTexture();
        if (ready.kind != PlayerMove::Click || !thumb || music->width() <= 0) {
            return ready;
        }
        const int target = musicVolumeChoice(musicAtOpen_);
        // The hand holds the thumb by its middle, as the slider measures it;
        // aiming half a step past the volume's own pixel keeps float
        // rounding from giving the one below.
        const int grab = thumb->imageWidth() / 2;
        const int left = offsetX() + music->x() + grab;
        const int along = int(std::lround((target + 0.5) * music->width() / 100.0));
        const int y = offsetY() + music->y() + music->height() / 2;
        return PlayerMove::drag(music->name() + " to " + std::to_string(target),
                                left + music->thumbX(), y, left + kThumbOffsetX + along, y);
    }
    return clickOn(ok_, "OK");
}
