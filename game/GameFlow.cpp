#include "game/GameFlow.h"

#include "engine/app/GameApp.h"
#include "engine/app/GameState.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

#include <cstdlib>

namespace {

std::unique_ptr<GameFlow>& holder() {
    static std::unique_ptr<GameFlow> flow;
    return flow;
}

} // namespace

GameFlow& GameFlow::instance() {
    auto& flow = holder();
    if (!flow) {
        flow = std::make_unique<GameFlow>();
    }
    return *flow;
}

void GameFlow::reset() {
    holder().reset();
}

bool GameFlow::load(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Cannot read the game flow '" << path << "': " << error << "\n";
        return false;
    }
    const TiXmlElement* root = document.FirstChildElement("GameFlow");
    if (!root) {
        engineLog() << "The game flow '" << path << "' has no GameFlow element\n";
        return false;
    }
    for (const TiXmlElement* screen = root->FirstChildElement("Screen"); screen;
         screen = screen->NextSiblingElement("Screen")) {
        Entry entry;
        const char* type = screen->Attribute("type");
        entry.type = type ? type : "";
        for (const TiXmlAttribute* a = screen->FirstAttribute(); a; a = a->Next()) {
            entry.attributes[a->Name()] = a->Value();
        }
        entries_.push_back(std::move(entry));
    }
    return true;
}

void GameFlow::registerScreenType(const std::string& type, Factory factory) {
    factories_[type] = std::move(factory);
}

void GameFlow::startMainMenu(const std::string& context) {
    GameApp* app = GameApp::instance();
    std::unique_ptr<GameState> menu =
        createScreen("MainMenu", {{"type", "MainMenu"}, {"attrib", context}});
    if (app && menu) {
        app->startScreen(std::move(menu));
    }
}

std::unique_ptr<GameState> GameFlow::createScreen(const std::string& type,
                                                  const Attributes& attributes) const {
    const auto found = factories_.find(type);
    if (found == factories_.end() || !found->second) {
        return nullptr;
    }
    return found->second(attributes);
}

std::unique_ptr<GameState> GameFlow::next(bool advance) {
    if (advance) {
        ++position_;
    }
    if (position_ < 0 || position_ >= int(entries_.size())) {
        return nullptr;
    }
    const Entry& entry = entries_[std::size_t(position_)];
    std::unique_ptr<GameState> screen = createScreen(entry.type, entry.attributes);
    if (screen) {
        screen->setSourceEntry(position_);
    }
    return screen;
}

bool GameFlow::requireAttributes(const Attributes& attributes,
                                 const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (attributes.count(name) == 0) {
            engineLog() << "Game flow entry '" << attribute(attributes, "type")
                        << "' lacks its attribute '" << name << "'\n";
            return false;
        }
    }
    return true;
}

std::string GameFlow::attribute(const Attributes& attributes, const std::string& name,
                                const std::string& fallback) {
    const auto found = attributes.find(name);
    return found == attributes.end() ? fallback : found->second;
}

int GameFlow::intAttribute(const Attributes& attributes, const std::string& name, int fallback) {
    const auto found = attributes.find(name);
    return found == attributes.end() ? fallback : std::atoi(found->second.c_str());
}
