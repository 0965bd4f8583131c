#pragma once

#include "engine/anim/MathFunction.h"
#include "engine/ui/AnimationListener.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Animation2D;
class ResourceManager;
class ScreenBase;

// Loads keyframe animations under ids, plays them as widgets of a screen and
// tells its owner when one has finished. The pictures live in the player's
// own resource manager.
class AnimationPlayer : public AnimationPlayerListener {
public:
    // What loading does with the pictures: tools that only read timelines
    // skip the GL textures and read just the pictures' sizes.
    enum class Pictures { Load, SizeOnly };

    explicit AnimationPlayer(AnimationListener* listener, Pictures pictures = Pictures::Load);
    ~AnimationPlayer() override;
    AnimationPlayer(const AnimationPlayer&) = delete;
    AnimationPlayer& operator=(const AnimationPlayer&) = delete;

    // Reads the file under `id`; an id already loaded is kept. False when
    // the file cannot be read (the id stays free).
    bool load(int id, const std::string& path);
    // Builds and starts the animation; with a screen it becomes a disabled
    // widget of that screen at (x, y). False for an id that is not loaded.
    bool play(int id, int zOffset, int x, int y, ScreenBase* screen);
    void stop(int id);
    void pause(int id);
    void resume(int id);
    void setPosition(int id, int x, int y);
    // Takes the animation off the screen (deleted after the screen's next
    // update) and forgets the id.
    void remove(int id, ScreenBase* screen);
    Animation2D* find(int id) const;
    void registerFunction(std::unique_ptr<MathFunction> function, int id);
    const MathFunction* function(int id) const;

    void animationFinished(int id) override;
    void setListener(AnimationListener* listener) { listener_ = listener; }

private:
    std::map<int, std::unique_ptr<Animation2D>> owned_;
    // Every loaded animation, also those handed to a screen.
    std::map<int, Animation2D*> animations_;
    std::vector<std::pair<std::unique_ptr<MathFunction>, int>> functions_;
    ResourceManager* resources_ = nullptr;
    std::unique_ptr<ResourceManager> ownResources_;
    AnimationListener* listener_;
    Pictures pictures_;
};
