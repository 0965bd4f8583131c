#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

class Font;
class GLTexture;
class Music;
class Sound;
struct _Mix_Music;

// Textures, fonts, music and sounds registered under string keys. The
// manager owns what is registered and frees it when the key is replaced or
// the manager is destroyed. Lookups of unregistered keys give none.
class ResourceManager {
public:
    // Flags of releaseAll/reloadAll.
    static constexpr int Fonts = 1;
    static constexpr int Textures = 2;

    ResourceManager();
    virtual ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // A new key is appended; a registered one keeps its index and its old
    // texture is deleted. Returns the texture; none given is refused with a
    // line (the key stays as it was).
    GLTexture* addTexture(const std::string& key, std::unique_ptr<GLTexture> texture);
    GLTexture* getTexture(const std::string& key) const;
    // The texture's index, -1 for an unregistered key.
    int getTextureIndex(const std::string& key) const;
    GLTexture* textureAt(int index) const;
    int textureCount() const { return int(textures_.size()); }
    // Unregisters the key: the last texture moves into its slot. The texture
    // is handed back (and deleted if the caller drops it).
    std::unique_ptr<GLTexture> removeTexture(const std::string& key);

    Font* addFont(const std::string& key, std::unique_ptr<Font> font);
    Font* getFont(const std::string& key) const;
    Music* addMusic(const std::string& key, std::unique_ptr<Music> music);
    Music* getMusic(const std::string& key) const;
    Sound* addSound(const std::string& key, std::unique_ptr<Sound> sound);
    Sound* getSound(const std::string& key) const;
    // Raw mixer music streams (the menu music), freed with the mixer.
    void addMusicStream(const std::string& key, _Mix_Music* stream);
    _Mix_Music* getMusicStream(const std::string& key) const;

    // Deletes the GL objects of the textures (Textures) and/or fonts (Fonts).
    void releaseAll(int flags);
    // Uploads them again, after the GL context was re-created.
    void reloadAll(int flags);
    // Sets aside the textures read from files (see GLTexture::setAside), or
    // brings them back.
    void setTexturesAside();
    void bringTexturesBack();
    // Frees music, sounds and streams now, while the mixer is still open.
    void releaseAudio();

private:
    std::vector<std::unique_ptr<GLTexture>> textures_;
    std::map<std::string, int> textureIndex_;
    std::map<std::string, std::unique_ptr<Font>> fonts_;
    std::map<std::string, std::unique_ptr<Music>> music_;
    std::map<std::string, std::unique_ptr<Sound>> sounds_;
    std::map<std::string, _Mix_Music*> streams_;
};
