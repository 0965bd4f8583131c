#include "engine/app/AppConfig.h"

#include "engine/core/Log.h"

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

int number(const TiXmlElement* element, const char* name) {
    return std::atoi(text(element, name).c_str());
}

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
    if (!document.LoadFile(path.c_str())) {
        engineLog() << "Cannot read the configuration '" << path << "': " << document.ErrorDesc()
                    << " (line " << document.ErrorRow() << ")\n";
        return false;
    }
    const TiXmlElement* config = document.FirstChildElement("Config");
    if (!config) {
        engineLog() << "The configuration '" << path << "' has no Config element\n";
        return false;
    }

    if (const char* version = config->Attribute("version")) {
        const std::string v = version;
        const std::size_t dot = v.find('.');
        versionMajor_ = std::atoi(v.substr(0, dot).c_str());
        if (dot == std::string::npos) {
            engineLog() << "The configuration '" << path << "' has version \"" << v
                        << "\" without a minor number; reading it as " << versionMajor_ << ".0\n";
            versionMinor_ = 0;
        } else {
            versionMinor_ = std::atoi(v.substr(dot + 1).c_str());
        }
    }

    if (const TiXmlElement* e = child(child(config, "Application"), "ScreenResolution")) {
        width_ = number(e, "width");
        height_ = number(e, "height");
        bitDepth_ = number(e, "bitDepth");
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
                languages_.push_back({text(e, "active"), text(e, "labels"), text(e, "flag")});
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
            cursors_.push_back({number(e, "id"), text(e, "imageFile")});
        }
    }
    if (const TiXmlElement* e = child(config, "Volume")) {
        soundVolume_ = number(e, "soundVolume");
        musicVolume_ = number(e, "musicVolume");
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
