#include "engine/app/ConfigFile.h"

#include "engine/core/Log.h"

#include <utf8.h>

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

constexpr const char* kBlanks = " \n\t\v\r\f";
constexpr std::size_t kLongestLine = 4096;

// UTF-8 without control characters other than blanks: what a person writes.
bool isText(const std::string& line) {
    const bool controls = std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && !std::isspace(byte)) || byte == 0x7f;
    });
    return !controls && utf8::is_valid(line.begin(), line.end());
}

bool isBlank(const std::string& line) {
    return line.find_first_not_of(kBlanks) == std::string::npos;
}

bool holds(const std::string& line, const std::string& part) {
    return !part.empty() && line.find(part) != std::string::npos;
}

} // namespace

ConfigFile::ConfigFile(std::string fileName, std::string delimiter, std::string comment,
                       std::string sentry, bool readNow)
    : fileName_(std::move(fileName)), delimiter_(std::move(delimiter)),
      comment_(std::move(comment)), sentry_(std::move(sentry)) {
    if (readNow) {
        read();
    }
}

std::string ConfigFile::trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return "";
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

void ConfigFile::read() {
    std::ifstream in(fileName_);
    if (!in) {
        throw file_not_found{fileName_};
    }
    const auto cut = [this](std::string line) {
        if (!comment_.empty()) {
            const std::size_t mark = line.find(comment_);
            if (mark != std::string::npos) {
                line.erase(mark);
            }
        }
        return line;
    };

    // Lines that are not text or far too long (a damaged or foreign file) are
    // skipped, and said once with the first of them.
    int lineNumber = 0;
    int skipped = 0;
    int firstSkipped = 0;
    const auto nextLine = [&](std::string& line) {
        while (std::getline(in, line)) {
            ++lineNumber;
            if (line.size() <= kLongestLine && isText(line)) {
                return true;
            }
            firstSkipped = skipped++ == 0 ? lineNumber : firstSkipped;
        }
        return false;
    };

    std::string lookAhead;
    bool haveLookAhead = false;
    bool ended = false;
    while (!ended) {
        std::string line;
        if (haveLookAhead) {
            line = lookAhead;
            haveLookAhead = false;
        } else if (!nextLine(line)) {
            break;
        }
        line = cut(line);
        if (holds(line, sentry_)) {
            break;
        }
        const std::size_t at = delimiter_.empty() ? std::string::npos : line.find(delimiter_);
        if (at == std::string::npos) {
            continue;
        }
        std::string key = line.substr(0, at);
        std::string value = line.substr(at + delimiter_.size());

        std::string next;
        while (in.good() && nextLine(next)) {
            if (isBlank(next)) {
                continue;
            }
            next = cut(next);
            if (next.find(delimiter_) != std::string::npos) {
                lookAhead = next;
                haveLookAhead = true;
                break;
            }
            if (holds(next, sentry_)) {
                ended = true;
                break;
            }
            if (!isBlank(next)) {
                value += '\n';
                value += next;
            }
        }
        entries_[trim(key)] = trim(value);
    }
    if (skipped > 0) {
        engineLog() << "Config file '" << fileName_ << "': " << skipped
                    << " line(s) skipped as not text or longer than " << kLongestLine
                    << " characters, the first is line " << firstSkipped << "\n";
    }
    if (entries_.empty()) {
        engineLog() << "Config file '" << fileName_ << "' holds no values\n";
    }
}

std::string ConfigFile::read(const std::string& key, const std::string& fallback) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? fallback : found->second;
}

void ConfigFile::reportBadValue(const std::string& key, const std::string& text) const {
    engineLog() << "Parameter '" << key << "' in '" << fileName_ << "' has the unreadable value \""
                << text << "\"; using the default\n";
}
