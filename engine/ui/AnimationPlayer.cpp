#include "engine/ui/AnimationPlayer.h"

#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/Animation2D.h"
#include "engine/ui/ScreenBase.h"

#include <tinyxml.h>

#include <cstdlib>

namespace {

int integer(const TiXmlElement* e, const char* name) {
    const char* value = e->Attribute(name);
    return value ? std::atoi(value) : 0;
}

float decimal(const TiXmlElement* e, const char* name) {
    const char* value = e->Attribute(name);
    return value ? float(std::atof(value)) : 0.0f;
}

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
    if (!document.LoadFile(path.c_str())) {
        engineLog() << "Cannot read the animation '" << path << "': " << document.ErrorDesc()
                    << " (line " << document.ErrorRow() << ")\n";
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
    animation->loop_ = integer(scene, "loop") != 0;
    animation->length_ = integer(scene, "length");
    if (const TiXmlElement* screen = scene->FirstChildElement("Screen")) {
        animation->screenWidth_ = integer(screen, "Width");
        animation->screenHeight_ = integer(screen, "Height");
    }
    for (const TiXmlElement* object = scene->FirstChildElement("Object"); object;
         object = object->NextSiblingElement("Object")) {
        auto element = std::make_unique<AnimationElement2D>(animation.get(), text(object, "file"),
                                                            integer(object, "type"));
        for (const TiXmlElement* key = object->FirstChildElement("KeyFrame"); key;
             key = key->NextSiblingElement("KeyFrame")) {
            const int time = integer(key, "TimeStamp");
            const int functionId = integer(key, "TypeInterpolator");
            const int type = integer(key, "Type");
            std::unique_ptr<KeyFrameProperties> properties;
            if (type == KeyFrameProperties::Image) {
                auto image = std::make_unique<KeyFramePropertiesImage>();
                image->fileName = element->fileName();
                image->x = decimal(key, "x");
                image->y = decimal(key, "y");
                image->z = decimal(key, "z");
                image->scaleX = decimal(key, "ScaleX");
                image->scaleY = decimal(key, "ScaleY");
                image->angle = -decimal(key, "Angle");
                image->red = integer(key, "Red");
                image->green = integer(key, "Green");
                image->blue = integer(key, "Blue");
                image->alpha = integer(key, "Alpha");
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
