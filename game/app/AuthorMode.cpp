#include "game/app/AuthorMode.h"

#include "engine/app/AppConfig.h"
#include "engine/app/SDLGameApp.h"
#include "engine/core/Log.h"
#include "game/GameFlow.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/menus/FlowNavigation.h"
#include "game/scene/HOScene.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneIndex.h"

#include <SDL.h>

namespace {

// Attribute values that name files or folders of the content.
bool namesFile(const std::string& value) {
    return value.find('/') != std::string::npos || value.find(".xml") != std::string::npos ||
           value.find(".cfg") != std::string::npos;
}

} // namespace

AuthorMode::AuthorMode(SDLGameApp& app, std::string caption)
    : app_(app), caption_(std::move(caption)) {}

bool AuthorMode::keyPressed(int key) {
    switch (key) {
    case SDLK_F5:
        reloadScreen();
        return true;
    case SDLK_F6:
        toggleSceneDebug();
        return true;
    case SDLK_F7:
        nextScreen();
        return true;
    default:
        return false;
    }
}

void AuthorMode::update() {
    const std::string caption = captionFor(app_.topScreen());
    if (caption != shown_) {
        shown_ = caption;
        app_.setCaption(caption);
    }
}

std::string AuthorMode::captionFor(const GameState* screen) const {
    if (!screen) {
        return caption_;
    }
    std::string text = caption_ + " - " + screen->screenName();
    const GameFlow& flow = GameFlow::instance();
    const int position = screen->sourceEntry();
    if (position < 0 || position >= int(flow.entries().size())) {
        return text;
    }
    const GameFlow::Entry& entry = flow.entries()[std::size_t(position)];
    text += " (" + entry.type + ", flow entry " + std::to_string(position) + ")";
    std::string files;
    const std::string folder = GameFlow::attribute(entry.attributes, "configPath");
    for (const auto& [name, value] : entry.attributes) {
        if (name == "configPath" || !namesFile(value)) {
            continue;
        }
        // A scene's files are named relative to its folder.
        const bool inFolder = !folder.empty() && value.find('/') == std::string::npos;
        files += (files.empty() ? "" : ", ") + (inFolder ? folder + value : value);
    }
    if (entry.type == "ho_scene") {
        const int sceneId = GameFlow::intAttribute(entry.attributes, "sceneId", -1);
        if (const SceneIndexEntry* scene = SceneIndex::instance().find(sceneId)) {
            files +=
                ", " + SceneIndex::sceneFilePath(*scene, AppConfig::instance().activeLanguage());
        }
    }
    return files.empty() ? text : text + ": " + files;
}

GameState* AuthorMode::flowScreen() const {
    for (std::size_t i = app_.screenCount(); i-- > 0;) {
        GameState* screen = app_.screenAt(i);
        if (screen && screen->sourceEntry() >= 0) {
            return screen;
        }
    }
    return nullptr;
}

void AuthorMode::clearScreens() {
    while (app_.topScreen()) {
        app_.popScreen();
    }
    // A scene's renderers belong to its items: the old scene must be gone
    // before a new one gives them theirs.
    app_.destroyRetiredScreens();
}

bool AuthorMode::reloadScreen() {
    // Dialogs and puzzles over the flow's screen go with it.
    const GameState* shown = flowScreen();
    if (!shown) {
        const GameState* top = app_.topScreen();
        engineLog() << "Author: F5 rebuilds a screen of the game flow; "
                    << (top ? top->screenName() : std::string("no screen")) << " is not one\n";
        return false;
    }
    const int position = shown->sourceEntry();
    GameFlow& flow = GameFlow::instance();
    if (position >= int(flow.entries().size())) {
        return false;
    }
    const GameFlow::Entry entry = flow.entries()[std::size_t(position)];
    clearScreens();
    if (entry.type == "ho_scene") {
        ItemRegistry::instance().reloadDescriptions(
            GameFlow::intAttribute(entry.attributes, "sceneId", -1));
    }
    std::unique_ptr<GameState> screen = flow.createScreen(entry.type, entry.attributes);
    if (!screen) {
        engineLog() << "Author: the flow entry " << position << " (\"" << entry.type
                    << "\") cannot be built from its files now; back to the main menu\n";
        flow_navigation::startMainMenu("fromAuthor");
        return false;
    }
    engineLog() << "Author: " << screen->screenName() << " rebuilt from its files\n";
    screen->setSourceEntry(position);
    app_.startScreen(std::move(screen));
    return true;
}

void AuthorMode::toggleSceneDebug() {
    HOScene::setDebugOverlay(!HOScene::isDebugOverlayShown());
    engineLog() << "Author: scene debug drawing " << (HOScene::isDebugOverlayShown() ? "on" : "off")
                << '\n';
}

void AuthorMode::nextScreen() {
    const bool inFlow = flowScreen() != nullptr;
    clearScreens();
    GameFlow& flow = GameFlow::instance();
    if (!inFlow) {
        // From a menu: the flow's screen where the player stands, as Play does.
        if (std::unique_ptr<GameState> screen = flow.next(false)) {
            app_.startScreen(std::move(screen));
        } else {
            flow_navigation::startMainMenu("fromAuthor");
        }
        return;
    }
    // A scene left half played starts at its first step next time.
    if (PlayerProfile* player = PlayerProfiles::instance().currentProfile()) {
        player->resumeStep = 0;
    }
    flow_navigation::startNextScreen("fromAuthor");
}
