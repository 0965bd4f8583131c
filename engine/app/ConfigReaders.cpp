#include "engine/app/ConfigReaders.h"

#include <cstdlib>
#include <vector>

namespace {

// The numbers of "Word(n,n,...)", or nothing when the text is not of that form.
bool numbersOf(const std::string& text, const char* word, std::vector<int>& numbers) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')');
    if (text.empty() || text.find(word) == std::string::npos || open == std::string::npos ||
        close == std::string::npos || close < open) {
        return false;
    }
    const std::string inside = text.substr(open + 1, close - open - 1);
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = inside.find(',', start);
        // atoi skips leading blanks and stops at the first non-digit.
        numbers.push_back(std::atoi(inside.substr(start, comma - start).c_str()));
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

} // namespace

Color parseColor(const std::string& text) {
    std::vector<int> n;
    if (!numbersOf(text, "Color", n) || n.size() != 4) {
        return Color(255, 255, 255, 255);
    }
    return Color(std::uint8_t(n[0]), std::uint8_t(n[1]), std::uint8_t(n[2]), std::uint8_t(n[3]));
}

WidgetRect parseRect(const std::string& text) {
    std::vector<int> n;
    if (!numbersOf(text, "Rect", n) || n.size() != 4) {
        return WidgetRect();
    }
    return WidgetRect(n[0], n[1], 0, n[2], n[3]);
}

bool parseBool(const std::string& text) {
    return text == "1" || text == "true" || text == "yes";
}
