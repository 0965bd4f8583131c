#include "game/menus/LogoSeqManager.h"

#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/ui/AnimationPlayer.h"

LogoSeqManager::LogoSeqManager(LogoSequenceHost* host)
    : ScreenBase("LogoSeqManager"), host_(host), player_(std::make_unique<AnimationPlayer>(this)) {}

LogoSeqManager::~LogoSeqManager() = default;

void LogoSeqManager::onShown() {
    if (!started_) {
        started_ = true;
        playNext();
    }
}

void LogoSeqManager::playNext() {
    const auto& logos = AppConfig::instance().logoScreens();
    // Anything but an animation would wait for ever: such entries are passed over.
    while (++index_ < int(logos.size())) {
        const AppConfig::LogoScreen& logo = logos[std::size_t(index_)];
        if (logo.type != "ANIMATION") {
            engineLog() << "Logo entry " << index_ << " of type \"" << logo.type
                        << "\" is skipped\n";
            continue;
        }
        const std::string path = logo.folder + logo.fileName;
        if (player_->load(index_, path) && player_->play(index_, 0, 0, 0, this)) {
            return;
        }
    }
    close(DoneEvent);
}

void LogoSeqManager::animationFinished(int id) {
    player_->stop(id);
    player_->remove(id, this);
    playNext();
}

void LogoSeqManager::onClosed(int) {
    GameApp* app = GameApp::instance();
    LogoSequenceHost* host = host_;
    if (app) {
        app->popScreen();
    }
    if (host) {
        host->logosDone();
    }
}
