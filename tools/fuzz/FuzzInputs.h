#pragma once

// What the fuzz targets do with one input, shared with the test that replays
// every input that ever failed.

#include "engine/app/AppConfig.h"
#include "engine/app/ConfigFile.h"
#include "engine/audio/SceneMusic.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/graphics/AngelFont.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/LabelManager.h"
#include "engine/ui/Animation2D.h"
#include "engine/ui/AnimationPlayer.h"
#include "game/GameFlow.h"
#include "game/GameParameters.h"
#include "game/GameSave.h"
#include "game/PlayerProfiles.h"
#include "game/menus/Slides.h"
#include "game/scene/ItemRendererFactory.h"
#include "game/scene/data/ItemGroupRules.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneFile.h"
#include "game/scene/data/SceneIndex.h"
#include "game/scene/data/SceneMechanics.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

namespace fuzz {

// Loads save-file bytes the way the game does. True when every profile read
// writes back to a record that reads again to the same bytes, and the
// registry restored from the current profile writes blocks that read back
// unchanged.
inline bool loadSaveFile(const std::uint8_t* data, std::size_t size) {
    PlayerProfiles::reset();
    ItemRegistry::reset();
    GameFlow::reset();
    PlayerProfiles& profiles = PlayerProfiles::instance();
    profiles.setSceneLoader([](int) { return ItemDescriptions(); });
    FileSaveGame save("", GameSave::ProductId);
    GameSave::registerEntries(save);
    save.loadBytes(data, size);

    bool consistent = true;
    for (int i = 0; i < profiles.profileCount(); ++i) {
        const std::vector<std::uint8_t> record = profiles.profileAt(i)->record();
        PlayerProfile again;
        std::string damage;
        again.readRecord(record.data(), record.size(), damage);
        consistent = consistent && again.record() == record;
    }
    ItemRegistry& registry = ItemRegistry::instance();
    for (const int group : registry.groupKeys()) {
        const std::vector<std::uint8_t> block = registry.writeGroup(group);
        const ItemGroupBlock decoded = ItemRegistry::decodeBlock(block.data(), block.size());
        consistent = consistent && decoded.complete && decoded.consumed == block.size() &&
                     decoded.group == group &&
                     decoded.entries.size() == registry.itemsOf(group, -1).size();
    }
    PlayerProfiles::reset();
    ItemRegistry::reset();
    return consistent;
}

// Reads scene-file text. True when the items read carry the scene folder and
// a second reading gives equal descriptions.
inline bool readSceneFile(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ItemDescriptions items;
    SceneScreen screen;
    if (!SceneFile::parse(text, "scene/", items, screen)) {
        return items.empty();
    }
    ItemDescriptions again;
    SceneFile::parse(text, "scene/", again, screen);
    bool consistent = again.size() == items.size();
    for (std::size_t i = 0; consistent && i < items.size(); ++i) {
        consistent = items[i]->path == "scene/" && *items[i] == *again[i];
    }
    return consistent;
}

// The data files below are read from disk by their readers, so each input is
// written to a file of the process's own first.
inline std::string asFile(const std::uint8_t* data, std::size_t size, const std::string& name) {
    const std::string path = "/tmp/quill-fuzz-" + std::to_string(getpid()) + "-" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return path;
}

// config.xml, then every language it lists chosen in turn.
inline bool readConfig(const std::uint8_t* data, std::size_t size) {
    AppConfig::reset();
    AppConfig& config = AppConfig::instance();
    if (config.load(asFile(data, size, "config.xml"))) {
        for (std::size_t i = 0; i < config.languages().size(); ++i) {
            config.selectLanguageByIndex(int(i));
        }
    }
    AppConfig::reset();
    return true;
}

// GameParameters.cfg: every value read as a number and as text. True when the
// text of every key reads back as stored.
inline bool readParameters(const std::uint8_t* data, std::size_t size) {
    const std::string path = asFile(data, size, "GameParameters.cfg");
    GameParameters::reset();
    GameParameters::instance().load(path);
    GameParameters::reset();
    ConfigFile file(path);
    bool consistent = true;
    for (const auto& [key, value] : file.entries()) {
        file.read(key, 0);
        file.read(key, 0.0);
        consistent = consistent && file.read(key, std::string()) == value;
    }
    return consistent;
}

// A label table; every key read back.
inline bool readLabels(const std::uint8_t* data, std::size_t size) {
    LabelManager labels;
    labels.load(asFile(data, size, "Labels.xml"));
    return true;
}

// A BMFont XML file without its pages, measured and wrapping a text.
inline bool readFont(const std::uint8_t* data, std::size_t size) {
    const AngelFont font(asFile(data, size, "font.fnt"), AngelFont::Pages::Skip);
    const std::string text = "The Broken Locket \xc3\xa4\xc3\xb6 ~ 12345\nLantern Inn";
    font.textWidth(text);
    font.canDraw(0xE4);
    font.canDraw(0x10FFFF);
    for (const int box : {-5, 0, 1, 40, 300}) {
        font.wrapWords(text, box);
    }
    return font.lineHeight() >= 0;
}

// An animation with the pictures' sizes only, played for up to 2000 frames.
inline bool readAnimation(const std::uint8_t* data, std::size_t size) {
    AnimationPlayer player(nullptr, AnimationPlayer::Pictures::SizeOnly);
    if (!player.load(1, asFile(data, size, "animation.xml"))) {
        return true;
    }
    Animation2D* animation = player.find(1);
    player.play(1, 0, 0, 0, nullptr);
    for (int frame = 0; frame < 2000 && !animation->isFinished(); ++frame) {
        animation->advance(16);
    }
    return true;
}

// The scene index, the item-group rules, the game flow, the sound effects and
// the music list: each read once.
inline bool readSceneIndex(const std::uint8_t* data, std::size_t size) {
    SceneIndex::reset();
    SceneIndex::instance().load(asFile(data, size, "sceneIndex.xml"));
    SceneIndex::reset();
    return true;
}

inline bool readRules(const std::uint8_t* data, std::size_t size) {
    ItemGroupRules::load(asFile(data, size, "rules.xml"));
    return true;
}

inline bool readGameFlow(const std::uint8_t* data, std::size_t size) {
    GameFlow::reset();
    GameFlow::instance().load(asFile(data, size, "GameFlow.xml"));
    GameFlow::reset();
    return true;
}

inline bool readSoundEffects(const std::uint8_t* data, std::size_t size) {
    SfxContainer effects;
    effects.load(asFile(data, size, "sfx.xml"));
    return true;
}

inline bool readMusicList(const std::uint8_t* data, std::size_t size) {
    SceneMusic::reset();
    SceneMusic::instance().load(asFile(data, size, "music.xml"));
    SceneMusic::reset();
    return true;
}

// A slides file of the story or the credits. True when every slide read has
// its id among its attributes, as the file had it.
inline bool readSlideShow(const std::uint8_t* data, std::size_t size) {
    for (const Slide& slide : readSlides(asFile(data, size, "slides.xml"))) {
        if (slide.attribute("id") != slide.id) {
            return false;
        }
    }
    return true;
}

// A scene's mechanics file. True when every Screen step carries its type
// among its attributes, as the file had it.
inline bool readMechanics(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const MechanicStep& step : parseMechanics(text, "Mechanics.xml")) {
        if (step.kind == MechanicStep::Screen && step.attribute("type") != step.name) {
            return false;
        }
    }
    return true;
}

// A scene's renderer rules, read once and each rule looked up again.
inline bool readRendererRules(const std::uint8_t* data, std::size_t size) {
    ItemRendererFactory factory;
    factory.loadRules(asFile(data, size, "Renderers.xml"));
    for (const ItemRendererFactory::Rule& rule : factory.rules()) {
        factory.rendererFor(rule.pattern);
    }
    return true;
}

using Reader = bool (*)(const std::uint8_t*, std::size_t);

// The reader of each fuzz target by its name; none for an unknown name.
inline Reader readerFor(const std::string& target) {
    static const std::map<std::string, Reader> readers = {{"save_file", loadSaveFile},
                                                          {"scene_file", readSceneFile},
                                                          {"config", readConfig},
                                                          {"parameters", readParameters},
                                                          {"labels", readLabels},
                                                          {"font", readFont},
                                                          {"animation", readAnimation},
                                                          {"scene_index", readSceneIndex},
                                                          {"rules", readRules},
                                                          {"game_flow", readGameFlow},
                                                          {"sound_effects", readSoundEffects},
                                                          {"music_list", readMusicList},
                                                          {"slides", readSlideShow},
                                                          {"mechanics", readMechanics},
                                                          {"renderer_rules", readRendererRules}};
    const auto found = readers.find(target);
    return found == readers.end() ? nullptr : found->second;
}

} // namespace fuzz
