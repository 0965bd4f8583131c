#include "engine/persist/LabelManager.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

#include <sstream>

bool LabelManager::load(const std::string& path) {
    labels_.clear();
    TiXmlDocument document;
    std::string error;
    // Legacy mode keeps the file's bytes as they are.
    if (!xml::loadFile(document, path, error, TIXML_ENCODING_LEGACY)) {
        engineLog() << "Cannot read the labels '" << path << "': " << error << "\n";
        return false;
    }
    const TiXmlElement* strings = document.FirstChildElement("Strings");
    const TiXmlNode* first = strings ? strings->FirstChild() : nullptr;
    // Comments and text before the first label end the table, as do the
    // file's own rules; elements are what count.
    while (first && first->ToComment()) {
        first = first->NextSibling();
    }
    if (!first || !first->ToElement()) {
        return true;
    }
    for (const TiXmlElement* e = first->ToElement(); e; e = e->NextSiblingElement()) {
        const TiXmlAttribute* attribute = e->FirstAttribute();
        if (!attribute) {
            engineLog() << "Label file '" << path << "', line " << e->Row()
                        << ": an element without a label is skipped\n";
            continue;
        }
        labels_[attribute->Name()] = attribute->Value();
    }
    return true;
}

std::string LabelManager::getText(const std::string& key) const {
    const auto found = labels_.find(key);
    if (found != labels_.end()) {
        return found->second;
    }
    std::ostringstream text;
    text << NotFoundPrefix << key;
    return text.str();
}
