#include "game/menus/Slides.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/GLTexture.h"
#include "engine/resources/ResourceManager.h"

#include <tinyxml.h>

std::string Slide::attribute(const std::string& name, const std::string& fallback) const {
    const auto found = attributes.find(name);
    return found == attributes.end() ? fallback : found->second;
}

std::string pathIn(const std::string& folder, const std::string& file) {
    if (folder.empty() || folder.back() == '/') {
        return folder + file;
    }
    return folder + "/" + file;
}

const GLTexture* slidePicture(ResourceManager& resources, const std::string& folder,
                              const Slide& slide) {
    if (!slide.has("file")) {
        return nullptr;
    }
    const std::string path = pathIn(folder, slide.attribute("file"));
    if (const GLTexture* picture = resources.getTexture(path)) {
        return picture;
    }
    return resources.addTexture(path, std::make_unique<GLTexture>(path));
}

std::vector<Slide> readSlides(const std::string& path) {
    std::vector<Slide> slides;
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Cannot read the slides '" << path << "': " << error << "\n";
        return slides;
    }
    const TiXmlElement* root = document.FirstChildElement("Slides");
    if (!root) {
        engineLog() << "The slides '" << path << "' have no Slides element\n";
        return slides;
    }
    for (const TiXmlElement* e = root->FirstChildElement("SlideImage"); e;
         e = e->NextSiblingElement("SlideImage")) {
        const char* id = e->Attribute("id");
        if (!id) {
            engineLog() << "The slides '" << path << "', line " << e->Row()
                        << ": a slide without an id is left out\n";
            continue;
        }
        Slide slide;
        slide.id = id;
        for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
            slide.attributes[a->Name()] = a->Value();
        }
        slides.push_back(std::move(slide));
    }
    return slides;
}
