#include "game/menus/DemoScreen.h"

#include "engine/app/AppConfig.h"
#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/persist/LabelManager.h"
#include "game/ResourceTables.h"
#include "game/menus/DemoBoxWidget.h"

#include <cmath>

namespace {
const Color kHoney(214, 160, 64);
const Color kTeal(28, 92, 96);
const Color kBurgundy(122, 32, 48);
const Color kCream(244, 232, 206);
const Color kInk(62, 36, 30);

// The panel's text column and the boxes' captions.
constexpr int kPanelLeft = 150;
constexpr int kPanelTop = 40;
constexpr int kPanelWidth = 724;
constexpr int kPanelHeight = 350;

Font* font(const char* key) {
    GameApp* app = GameApp::instance();
    return app ? app->getResources().getFont(key) : nullptr;
}

std::string label(const char* key) {
    GameApp* app = GameApp::instance();
    return app ? app->getLabels().getText(key) : key;
}

std::string boxCaption(std::size_t box) {
    switch (box) {
    case 0:
        return label("PLAY");
    case 1:
        return label("OPTIONS");
    default:
        return label("EXIT_GAME");
    }
}
} // namespace

DemoScreen::DemoScreen(int page) : page_(page) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
}

void DemoScreen::createWidgets() {
    const Color colors[] = {kBurgundy, kTeal, kHoney};
    for (int i = 0; i < 3; ++i) {
        const int x = page_ == 0 ? 212 + i * 210 : 422;
        const int y = page_ == 0 ? 420 : 380 + i * 125;
        auto box =
            std::make_unique<DemoBoxWidget>(WidgetRect(x, y, 0, 180, 100), colors[i], i, this);
        boxes_.push_back(addWidget(std::move(box)));
    }
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
    // A parchment panel with a thin gold frame.
    graphics.fillRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight,
                      Color(kCream.r, kCream.g, kCream.b, 235));
    graphics.strokeRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight, Color(190, 150, 70));
    graphics.strokeRect(kPanelLeft + 6, kPanelTop + 6, kPanelWidth - 12, kPanelHeight - 12,
                        Color(190, 150, 70, 140));
    drawFontSamples(graphics);
}

void DemoScreen::drawFontSamples(Graphics& graphics) {
    // Every start-up font, largest first, with a line that needs Latin-1.
    int y = kPanelTop + 14;
    const int x = kPanelLeft + 22;
    if (Font* title = font("FONT_CheltenhamBT28")) {
        title->drawText(graphics, x, y, AppConfig::instance().caption(), kBurgundy);
        y += title->lineHeight() + 4;
    }
    Font* names = font("FONT_PH_SMALL");
    for (const auto& entry : resource_tables::startupFonts()) {
        Font* sample = font(entry.key);
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
    // A lantern flame swaying beside the text.
    const float sway = std::sin(float(timeMs_) / 300.0f) * 6.0f;
    const Point base(820, 372);
    graphics.fillTriangle(Point(base.x - 14, base.y), Point(base.x + 14, base.y),
                          Point(base.x + sway, base.y - 80), Color(230, 140, 40, 230));
    graphics.fillTriangle(Point(base.x - 8, base.y), Point(base.x + 8, base.y),
                          Point(base.x + sway * 0.6f, base.y - 46), Color(255, 230, 150, 240));
    Font* caption = font("FONT_CheltenhamBT22");
    if (!caption) {
        return;
    }
    for (std::size_t i = 0; i < boxes_.size() && i < 3; ++i) {
        const DemoBoxWidget* box = boxes_[i];
        caption->drawTextBox(graphics,
                             WidgetRect(box->x(), box->y(), 0, box->width(), box->height()),
                             boxCaption(i), kCream, Font::AlignCenter, Font::AlignMiddle, true);
    }
}

void DemoScreen::onUpdate(int elapsedMs) {
    timeMs_ += elapsedMs;
}

void DemoScreen::buttonEvent(int id, int code) {
    if (code == ButtonClicked && phase() == Shown) {
        close(100 + id);
    }
}

void DemoScreen::onClosed(int) {
    GameApp* app = GameApp::instance();
    const int next = page_ == 0 ? 1 : 0;
    // The screen is gone after replaceTop: use only the copied page number.
    app->replaceTop(std::make_unique<DemoScreen>(next));
}
