#include "engine/app/GameApp.h"

#include "engine/anim/ActionClock.h"
#include "engine/app/AppConfig.h"
#include "engine/app/GlobalEventManager.h"
#include "engine/core/DeferableResource.h"
#include "engine/persist/LabelManager.h"
#include "engine/persist/SaveGame.h"
#include "engine/platform/Memory.h"
#include "engine/resources/ResourceManager.h"

namespace {
GameApp* theApp = nullptr;

std::uint32_t gameClockNow() {
    return theApp ? theApp->getClock().now() : 0;
}
} // namespace

GameApp* GameApp::instance() {
    return theApp;
}

GameApp::GameApp(std::unique_ptr<TickSource> ticks)
    : ticks_(std::move(ticks)), labels_(std::make_unique<LabelManager>()),
      globalEvents_(std::make_unique<GlobalEventManager>()) {
    if (!ticks_) {
        ticks_ = std::make_unique<SDLTickSource>();
    }
    clock_ = std::make_unique<GameClock>(ticks_.get());
    clock_->restart();
    theApp = this;
    lux::setClockSource(&gameClockNow);
    resources_ = std::make_unique<ResourceManager>();
}

bool GameApp::selectLanguage(const std::string& code) {
    return AppConfig::instance().selectLanguage(code) && reloadLabels();
}

bool GameApp::selectLanguageByIndex(int index) {
    return AppConfig::instance().selectLanguageByIndex(index) && reloadLabels();
}

bool GameApp::reloadLabels() {
    labels_->clear();
    labels_->load(AppConfig::instance().labelsFile());
    onLanguageSelected();
    // By index: a screen may change the stack while it lays out again.
    for (std::size_t i = 0; i < screens_.size(); ++i) {
        screens_[i]->onLanguageChanged();
    }
    return true;
}

void GameApp::setSaveGame(std::unique_ptr<SaveGame> save) {
    saveGame_ = std::move(save);
}

std::pair<ResourceManager*, int> GameApp::createResourceManager() {
    textureOwners_.push_back(std::make_unique<ResourceManager>());
    return {textureOwners_.back().get(), int(textureOwners_.size()) - 1};
}

void GameApp::destroyResourceManager(ResourceManager* manager) {
    for (auto it = textureOwners_.begin(); it != textureOwners_.end(); ++it) {
        if (it->get() == manager) {
            textureOwners_.erase(it);
            return;
        }
    }
}

ResourceManager* GameApp::resourceManagerAt(std::size_t index) const {
    return index < textureOwners_.size() ? textureOwners_[index].get() : nullptr;
}

void GameApp::freeResources() {
    textureOwners_.clear();
    resources_ = std::make_unique<ResourceManager>();
}

GameApp::~GameApp() {
    exitAllScreens();
    destroyRetiredScreens();
    if (theApp == this) {
        theApp = nullptr;
        lux::setClockSource(nullptr);
    }
}

void GameApp::exitAllScreens() {
    while (!screens_.empty()) {
        std::unique_ptr<GameState> top = std::move(screens_.back());
        screens_.pop_back();
        top->onExit(*this);
    }
}

void GameApp::pushScreen(std::unique_ptr<GameState> screen) {
    if (!screen) {
        return;
    }
    if (!screen->showsWhileLoading()) {
        DeferableResource::loadPendingResources();
    }
    if (!screens_.empty()) {
        screens_.back()->onCovered(*this);
    }
    GameState* raw = screen.get();
    screens_.push_back(std::move(screen));
    raw->onEnter(*this);
    // What loading the screen's pictures decoded and padded is free now.
    platform::returnFreeMemory();
}

void GameApp::popScreen() {
    if (screens_.empty()) {
        return;
    }
    std::unique_ptr<GameState> top = std::move(screens_.back());
    screens_.pop_back();
    top->onExit(*this);
    retire(std::move(top));
    if (!screens_.empty()) {
        screens_.back()->onUncovered(*this);
    }
}

void GameApp::replaceTop(std::unique_ptr<GameState> screen) {
    if (screens_.empty()) {
        return;
    }
    std::unique_ptr<GameState> top = std::move(screens_.back());
    screens_.pop_back();
    top->onExit(*this);
    retire(std::move(top));
    startScreen(std::move(screen));
}

GameState* GameApp::topScreen() const {
    return screens_.empty() ? nullptr : screens_.back().get();
}

void GameApp::startScreen(std::unique_ptr<GameState> screen) {
    if (!screen) {
        return;
    }
    GameState* raw = screen.get();
    raw->start(*this, std::move(screen));
}

GameState* GameApp::screenAt(std::size_t index) const {
    return index < screens_.size() ? screens_[index].get() : nullptr;
}

void GameApp::retire(std::unique_ptr<GameState> screen) {
    retired_.push_back(std::move(screen));
}

void GameApp::destroyRetiredScreens() {
    if (retired_.empty()) {
        return;
    }
    // Destroying a screen may pop or retire others; take the list first.
    while (!retired_.empty()) {
        std::vector<std::unique_ptr<GameState>> doomed = std::move(retired_);
        retired_.clear();
        doomed.clear();
    }
    platform::returnFreeMemory();
}
