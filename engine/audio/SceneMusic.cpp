#include "engine/audio/SceneMusic.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::unique_ptr<SceneMusic>& holder() {
    static std::unique_ptr<SceneMusic> music;
    return music;
}

} // namespace

SceneMusic& SceneMusic::instance() {
    auto& music = holder();
    if (!music) {
        music = std::make_unique<SceneMusic>();
    }
    return *music;
}

void SceneMusic::reset() {
    holder().reset();
}

bool SceneMusic::load(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Cannot read the music list '" << path << "': " << error << "\n";
        return false;
    }
    const TiXmlElement* root = document.FirstChildElement();
    if (!root || root->ValueStr() != "SceneMusic") {
        engineLog() << "The music list '" << path << "' has no SceneMusic root\n";
        return false;
    }
    const char* prefix = root->Attribute("path");
    pathPrefix_ = prefix ? prefix : "";
    xml::NumberReader numbers(path, "music list");
    for (const TiXmlElement* scene = root->FirstChildElement("Scene"); scene;
         scene = scene->NextSiblingElement("Scene")) {
        std::vector<int> indices;
        const std::string list = scene->Attribute("index") ? scene->Attribute("index") : "";
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t comma = std::min(list.find(',', start), list.size());
            const std::string item = list.substr(start, comma - start);
            if (item.find_first_not_of(" \t") != std::string::npos) {
                indices.push_back(numbers.integer(item, scene, "index"));
            }
            start = comma + 1;
        }
        for (const TiXmlElement* music = scene->FirstChildElement("Music"); music;
             music = music->NextSiblingElement("Music")) {
            if (const char* file = music->Attribute("file")) {
                for (int index : indices) {
                    files_[index].push_back(file);
                }
            }
        }
    }
    return true;
}

std::string SceneMusic::musicFor(int index) const {
    const auto found = files_.find(index);
    if (found == files_.end() || found->second.empty()) {
        return "";
    }
    const std::vector<std::string>& list = found->second;
    return pathPrefix_ + list[std::size_t(std::rand()) % list.size()];
}
