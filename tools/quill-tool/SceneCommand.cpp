#include "engine/app/AppConfig.h"
#include "game/GameFlow.h"
#include "game/scene/ItemRendererFactory.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemGroupRules.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneFile.h"
#include "game/scene/data/SceneIndex.h"
#include "game/scene/data/SceneMechanics.h"
#include "tools/quill-tool/Commands.h"

#include <SDL_image.h>

#include <cstdlib>
#include <fstream>

namespace {

constexpr const char* kConfigPath = "content/config/config.xml";
constexpr const char* kFlowPath = "content/config/GameFlow.xml";

nlohmann::json stepJson(const MechanicStep& step) {
    static const char* const kinds[] = {"CollectGroup", "Screen", "CustomMechanics"};
    static const char* const picks[] = {"random", "first", "all"};
    nlohmann::json rules = nlohmann::json::array();
    for (const CollectRule& rule : step.rules) {
        rules.push_back({{"name", rule.name},
                         {"typeIds", rule.typeIds},
                         {"pick", picks[rule.pick]},
                         {"count", rule.count},
                         {"questId", rule.questId}});
    }
    return {{"kind", kinds[step.kind]},
            {"name", step.name},
            {"rules", rules},
            {"attributes", step.attributes}};
}

// The picture's box at the item's place, or null when the picture does not load.
nlohmann::json boxOf(const ItemDescription& d) {
    SDL_Surface* picture = IMG_Load((d.path + d.image).c_str());
    if (!picture) {
        return nullptr;
    }
    const nlohmann::json box = {int(d.x), int(d.y), picture->w, picture->h};
    SDL_FreeSurface(picture);
    return box;
}

std::vector<int> indicesIn(int group, int sceneId) {
    std::vector<int> indices;
    for (const Item* item : ItemRegistry::instance().itemsOf(group, sceneId)) {
        indices.push_back(item->index);
    }
    return indices;
}

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
    const Arguments rest =
        positional(args, {"--rules", "--index", "--config", "--language", "--flow", "--seed"});
    std::string rulesPath = option(args, "--rules", "");
    if (rest.size() != 1) {
        return fail("scene", "usage: scene ID [--seed N] [--language CODE] [--flow FILE] "
                             "[--rules FILE] [--index FILE] [--config FILE]");
    }
    char* end = nullptr;
    const long id = std::strtol(rest[0].c_str(), &end, 10);
    if (rest[0].empty() || *end != '\0') {
        return fail("scene", "the scene id must be a number, not '" + rest[0] + "'");
    }
    const std::string seedText = option(args, "--seed", "1");
    const long seed = std::strtol(seedText.c_str(), &end, 10);
    if (seedText.empty() || *end != '\0') {
        return fail("scene", "the seed must be a number, not '" + seedText + "'");
    }
    // Without a rule file the scene's files come from its game-flow entry.
    std::string mechanicsPath;
    std::string renderersPath;
    if (rulesPath.empty()) {
        const std::string flowPath = option(args, "--flow", kFlowPath);
        GameFlow::reset();
        GameFlow::instance().load(flowPath);
        for (const GameFlow::Entry& entry : GameFlow::instance().entries()) {
            if (entry.type == "ho_scene" &&
                GameFlow::intAttribute(entry.attributes, "sceneId", -1) == int(id)) {
                const std::string folder = GameFlow::attribute(entry.attributes, "configPath");
                rulesPath = folder + GameFlow::attribute(entry.attributes, "itemGroupConf");
                mechanicsPath = folder + GameFlow::attribute(entry.attributes, "mechanicsConf");
                renderersPath = folder + GameFlow::attribute(entry.attributes, "itemRendererConf");
                break;
            }
        }
        if (rulesPath.empty()) {
            return fail("scene", "scene " + rest[0] + " is not in the game flow '" + flowPath +
                                     "'; give its files with --rules");
        }
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
    ItemRendererFactory renderers;
    if (!renderersPath.empty()) {
        renderers.loadRules(renderersPath);
    }
    nlohmann::json list = nlohmann::json::array();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int group = rules.groupFor(items[i].get());
        nlohmann::json item = itemJson(i, *items[i], group);
        item["box"] = boxOf(*items[i]);
        if (!renderersPath.empty()) {
            item["renderer"] = renderers.rendererFor({group, items[i]->typeId, items[i]->type});
        }
        list.push_back(item);
    }
    // The steps, and the goals a first visit picks with the seed (after the
    // stacked collectables are thinned), as the game does on entering.
    nlohmann::json steps = nlohmann::json::array();
    nlohmann::json goals = nullptr;
    if (!mechanicsPath.empty()) {
        const MechanicSteps mechanics = loadMechanics(mechanicsPath);
        for (const MechanicStep& step : mechanics) {
            steps.push_back(stepJson(step));
        }
        ItemRegistry::reset();
        ItemRegistry::instance().registerSceneItems(rulesPath, int(id));
        std::srand(unsigned(seed));
        thinCollectables(mechanics, int(id));
        for (const MechanicStep& step : mechanics) {
            if (step.kind == MechanicStep::CollectGroup) {
                pickGoals(step, int(id));
                break;
            }
        }
        goals = {{"seed", seed},
                 {"firstStage", indicesIn(GROUP_GOAL, int(id))},
                 {"thinned", indicesIn(GROUP_REMOVED, int(id))}};
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
                      {"mechanics", mechanicsPath},
                      {"renderers", renderersPath},
                      {"steps", steps},
                      {"goals", goals},
                      {"items", list},
                      {"warnings", warnings}});
}
