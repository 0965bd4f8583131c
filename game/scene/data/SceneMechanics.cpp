#include "game/scene/data/SceneMechanics.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "game/scene/data/ItemDescription.h"
#include "game/scene/data/ItemRegistry.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>

namespace {

int pickOf(const std::string& text) {
    if (text == "random") {
        return CollectRule::Random;
    }
    if (text == "first") {
        return CollectRule::First;
    }
    return CollectRule::All;
}

std::map<std::string, std::string> attributesOf(const TiXmlElement& element) {
    std::map<std::string, std::string> attributes;
    for (const TiXmlAttribute* a = element.FirstAttribute(); a; a = a->Next()) {
        attributes[a->Name()] = a->Value();
    }
    return attributes;
}

std::string identifierOf(const TiXmlElement& element) {
    const char* identifier = element.Attribute("identifier");
    return identifier ? identifier : "UNSPECIFIED";
}

MechanicStep readCollectGroup(const TiXmlElement& element, const std::string& file,
                              xml::NumberReader& numbers) {
    MechanicStep step;
    step.kind = MechanicStep::CollectGroup;
    step.name = identifierOf(element);
    for (const TiXmlElement* c = element.FirstChildElement("Collect"); c;
         c = c->NextSiblingElement("Collect")) {
        const char* name = c->Attribute("name");
        const char* typeIds = c->Attribute("typeId");
        const char* pick = c->Attribute("pick");
        if (!name || !typeIds || !pick) {
            engineLog() << "mechanics: \"" << file << "\", line " << c->Row()
                        << ": a Collect without name, typeId or pick is skipped\n";
            continue;
        }
        CollectRule rule;
        rule.name = name;
        const std::string list = typeIds;
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t comma = std::min(list.find(',', start), list.size());
            const std::string piece = list.substr(start, comma - start);
            if (!piece.empty()) {
                rule.typeIds.push_back(numbers.integer(piece, c, "typeId"));
            }
            start = comma + 1;
        }
        rule.pick = pickOf(pick);
        rule.count = numbers.integer(c, "count", -1);
        rule.questId = numbers.integer(c, "questId", -1);
        step.rules.push_back(std::move(rule));
    }
    return step;
}

} // namespace

std::string MechanicStep::attribute(const std::string& key) const {
    const auto found = attributes.find(key);
    return found == attributes.end() ? std::string() : found->second;
}

namespace {

MechanicSteps readDocument(const TiXmlDocument& document, const std::string& file) {
    MechanicSteps steps;
    const TiXmlElement* root = document.FirstChildElement("SceneMechanics");
    if (!root) {
        engineLog() << "mechanics: \"" << file
                    << "\" has no SceneMechanics element; the scene has no steps\n";
        return steps;
    }
    xml::NumberReader numbers(file, "mechanics");
    for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string kind = e->Value();
        if (kind == "CollectGroup") {
            steps.push_back(readCollectGroup(*e, file, numbers));
        } else if (kind == "Screen") {
            const char* type = e->Attribute("type");
            if (!type) {
                engineLog() << "mechanics: \"" << file << "\", line " << e->Row()
                            << ": a Screen without type is skipped\n";
                continue;
            }
            MechanicStep step;
            step.kind = MechanicStep::Screen;
            step.name = type;
            step.attributes = attributesOf(*e);
            steps.push_back(std::move(step));
        } else if (kind == "CustomMechanics") {
            MechanicStep step;
            step.kind = MechanicStep::CustomMechanics;
            step.name = identifierOf(*e);
            step.attributes = attributesOf(*e);
            steps.push_back(std::move(step));
        }
    }
    return steps;
}

} // namespace

MechanicSteps parseMechanics(const std::string& text, const std::string& file) {
    TiXmlDocument document;
    std::string error;
    if (!xml::parseText(document, text, error)) {
        engineLog() << "mechanics: cannot read \"" << file << "\": " << error
                    << "; the scene has no steps\n";
        return {};
    }
    return readDocument(document, file);
}

MechanicSteps loadMechanics(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "mechanics: cannot read \"" << path << "\": " << error
                    << "; the scene has no steps\n";
        return {};
    }
    return readDocument(document, path);
}

int randomBelow(int bound) {
    if (bound <= 1) {
        return 0;
    }
    // Two 15-bit pieces of rand: the same spread whatever the library's RAND_MAX.
    const unsigned r = (unsigned(std::rand()) & 0x7FFFu) << 15 | (unsigned(std::rand()) & 0x7FFFu);
    return int(r % unsigned(bound));
}

void pickGoals(const MechanicStep& step, int sceneId) {
    ItemRegistry& registry = ItemRegistry::instance();
    const std::vector<Item*> pool = registry.itemsOf(GROUP_SCENE, sceneId);
    std::vector<std::size_t> chosen;
    for (const CollectRule& rule : step.rules) {
        std::vector<std::size_t> candidates;
        for (std::size_t i = 0; i < pool.size(); ++i) {
            const ItemDescription* description = pool[i]->description;
            if (description && std::find(rule.typeIds.begin(), rule.typeIds.end(),
                                         description->typeId) != rule.typeIds.end()) {
                candidates.push_back(i);
            }
        }
        if (rule.pick == CollectRule::Random) {
            shuffleWithRand(candidates);
        }
        // Compared unsigned: -1 (no count) keeps every candidate.
        if (rule.pick != CollectRule::All && unsigned(rule.count) < candidates.size()) {
            candidates.resize(unsigned(rule.count));
        }
        chosen.insert(chosen.end(), candidates.begin(), candidates.end());
    }
    for (std::size_t position : chosen) {
        registry.moveItem(GROUP_SCENE, pool[position]->index, sceneId, GROUP_GOAL);
    }
}

void thinCollectables(const MechanicSteps& steps, int sceneId) {
    ItemRegistry& registry = ItemRegistry::instance();
    const std::vector<Item*> sceneItems = registry.itemsOf(GROUP_SCENE, sceneId);
    for (Item* item : sceneItems) {
        item->slot = -1;
    }
    std::map<int, int> allowed;
    for (const MechanicStep& step : steps) {
        if (step.kind != MechanicStep::CollectGroup) {
            continue;
        }
        for (const CollectRule& rule : step.rules) {
            if (!rule.typeIds.empty() && rule.count >= 0) {
                allowed[rule.typeIds.front()] = rule.count;
            }
        }
    }
    std::map<int, std::vector<Item*>> buckets;
    for (Item* item : sceneItems) {
        const int typeId = item->description ? item->description->typeId : 0;
        if (typeId > 200 && typeId < 300 && allowed.count(typeId)) {
            buckets[typeId].push_back(item);
        }
    }
    for (auto& [typeId, items] : buckets) {
        shuffleWithRand(items);
        const std::size_t keep = std::size_t(allowed[typeId]);
        for (std::size_t i = keep; i < items.size(); ++i) {
            registry.moveItem(registry.groupOf(items[i]->index, sceneId), items[i]->index, sceneId,
                              GROUP_REMOVED);
        }
    }
}
