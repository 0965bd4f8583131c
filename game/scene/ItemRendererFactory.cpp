#include "game/scene/ItemRendererFactory.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

bool ItemRendererFactoryInput::matches(const ItemRendererFactoryInput& other) const {
    auto same = [](int a, int b) { return a == b || a == -1 || b == -1; };
    return same(groupId, other.groupId) && same(typeId, other.typeId) && same(type, other.type);
}

void ItemRendererFactory::registerCreator(int renderer, Creator creator) {
    creators_[renderer] = std::move(creator);
}

void ItemRendererFactory::addRule(const ItemRendererFactoryInput& pattern, int renderer) {
    rules_.push_back({pattern, renderer});
}

void ItemRendererFactory::loadRules(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "renderer rules: cannot read \"" << path << "\": " << error
                    << "; no item of the scene is drawn\n";
        return;
    }
    const TiXmlElement* root = document.FirstChildElement("ItemRendererRules");
    if (!root) {
        engineLog() << "renderer rules: \"" << path
                    << "\" has no ItemRendererRules element; no item of the scene is drawn\n";
        return;
    }
    xml::NumberReader numbers(path, "renderer rules");
    for (const TiXmlElement* e = root->FirstChildElement("Rule"); e;
         e = e->NextSiblingElement("Rule")) {
        if (!e->Attribute("renderer")) {
            engineLog() << "renderer rules: \"" << path << "\", line " << e->Row()
                        << ": a Rule without renderer is skipped\n";
            continue;
        }
        ItemRendererFactoryInput pattern;
        pattern.groupId = numbers.integer(e, "groupId", -1);
        pattern.typeId = numbers.integer(e, "typeId", -1);
        pattern.type = numbers.integer(e, "type", -1);
        addRule(pattern, numbers.integer(e, "renderer"));
    }
}

int ItemRendererFactory::rendererFor(const ItemRendererFactoryInput& input) const {
    for (const Rule& rule : rules_) {
        if (rule.pattern.matches(input)) {
            return rule.renderer;
        }
    }
    return -1;
}

std::unique_ptr<ItemRenderer>
ItemRendererFactory::createRenderer(const ItemRendererFactoryInput& input, ItemRendererOwner* owner,
                                    Item* item) const {
    const int number = rendererFor(input);
    const auto creator = creators_.find(number);
    if (number < 0 || creator == creators_.end()) {
        return nullptr;
    }
    return creator->second(owner, item);
}
