#include "engine/app/AppConfig.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/persist/LabelManager.h"
#include "game/GameFlow.h"
#include "game/GameParameters.h"
#include "game/menus/Slides.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneIndex.h"
#include "game/scene/data/SceneMechanics.h"
#include "tools/quill-tool/Commands.h"

#include <SDL_image.h>
#include <tinyxml.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace {

constexpr const char* kConfig = "content/config/config.xml";
constexpr const char* kFlow = "content/config/GameFlow.xml";

// Every problem found, as "file:line: message" (line 0 for a whole file).
class Report {
public:
    void add(const std::string& file, int line, const std::string& message) {
        lines_.push_back(file + ":" + std::to_string(line) + ": " + message);
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

bool exists(const std::string& path) {
    return bool(std::ifstream(path));
}

// Loads the XML file; a problem and false when it cannot.
bool parse(TiXmlDocument& document, const std::string& path, Report& report) {
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        report.add(path, 0, "cannot be read: " + error);
        return false;
    }
    return true;
}

class Checker {
public:
    explicit Checker(Report& report) : report_(report) {}

    void run() {
        AppConfig::reset();
        if (!AppConfig::instance().load(kConfig)) {
            report_.add(kConfig, 0, "cannot be read");
            return;
        }
        checkConfig();
        SceneIndex::reset();
        if (!SceneIndex::instance().load(SceneIndex::DefaultPath)) {
            report_.add(SceneIndex::DefaultPath, 0, "cannot be read");
        }
        checkFlow();
    }

    int checkedFiles() const { return int(checked_.size()); }

private:
    // A file that must exist, named by `from` at that line.
    bool need(const std::string& path, const std::string& from, int line, const char* what) {
        checked_.insert(path);
        if (exists(path)) {
            return true;
        }
        report_.add(from, line, std::string(what) + " \"" + path + "\" is missing");
        return false;
    }
    void needPicture(const std::string& path, const std::string& from, int line) {
        if (pictures_.count(path) || !need(path, from, line, "the picture")) {
            return;
        }
        pictures_.insert(path);
        SDL_Surface* picture = IMG_Load(path.c_str());
        if (!picture) {
            report_.add(from, line,
                        "the picture \"" + path + "\" does not load: " + IMG_GetError());
            return;
        }
        SDL_FreeSurface(picture);
    }
    // The key must have a text in every language.
    void needLabel(const std::string& key, const std::string& from, int line) {
        for (const auto& [code, labels] : labels_) {
            if (!labels->hasText(key)) {
                report_.add(from, line, "no " + code + " label \"" + key + "\"");
            }
        }
    }

    void checkConfig() {
        const AppConfig& config = AppConfig::instance();
        for (const AppConfig::Language& language : config.languages()) {
            if (need(language.labels, kConfig, 0, "the label file")) {
                auto labels = std::make_unique<LabelManager>();
                if (!labels->load(language.labels)) {
                    report_.add(language.labels, 0, "cannot be read");
                }
                labels_[language.code] = std::move(labels);
            }
            if (!language.flag.empty()) {
                needPicture(language.flag, kConfig, 0);
            }
        }
        for (std::size_t i = 0; i < config.cursors().size(); ++i) {
            needPicture(config.cursorPath(int(i)), kConfig, 0);
        }
        for (const AppConfig::LogoScreen& logo : config.logoScreens()) {
            need(pathIn(logo.folder, logo.fileName), kConfig, 0, "the logo");
        }
        for (const char* file : {"content/config/GameParameters.cfg", "content/config/sfx.xml",
                                 "content/config/scene/music.xml"}) {
            need(file, kConfig, 0, "the file");
        }
    }

    void checkFlow() {
        TiXmlDocument document;
        if (!parse(document, kFlow, report_)) {
            return;
        }
        const TiXmlElement* root = document.FirstChildElement("GameFlow");
        if (!root) {
            report_.add(kFlow, 0, "has no GameFlow element");
            return;
        }
        for (const TiXmlElement* e = root->FirstChildElement("Screen"); e;
             e = e->NextSiblingElement("Screen")) {
            GameFlow::Attributes attributes;
            for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
                attributes[a->Name()] = a->Value();
            }
            const std::string type = GameFlow::attribute(attributes, "type");
            const int line = e->Row();
            if (type == "story") {
                checkSlides(pathIn(GameFlow::attribute(attributes, "pathStory"), "slides.xml"),
                            GameFlow::attribute(attributes, "pathStory"), line);
            } else if (type == "OpeningCredits") {
                checkSlides(pathIn(GameFlow::attribute(attributes, "path"),
                                   GameFlow::attribute(attributes, "fileName")),
                            "", line);
            } else if (type == "TransitionScreen") {
                needLabel(GameFlow::attribute(attributes, "caption"), kFlow, line);
            } else if (type == "ho_scene") {
                checkScene(attributes, line);
            } else if (attributes.count("configFile")) {
                checkPuzzle(attributes["configFile"], kFlow, line);
            } else if (type == "MG_Screen5" || type == "MG_Screen15") {
                // Puzzles whose file has a fixed name.
                checkPuzzle(std::string("content/config/minigames/screen") + type.substr(9) +
                                ".xml",
                            kFlow, line);
            }
        }
    }

    // A puzzle file parses and the pictures it names exist: the background
    // and mark (imagePath + name) and every piece's fileName, each with the
    // game's picture extension.
    void checkPuzzle(const std::string& path, const std::string& from, int line) {
        TiXmlDocument document;
        if (!need(path, from, line, "the puzzle file") || !parse(document, path, report_)) {
            return;
        }
        GameParameters& parameters = GameParameters::instance();
        if (!parameters.isLoaded()) {
            parameters.load("content/config/GameParameters.cfg");
        }
        const std::string extension = parameters.stringValue("Game.Images.Extension", ".png");
        const TiXmlElement* root = document.RootElement();
        const char* folder = root->Attribute("imagePath");
        for (const char* picture : {"background", "noteOver"}) {
            const char* name = root->Attribute(picture);
            if (folder && name && *name) {
                needPicture(std::string(folder) + name + extension, path, root->Row());
            }
        }
        for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
            if (const char* name = e->Attribute("fileName")) {
                needPicture(std::string(name) + extension, path, e->Row());
            }
        }
    }

    void checkSlides(const std::string& path, const std::string& folder, int line) {
        if (!need(path, kFlow, line, "the slides file")) {
            return;
        }
        TiXmlDocument document;
        if (!parse(document, path, report_)) {
            return;
        }
        const TiXmlElement* root = document.RootElement();
        for (const TiXmlElement* e = root ? root->FirstChildElement() : nullptr; e;
             e = e->NextSiblingElement()) {
            const char* file = e->Attribute("file");
            if (!file) {
                report_.add(path, e->Row(), "a slide without file");
                continue;
            }
            needPicture(pathIn(folder.empty() ? path.substr(0, path.rfind('/') + 1) : folder, file),
                        path, e->Row());
            if (const char* caption = e->Attribute("caption")) {
                needLabel(caption, path, e->Row());
            }
        }
    }

    void checkScene(const GameFlow::Attributes& attributes, int line) {
        const int id = GameFlow::intAttribute(attributes, "sceneId", -1);
        if (id < 0 || id > ItemRegistry::LargestStoredId) {
            report_.add(kFlow, line, "scene id " + std::to_string(id) + " is outside 0..127");
        }
        needLabel(GameFlow::attribute(attributes, "name"), kFlow, line);
        needLabel(GameFlow::attribute(attributes, "dialogMessage", "LABEL"), kFlow, line);
        const std::string folder = GameFlow::attribute(attributes, "configPath");
        const std::string mechanics = folder + GameFlow::attribute(attributes, "mechanicsConf");
        const std::string groups = folder + GameFlow::attribute(attributes, "itemGroupConf");
        const std::string renderers = folder + GameFlow::attribute(attributes, "itemRendererConf");
        for (const std::string& file : {mechanics, groups, renderers}) {
            TiXmlDocument document;
            if (need(file, kFlow, line, "the scene file")) {
                parse(document, file, report_);
            }
        }
        checkMechanics(mechanics);
        const SceneIndexEntry* entry = SceneIndex::instance().find(id);
        if (!entry) {
            report_.add(kFlow, line, "scene " + std::to_string(id) + " is not in the scene index");
            return;
        }
        for (const auto& language : labels_) {
            checkSceneFile(SceneIndex::sceneFilePath(*entry, language.first), entry->path);
        }
    }

    void checkMechanics(const std::string& path) {
        TiXmlDocument document;
        if (!exists(path) || !parse(document, path, report_)) {
            return;
        }
        const TiXmlElement* root = document.FirstChildElement("SceneMechanics");
        for (const TiXmlElement* e = root ? root->FirstChildElement() : nullptr; e;
             e = e->NextSiblingElement()) {
            const std::string kind = e->Value();
            if (kind == "CustomMechanics") {
                report_.add(path, e->Row(), "CustomMechanics has no completion rule in this game");
            }
            if (kind == "Screen" && e->Attribute("configFile")) {
                checkPuzzle(e->Attribute("configFile"), path, e->Row());
            }
            const char* identifier = e->Attribute("identifier");
            if (kind != "CollectGroup" || !identifier ||
                std::string(identifier) != "FIND_X_ITEMS") {
                continue;
            }
            // The count list's caption is its first rule's name, a label key.
            if (const TiXmlElement* collect = e->FirstChildElement("Collect")) {
                if (const char* name = collect->Attribute("name")) {
                    needLabel(name, path, collect->Row());
                }
            }
        }
    }

    void checkSceneFile(const std::string& path, const std::string& folder) {
        if (!need(path, SceneIndex::DefaultPath, 0, "the scene file")) {
            return;
        }
        TiXmlDocument document;
        if (!parse(document, path, report_)) {
            return;
        }
        const TiXmlElement* scene = document.FirstChildElement("Scene");
        if (!scene) {
            report_.add(path, 0, "has no Scene element");
            return;
        }
        if (const TiXmlElement* screen = scene->FirstChildElement("Screen")) {
            int x = 0;
            int y = 0;
            screen->QueryIntAttribute("xOffset", &x);
            screen->QueryIntAttribute("yOffset", &y);
            if (x != 0 || y != 0) {
                report_.add(path, screen->Row(), "the scene's offset is not 0, 0");
            }
        }
        int index = 0;
        for (const TiXmlElement* item = scene->FirstChildElement("Item"); item;
             item = item->NextSiblingElement("Item"), ++index) {
            if (index > ItemRegistry::LargestStoredId) {
                report_.add(path, item->Row(),
                            "item " + std::to_string(index) + " lies beyond index 127");
            }
            const char* image = item->Attribute("image");
            if (!image || !item->Attribute("typeId")) {
                report_.add(path, item->Row(), "an item without image or typeId");
                continue;
            }
            needPicture(folder + image, path, item->Row());
        }
    }

    Report& report_;
    std::map<std::string, std::unique_ptr<LabelManager>> labels_;
    std::set<std::string> checked_;
    std::set<std::string> pictures_;
};

} // namespace

int runCheck(const Arguments& args) {
    if (!positional(args, {}).empty()) {
        return fail("check", "usage: check (run from the folder that holds content/)");
    }
    const auto start = std::chrono::steady_clock::now();
    Report report;
    int files = 0;
    {
        // The readers' own diagnostic lines would repeat what the report says.
        std::ostringstream quiet;
        setEngineLog(&quiet);
        Checker checker(report);
        checker.run();
        files = checker.checkedFiles();
        setEngineLog(nullptr);
    }
    for (const std::string& line : report.lines()) {
        std::cerr << line << '\n';
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    printJson({{"files", files}, {"problems", report.lines().size()}, {"milliseconds", ms}});
    return report.lines().empty() ? 0 : 1;
}
