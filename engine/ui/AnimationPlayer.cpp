#include "engine/ui/AnimationPlayer.h"

#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/Animation2D.h"
#include "engine/ui/ScreenBase.h"

#include <tinyxml.h>

#include <cstdlib>

namespace {

// An hour: far beyond any animation, and far from overflowing time sums.
constexpr int MaxTimeMs = 3600 * 1000;
constexpr int MaxScreenSize = 16384;

std::string text(const TiXmlElement* e, const char* name) {
    const char* value = e->Attribute(name);
    return value ? value : "";
}

// A texture that knows only its picture's size: enough for timelines.
class SizeOnlyTexture : public GLTexture {
public:
    SizeOnlyTexture(int width, int height) {
        imageWidth_ = width;
        imageHeight_ = height;
    }
};

} // namespace

AnimationPlayer::AnimationPlayer(AnimationListener* listener, Pictures pictures)
    : listener_(listener), pictures_(pictures) {
    // The application's managers follow display-mode changes.
    if (GameApp* app = GameApp::instance(); app && pictures_ == Pictures::Load) {
        resources_ = app->createResourceManager().first;
    } else {
        ownResources_ = std::make_unique<ResourceManager>();
        resources_ = ownResources_.get();
    }
    registerFunction(LinearRule::makeFunction(0.6f), 0);
}

AnimationPlayer::~AnimationPlayer() {
    // Animations a screen still holds lose their player and pictures: they
    // leave the screen at its next update and draw nothing meanwhile.
    for (auto& [id, animation] : animations_) {
        if (owned_.count(id) == 0) {
            animation->setPlayer(nullptr);
            animation->stop();
            for (auto& element : animation->elements()) {
                element->setTexture(nullptr);
            }
            animation->setVisible(false);
            if (ScreenBase* screen = animation->owningScreen()) {
                screen->safeRemoveWidget(animation);
            }
        }
    }
    owned_.clear();
    animations_.clear();
    if (GameApp* app = GameApp::instance(); app && !ownResources_) {
        app->destroyResourceManager(resources_);
    }
}

void AnimationPlayer::registerFunction(std::unique_ptr<MathFunction> function, int id) {
    functions_.emplace_back(std::move(function), id);
}

const MathFunction* AnimationPlayer::function(int id) const {
    for (const auto& [function, functionId] : functions_) {
        if (functionId == id) {
            return function.get();
        }
    }
    return nullptr;
}

bool AnimationPlayer::load(int id, const std::string& path) {
    if (animations_.count(id) != 0) {
        return true;
    }
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Cannot read the animation '" << path << "': " << error << "\n";
        return false;
    }
    const TiXmlElement* scene = document.FirstChildElement();
    if (!scene || scene->ValueStr() != "Scene") {
        engineLog() << "The animation '" << path << "' has no Scene element\n";
        return false;
    }
    auto animation = std::make_unique<Animation2D>(id);
    animation->path_ = path;
    animation->name_ = text(scene, "name");
    xml::NumberReader numbers(path, "animation");
    animation->loop_ = numbers.integer(scene, "loop") != 0;
    animation->length_ = numbers.ranged(scene, "length", 0, MaxTimeMs);
    if (const TiXmlElement* screen = scene->FirstChildElement("Screen")) {
        animation->screenWidth_ = numbers.ranged(screen, "Width", 0, MaxScreenSize);
        animation->screenHeight_ = numbers.ranged(screen, "Height", 0, MaxScreenSize);
    }
    for (const TiXmlElement* object = scene->FirstChildElement("Object"); object;
         object = object->NextSiblingElement("Object")) {
        auto element = std::make_unique<AnimationElement2D>(animation.get(), text(object, "file"),
                                                            numbers.integer(object, "type"));
        for (const TiXmlElement* key = object->FirstChildElement("KeyFrame"); key;
             key = key->NextSiblingElement("KeyFrame")) {
            const int time = numbers.ranged(key, "TimeStamp", 0, MaxTimeMs);
            const int functionId = numbers.integer(key, "TypeInterpolator");
            const int type = numbers.integer(key, "Type");
            std::unique_ptr<KeyFrameProperties> properties;
            if (type == KeyFrameProperties::Image) {
                auto image = std::make_unique<KeyFramePropertiesImage>();
                image->fileName = element->fileName();
                image->x = numbers.decimal(key, "x");
                image->y = numbers.decimal(key, "y");
                image->z = numbers.decimal(key, "z");
                image->scaleX = numbers.decimal(key, "ScaleX");
                image->scaleY = numbers.decimal(key, "ScaleY");
                image->angle = -numbers.decimal(key, "Angle");
                image->red = numbers.ranged(key, "Red", 0, 255);
                image->green = numbers.ranged(key, "Green", 0, 255);
                image->blue = numbers.ranged(key, "Blue", 0, 255);
                image->alpha = numbers.ranged(key, "Alpha", 0, 255);
                properties = std::move(image);
            } else if (type == KeyFrameProperties::Animation) {
                properties = std::make_unique<KeyFramePropertiesAnim>();
            } else if (type == KeyFrameProperties::SoundEffect) {
                properties = std::make_unique<KeyFramePropertiesSoundEffect>();
            } else if (type == KeyFrameProperties::Music) {
                properties = std::make_unique<KeyFramePropertiesMusic>();
            }
            const MathFunction* rule = function(functionId);
            element->addKeyFrame(std::make_unique<KeyFrame>(time, rule ? rule->clone() : nullptr,
                                                            std::move(properties)));
        }
        animation->elements_.push_back(std::move(element));
    }

    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    for (auto& element : animation->elements_) {
        if (element->type() != AnimationElement2D::ImageObject) {
            continue;
        }
        const std::string picture = folder + element->fileName();
        GLTexture* texture = resources_->getTexture(picture);
        if (!texture) {
            if (pictures_ == Pictures::Load) {
                texture = resources_->addTexture(
                    picture,
                    std::make_unique<GLTexture>(picture, nullptr, GLTexture::KeepFullImage));
            } else {
                const SDLSurfaceImage image(picture);
                texture = resources_->addTexture(
                    picture, std::make_unique<SizeOnlyTexture>(image.width(), image.height()));
            }
        }
        element->setTexture(texture);
        element->resetToFirstKeyFrame();
    }
    animation->sortByDepth();
    animation->setPlayer(this);
    animations_[id] = animation.get();
    owned_[id] = std::move(animation);
    return true;
}

Animation2D* AnimationPlayer::find(int id) const {
    const auto found = animations_.find(id);
    return found == animations_.end() ? nullptr : found->second;
}

bool AnimationPlayer::play(int id, int zOffset, int x, int y, ScreenBase* screen) {
    Animation2D* animation = find(id);
    if (!animation) {
        return false;
    }
    animation->build(zOffset);
    animation->start();
    // An animation that ended the moment it started has told its listener,
    // who may have removed it already.
    animation = find(id);
    if (!animation) {
        return true;
    }
    if (animation->isBuilt() && screen) {
        animation->setEnabled(false);
        const auto owned = owned_.find(id);
        if (owned != owned_.end()) {
            screen->addWidget(std::move(owned->second));
            owned_.erase(owned);
            animation->setOwningScreen(screen);
        }
        animation->setPosition(x, y);
    }
    return animation->isBuilt();
}

void AnimationPlayer::stop(int id) {
    if (Animation2D* animation = find(id)) {
        animation->stop();
    }
}

void AnimationPlayer::pause(int id) {
    if (Animation2D* animation = find(id)) {
        animation->setPaused(true);
    }
}

void AnimationPlayer::resume(int id) {
    if (Animation2D* animation = find(id)) {
        animation->setPaused(false);
    }
}

void AnimationPlayer::setPosition(int id, int x, int y) {
    Animation2D* animation = find(id);
    if (animation && animation->isBuilt()) {
        animation->setPosition(x, y);
    }
}

void AnimationPlayer::remove(int id, ScreenBase* screen) {
    Animation2D* animation = find(id);
    if (!animation) {
        return;
    }
    if (owned_.count(id) == 0) {
        // The screen owns it: it goes at the screen's next update, which may
        // be from inside this animation's own report.
        animation->setPlayer(nullptr);
        ScreenBase* owner = animation->owningScreen() ? animation->owningScreen() : screen;
        if (owner) {
            owner->safeRemoveWidget(animation);
        }
    } else {
        owned_.erase(id);
    }
    animations_.erase(id);
}

void AnimationPlayer::animationFinished(int id) {
    if (listener_) {
        listener_->animationFinished(id);
    }
}
