#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

class Sound;

// The sound-effect catalogue: game code plays effects by name ("BUTTON_PRESS")
// and the catalogue, read from sfx.xml, picks one of the name's files at
// random. A process-wide singleton created on first use; `reset` gives tests
// a fresh one.
class SfxContainer {
public:
    static SfxContainer& instance();
    static void reset();

    SfxContainer();
    virtual ~SfxContainer();
    SfxContainer(const SfxContainer&) = delete;
    SfxContainer& operator=(const SfxContainer&) = delete;

    // Reads the catalogue; false (after one diagnostic line) when the file
    // cannot be read or has no SFX root.
    bool load(const std::string& path);
    bool isLoaded() const { return loaded_; }

    // Plays one variant of the effect (endlessly with `loop`); unknown names,
    // empty names and a switched-off catalogue play nothing.
    void play(const std::string& name, bool loop = false);

    // The effects switch: game code plays catalogue effects only while it is on.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // The internal keys of a name's variants (NAME_0, NAME_1, ...).
    std::vector<std::string> keysOf(const std::string& name) const;
    Sound* sound(const std::string& key) const;
    // Frees every effect's sound while the mixer is still open; the names
    // stay, and play nothing from then on.
    void releaseSounds();
    const std::map<std::string, std::vector<std::string>>& names() const { return names_; }
    const std::string& defaultPath() const { return defaultPath_; }

private:
    void addVariant(const std::string& name, const std::string& file);

    std::map<std::string, std::unique_ptr<Sound>> sounds_;
    std::map<std::string, std::vector<std::string>> names_;
    std::string defaultPath_;
    bool loaded_ = false;
    bool enabled_ = true;
};

// Plays a catalogue effect when the effects switch is on: what buttons and
// widgets do for their sounds.
void playSoundEffect(const std::string& name);
