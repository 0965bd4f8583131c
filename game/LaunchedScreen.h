#pragma once

// A screen that a hidden-object scene opens from its step list (a puzzle,
// say) tells the scene how it ended instead of moving the game flow on: the
// scene, uncovered again, decides what follows.
class LaunchedScreenListener {
public:
    // The endings a listener treats apart; every other code means "done,
    // go on" (solved, skipped).
    static constexpr int ReplayExit = 101;
    static constexpr int BackToMenuExit = 1001;

    virtual ~LaunchedScreenListener() = default;
    // The screen's exit code, given just before it leaves the screen stack.
    virtual void launchedScreenEnded(int exitCode) = 0;
};

class LaunchedScreen {
public:
    virtual ~LaunchedScreen() = default;
    // The scene that opened this screen; none (the default) when the game
    // flow started it.
    virtual void setLauncher(LaunchedScreenListener* launcher) = 0;
};
