#pragma once

#include "engine/ui/AnimationListener.h"
#include "engine/ui/ScreenBase.h"

#include <memory>

class AnimationPlayer;

// Told when the logo sequence has played.
class LogoSequenceHost {
public:
    virtual ~LogoSequenceHost() = default;
    virtual void logosDone() = 0;
};

// Plays the configuration's logo screens one after another at start-up, then
// leaves and tells the application. Entries that are not animations, and
// animations that could never end (looping, of no length, or running well
// past their length), are passed over; a click or a key skips the rest.
class LogoSeqManager : public ScreenBase, public AnimationListener {
public:
    static constexpr int DoneEvent = 0;

    explicit LogoSeqManager(LogoSequenceHost* host);
    ~LogoSeqManager() override;

    // The logos draw only their own pictures: the menus' fonts, pictures and
    // sounds load behind them.
    bool showsWhileLoading() const override { return true; }
    void onStart() override {}
    void createWidgets() override {}
    void onShown() override;
    void onUpdate(int elapsedMs) override;
    void onClosed(int exitCode) override;
    void onKeyEvent(const KeyEvent& event) override;
    void mousePressed(const MouseEvent& event) override;
    void animationFinished(int id) override;
    // A click: the automated player has seen the logos before.
    PlayerMove suggestMove() override;

    // How long past its length an animation may run before it is passed over.
    static constexpr int OverrunMs = 1000;

    // The entry playing now; -1 before the first.
    int current() const { return index_; }

private:
    void playNext();
    void endCurrent();
    void skipAll();

    LogoSequenceHost* host_;
    std::unique_ptr<AnimationPlayer> player_;
    int index_ = -1;
    bool started_ = false;
    // Time the current logo has played, and how long it may play.
    int playedMs_ = 0;
    int allowedMs_ = 0;
};
