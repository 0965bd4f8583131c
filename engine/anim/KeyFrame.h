#pragma once

#include "engine/anim/MathFunction.h"

#include <memory>
#include <string>

// What a keyframe sets: an image's place and look, or (carrying nothing in
// the file format) a sub-animation, a sound effect or music.
class KeyFrameProperties {
public:
    enum Kind { Image = 0, Animation = 1, SoundEffect = 2, Music = 3 };
    virtual ~KeyFrameProperties() = default;
    virtual int kind() const = 0;
    virtual std::unique_ptr<KeyFrameProperties> clone() const = 0;
};

class KeyFramePropertiesImage : public KeyFrameProperties {
public:
    int kind() const override { return Image; }
    std::unique_ptr<KeyFrameProperties> clone() const override {
        return std::make_unique<KeyFramePropertiesImage>(*this);
    }

    std::string fileName;
    float x = 0;
    float y = 0;
    float z = 0;
    float scaleX = 0;
    float scaleY = 0;
    // The file's angle negated: positive file angles turn clockwise on screen.
    float angle = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;
};

template <int K> class KeyFramePropertiesEmpty : public KeyFrameProperties {
public:
    int kind() const override { return K; }
    std::unique_ptr<KeyFrameProperties> clone() const override {
        return std::make_unique<KeyFramePropertiesEmpty>(*this);
    }
};
using KeyFramePropertiesAnim = KeyFramePropertiesEmpty<KeyFrameProperties::Animation>;
using KeyFramePropertiesSoundEffect = KeyFramePropertiesEmpty<KeyFrameProperties::SoundEffect>;
using KeyFramePropertiesMusic = KeyFramePropertiesEmpty<KeyFrameProperties::Music>;

// One point of an object's timeline.
class KeyFrame {
public:
    KeyFrame(int timeStamp, std::unique_ptr<MathFunction> function,
             std::unique_ptr<KeyFrameProperties> properties)
        : function_(std::move(function)), timeStamp_(timeStamp),
          properties_(std::move(properties)) {}
    virtual ~KeyFrame() = default;

    int timeStamp() const { return timeStamp_; }
    const MathFunction* function() const { return function_.get(); }
    const KeyFrameProperties* properties() const { return properties_.get(); }
    // The image properties, or none for other kinds.
    const KeyFramePropertiesImage* image() const {
        return properties_ && properties_->kind() == KeyFrameProperties::Image
                   ? static_cast<const KeyFramePropertiesImage*>(properties_.get())
                   : nullptr;
    }

private:
    std::unique_ptr<MathFunction> function_;
    int timeStamp_;
    std::unique_ptr<KeyFrameProperties> properties_;
};
