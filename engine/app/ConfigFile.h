#pragma once

#include <map>
#include <sstream>
#include <string>

// Free key/value parameters for the screens, read from a text file of
// "key = value" lines. A comment mark cuts a line; a line without the
// delimiter continues the previous value on a new line; a line holding the
// sentry ends the file.
class ConfigFile {
public:
    // Thrown when the file cannot be opened: the game cannot start without it.
    struct file_not_found {
        std::string fileName;
    };

    ConfigFile(std::string fileName, std::string delimiter = "=", std::string comment = "#",
               std::string sentry = "EndConfigFile", bool readNow = true);

    // Parses the file; throws file_not_found when it cannot be opened.
    void read();

    // The value under the key converted to T, or the default when the key is
    // absent or its text does not convert (said in one diagnostic line).
    template <typename T> T read(const std::string& key, const T& fallback) const {
        const auto found = entries_.find(key);
        if (found == entries_.end()) {
            return fallback;
        }
        std::istringstream in(found->second);
        T value{};
        if (!(in >> value)) {
            reportBadValue(key, found->second);
            return fallback;
        }
        return value;
    }
    // Strings keep the whole stored text, inner blanks and lines included.
    std::string read(const std::string& key, const std::string& fallback) const;
    std::string read(const std::string& key, const char* fallback) const {
        return read(key, std::string(fallback));
    }

    bool contains(const std::string& key) const { return entries_.count(key) != 0; }
    const std::map<std::string, std::string>& entries() const { return entries_; }
    const std::string& fileName() const { return fileName_; }

    // Removes the blanks (space, tab, newline, vertical tab, carriage return,
    // form feed) at both ends.
    static std::string trim(const std::string& text);

private:
    void reportBadValue(const std::string& key, const std::string& text) const;

    std::string fileName_;
    std::string delimiter_;
    std::string comment_;
    std::string sentry_;
    std::map<std::string, std::string> entries_;
};
