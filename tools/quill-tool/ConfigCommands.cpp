#include "engine/app/AppConfig.h"
#include "engine/app/ConfigFile.h"
#include "engine/persist/LabelManager.h"
#include "tools/quill-tool/Commands.h"

#include <fstream>

namespace {

constexpr const char* kConfigPath = "content/config/config.xml";
constexpr const char* kParametersPath = "content/config/GameParameters.cfg";

nlohmann::json configJson(const AppConfig& c) {
    nlohmann::json languages = nlohmann::json::array();
    for (const auto& l : c.languages()) {
        languages.push_back({{"code", l.code}, {"labels", l.labels}, {"flag", l.flag}});
    }
    nlohmann::json logos = nlohmann::json::array();
    for (const auto& s : c.logoScreens()) {
        logos.push_back({{"type", s.type}, {"folder", s.folder}, {"filename", s.fileName}});
    }
    nlohmann::json cursors = nlohmann::json::array();
    for (std::size_t i = 0; i < c.cursors().size(); ++i) {
        cursors.push_back({{"id", c.cursors()[i].id},
                           {"imageFile", c.cursors()[i].imageFile},
                           {"path", c.cursorPath(int(i))}});
    }
    static const char* const modes[] = {"auto", "windowed", "fullScreen"};
    const int mode = c.fullscreenMode();
    return {
        {"version", std::to_string(c.versionMajor()) + "." + std::to_string(c.versionMinor())},
        {"width", c.width()},
        {"height", c.height()},
        {"bitDepth", c.bitDepth()},
        {"caption", c.caption()},
        {"saveFolder", c.saveFolder()},
        {"saveFileName", c.saveFileName()},
        {"creditsFileName", c.creditsFileName()},
        {"surveyUrl", c.surveyUrl()},
        {"activeLanguage", c.activeLanguage()},
        {"startingLanguage", c.startingLanguage()},
        {"labelsFile", c.labelsFile()},
        {"languages", languages},
        {"logoScreens", logos},
        {"cursorFolder", c.cursorFolder()},
        {"cursors", cursors},
        {"soundVolume", c.soundVolume()},
        {"musicVolume", c.musicVolume()},
        {"fullscreenMode", mode >= 0 && mode <= 2 ? nlohmann::json(modes[mode]) : nullptr},
    };
}

bool loadConfig(const Arguments& args, std::string& path) {
    path = option(args, "--config", kConfigPath);
    AppConfig::reset();
    return AppConfig::instance().load(path);
}

} // namespace

int runConfig(const Arguments& args) {
    std::string configPath;
    if (!loadConfig(args, configPath)) {
        return fail("config", "cannot read the configuration '" + configPath + "'");
    }
    const std::string parametersPath = option(args, "--parameters", kParametersPath);
    nlohmann::json parameters = nlohmann::json::object();
    try {
        ConfigFile file(parametersPath, "=", "#", "EndConfigFile", true);
        for (const auto& [key, value] : file.entries()) {
            parameters[key] = value;
        }
    } catch (const ConfigFile::file_not_found& error) {
        return fail("config", "cannot open the parameters '" + error.fileName + "'");
    }
    return printJson(
        {{"config", {{"file", configPath}, {"values", configJson(AppConfig::instance())}}},
         {"parameters", {{"file", parametersPath}, {"values", parameters}}}});
}

int runLabels(const Arguments& args) {
    const Arguments rest = positional(args, {"--config", "--file"});
    std::string file = option(args, "--file", "");
    std::string language;
    if (file.empty()) {
        std::string configPath;
        if (!loadConfig(args, configPath)) {
            return fail("labels", "cannot read the configuration '" + configPath + "'");
        }
        const AppConfig& config = AppConfig::instance();
        language = rest.empty() ? config.activeLanguage() : rest[0];
        file = config.labelsFile();
        if (!rest.empty()) {
            file.clear();
            for (const auto& l : config.languages()) {
                if (l.code == language) {
                    file = l.labels;
                }
            }
            if (file.empty()) {
                return fail("labels", "the configuration lists no language '" + language + "'");
            }
        }
    }
    if (!std::ifstream(file)) {
        return fail("labels", "cannot open the labels '" + file + "'");
    }
    LabelManager labels;
    if (!labels.load(file)) {
        return fail("labels", "cannot read the labels '" + file + "'");
    }
    return printJson({{"language", language},
                      {"file", file},
                      {"count", labels.labels().size()},
                      {"labels", labels.labels()}});
}
