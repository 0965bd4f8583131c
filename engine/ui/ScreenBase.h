#pragma once

#include "engine/app/GameState.h"
#include "engine/app/Transition.h"
#include "engine/ui/WidgetListeners.h"

#include <memory>
#include <string>
#include <vector>

class GLTexture;
class MouseListeningWidget;
class ResourceManager;
class Widget;
class WidgetManager;

// The concrete base of every screen: owns its widgets and their manager, its
// transitions, and runs the enter -> shown -> leaving -> closed phases.
class ScreenBase : public GameState,
                   public TransitionListener,
                   public ButtonListener,
                   public MouseListener {
public:
    enum Phase { Entering = 0, Leaving = 1, Shown = 2 };
    static constexpr int InTransitionId = -1000;
    static constexpr int OutTransitionId = -1001;

    explicit ScreenBase(const std::string& name = std::string());
    ~ScreenBase() override;

    void onKeyEvent(const KeyEvent& event) override;
    void onMouseEvent(const MouseEvent& event) override;
    void start(GameApp& app, std::unique_ptr<GameState> self) override;
    void onEnter(GameApp& app) override;
    void onExit(GameApp& app) override;
    void onCovered(GameApp& app) override;
    void onUncovered(GameApp& app) override;
    void draw(Graphics& graphics) override;
    void update(int elapsedMs) override;
    void releaseGpuResources() override;
    void restoreGpuResources() override;

    virtual void onStart() = 0;
    virtual void createWidgets() = 0;
    virtual void onUpdate(int /*elapsedMs*/) {}
    virtual void drawForeground(Graphics& /*graphics*/) {}
    virtual void drawBackground(Graphics& /*graphics*/) {}
    // The picture drawBackground lays first at the screen's origin, if any.
    // When it is opaque and fills the game's area the screen covers the
    // window, and the screens under it are not drawn.
    virtual const GLTexture* backdrop() const { return nullptr; }
    bool coversWindow() const override;
    // A screen that releases its pictures when hidden sets its textures aside
    // there and brings them back before it shows again.
    void onHidden() override;
    virtual void onShown() {}
    virtual void onClosed(int /*exitCode*/) {}

    void transitionFinished(int id) override;
    void buttonPressed(int /*id*/) override {}
    void buttonClicked(int /*id*/) override {}
    void mousePressed(const MouseEvent& /*event*/) override {}
    void mouseMoved(const MouseEvent& /*event*/) override {}
    void mouseReleased(const MouseEvent& /*event*/) override {}

    // Takes ownership and registers the widget with the manager.
    template <typename W> W* addWidget(std::unique_ptr<W> widget) {
        W* raw = widget.get();
        adoptWidget(std::unique_ptr<Widget>(std::move(widget)));
        return raw;
    }
    // Unregisters the widget and hands its ownership back.
    std::unique_ptr<Widget> removeWidget(Widget* widget);
    void deleteWidget(Widget* widget);
    // For use inside widget callbacks: the widget leaves the manager at once
    // and is deleted at the next update.
    void safeRemoveWidget(Widget* widget);

    void close(int exitCode, bool disableInput = true);
    // Plays the in-transition again, input off until it ends and the screen
    // shows as after entering (a screen uncovered by one it opened).
    void enterAgain();
    void setInTransition(std::unique_ptr<Transition> transition);
    void setOutTransition(std::unique_ptr<Transition> transition);
    void setSubstitute(std::unique_ptr<GameState> substitute);
    void relayout();
    void setOffset(int x, int y);
    // One log line per named widget on the screen with its centre in window
    // coordinates, written at the first update from which clicks reach them:
    // what a player's report or an outside test can click.
    void listControls() { controlsToLog_ = true; }
    // For screens that may lie long under others (a menu under the game it
    // started): hidden, they hold no pixels, at the price of reading their
    // pictures again when uncovered.
    void releasePicturesWhenHidden() { releasePicturesWhenHidden_ = true; }
    bool picturesSetAside() const { return picturesSetAside_; }

    std::string screenName() const override { return name_.empty() ? "ScreenBase" : name_; }
    // A click on the widget's middle for the automated player, when a player
    // could click it now (the screen shown, the widget on it and enabled);
    // otherwise a wait. `what` names it when the widget has no name.
    PlayerMove clickOn(const Widget* widget, const std::string& what = std::string()) const;
    // With a message dialog open on the screen: true, and the move that gives
    // it the answer (a button id of the dialog; a one-button dialog has only
    // its own) once it shows its buttons.
    bool dialogMove(PlayerMove& move, int answer) const;

    const std::string& name() const { return name_; }
    int phase() const { return phase_; }
    int exitCode() const { return exitCode_; }
    int offsetX() const { return offsetX_; }
    int offsetY() const { return offsetY_; }
    // The pointer in window coordinates; false while no application runs.
    virtual bool pointerPosition(int& x, int& y) const;
    WidgetManager& widgetManager() { return *widgetManager_; }
    // What this screen registers for itself; freed with the screen.
    ResourceManager& resources() { return *resources_; }
    const ResourceManager& resources() const { return *resources_; }
    MouseListeningWidget* rootWidget() const { return rootWidget_; }
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }
    std::size_t pendingRemovals() const { return pendingRemovals_.size(); }
    Transition* inTransition() const { return inTransition_.get(); }
    Transition* outTransition() const { return outTransition_.get(); }

private:
    void adoptWidget(std::unique_ptr<Widget> widget);
    void showNow();
    void bringPicturesBack();
    void logControls() const;
    // Runs one drawing step translated by the screen's offset.
    template <typename Step> void drawStep(Graphics& graphics, Step step);

    MouseListeningWidget* rootWidget_ = nullptr;
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::unique_ptr<WidgetManager> widgetManager_;
    std::unique_ptr<ResourceManager> resources_;
    std::unique_ptr<Transition> inTransition_;
    std::unique_ptr<Transition> outTransition_;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::vector<Widget*> pendingRemovals_;
    std::unique_ptr<GameState> substitute_;
    std::string name_;
    int exitCode_ = 0;
    int phase_ = Entering;
    bool controlsToLog_ = false;
    bool releasePicturesWhenHidden_ = false;
    bool picturesSetAside_ = false;
};
