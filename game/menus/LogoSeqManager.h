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
// leaves and tells the application. Entries that are not animations are
// skipped.
class LogoSeqManager : public ScreenBase, public AnimationListener {
public:
    static constexpr int DoneEvent = 0;

    explicit LogoSeqManager(LogoSequenceHost* host);
    ~LogoSeqManager() override;

    void onStart() override {}
    void createWidgets() override {}
    void onShown() override;
    void onClosed(int exitCode) override;
    void animationFinished(int id) override;

    // The entry playing now; -1 before the first.
    int current() const { return index_; }

private:
    void playNext();

    LogoSequenceHost* host_;
    std::unique_ptr<AnimationPlayer> player_;
    int index_ = -1;
    bool started_ = false;
};
