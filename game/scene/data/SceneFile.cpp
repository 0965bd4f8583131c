#include "game/scene/data/SceneFile.h"

#include "engine/app/AppConfig.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "game/scene/data/SceneIndex.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstdlib>

namespace {

int number(const TiXmlElement& e, const char* name) {
    const char* text = e.Attribute(name);
    return text ? std::atoi(text) : 0;
}

float decimal(const char* text) {
    float value = 0;
    return std::sscanf(text, "%f", &value) == 1 ? value : 0.0f;
}

std::unique_ptr<ItemDescription> readItem(const TiXmlElement& e, const std::string& folder) {
    auto item = std::make_unique<ItemDescription>();
    item->path = folder;
    if (const char* name = e.Attribute("name")) {
        item->name = name;
    }
    static const char* const required[] = {
        "name", "image", "layer", "majorGroupID", "minorGroupID", "x",     "y", "angle", "R",
        "G",    "B",     "A",     "type",         "infoTip",      "typeId"};
    for (const char* attribute : required) {
        if (!e.Attribute(attribute)) {
            // The item keeps its place, so the indices of the following
            // items (and the saved states that name them) stay right.
            return item;
        }
    }
    item->image = e.Attribute("image");
    item->layer = number(e, "layer");
    item->majorGroupID = number(e, "majorGroupID");
    item->minorGroupID = number(e, "minorGroupID");
    item->x = decimal(e.Attribute("x"));
    item->y = decimal(e.Attribute("y"));
    item->angle = decimal(e.Attribute("angle"));
    item->R = number(e, "R");
    item->G = number(e, "G");
    item->B = number(e, "B");
    item->A = number(e, "A");
    item->type = number(e, "type");
    item->infoTip = e.Attribute("infoTip");
    item->typeId = number(e, "typeId");
    return item;
}

bool readDocument(const TiXmlDocument& document, const std::string& folder, ItemDescriptions& items,
                  SceneScreen& screen) {
    const TiXmlElement* scene = document.FirstChildElement("Scene");
    if (!scene) {
        return false;
    }
    screen = SceneScreen();
    if (const TiXmlElement* s = scene->FirstChildElement("Screen")) {
        screen.width = number(*s, "width");
        screen.height = number(*s, "height");
        screen.xOffset = number(*s, "xOffset");
        screen.yOffset = number(*s, "yOffset");
    }
    items.clear();
    for (const TiXmlElement* e = scene->FirstChildElement("Item"); e;
         e = e->NextSiblingElement("Item")) {
        items.push_back(readItem(*e, folder));
    }
    return true;
}

} // namespace

bool SceneFile::parse(const std::string& text, const std::string& folder, ItemDescriptions& items,
                      SceneScreen& screen) {
    TiXmlDocument document;
    std::string error;
    return xml::parseText(document, text, error, TIXML_ENCODING_LEGACY) &&
           readDocument(document, folder, items, screen);
}

bool SceneFile::read(const std::string& path, const std::string& folder, ItemDescriptions& items,
                     SceneScreen& screen) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error, TIXML_ENCODING_LEGACY)) {
        engineLog() << "scene file: cannot read \"" << path << "\": " << error << std::endl;
        return false;
    }
    if (!readDocument(document, folder, items, screen)) {
        engineLog() << "scene file: \"" << path << "\" has no Scene element" << std::endl;
        return false;
    }
    return true;
}

ItemDescriptions SceneFile::loadSceneItems(int sceneId) {
    ItemDescriptions items;
    SceneIndexEntry& entry = SceneIndex::instance().entry(sceneId);
    if (entry.id == -1) {
        engineLog() << "scene file: scene " << sceneId << " is not in the scene index" << std::endl;
        return items;
    }
    const std::string path =
        SceneIndex::sceneFilePath(entry, AppConfig::instance().activeLanguage());
    SceneScreen screen;
    if (!read(path, entry.path, items, screen)) {
        return ItemDescriptions();
    }
    entry.width = screen.width;
    entry.height = screen.height;
    entry.xOffset = screen.xOffset;
    entry.yOffset = screen.yOffset;
    return items;
}
