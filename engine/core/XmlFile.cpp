#include "engine/core/XmlFile.h"

#include "engine/core/Log.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace xml {

namespace {

// Skips from `at` to just past `end`, or to the end of the text.
std::size_t skipPast(const std::string& text, std::size_t at, const char* end) {
    const std::size_t found = text.find(end, at);
    return found == std::string::npos ? text.size() : found + std::char_traits<char>::length(end);
}

} // namespace

int nestingDepth(const std::string& text) {
    int depth = 0;
    int deepest = 0;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        if (text.compare(at, 4, "<!--") == 0) {
            at = skipPast(text, at + 4, "-->");
        } else if (text.compare(at, 9, "<![CDATA[") == 0) {
            at = skipPast(text, at + 9, "]]>");
        } else if (text.compare(at, 2, "<?") == 0) {
            at = skipPast(text, at + 2, "?>");
        } else if (text.compare(at, 2, "<!") == 0) {
            at = skipPast(text, at + 2, ">");
        } else if (text.compare(at, 2, "</") == 0) {
            depth = std::max(0, depth - 1);
            at = skipPast(text, at + 2, ">");
        } else {
            // An opening tag: its end is the first '>' outside quotes.
            deepest = std::max(deepest, ++depth);
            char quote = 0;
            std::size_t end = at + 1;
            for (; end < text.size(); ++end) {
                const char c = text[end];
                if (quote) {
                    quote = c == quote ? 0 : quote;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>' || c == '<') {
                    break;
                }
            }
            if (end < text.size() && text[end] == '>' && text[end - 1] == '/') {
                --depth;
            }
            at = end < text.size() && text[end] == '>' ? end + 1 : end;
        }
    }
    return deepest;
}

bool parseText(TiXmlDocument& document, const std::string& text, std::string& error,
               TiXmlEncoding encoding) {
    if (text.size() > MaxFileBytes) {
        error = "larger than " + std::to_string(MaxFileBytes >> 20) + " MB";
        return false;
    }
    if (nestingDepth(text) > MaxDepth) {
        error = "elements nested deeper than " + std::to_string(MaxDepth);
        return false;
    }
    // Line ends become '\n' as TinyXML's own file reading makes them.
    std::string normalised;
    normalised.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            normalised += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            normalised += text[i];
        }
    }
    // TinyXML can step a few bytes past the end of the text after a UTF-8
    // lead byte there; zeros after the end keep such reads inside the buffer.
    normalised.append(16, '\0');
    document.Parse(normalised.c_str(), nullptr, encoding);
    if (document.Error()) {
        error = std::string(document.ErrorDesc()) + " (line " +
                std::to_string(document.ErrorRow()) + ")";
        return false;
    }
    if (!document.RootElement()) {
        error = "no element";
        return false;
    }
    return true;
}

bool loadFile(TiXmlDocument& document, const std::string& path, std::string& error,
              TiXmlEncoding encoding) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<unsigned long long>(size) > MaxFileBytes) {
        error = size < 0 ? "cannot be read"
                         : "larger than " + std::to_string(MaxFileBytes >> 20) + " MB";
        return false;
    }
    in.seekg(0);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty()) {
        error = "empty";
        return false;
    }
    document.SetValue(path);
    return parseText(document, text, error, encoding);
}

NumberReader::NumberReader(std::string file, std::string what)
    : file_(std::move(file)), what_(std::move(what)) {}

NumberReader::~NumberReader() {
    if (bad_ > 0) {
        engineLog() << "The " << what_ << " '" << file_ << "' has " << bad_
                    << " value(s) that are not numbers or are out of range, the first " << first_
                    << "\n";
    }
}

void NumberReader::complain(const TiXmlElement* element, const char* name,
                            const std::string& text) {
    if (bad_++ == 0) {
        first_ = "on line " + std::to_string(element ? element->Row() : 0) + ": " + name + "=\"" +
                 text.substr(0, 40) + "\"";
    }
}

namespace {

bool onlyBlanksFrom(const char* end) {
    while (*end == ' ' || *end == '\t' || *end == '\n' || *end == '\r') {
        ++end;
    }
    return *end == '\0';
}

} // namespace

int NumberReader::integer(const std::string& text, const TiXmlElement* element, const char* name) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    const bool ranged = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
    if (end == begin || !ranged || !onlyBlanksFrom(end)) {
        complain(element, name, text);
    }
    return int(std::clamp<long>(value, INT_MIN, INT_MAX));
}

int NumberReader::integer(const TiXmlElement* element, const char* name, int fallback) {
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text) {
        return fallback;
    }
    const char* end = text;
    while (*end == ' ' || *end == '\t') {
        ++end;
    }
    if (*end == '\0' || ((*end == '-' || *end == '+') ? !std::isdigit((unsigned char)end[1])
                                                      : !std::isdigit((unsigned char)*end))) {
        complain(element, name, text);
        return fallback;
    }
    return integer(std::string(text), element, name);
}

int NumberReader::ranged(const TiXmlElement* element, const char* name, int lowest, int highest,
                         int fallback) {
    const int before = bad_;
    const int value = integer(element, name, fallback);
    if (bad_ == before && (value < lowest || value > highest)) {
        complain(element, name, element->Attribute(name));
    }
    return std::clamp(value, lowest, highest);
}

float NumberReader::decimal(const TiXmlElement* element, const char* name, float fallback) {
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text) {
        return fallback;
    }
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || !std::isfinite(value)) {
        complain(element, name, text);
        return fallback;
    }
    if (std::fabs(value) > MaxDecimal || !onlyBlanksFrom(end)) {
        complain(element, name, text);
    }
    return float(std::clamp(value, -MaxDecimal, MaxDecimal));
}

} // namespace xml
