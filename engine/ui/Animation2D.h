#pragma once

#include "engine/anim/TinyActionListener.h"
#include "engine/ui/AnimationElement2D.h"
#include "engine/ui/Widget.h"

#include <memory>
#include <string>
#include <vector>

class AnimationPlayerListener;
class TinyAction;

// A keyframe animation read from a file: its objects, drawn in z order, each
// driven by a tree of Tiny actions. Shown as a widget of a screen.
class Animation2D : public Widget, public TinyActionListener {
public:
    explicit Animation2D(int id);
    ~Animation2D() override;

    void update(int elapsedMs, ScreenBase* screen) override;
    // Draws every image object, with (0, 0) at the animation's position.
    void render(Graphics& graphics, ScreenBase* screen) override;
    // For drawing outside a widget manager: adds the position itself.
    void renderAt(Graphics& graphics) const;
    void actionFinished(int index) override;

    // Builds every element's actions (once) and starts those not running.
    void build(int zOffset);
    void start();
    // Stops and drops the actions and puts every element back at its start.
    void stop();
    // Steps every action, as the widget update does.
    void advance(int elapsedMs);

    int id() const { return id_; }
    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    int length() const { return length_; }
    bool loops() const { return loop_; }
    bool isBuilt() const { return built_; }
    bool isPaused() const { return paused_; }
    void setPaused(bool paused) { paused_ = paused; }
    bool isFinished() const { return finished_; }
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    int zOffset() const { return zOffset_; }
    std::vector<std::unique_ptr<AnimationElement2D>>& elements() { return elements_; }
    const std::vector<std::unique_ptr<AnimationElement2D>>& elements() const { return elements_; }

    // Who hears of the end; none once the player is gone.
    void setPlayer(AnimationPlayerListener* player) { player_ = player; }
    AnimationPlayerListener* player() const { return player_; }
    // The screen that owns the widget now, if any.
    void setOwningScreen(ScreenBase* screen) { owningScreen_ = screen; }
    ScreenBase* owningScreen() const { return owningScreen_; }

private:
    friend class AnimationPlayer;

    // Lower z behind; equal z keep file order.
    void sortByDepth();

    std::vector<std::unique_ptr<AnimationElement2D>> elements_;
    bool built_ = false;
    std::vector<std::unique_ptr<TinyAction>> actions_;
    std::vector<std::unique_ptr<TinyAction>> retired_;
    bool updating_ = false;
    int length_ = 0;
    bool loop_ = false;
    std::string path_ = "not loaded";
    std::string name_ = "anim noname";
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    AnimationPlayerListener* player_ = nullptr;
    int zOffset_ = 0;
    int id_;
    bool paused_ = false;
    bool finished_ = false;
    // An animation that ends while it starts tells its player when start returns.
    bool starting_ = false;
    bool endedAtStart_ = false;
    ScreenBase* owningScreen_ = nullptr;
};
