#include "game/scene/data/ItemGroupRules.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "game/scene/data/ItemDescription.h"

#include <tinyxml.h>

#include <cstdlib>

ItemGroupRules ItemGroupRules::load(const std::string& path) {
    ItemGroupRules rules;
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error, TIXML_ENCODING_LEGACY)) {
        engineLog() << "item-group rules: cannot read \"" << path << "\": " << error << std::endl;
        return rules;
    }
    const TiXmlElement* root = document.FirstChildElement("ItemGroupRules");
    if (!root) {
        engineLog() << "item-group rules: \"" << path << "\" has no ItemGroupRules element"
                    << std::endl;
        return rules;
    }
    for (const TiXmlElement* e = root->FirstChildElement("Rule"); e;
         e = e->NextSiblingElement("Rule")) {
        const char* group = e->Attribute("groupId");
        const char* typeId = e->Attribute("typeId");
        const char* type = e->Attribute("type");
        if (!group || !typeId || !type) {
            engineLog() << "item-group rules: \"" << path << "\", line " << e->Row()
                        << ": a Rule without groupId, typeId or type is skipped" << std::endl;
            continue;
        }
        rules.set(std::atoi(type), std::atoi(typeId), std::atoi(group));
    }
    return rules;
}

int ItemGroupRules::groupFor(const ItemDescription* description) const {
    if (!description || description->type < 0 || description->type >= TableCount) {
        return -1;
    }
    const auto& rules = tables_[description->type];
    const auto found = rules.find(description->typeId);
    return found == rules.end() ? -1 : found->second;
}

void ItemGroupRules::set(int type, int typeId, int groupId) {
    if (type >= 0 && type < TableCount) {
        tables_[type][typeId] = groupId;
    }
}

const std::map<int, int>& ItemGroupRules::table(int type) const {
    static const std::map<int, int> none;
    return type >= 0 && type < TableCount ? tables_[type] : none;
}
