#include "engine/ui/AnimationElement2D.h"

#include "engine/anim/TinyActionDelay.h"
#include "engine/anim/TinyActionSequence.h"
#include "engine/anim/TinyLoopAction.h"
#include "engine/anim/TinyParalelAction.h"
#include "engine/anim/TinyRelIncrementator.h"
#include "engine/anim/TinySetter.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kUnchanged = 0.01f;

std::uint8_t channel(float value) {
    return std::uint8_t(std::clamp(int(value), 0, 255));
}

} // namespace

AnimationElement2D::AnimationElement2D(Animation2D* owner, std::string fileName, int type)
    : fileName_(std::move(fileName)), type_(type), owner_(owner) {}

AnimationElement2D::~AnimationElement2D() = default;

bool AnimationElement2D::addKeyFrame(std::unique_ptr<KeyFrame> keyFrame) {
    const int time = keyFrame->timeStamp();
    if (keyFrames_.count(time) != 0) {
        return false;
    }
    lastKeyTime_ = keyFrames_.empty() ? time : std::max(lastKeyTime_, time);
    keyFrames_.emplace(time, std::move(keyFrame));
    return true;
}

const KeyFrame* AnimationElement2D::keyFrameAfter(int t) const {
    const auto next = keyFrames_.upper_bound(t);
    return next == keyFrames_.end() ? nullptr : next->second.get();
}

const KeyFrame* AnimationElement2D::firstKeyFrame() const {
    return keyFrameAfter(-2);
}

void AnimationElement2D::setTexture(const GLTexture* texture) {
    texture_ = texture;
    pivotX = texture ? float(texture->imageWidth()) / 2.0f : 0.0f;
    pivotY = texture ? float(texture->imageHeight()) / 2.0f : 0.0f;
}

void AnimationElement2D::resetToFirstKeyFrame() {
    const KeyFrame* first = firstKeyFrame();
    const KeyFramePropertiesImage* p = first ? first->image() : nullptr;
    if (!p) {
        return;
    }
    x = p->x;
    y = p->y;
    z = p->z;
    angle = p->angle;
    scaleX = p->scaleX;
    scaleY = p->scaleY;
    red = float(p->red);
    green = float(p->green);
    blue = float(p->blue);
    alpha = float(p->alpha);
}

std::unique_ptr<TinyAction> AnimationElement2D::buildActions(int zOffset, bool loop, int length) {
    auto root = std::make_unique<TinyActionSequence>();
    const KeyFrame* key = firstKeyFrame();
    if (key && key->image()) {
        const KeyFramePropertiesImage& p = *key->image();
        auto setters = std::make_unique<TinyParalelAction>();
        const std::pair<float*, float> values[] = {{&x, p.x},
                                                   {&y, p.y},
                                                   {&z, p.z + float(zOffset)},
                                                   {&angle, p.angle},
                                                   {&scaleX, p.scaleX},
                                                   {&scaleY, p.scaleY},
                                                   {&red, float(p.red)},
                                                   {&green, float(p.green)},
                                                   {&blue, float(p.blue)},
                                                   {&alpha, float(p.alpha)}};
        for (const auto& [target, value] : values) {
            setters->add(std::make_unique<TinySetter<float>>(target, value));
        }
        root->add(std::move(setters));
    }
    for (; key; key = keyFrameAfter(key->timeStamp())) {
        const KeyFrame* next = keyFrameAfter(key->timeStamp());
        if (!next) {
            const int remaining = length - key->timeStamp();
            if (remaining != 0) {
                root->add(std::make_unique<TinyActionDelay>(remaining));
            }
            break;
        }
        const KeyFramePropertiesImage* from = key->image();
        const KeyFramePropertiesImage* to = next->image();
        if (!from || !to) {
            continue;
        }
        const int dt = next->timeStamp() - key->timeStamp();
        auto tweens = std::make_unique<TinyParalelAction>();
        const std::tuple<float*, float, float> properties[] = {
            {&x, from->x, to->x},
            {&y, from->y, to->y},
            {&angle, from->angle, to->angle},
            {&scaleX, from->scaleX, to->scaleX},
            {&scaleY, from->scaleY, to->scaleY},
            {&red, float(from->red), float(to->red)},
            {&green, float(from->green), float(to->green)},
            {&blue, float(from->blue), float(to->blue)}};
        for (const auto& [target, a, b] : properties) {
            if (std::fabs(b - a) > kUnchanged) {
                tweens->add(std::make_unique<TinyRelIncrementator<float>>(dt, target, b - a));
            }
        }
        // Alpha always moves, so a pair of equal keyframes still takes its time.
        tweens->add(std::make_unique<TinyRelIncrementator<float>>(
            dt, &alpha, float(to->alpha) - float(from->alpha)));
        root->add(std::move(tweens));
    }
    if (loop) {
        return std::make_unique<TinyLoopAction>(std::move(root), TinyLoopAction::kEndless);
    }
    return root;
}

void AnimationElement2D::render(Graphics& graphics, int ox, int oy) const {
    if (!texture_) {
        return;
    }
    graphics.translate(float(ox) + x + pivotX, float(oy) + y + pivotY);
    graphics.rotate(angle, 0, 0, 1);
    graphics.scale(scaleX * 0.01f, scaleY * 0.01f);
    graphics.translate(-pivotX, -pivotY);
    graphics.drawTexture(0, 0, texture_,
                         Color(channel(red), channel(green), channel(blue), channel(alpha)));
}
