#pragma once

#include "engine/anim/KeyFrame.h"

#include <map>
#include <memory>
#include <string>

class Graphics;
class GLTexture;
class Animation2D;
class TinyAction;

// One animated object: its current values, its picture and its keyframes.
class AnimationElement2D {
public:
    enum Type { ImageObject = 0 };

    AnimationElement2D(Animation2D* owner, std::string fileName, int type);
    virtual ~AnimationElement2D();

    // Draws the picture at (x + this x, y + this y), turned and scaled about
    // its centre.
    virtual void render(Graphics& graphics, int x, int y) const;

    // Adds a keyframe; false (and the keyframe dropped) when one with the
    // same time stamp exists.
    bool addKeyFrame(std::unique_ptr<KeyFrame> keyFrame);
    // The first keyframe: the earliest at -1 ms or later; none without.
    const KeyFrame* firstKeyFrame() const;
    // The keyframe after time t, none after the last.
    const KeyFrame* keyFrameAfter(int t) const;
    const std::map<int, std::unique_ptr<KeyFrame>>& keyFrames() const { return keyFrames_; }
    // Puts the values of the first keyframe in place.
    void resetToFirstKeyFrame();
    // The element's timeline as Tiny actions (setters, tweens, trailing
    // delay; endless when looping), driving this element's values.
    std::unique_ptr<TinyAction> buildActions(int zOffset, bool loop, int length);

    void setTexture(const GLTexture* texture);
    const GLTexture* texture() const { return texture_; }
    const std::string& fileName() const { return fileName_; }
    int type() const { return type_; }
    int lastKeyTime() const { return lastKeyTime_; }
    Animation2D* owner() const { return owner_; }

    float x = 0;
    float y = 0;
    float z = 0;
    float angle = 0;
    float scaleX = 100;
    float scaleY = 100;
    float red = 255;
    float green = 255;
    float blue = 255;
    float alpha = 255;
    float pivotX = 0;
    float pivotY = 0;

private:
    const GLTexture* texture_ = nullptr;
    int lastKeyTime_ = 0;
    std::string fileName_;
    int type_;
    std::map<int, std::unique_ptr<KeyFrame>> keyFrames_;
    Animation2D* owner_;
};
