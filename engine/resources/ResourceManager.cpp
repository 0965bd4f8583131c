#include "engine/resources/ResourceManager.h"

#include "engine/audio/Music.h"
#include "engine/audio/Sound.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"

#include <SDL_mixer.h>

namespace {

template <typename T>
T* replace(std::map<std::string, std::unique_ptr<T>>& table, const std::string& key,
           std::unique_ptr<T> value) {
    T* raw = value.get();
    table[key] = std::move(value);
    return raw;
}

template <typename T>
T* find(const std::map<std::string, std::unique_ptr<T>>& table, const std::string& key) {
    const auto found = table.find(key);
    return found == table.end() ? nullptr : found->second.get();
}

} // namespace

ResourceManager::ResourceManager() = default;

// Sounds, music and streams are freed even after the mixer has closed: SDL_mixer
// frees their memory without touching the closed device.
ResourceManager::~ResourceManager() {
    releaseAudio();
}

GLTexture* ResourceManager::addTexture(const std::string& key, std::unique_ptr<GLTexture> texture) {
    if (!texture) {
        // Every registered texture is released and reloaded with the video
        // mode; an empty slot would be dereferenced then.
        engineLog() << "resources: no texture given for \"" << key << "\", not registered\n";
        return nullptr;
    }
    GLTexture* raw = texture.get();
    const auto found = textureIndex_.find(key);
    if (found != textureIndex_.end()) {
        textures_[std::size_t(found->second)] = std::move(texture);
    } else {
        textures_.push_back(std::move(texture));
        textureIndex_[key] = int(textures_.size()) - 1;
    }
    return raw;
}

GLTexture* ResourceManager::getTexture(const std::string& key) const {
    const auto found = textureIndex_.find(key);
    return found == textureIndex_.end() ? nullptr : textures_[std::size_t(found->second)].get();
}

int ResourceManager::getTextureIndex(const std::string& key) const {
    const auto found = textureIndex_.find(key);
    return found == textureIndex_.end() ? -1 : found->second;
}

GLTexture* ResourceManager::textureAt(int index) const {
    if (index < 0 || index >= int(textures_.size())) {
        return nullptr;
    }
    return textures_[std::size_t(index)].get();
}

std::unique_ptr<GLTexture> ResourceManager::removeTexture(const std::string& key) {
    const auto found = textureIndex_.find(key);
    if (found == textureIndex_.end()) {
        return nullptr;
    }
    const int slot = found->second;
    const int last = int(textures_.size()) - 1;
    std::unique_ptr<GLTexture> removed = std::move(textures_[std::size_t(slot)]);
    if (slot != last) {
        textures_[std::size_t(slot)] = std::move(textures_[std::size_t(last)]);
        for (auto& entry : textureIndex_) {
            if (entry.second == last) {
                entry.second = slot;
            }
        }
    }
    textures_.pop_back();
    textureIndex_.erase(key);
    return removed;
}

Font* ResourceManager::addFont(const std::string& key, std::unique_ptr<Font> font) {
    return replace(fonts_, key, std::move(font));
}

Font* ResourceManager::getFont(const std::string& key) const {
    return find(fonts_, key);
}

Music* ResourceManager::addMusic(const std::string& key, std::unique_ptr<Music> music) {
    return replace(music_, key, std::move(music));
}

Music* ResourceManager::getMusic(const std::string& key) const {
    return find(music_, key);
}

Sound* ResourceManager::addSound(const std::string& key, std::unique_ptr<Sound> sound) {
    return replace(sounds_, key, std::move(sound));
}

Sound* ResourceManager::getSound(const std::string& key) const {
    return find(sounds_, key);
}

void ResourceManager::addMusicStream(const std::string& key, _Mix_Music* stream) {
    auto& slot = streams_[key];
    if (slot && slot != stream) {
        Mix_FreeMusic(slot);
    }
    slot = stream;
}

_Mix_Music* ResourceManager::getMusicStream(const std::string& key) const {
    const auto found = streams_.find(key);
    return found == streams_.end() ? nullptr : found->second;
}

void ResourceManager::releaseAll(int flags) {
    if (flags & Textures) {
        for (auto& texture : textures_) {
            texture->releaseGL();
        }
    }
    if (flags & Fonts) {
        for (auto& entry : fonts_) {
            entry.second->releaseGL();
        }
    }
}

void ResourceManager::reloadAll(int flags) {
    if (flags & Textures) {
        for (auto& texture : textures_) {
            texture->reupload();
        }
    }
    if (flags & Fonts) {
        for (auto& entry : fonts_) {
            entry.second->reupload();
        }
    }
}

void ResourceManager::setTexturesAside() {
    for (auto& texture : textures_) {
        texture->setAside();
    }
}

void ResourceManager::bringTexturesBack() {
    for (auto& texture : textures_) {
        texture->bringBack();
    }
}

void ResourceManager::releaseAudio() {
    sounds_.clear();
    music_.clear();
    for (auto& entry : streams_) {
        if (entry.second) {
            Mix_FreeMusic(entry.second);
        }
    }
    streams_.clear();
}
