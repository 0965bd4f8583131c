#include "engine/graphics/Utf8Text.h"

#include <utf8.h>

#include <iterator>

std::uint32_t Utf8Reader::next() {
    auto it = text_.begin() + std::ptrdiff_t(position_);
    try {
        const std::uint32_t code = utf8::next(it, text_.end());
        position_ = std::size_t(it - text_.begin());
        return code;
    } catch (const utf8::exception&) {
        return static_cast<unsigned char>(text_[position_++]);
    }
}

void appendUtf8(std::string& text, std::uint32_t code) {
    try {
        utf8::append(code, std::back_inserter(text));
    } catch (const utf8::exception&) {
        // Not a character (a surrogate, say): nothing to append.
    }
}

std::size_t utf8Length(const std::string& text) {
    Utf8Reader reader(text);
    std::size_t count = 0;
    while (!reader.atEnd()) {
        reader.next();
        ++count;
    }
    return count;
}

std::uint32_t upperCaseCode(std::uint32_t code) {
    if (code >= 'a' && code <= 'z') {
        return code - 0x20;
    }
    if (code == 0xB5) {
        return 0x39C; // micro sign: Greek capital mu
    }
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) {
        return code - 0x20;
    }
    if (code == 0xFF) {
        return 0x178;
    }
    if (code == 0x131) {
        return 'I'; // dotless i
    }
    if (code == 0x17F) {
        return 'S'; // long s
    }
    // Latin Extended-A: capital and small letters alternate, the small one
    // odd up to U+0137 and from U+014A, even in between and from U+0179.
    if ((code >= 0x100 && code <= 0x137) || (code >= 0x14A && code <= 0x177)) {
        return (code & 1) ? code - 1 : code;
    }
    if ((code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E)) {
        return (code & 1) ? code : code - 1;
    }
    if (code == 0x3C2) {
        return 0x3A3; // final sigma
    }
    if (code >= 0x3B1 && code <= 0x3CB) {
        return code - 0x20;
    }
    if (code >= 0x430 && code <= 0x44F) {
        return code - 0x20;
    }
    if (code >= 0x450 && code <= 0x45F) {
        return code - 0x50;
    }
    return code;
}

std::string utf8UpperCase(const std::string& text) {
    std::string upper;
    upper.reserve(text.size());
    Utf8Reader reader(text);
    while (!reader.atEnd()) {
        const std::size_t start = reader.position();
        const std::uint32_t code = reader.next();
        const std::size_t length = reader.position() - start;
        if (length == 1 && code >= 0x80) {
            upper += text[start]; // not UTF-8: the byte as it came
        } else {
            appendUtf8(upper, upperCaseCode(code));
        }
    }
    return upper;
}
