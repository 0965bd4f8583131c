#include "game/LanguageChoice.h"

#include "engine/app/AppConfig.h"
#include "engine/core/Log.h"
#include "engine/persist/Paths.h"
#include "engine/platform/Environment.h"
#include "engine/platform/FileSystem.h"

#include <cctype>
#include <fstream>

namespace language_choice {

namespace {

// Longer than any language code; a bigger file is not a choice file.
constexpr std::size_t MaxChoiceBytes = 64;

std::string upper(std::string text) {
    for (char& c : text) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The configured language with that code, matched without regard to case;
// empty when there is none.
std::string configuredCode(const AppConfig& config, const std::string& code) {
    for (const AppConfig::Language& language : config.languages()) {
        if (!code.empty() && upper(language.code) == upper(code)) {
            return language.code;
        }
    }
    return {};
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool isCode(const std::string& text) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    for (const char c : text) {
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string codeOfLocale(const std::string& locale) {
    if (locale == "C" || locale == "POSIX") {
        return {};
    }
    const std::size_t end = locale.find_first_of("_.@");
    return upper(locale.substr(0, end));
}

std::string desktopLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const auto value = platform::environmentValue(name);
        if (value && !value->empty()) {
            return *value;
        }
    }
    return {};
}

std::string choicePath(const AppConfig& config) {
    return paths::saveDirectory(config.saveFolder()) + "/" + FileName;
}

std::string startingCode(const AppConfig& config, const std::string& choiceFile) {
    if (platform::fileExists(choiceFile)) {
        std::ifstream in(choiceFile, std::ios::binary);
        std::string bytes;
        bytes.resize(MaxChoiceBytes + 1);
        in.read(&bytes[0], std::streamsize(bytes.size()));
        bytes.resize(std::size_t(in.gcount()));
        const std::string text = trimmed(bytes);
        if (bytes.size() > MaxChoiceBytes || !isCode(text)) {
            engineLog() << "Language: the choice file '" << choiceFile
                        << "' is damaged; it is passed over\n";
        } else if (const std::string code = configuredCode(config, text); !code.empty()) {
            return code;
        } else {
            engineLog() << "Language: \"" << text << "\" from '" << choiceFile
                        << "' is not a language of the game; it is passed over\n";
        }
    }
    const std::string locale = desktopLocale();
    if (const std::string code = configuredCode(config, codeOfLocale(locale)); !code.empty()) {
        engineLog() << "Language: " << code << ", the desktop's (\"" << locale << "\")\n";
        return code;
    }
    return config.startingLanguage();
}

std::string localisedFile(const std::string& path, const std::string& language) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (language.empty() || language == "EN" || dot == std::string::npos ||
        (slash != std::string::npos && dot < slash)) {
        return path;
    }
    const std::string own = path.substr(0, dot) + language + path.substr(dot);
    return platform::fileExists(own) ? own : path;
}

bool remember(const std::string& choiceFile, const std::string& code) {
    const std::size_t slash = choiceFile.rfind('/');
    if (slash != std::string::npos) {
        platform::makeDirectories(choiceFile.substr(0, slash));
    }
    const std::string temporary = choiceFile + ".new";
    const std::string line = code + "\n";
    if (!platform::writeFileDurably(temporary, line.data(), line.size()) ||
        !platform::renameFile(temporary, choiceFile)) {
        platform::removeFile(temporary);
        engineLog() << "Language: the choice of " << code << " could not be kept in '" << choiceFile
                    << "'\n";
        return false;
    }
    return true;
}

} // namespace language_choice
