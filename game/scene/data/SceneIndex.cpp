#include "game/scene/data/SceneIndex.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

#include <cstdlib>

namespace {

std::unique_ptr<SceneIndex>& storage() {
    static std::unique_ptr<SceneIndex> index;
    return index;
}

} // namespace

SceneIndex& SceneIndex::instance() {
    auto& index = storage();
    if (!index) {
        index.reset(new SceneIndex());
    }
    return *index;
}

void SceneIndex::reset() {
    storage().reset();
}

bool SceneIndex::load(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error, TIXML_ENCODING_LEGACY)) {
        engineLog() << "scene index: cannot read \"" << path << "\": " << error << std::endl;
        return false;
    }
    const TiXmlElement* root = document.FirstChildElement("Indexes");
    if (!root) {
        engineLog() << "scene index: \"" << path << "\" has no Indexes element" << std::endl;
        return false;
    }
    entries_.clear();
    xml::NumberReader numbers(path, "scene index");
    for (const TiXmlElement* e = root->FirstChildElement("Index"); e;
         e = e->NextSiblingElement("Index")) {
        const char* id = e->Attribute("id");
        const char* fileName = e->Attribute("fileName");
        const char* folder = e->Attribute("path");
        if (!id || !fileName || !folder) {
            engineLog() << "scene index: \"" << path << "\", line " << e->Row()
                        << ": an Index without id, fileName or path is skipped" << std::endl;
            continue;
        }
        SceneIndexEntry entry;
        entry.id = numbers.integer(e, "id");
        entry.fileName = fileName;
        entry.path = folder;
        // The first entry of an id wins.
        if (!entries_.emplace(entry.id, entry).second) {
            engineLog() << "scene index: \"" << path << "\", line " << e->Row() << ": scene id "
                        << entry.id << " is listed twice, the first entry stays" << std::endl;
        }
    }
    return true;
}

SceneIndexEntry& SceneIndex::entry(int sceneId) {
    return entries_[sceneId];
}

const SceneIndexEntry* SceneIndex::find(int sceneId) const {
    const auto found = entries_.find(sceneId);
    return found == entries_.end() ? nullptr : &found->second;
}

std::string SceneIndex::sceneFilePath(const SceneIndexEntry& entry, const std::string& language) {
    return entry.path + entry.fileName + (language == "EN" ? std::string() : language) + ".xml";
}
