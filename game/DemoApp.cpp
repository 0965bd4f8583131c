#include "game/DemoApp.h"

#include "engine/app/AppConfig.h"
#include "engine/platform/Environment.h"
#include "game/menus/DemoScreen.h"

#include <cstdlib>

DemoApp::DemoApp(std::unique_ptr<TickSource> ticks) : SDLGameApp(std::move(ticks)) {
    AppConfig& config = AppConfig::instance();
    config.setScreenResolution(Width, Height, 0);
    config.setCaption("Lantern Inn: The Broken Locket");
    config.setSaveLocation("LanternInn", "profiles.sav");
    setCaption(config.caption());
}

void DemoApp::init() {
    const AppConfig& config = AppConfig::instance();
    if (!openVideo(config.width(), config.height(), config.bitDepth(), false)) {
        return;
    }
    std::srand(platform::randomSeed());
    startScreen(std::make_unique<DemoScreen>(0));
    ready_ = true;
}
