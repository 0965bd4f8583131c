#pragma once

#include <tinyxml.h>

#include <cstddef>
#include <string>
#include <utility>

// Reads the game's XML data files into TinyXML documents, with the limits
// TinyXML lacks. TinyXML parses and frees elements recursively, so a file
// nested thousands of elements deep would overflow the stack: such a file is
// refused before it is parsed, as is a file too large to be a data file.
namespace xml {

constexpr std::size_t MaxFileBytes = 16u << 20;
constexpr int MaxDepth = 256;

// Reads and parses the file. False when it cannot be opened, is too large or
// too deep, or does not parse; `error` then says why in a few words (with the
// line for a parse error).
bool loadFile(TiXmlDocument& document, const std::string& path, std::string& error,
              TiXmlEncoding encoding = TIXML_DEFAULT_ENCODING);

// The same for text already in memory.
bool parseText(TiXmlDocument& document, const std::string& text, std::string& error,
               TiXmlEncoding encoding = TIXML_DEFAULT_ENCODING);

// The deepest element nesting of the text, counted so that it never falls
// short of what TinyXML would build (tags inside comments, CDATA and
// declarations do not count).
int nestingDepth(const std::string& text);

// Reads the numbers of one file's attributes as C's atoi and atof would (a
// leading number, a missing attribute giving the fallback), but clamped to a
// safe range, and counts the values that are not cleanly a number in range:
// on destruction one line names the file, how many there were and the first.
class NumberReader {
public:
    // Decimals beyond this size are clamped: positions and scales of a
    // million pixels are already far off any screen.
    static constexpr double MaxDecimal = 1e6;

    NumberReader(std::string file, std::string what);
    ~NumberReader();
    NumberReader(const NumberReader&) = delete;
    NumberReader& operator=(const NumberReader&) = delete;

    int integer(const TiXmlElement* element, const char* name, int fallback = 0);
    // An integer kept within [lowest, highest]; a value outside counts as bad.
    int ranged(const TiXmlElement* element, const char* name, int lowest, int highest,
               int fallback = 0);
    float decimal(const TiXmlElement* element, const char* name, float fallback = 0.0f);
    // A number that is not an attribute (a list item), at the element's line.
    int integer(const std::string& text, const TiXmlElement* element, const char* name);

    int badValues() const { return bad_; }

private:
    void complain(const TiXmlElement* element, const char* name, const std::string& text);

    std::string file_;
    std::string what_;
    int bad_ = 0;
    std::string first_;
};

} // namespace xml
