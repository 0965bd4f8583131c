#include "game/menus/FlowNavigation.h"

#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/ScreenBase.h"
#include "game/GameDialogs.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/menus/MainMenu.h"

namespace flow_navigation {

void startMainMenu(const std::string& context) {
    if (GameApp* app = GameApp::instance()) {
        app->startScreen(std::make_unique<MainMenu>(context));
    }
}

void startNextScreen(const std::string& contextWhenNone) {
    GameApp* app = GameApp::instance();
    if (!app) {
        return;
    }
    std::unique_ptr<GameState> screen = GameFlow::instance().next(true);
    // The player's place in the story reaches the disk before the next screen.
    GameSave::saveNow();
    if (screen) {
        app->startScreen(std::move(screen));
        return;
    }
    const GameFlow& flow = GameFlow::instance();
    const int position = flow.position();
    engineLog() << "Game flow: no screen can be built at position " << position
                << (position < int(flow.entries().size())
                        ? " (type \"" + flow.entries()[std::size_t(position)].type + "\")"
                        : std::string(" (past the end)"))
                << "; back to the main menu\n";
    startMainMenu(contextWhenNone);
}

void leave(bool toMenu, const std::string& context) {
    GameApp* app = GameApp::instance();
    if (!app) {
        return;
    }
    app->popScreen();
    if (toMenu) {
        startMainMenu(context);
    } else {
        startNextScreen(context);
    }
}

QuillButton* addMenuAndSkip(ScreenBase& screen, QuillButtonListener* listener,
                            ResourceManager& resources, const std::string& textureKey) {
    const GLTexture* texture = resources.getTexture(textureKey);
    if (!texture) {
        texture = applicationTexture(textureKey);
    }
    const int width = texture ? texture->imageWidth() : 128;
    const int height = texture ? texture->imageHeight() : 64;
    constexpr int ScreenWidth = 1024;
    constexpr int Top = 691;
    const std::string menuLabel = applicationLabel("MENU");
    const std::string skipLabel = applicationLabel("SKIP");
    auto menu =
        makeQuillButton(listener, MenuButton, parchmentButtonStyle(texture, menuLabel), menuLabel);
    menu->setBounds(20, Top, width, height);
    screen.addWidget(std::move(menu));
    auto skip =
        makeQuillButton(listener, SkipButton, parchmentButtonStyle(texture, skipLabel), skipLabel);
    skip->setBounds(ScreenWidth - 20 - width, Top, width, height);
    return screen.addWidget(std::move(skip));
}

} // namespace flow_navigation
