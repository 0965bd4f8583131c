#include "engine/audio/SfxContainer.h"

#include "engine/audio/MixSound.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

#include <cstdlib>

namespace {

std::unique_ptr<SfxContainer>& holder() {
    static std::unique_ptr<SfxContainer> container;
    return container;
}

std::string attribute(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value ? value : "";
}

} // namespace

SfxContainer& SfxContainer::instance() {
    auto& container = holder();
    if (!container) {
        container = std::make_unique<SfxContainer>();
    }
    return *container;
}

void SfxContainer::reset() {
    holder().reset();
}

SfxContainer::SfxContainer() = default;

SfxContainer::~SfxContainer() = default;

bool SfxContainer::load(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Cannot read the sound effects '" << path << "': " << error << "\n";
        return false;
    }
    const TiXmlElement* root = document.FirstChildElement();
    if (!root || root->ValueStr() != "SFX") {
        engineLog() << "The sound effects '" << path << "' have no SFX root\n";
        return false;
    }
    if (root->Attribute("defaultPath")) {
        defaultPath_ = attribute(root, "defaultPath");
    }
    for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (e->ValueStr() == "Sound") {
            const std::string name = attribute(e, "name");
            const std::string file = attribute(e, "path");
            if (!name.empty() && !file.empty()) {
                addVariant(name, file);
            }
        } else if (e->ValueStr() == "RandomSound") {
            const std::string name = attribute(e, "name");
            if (name.empty()) {
                continue;
            }
            for (const TiXmlElement* s = e->FirstChildElement("Sound"); s;
                 s = s->NextSiblingElement("Sound")) {
                const std::string file = attribute(s, "path");
                if (!file.empty()) {
                    addVariant(name, file);
                }
            }
        }
    }
    loaded_ = true;
    return true;
}

void SfxContainer::addVariant(const std::string& name, const std::string& file) {
    std::vector<std::string>& keys = names_[name];
    const std::string key = name + "_" + std::to_string(keys.size());
    sounds_[key] = std::make_unique<MixSound>(defaultPath_ + file);
    keys.push_back(key);
}

void SfxContainer::play(const std::string& name, bool loop) {
    if (name.empty() || !enabled_) {
        return;
    }
    const auto found = names_.find(name);
    if (found == names_.end() || found->second.empty()) {
        return;
    }
    const std::vector<std::string>& keys = found->second;
    Sound* sound = this->sound(keys[std::size_t(std::rand()) % keys.size()]);
    if (!sound) {
        return;
    }
    if (loop) {
        sound->play(-1);
    } else {
        sound->play();
    }
}

std::vector<std::string> SfxContainer::keysOf(const std::string& name) const {
    const auto found = names_.find(name);
    return found == names_.end() ? std::vector<std::string>() : found->second;
}

Sound* SfxContainer::sound(const std::string& key) const {
    const auto found = sounds_.find(key);
    return found == sounds_.end() ? nullptr : found->second.get();
}

void SfxContainer::releaseSounds() {
    sounds_.clear();
}

void playSoundEffect(const std::string& name) {
    SfxContainer& effects = SfxContainer::instance();
    if (effects.isEnabled()) {
        effects.play(name, false);
    }
}
