#pragma once

#include <cstdint>
#include <string>

// Steps through UTF-8 text one character at a time. A byte that does not
// start a valid sequence is one character of its own code, so Latin-1 bytes
// and damaged texts still show something sensible.
class Utf8Reader {
public:
    explicit Utf8Reader(const std::string& text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }
    std::size_t position() const { return position_; }
    // The next character's code; advances past it.
    std::uint32_t next();

private:
    const std::string& text_;
    std::size_t position_ = 0;
};

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& text, std::uint32_t code);
// How many characters the text holds, as Utf8Reader counts them.
std::size_t utf8Length(const std::string& text);

// The capital of a letter in the Latin, Greek and Cyrillic alphabets the
// game's fonts draw (e to E, u-umlaut to U-umlaut, ...); other codes stay.
std::uint32_t upperCaseCode(std::uint32_t code);
// The text with every letter as its capital, character by character. Bytes
// that are not valid UTF-8 stay as they are.
std::string utf8UpperCase(const std::string& text);
