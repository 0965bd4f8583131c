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
