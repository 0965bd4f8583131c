#include "game/menus/LogoSeqManager.h"

#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/ui/Animation2D.h"
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
        if (!player_->load(index_, path)) {
            continue;
        }
        const Animation2D* animation = player_->find(index_);
        if (!animation || animation->loops() || animation->length() <= 0) {
            engineLog() << "Logo \"" << path << "\" would never end ("
                        << (animation && animation->loops() ? "it loops" : "it has no length")
                        << ") and is skipped\n";
            continue;
        }
        if (player_->play(index_, 0, 0, 0, this)) {
            playedMs_ = 0;
            allowedMs_ = animation->length() + OverrunMs;
            return;
        }
    }
    close(DoneEvent);
}

void LogoSeqManager::onUpdate(int elapsedMs) {
    if (phase() != Shown || index_ >= int(AppConfig::instance().logoScreens().size())) {
        return;
    }
    playedMs_ += elapsedMs;
    if (playedMs_ > allowedMs_) {
        engineLog() << "Logo " << index_ << " runs past its length and is ended\n";
        endCurrent();
        playNext();
    }
}

void LogoSeqManager::endCurrent() {
    if (player_->find(index_)) {
        player_->stop(index_);
        player_->remove(index_, this);
    }
}

void LogoSeqManager::skipAll() {
    if (phase() != Shown) {
        return;
    }
    engineLog() << "Logos skipped\n";
    endCurrent();
    index_ = int(AppConfig::instance().logoScreens().size());
    close(DoneEvent);
}

void LogoSeqManager::onKeyEvent(const KeyEvent& event) {
    // Alt+F4 and the other special keys arrive without a key.
    if (event.type == KeyEvent::KeyDown && event.key != 0) {
        skipAll();
    }
}

void LogoSeqManager::mousePressed(const MouseEvent&) {
    skipAll();
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

PlayerMove LogoSeqManager::suggestMove() {
    GameApp* app = GameApp::instance();
    if (phase() != Shown || !app) {
        return PlayerMove::wait();
    }
    return PlayerMove::click("the logos", app->width() / 2, app->height() / 2, app->width() / 4,
                             app->height() / 4);
}
