#pragma once

#include "engine/app/InputEvents.h"
#include "engine/app/PlayerMove.h"

#include <memory>
#include <string>

class GameApp;
class Graphics;

// Anything that lives on the application's screen stack.
class GameState : public InputListener {
public:
    ~GameState() override = default;

    void keyEvent(const KeyEvent& event) override { onKeyEvent(event); }
    void mouseEvent(const MouseEvent& event) override { onMouseEvent(event); }

    virtual void onKeyEvent(const KeyEvent& event) = 0;
    virtual void onMouseEvent(const MouseEvent& event) = 0;
    virtual void onAppShutdown(GameApp& /*app*/) {}
    // Puts the screen on the stack. `self` is the screen's own ownership,
    // handed on to the stack (or dropped when another screen goes instead).
    virtual void start(GameApp& app, std::unique_ptr<GameState> self) = 0;
    virtual void onEnter(GameApp& app) = 0;
    // Called as the stack removes the screen; the stack then destroys it.
    virtual void onExit(GameApp& app) = 0;
    virtual void onCovered(GameApp& app) = 0;
    virtual void onUncovered(GameApp& app) = 0;
    virtual void draw(Graphics& graphics) = 0;
    virtual void update(int elapsedMs) = 0;
    virtual void releaseGpuResources() = 0;
    virtual void restoreGpuResources() = 0;

    // What a player would do next here; the automated player acts it out.
    // Screens that do not know wait, and the player reports them stuck.
    virtual PlayerMove suggestMove() { return PlayerMove::wait(); }
    // Whether the screen may show while resources created with deferred
    // loading still load behind it; any other screen starts with them loaded.
    virtual bool showsWhileLoading() const { return false; }
    // Whether the screen's drawing hides the whole window: the screens under
    // it are then not drawn.
    virtual bool coversWindow() const { return false; }
    // A screen above covers the window: nothing of this one shows now.
    virtual void onHidden() {}
    // The labels are now another language's: texts shown go over to it.
    virtual void onLanguageChanged() {}
    // The screen's name in logs and reports.
    virtual std::string screenName() const { return "an unnamed screen"; }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    // The position of the entry in the game's list of screens that built this
    // screen; -1 for a screen built otherwise (menus, dialogs, replays).
    int sourceEntry() const { return sourceEntry_; }
    void setSourceEntry(int position) { sourceEntry_ = position; }

private:
    bool enabled_ = true;
    int sourceEntry_ = -1;
};
