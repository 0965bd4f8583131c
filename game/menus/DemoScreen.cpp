#include "game/menus/DemoScreen.h"

#include "engine/app/AppConfig.h"
#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/app/SDLGameApp.h"
#include "engine/audio/AudioEngine.h"
#include "engine/audio/SfxContainer.h"
#include "engine/audio/SoundSystem.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/persist/LabelManager.h"
#include "engine/ui/BlinkingVertCursor.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/ClippedImageWidget.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/DraggableImageWidget.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/SimpleImageButton.h"
#include "engine/ui/SimpleTextButton.h"
#include "engine/ui/TextLabel.h"
#include "engine/ui/TextLabelEx.h"
#include "game/ResourceTables.h"
#include "game/menus/GameDialogs.h"

#include <SDL_mixer.h>

#include <cmath>

namespace {
const Color kHoney(214, 160, 64);
const Color kBurgundy(122, 32, 48);
const Color kCream(244, 232, 206);
const Color kInk(62, 36, 30);
const Color kGold(190, 150, 70);

constexpr int kPanelLeft = 150;
constexpr int kPanelTop = 40;
constexpr int kPanelWidth = 724;
constexpr int kPanelHeight = 350;

std::string menuCaption(std::size_t button) {
    switch (button) {
    case 0:
        return applicationLabel("PLAY");
    case 1:
        return applicationLabel("OPTIONS");
    default:
        return applicationLabel("EXIT_GAME");
    }
}

// The standard button: the burgundy plate with its cream label area.
ButtonStyle standardStyle() {
    ButtonStyle style;
    style.fadeTime = 150;
    style.hAlign = Font::AlignCenter;
    style.vAlign = Font::AlignMiddle;
    style.labelRect = WidgetRect(0, -4, 0, 128, 64);
    const GLTexture* base = applicationTexture("GTEX_BTN_BASE");
    const Font* caption = applicationFont("FONT_CheltenhamBT20");
    const Color tints[4] = {Color(255, 255, 255), Color(255, 236, 200), Color(220, 200, 180),
                            Color(150, 150, 150, 200)};
    const Color inks[4] = {kInk, kBurgundy, Color(40, 20, 16), Color(90, 90, 90)};
    for (int i = 0; i < 4; ++i) {
        style.looks[std::size_t(i)].texture = base;
        style.looks[std::size_t(i)].font = caption;
        style.looks[std::size_t(i)].color = tints[i];
        style.looks[std::size_t(i)].labelColor = inks[i];
    }
    return style;
}
} // namespace

DemoScreen::DemoScreen(int page, bool leaveWhenDone) : page_(page), leaveWhenDone_(leaveWhenDone) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
}

void DemoScreen::onStart() {
    if (page_ == 1) {
        resource_tables::registerOptionsMenuTextures(resources());
        resource_tables::registerProfilesMenuTextures(resources());
        resources().addTexture("DEMO_BOOK", std::make_unique<GLTexture>(
                                                "content/images/minigames/screen10/book3.png"));
        resources().addTexture("DEMO_VIEW",
                               std::make_unique<GLTexture>("content/images/menus/main/Bg.png"));
        resources().addTexture("DEMO_FLAG",
                               std::make_unique<GLTexture>("content/images/menus/flags/DE.png"));
    }
}

void DemoScreen::onShown() {
    // The menu music fades in once and then plays on across the pages.
    GameApp* app = GameApp::instance();
    if (app && !Mix_PlayingMusic()) {
        AudioEngine::instance().fadeInMusic(app->getResources().getMusicStream("MAIN_MUSIC"), 500,
                                            -1);
    }
}

void DemoScreen::createWidgets() {
    if (page_ == 0) {
        createFontPage();
    } else {
        createWidgetPage();
    }
}

void DemoScreen::createFontPage() {
    const ButtonStyle style = standardStyle();
    for (std::size_t i = 0; i < 3; ++i) {
        auto button = makeQuillButton(this, FirstMenuButton + int(i), style, menuCaption(i));
        button->setBounds(252 + int(i) * 200, 430, 128, 64);
        menuButtons_.push_back(addWidget(std::move(button)));
    }
}

void DemoScreen::createWidgetPage() {
    auto title = std::make_unique<TextLabel>(
        "Lantern Inn - " + applicationLabel("OPTIONS"), applicationFont("FONT_CheltenhamBT28"),
        TextLabel::Centred, kCream, Color(0, 0, 0, 0), Color(40, 20, 10, 160));
    title->setBounds(0, 16, 1024, 40);
    addWidget(std::move(title));

    // Volumes and effects, in the options menu's own pictures.
    const int left = 80;
    const char* const names[] = {"MUSIC", "SOUND"};
    for (int i = 0; i < 2; ++i) {
        auto caption = std::make_unique<TextLabel>(applicationLabel(names[i]),
                                                   applicationFont("FONT_CheltenhamBT20"));
        caption->setTextColour(kInk);
        caption->setBounds(left, 104 + i * 50, 140, 30);
        addWidget(std::move(caption));
        auto slider = std::make_unique<CustomSliderWidget>(
            MusicSlider + i, this, left + 150, 108 + i * 50,
            resources().getTexture("OPT_SLIDER_RAIL"), resources().getTexture("OPT_SLIDER_THUMB"));
        slider->setFillTexture(resources().getTexture("OPT_SLIDER_FILL"), 2, 5);
        slider->setThumbOffset(-12, -6);
        slider->setValue(i == 0 ? float(AppConfig::instance().musicVolume()) / 100.0f
                                : float(AppConfig::instance().soundVolume()) / 100.0f);
        CustomSliderWidget* added = addWidget(std::move(slider));
        if (i == 0) {
            musicSlider_ = added;
        }
    }
    auto effects = std::make_unique<CheckBoxWidget>(this, EffectsCheckBox,
                                                    resources().getTexture("OPT_CHECKBOX_OFF"),
                                                    resources().getTexture("OPT_CHECKBOX_ON"));
    effects->setPosition(left + 150, 200);
    effects->setTicked(SfxContainer::instance().isEnabled());
    effectsCheckBox_ = addWidget(std::move(effects));
    auto effectsCaption =
        std::make_unique<TextLabel>("Sound effects", applicationFont("FONT_CheltenhamBT20"));
    effectsCaption->setTextColour(kInk);
    effectsCaption->setBounds(left + 190, 204, 200, 30);
    addWidget(std::move(effectsCaption));

    // A name field with a blinking cursor.
    auto prompt = std::make_unique<TextLabel>(applicationLabel("ENTER_YOUR_NAME"),
                                              applicationFont("FONT_PH_SMALL"));
    prompt->setTextColour(Color(110, 80, 60));
    prompt->setBounds(left, 256, 340, 20);
    addWidget(std::move(prompt));
    auto input = std::make_unique<TextInputWidget>("Zo\xC3\xAB", this, 16, false);
    input->setFont(applicationFont("FONT_CheltenhamBT22"));
    input->setBoxColour(Color(255, 250, 236, 255));
    input->setTextColour(kInk);
    input->setTextPosition(8, 6);
    input->setCursor(std::make_unique<BlinkingVertCursor>(Color(122, 32, 48, 220), 500, 2));
    input->setBounds(left, 278, 340, 36);
    addWidget(std::move(input));

    // A wrapped paragraph.
    auto paragraph = std::make_unique<TextLabelEx>(applicationLabel("MESSAGE_QUIT"),
                                                   applicationFont("FONT_CheltenhamBT20"), kInk,
                                                   Color(255, 250, 236, 160));
    paragraph->setBounds(left, 340, 340, 110);
    addWidget(std::move(paragraph));

    // A list of players with the profile rows.
    auto list = std::make_unique<SimpleTextListWidget>(this, NameList,
                                                       applicationFont("FONT_CheltenhamBT20"));
    list->setRowTexture(resources().getTexture("PROF_NAME_BG_N"));
    list->setSelectedRowTexture(resources().getTexture("PROF_NAME_BG_S"));
    for (const char* name : {"Mira", "Zo\xC3\xAB", "Herr M\xC3\xBCller", "Grandmother", "Tom",
                             "Ines", "Jakob", "Rosa"}) {
        list->addItem(name);
    }
    list->setPosition(560, 100);
    addWidget(std::move(list))->select(1);

    // Pictures: one to drag, one seen through a window, one to click.
    addWidget(std::make_unique<DraggableImageWidget>(resources().getTexture("DEMO_BOOK"), this,
                                                     BookPicture, 860, 90));
    auto view = std::make_unique<ClippedImageWidget>(resources().getTexture("DEMO_VIEW"), 560, 280);
    view->setClip(580, 300, 250, 140);
    addWidget(std::move(view));
    auto flag = std::make_unique<ClickableImageWidget>(resources().getTexture("DEMO_FLAG"));
    flag->setPosition(560, 470);
    flag->setListener(this);
    flag->setId(FlagPicture);
    flag->setPixelPrecise(true);
    addWidget(std::move(flag));

    // The three button kinds.
    auto tooltipButton =
        makeQuillButton(this, TooltipButton, standardStyle(), applicationLabel("HINT"));
    tooltipButton->setBounds(left, 640, 128, 64);
    tooltipButton->setTooltip(applicationFont("FONT_PH_SMALL"), "A QuillButton with a tooltip");
    addWidget(std::move(tooltipButton));
    auto answer = std::make_unique<SimpleTextButton>(
        this, AnswerButton, applicationFont("FONT_CheltenhamBT20"), applicationLabel("YES"));
    answer->setBoxColors(Color(244, 232, 206), Color(214, 160, 64), Color(122, 32, 48));
    answer->setTextColors(kInk, kInk, kCream);
    answer->setBounds(260, 652, 110, 44);
    addWidget(std::move(answer));
    auto back = std::make_unique<SimpleImageButton>(
        this, 690, 650, 260, 48, applicationTexture("GTEX_BTN_PH_N"),
        applicationTexture("GTEX_BTN_PH_O"), nullptr, BackButton,
        applicationFont("FONT_CheltenhamBT22"), applicationLabel("CONTINUE"));
    back->setTextColors(kCream, Color(255, 230, 150), Color(255, 255, 255));
    back->setTextOffset(0, 2);
    backButton_ = addWidget(std::move(back));
}

void DemoScreen::drawPanel(Graphics& graphics, int x, int y, int width, int height) {
    graphics.fillRect(x, y, width, height, Color(kCream.r, kCream.g, kCream.b, 235));
    graphics.strokeRect(x, y, width, height, kGold);
    graphics.strokeRect(x + 6, y + 6, width - 12, height - 12, Color(190, 150, 70, 140));
}

void DemoScreen::drawBackground(Graphics& graphics) {
    // A warm vertical gradient in bands, the colour of lantern light at dusk.
    const Color top = page_ == 0 ? Color(40, 28, 30) : Color(16, 40, 44);
    const Color bottom = page_ == 0 ? Color(150, 96, 44) : Color(60, 110, 100);
    const int bands = 48;
    for (int i = 0; i < bands; ++i) {
        const int y0 = i * 768 / bands;
        const int y1 = (i + 1) * 768 / bands;
        auto mix = [&](std::uint8_t a, std::uint8_t b) {
            return std::uint8_t(a + (int(b) - int(a)) * i / (bands - 1));
        };
        graphics.fillRect(0, y0, 1024, y1 - y0,
                          Color(mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)));
    }
    if (page_ == 0) {
        drawPanel(graphics, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
        drawFontSamples(graphics);
    } else {
        drawPanel(graphics, 60, 80, 410, 390);
        drawPanel(graphics, 540, 80, 424, 470);
        // The dark well the list's light rows are made for.
        graphics.fillRect(550, 90, 240, 166, Color(24, 70, 74, 255));
        graphics.strokeRect(550, 90, 240, 166, kGold);
    }
}

void DemoScreen::drawFontSamples(Graphics& graphics) {
    // Every start-up font, largest first, with a line that needs Latin-1.
    int y = kPanelTop + 14;
    const int x = kPanelLeft + 22;
    if (Font* title = applicationFont("FONT_CheltenhamBT28")) {
        title->drawText(graphics, x, y, AppConfig::instance().caption(), kBurgundy);
        y += title->lineHeight() + 4;
    }
    Font* names = applicationFont("FONT_PH_SMALL");
    for (const auto& entry : resource_tables::startupFonts()) {
        Font* sample = applicationFont(entry.key);
        if (!sample) {
            continue;
        }
        if (names) {
            names->drawText(graphics, x, y + (sample->lineHeight() - names->lineHeight()) / 2,
                            entry.key, Color(120, 96, 80));
        }
        const std::string longSample = "Zo\xC3\xAB & M\xC3\xBCller, Gr\xC3\xB6\xC3\x9F"
                                       "e, AVATAR";
        const std::string shortSample = "Zo\xC3\xAB & M\xC3\xBCller, Gr\xC3\xB6\xC3\x9F"
                                        "e";
        const int room = kPanelLeft + kPanelWidth - 20 - (x + 210);
        sample->drawText(graphics, x + 210, y,
                         sample->textWidth(longSample) <= room ? longSample : shortSample, kInk);
        y += sample->lineHeight();
    }
}

void DemoScreen::drawForeground(Graphics& graphics) {
    if (page_ == 0) {
        // A lantern flame swaying beside the text.
        const float sway = std::sin(float(timeMs_) / 300.0f) * 6.0f;
        const Point base(820, 372);
        graphics.fillTriangle(Point(base.x - 14, base.y), Point(base.x + 14, base.y),
                              Point(base.x + sway, base.y - 80), Color(230, 140, 40, 230));
        graphics.fillTriangle(Point(base.x - 8, base.y), Point(base.x + 8, base.y),
                              Point(base.x + sway * 0.6f, base.y - 46), Color(255, 230, 150, 240));
        return;
    }
    if (Font* small = applicationFont("FONT_PH_SMALL")) {
        small->drawText(graphics, 560, 580, status_, kCream);
    }
}

void DemoScreen::onUpdate(int elapsedMs) {
    timeMs_ += elapsedMs;
}

void DemoScreen::buttonEvent(int id, int code) {
    if (phase() != Shown) {
        return;
    }
    if (code == ButtonClicked &&
        ((id >= FirstMenuButton && id < FirstMenuButton + 3) || id == BackButton)) {
        close(100 + id);
        return;
    }
    if (code == ButtonClicked && id == TooltipButton) {
        openQuestion();
        return;
    }
    if (code == ButtonClicked || code == ButtonPressed || code == ButtonDropped) {
        static const char* const codes[] = {"pressed", "clicked", "entered", "left", "dropped"};
        status_ = "Widget " + std::to_string(id) + " " + codes[code];
    }
}

void DemoScreen::onSliderChanged(int sliderId, float value) {
    auto* app = dynamic_cast<SDLGameApp*>(GameApp::instance());
    const int volume = int(value * 100.0f);
    if (app && sliderId == MusicSlider) {
        app->getSoundSystem().setMusicVolume(volume);
    } else if (app && sliderId == SoundSlider) {
        app->getSoundSystem().setChannelVolume(-1, volume);
    }
    status_ = (sliderId == MusicSlider ? "Music " : "Sound ") + std::to_string(volume);
}

void DemoScreen::onCheckChanged(int, bool ticked) {
    SfxContainer::instance().setEnabled(ticked);
    status_ = ticked ? "Sound effects on" : "Sound effects off";
}

void DemoScreen::onItemSelected(int, int index) {
    status_ = "Player " + std::to_string(index + 1) + " selected";
}

void DemoScreen::onTextChanged(const std::string& text, int) {
    reportedText_ = text;
    status_ = "Name: " + text;
}

void DemoScreen::openQuestion() {
    addWidget(std::make_unique<MessageQuestionDialogSimple>(
        parchmentDialogDesc(applicationLabel("EXIT_GAME"), applicationLabel("MESSAGE_QUIT"),
                            applicationLabel("YES"), applicationLabel("NO"), offsetX(), offsetY()),
        this));
}

void DemoScreen::onQuestionAnswered(int, int answer) {
    status_ = answer == 1 ? "Answered yes" : "Answered no";
}

void DemoScreen::onClosed(int) {
    GameApp* app = GameApp::instance();
    if (leaveWhenDone_) {
        app->popScreen();
        return;
    }
    const int next = page_ == 0 ? 1 : 0;
    // The screen is gone after replaceTop: use only the copied page number.
    app->replaceTop(std::make_unique<DemoScreen>(next));
}
