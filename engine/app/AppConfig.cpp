#include "engine/app/AppConfig.h"

#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"

#include <tinyxml.h>

#include <cstdlib>

namespace {

std::unique_ptr<AppConfig>& holder() {
    static std::unique_ptr<AppConfig> config;
    return config;
}

// A missing attribute reads as the empty text (and so as 0 for numbers).
std::string text(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value ? value : "";
}

// The largest logical screen: 4K.
constexpr int MaxScreenSize = 4096;

const TiXmlElement* child(const TiXmlNode* parent, const char* name) {
    return parent ? parent->FirstChildElement(name) : nullptr;
}

} // namespace

AppConfig& AppConfig::instance() {
    auto& config = holder();
    if (!config) {
        config.reset(new AppConfig());
    }
    return *config;
}

void AppConfig::reset() {
    holder().reset();
}

bool AppConfig::load(const std::string& path) {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Cannot read the configuration '" << path << "': " << error << "\n";
        return false;
    }
    const TiXmlElement* config = document.FirstChildElement("Config");
    if (!config) {
        engineLog() << "The configuration '" << path << "' has no Config element\n";
        return false;
    }

    xml::NumberReader numbers(path, "configuration");
    if (const char* version = config->Attribute("version")) {
        const std::string v = version;
        const std::size_t dot = v.find('.');
        versionMajor_ = numbers.integer(v.substr(0, dot), config, "version");
        if (dot == std::string::npos) {
            engineLog() << "The configuration '" << path << "' has version \"" << v
                        << "\" without a minor number; reading it as " << versionMajor_ << ".0\n";
            versionMinor_ = 0;
        } else {
            versionMinor_ = numbers.integer(v.substr(dot + 1), config, "version");
        }
    }

    if (const TiXmlElement* e = child(child(config, "Application"), "ScreenResolution")) {
        // A size out of range keeps the default size whole.
        const int before = numbers.badValues();
        const int width = numbers.ranged(e, "width", 0, MaxScreenSize);
        const int height = numbers.ranged(e, "height", 0, MaxScreenSize);
        if (numbers.badValues() == before) {
            width_ = width;
            height_ = height;
        }
        bitDepth_ = numbers.ranged(e, "bitDepth", 0, 32);
    }
    if (const TiXmlElement* e = child(child(config, "Application"), "WindowCaption")) {
        caption_ = text(e, "name");
    }
    if (const TiXmlElement* e = child(config, "Savegame")) {
        saveFolder_ = text(e, "folder");
        saveFileName_ = text(e, "filename");
    }
    if (const TiXmlElement* e = child(config, "Credits")) {
        creditsFileName_ = text(e, "filename");
    }
    if (const TiXmlElement* e = child(config, "SurveyURL")) {
        surveyUrl_ = text(e, "URL");
    }

    if (versionMajor_ == 1 && versionMinor_ == 0) {
        if (const TiXmlElement* e = child(config, "Language")) {
            activeLanguage_ = text(e, "active");
            labelsFile_ = text(e, "labels");
        }
    } else if (versionMajor_ == 1 && versionMinor_ == 1) {
        if (const TiXmlElement* list = child(config, "SupportedLanguages")) {
            startingLanguage_ = text(list, "startingLanguage");
            for (const TiXmlElement* e = list->FirstChildElement("Language"); e;
                 e = e->NextSiblingElement("Language")) {
                const std::string name = text(e, "name");
                languages_.push_back({text(e, "active"), text(e, "labels"), text(e, "flag"),
                                      name.empty() ? text(e, "active") : name});
                if (languages_.back().code == startingLanguage_) {
                    labelsFile_ = languages_.back().labels;
                    activeLanguage_ = startingLanguage_;
                }
            }
            if (labelsFile_.empty()) {
                engineLog() << "The starting language \"" << startingLanguage_
                            << "\" is not among the supported languages of '" << path << "'\n";
            }
        }
    } else {
        engineLog() << "The configuration '" << path << "' has version " << versionMajor_ << "."
                    << versionMinor_ << "; its languages are not read\n";
    }

    if (const TiXmlElement* list = child(config, "LogoScreens")) {
        for (const TiXmlElement* e = list->FirstChildElement("Screen"); e;
             e = e->NextSiblingElement("Screen")) {
            logoScreens_.push_back({text(e, "type"), text(e, "folder"), text(e, "filename")});
        }
    }
    if (const TiXmlElement* list = child(config, "MouseCursors")) {
        cursorFolder_ = text(list, "folder");
        for (const TiXmlElement* e = list->FirstChildElement("Cursor"); e;
             e = e->NextSiblingElement("Cursor")) {
            cursors_.push_back({numbers.integer(e, "id"), text(e, "imageFile")});
        }
    }
    if (const TiXmlElement* e = child(config, "Volume")) {
        soundVolume_ = numbers.ranged(e, "soundVolume", 0, 100);
        musicVolume_ = numbers.ranged(e, "musicVolume", 0, 100);
    }
    if (const TiXmlElement* e = child(config, "FullscreenMode")) {
        const std::string mode = text(e, "mode");
        if (mode == "auto") {
            fullscreenMode_ = ModeAuto;
        } else if (mode == "windowed") {
            fullscreenMode_ = ModeWindowed;
        } else if (mode == "fullScreen") {
            fullscreenMode_ = ModeFullScreen;
        }
    }
    return true;
}

std::string AppConfig::cursorPath(int index) const {
    if (index < 0 || index >= int(cursors_.size())) {
        return "";
    }
    return cursorFolder_ + cursors_[std::size_t(index)].imageFile;
}

std::string AppConfig::languageCode(int index) const {
    if (index < 0 || index >= int(languages_.size())) {
        return "EN";
    }
    return languages_[std::size_t(index)].code;
}

void AppConfig::applyLanguage(const Language& language) {
    startingLanguage_ = language.code;
    activeLanguage_ = language.code;
    labelsFile_ = language.labels;
}

bool AppConfig::selectLanguage(const std::string& code) {
    if (code == startingLanguage_) {
        return false;
    }
    for (const Language& language : languages_) {
        if (language.code == code) {
            // A copy: applying it changes the fields, not the list.
            applyLanguage(Language(language));
            return true;
        }
    }
    return false;
}

bool AppConfig::selectLanguageByIndex(int index) {
    if (index < 0 || index >= int(languages_.size())) {
        return false;
    }
    applyLanguage(Language(languages_[std::size_t(index)]));
    return true;
}
