#include "game/menus/DemoScreen.h"

#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/graphics/Graphics.h"
#include "game/menus/DemoBoxWidget.h"

#include <cmath>

namespace {
const Color kHoney(214, 160, 64);
const Color kTeal(28, 92, 96);
const Color kBurgundy(122, 32, 48);
const Color kCream(244, 232, 206);
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
    graphics.fillRect(150, 110, 724, 230, Color(kCream.r, kCream.g, kCream.b, 235));
    graphics.strokeRect(150, 110, 724, 230, Color(190, 150, 70));
    graphics.strokeRect(156, 116, 712, 218, Color(190, 150, 70, 140));
}

void DemoScreen::drawForeground(Graphics& graphics) {
    // A lantern flame swaying on the panel.
    const float sway = std::sin(float(timeMs_) / 300.0f) * 6.0f;
    const Point base(512, 290);
    graphics.fillTriangle(Point(base.x - 22, base.y), Point(base.x + 22, base.y),
                          Point(base.x + sway, base.y - 120), Color(230, 140, 40, 230));
    graphics.fillTriangle(Point(base.x - 12, base.y), Point(base.x + 12, base.y),
                          Point(base.x + sway * 0.6f, base.y - 70), Color(255, 230, 150, 240));
    graphics.drawLine(Point(300, 320), Point(724, 320), 2.0f, true, Color(122, 32, 48));
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
