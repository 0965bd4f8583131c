#include "engine/app/AppConfig.h"
#include "game/scene/data/ItemGroupRules.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneFile.h"
#include "game/scene/data/SceneIndex.h"
#include "tools/quill-tool/Commands.h"

#include <cstdlib>
#include <fstream>

namespace {

constexpr const char* kConfigPath = "content/config/config.xml";

nlohmann::json itemJson(std::size_t index, const ItemDescription& d, int group) {
    return {{"index", index},
            {"group", group},
            {"name", d.name},
            {"image", d.image},
            {"layer", d.layer},
            {"majorGroupID", d.majorGroupID},
            {"minorGroupID", d.minorGroupID},
            {"x", d.x},
            {"y", d.y},
            {"angle", d.angle},
            {"color", {d.R, d.G, d.B, d.A}},
            {"type", d.type},
            {"infoTip", d.infoTip},
            {"typeId", d.typeId}};
}

} // namespace

int runScene(const Arguments& args) {
    const Arguments rest = positional(args, {"--rules", "--index", "--config", "--language"});
    const std::string rulesPath = option(args, "--rules", "");
    if (rest.size() != 1 || rulesPath.empty()) {
        return fail("scene", "usage: scene ID --rules FILE [--index FILE] [--config FILE] "
                             "[--language CODE]");
    }
    char* end = nullptr;
    const long id = std::strtol(rest[0].c_str(), &end, 10);
    if (rest[0].empty() || *end != '\0') {
        return fail("scene", "the scene id must be a number, not '" + rest[0] + "'");
    }
    const std::string configPath = option(args, "--config", kConfigPath);
    AppConfig::reset();
    if (!AppConfig::instance().load(configPath)) {
        return fail("scene", "cannot read the configuration '" + configPath + "'");
    }
    const std::string language = option(args, "--language", "");
    if (!language.empty()) {
        AppConfig::instance().selectLanguage(language);
        if (AppConfig::instance().activeLanguage() != language) {
            return fail("scene", "the configuration lists no language '" + language + "'");
        }
    }
    const std::string indexPath = option(args, "--index", SceneIndex::DefaultPath);
    if (!SceneIndex::instance().load(indexPath)) {
        return fail("scene", "cannot read the scene index '" + indexPath + "'");
    }
    const SceneIndexEntry* entry = SceneIndex::instance().find(int(id));
    if (!entry) {
        return fail("scene", "scene " + rest[0] + " is not in '" + indexPath + "'");
    }
    if (!std::ifstream(rulesPath)) {
        return fail("scene", "cannot open the rule file '" + rulesPath + "'");
    }
    const std::string file =
        SceneIndex::sceneFilePath(*entry, AppConfig::instance().activeLanguage());
    ItemDescriptions items;
    SceneScreen screen;
    if (!SceneFile::read(file, entry->path, items, screen)) {
        return fail("scene", "cannot read the scene file '" + file + "'");
    }
    const ItemGroupRules rules = ItemGroupRules::load(rulesPath);
    nlohmann::json list = nlohmann::json::array();
    for (std::size_t i = 0; i < items.size(); ++i) {
        list.push_back(itemJson(i, *items[i], rules.groupFor(items[i].get())));
    }
    // What a save file could not hold, for the content author to see.
    nlohmann::json warnings = nlohmann::json::array();
    if (id < 0 || id > ItemRegistry::LargestStoredId) {
        warnings.push_back("the scene id does not fit a save file (0..127)");
    }
    if (items.size() > ItemRegistry::LargestStoredId + 1u) {
        warnings.push_back("items after index 127 do not fit a save file");
    }
    return printJson({{"scene",
                       {{"id", entry->id},
                        {"fileName", entry->fileName},
                        {"path", entry->path},
                        {"file", file},
                        {"width", screen.width},
                        {"height", screen.height},
                        {"xOffset", screen.xOffset},
                        {"yOffset", screen.yOffset}}},
                      {"language", AppConfig::instance().activeLanguage()},
                      {"rules", rulesPath},
                      {"items", list},
                      {"warnings", warnings}});
}
