#include "engine/ui/Animation2D.h"

#include "engine/anim/TinyAction.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/AnimationListener.h"

#include <algorithm>

Animation2D::Animation2D(int id) : id_(id) {}

Animation2D::~Animation2D() {
    // Actions point into the elements: drop them first.
    actions_.clear();
    retired_.clear();
}

void Animation2D::sortByDepth() {
    std::stable_sort(elements_.begin(), elements_.end(),
                     [](const auto& a, const auto& b) { return int(a->z) < int(b->z); });
}

void Animation2D::build(int zOffset) {
    if (built_) {
        return;
    }
    zOffset_ = zOffset;
    actions_.clear();
    for (auto& element : elements_) {
        actions_.push_back(element->buildActions(zOffset, loop_, length_));
    }
    built_ = true;
}

void Animation2D::start() {
    finished_ = false;
    starting_ = true;
    endedAtStart_ = false;
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (!actions_[i]->isRunning()) {
            actions_[i]->start(this, int(i));
        }
    }
    starting_ = false;
    if (endedAtStart_ && player_) {
        // Told last, touching nothing after: the listener may remove this
        // animation.
        player_->animationFinished(id_);
    }
}

void Animation2D::stop() {
    for (auto& action : actions_) {
        action->stop();
    }
    // Stopped from inside an action's own report: the actions are deleted
    // once the update walk is over.
    if (updating_) {
        for (auto& action : actions_) {
            retired_.push_back(std::move(action));
        }
    }
    actions_.clear();
    built_ = false;
    for (auto& element : elements_) {
        element->resetToFirstKeyFrame();
    }
}

void Animation2D::advance(int elapsedMs) {
    if (paused_) {
        return;
    }
    // An action's end may reach the owner, which may stop this animation:
    // walk by index and re-check.
    updating_ = true;
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        actions_[i]->update(elapsedMs);
    }
    updating_ = false;
    retired_.clear();
}

void Animation2D::update(int elapsedMs, ScreenBase*) {
    advance(elapsedMs);
}

void Animation2D::actionFinished(int index) {
    // The last element's timeline ends the animation.
    if (index == int(elements_.size()) - 1) {
        finished_ = true;
        if (starting_) {
            endedAtStart_ = true;
            return;
        }
        if (player_) {
            player_->animationFinished(id_);
        }
    }
}

void Animation2D::render(Graphics& graphics, ScreenBase*) {
    if (!manager()) {
        return;
    }
    for (const auto& element : elements_) {
        if (element->type() == AnimationElement2D::ImageObject) {
            graphics.pushTransform();
            element->render(graphics, 0, 0);
            graphics.popTransform();
        }
    }
}

void Animation2D::renderAt(Graphics& graphics) const {
    for (const auto& element : elements_) {
        if (element->type() == AnimationElement2D::ImageObject) {
            graphics.pushTransform();
            element->render(graphics, x(), y());
            graphics.popTransform();
        }
    }
}
