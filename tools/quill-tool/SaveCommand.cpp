#include "engine/core/Log.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "game/GameSave.h"
#include "game/PlayerProfiles.h"
#include "game/scene/data/ItemRegistry.h"
#include "tools/quill-tool/Commands.h"

#include <iostream>
#include <sstream>

namespace {

nlohmann::json blockJson(const PlayerProfile::Block& bytes) {
    const ItemGroupBlock block = ItemRegistry::decodeBlock(bytes.data(), bytes.size());
    nlohmann::json items = nlohmann::json::array();
    for (const auto& entry : block.entries) {
        items.push_back({{"index", entry.index}, {"sceneId", entry.sceneId}, {"slot", entry.slot}});
    }
    return {{"group", block.group}, {"count", block.declaredCount}, {"items", items}};
}

nlohmann::json profileJson(const PlayerProfile& p) {
    nlohmann::json groups = nlohmann::json::array();
    for (const auto& block : p.sceneStates) {
        groups.push_back(blockJson(block));
    }
    return {{"name", p.name},
            {"flowPosition", p.flowPosition},
            {"resumeStep", p.resumeStep},
            {"started", p.started},
            {"finished", p.finished},
            {"counterA", p.counterA},
            {"counterB", p.counterB},
            {"hintCount", p.hintCount},
            {"completedScenes", p.completedScenes},
            {"hintFlags", p.hintFlags},
            {"itemGroups", groups}};
}

} // namespace

int runSave(const Arguments& args) {
    if (args.size() != 1) {
        return fail("save", "usage: save FILE");
    }
    const std::string& path = args[0];
    FileSaveGame save(path, GameSave::ProductId);
    GameSave::registerEntries(save);
    PlayerProfiles& profiles = PlayerProfiles::instance();
    // Only the stored bytes matter here, not the scenes they name.
    profiles.setSceneLoader([](int) { return ItemDescriptions(); });
    // The failure line below says what the loader would report.
    std::ostringstream diagnostics;
    setEngineLog(&diagnostics);
    const bool loaded = save.load();
    setEngineLog(&std::cerr);
    if (!loaded) {
        return fail("save", "'" + path + "': " + save.lastError());
    }
    if (save.damaged()) {
        return fail("save", "'" + path + "': " + save.lastError());
    }
    nlohmann::json list = nlohmann::json::array();
    for (int i = 0; i < profiles.profileCount(); ++i) {
        list.push_back(profileJson(*profiles.profileAt(i)));
    }
    const auto intValue = [&](const char* key) {
        return save.entry<GenericEntry<int>>(key)->value();
    };
    const auto flag = [&](const char* key) {
        return int(save.entry<GenericEntry<char>>(key)->value());
    };
    return printJson(
        {{"file", path},
         {"productId", save.productId()},
         {"volumes",
          {{"sound", intValue(GameSave::SoundVolume)}, {"music", intValue(GameSave::MusicVolume)}}},
         {"flags",
          {{"fullScreen", flag(GameSave::FullScreen)},
           {"hardwareCursor", flag(GameSave::HardwareCursor)}}},
         {"profiles", list},
         {"currentProfile", profiles.current()}});
}
