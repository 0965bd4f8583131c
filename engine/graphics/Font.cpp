#include "engine/graphics/Font.h"

#include "engine/graphics/Utf8Text.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return pieces;
        }
        start = end + 1;
    }
}

std::string join(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i];
    }
    return text;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

template <typename DrawLine>
void Font::layOut(const WidgetRect& box, const std::string& text, int horizontal, int vertical,
                  bool wrap, DrawLine drawLine) const {
    const std::vector<std::string> lines = split(wrap ? wrapWords(text, box.width) : text, '\n');
    const int total = lineHeight_ * int(lines.size());
    int top = box.y;
    if (vertical == AlignMiddle) {
        top = box.y + (box.height - total) / 2;
    } else if (vertical == AlignBottom) {
        top = box.y + box.height - total;
    }
    for (const std::string& line : lines) {
        const int width = textWidth(line);
        int left = box.x;
        if (horizontal == AlignRight) {
            left = box.x + box.width - width;
        } else if (horizontal == AlignCenter) {
            left = box.x + (box.width - width) / 2;
        }
        drawLine(left, top, line);
        top += lineHeight_;
    }
}

void Font::drawTextBox(Graphics& graphics, const WidgetRect& box, const std::string& text,
                       const Color& color, int horizontal, int vertical, bool wrap) const {
    layOut(box, text, horizontal, vertical, wrap,
           [&](int x, int y, const std::string& line) { drawText(graphics, x, y, line, color); });
}

void Font::drawTextBoxToImage(ImageGraphics& target, const WidgetRect& box, const std::string& text,
                              const Color& color, int horizontal, int vertical, bool wrap,
                              bool useAlpha) const {
    layOut(box, text, horizontal, vertical, wrap, [&](int x, int y, const std::string& line) {
        drawTextToImage(target, x, y, line, color, useAlpha);
    });
}

std::string Font::wrapWords(const std::string& text, int maxWidth) const {
    const std::vector<std::string> words = split(text, ' ');
    if (words.size() <= 1) {
        return text;
    }
    // Every line takes at least one word, so a box of no width still ends:
    // one word a line.
    maxWidth = std::max(maxWidth, 0);
    std::vector<std::string> lines;
    std::size_t next = 0;
    while (next < words.size()) {
        std::string line;
        int count = 0;
        std::size_t remembered = 0;
        while (textWidth(line) <= maxWidth) {
            remembered = line.size();
            if (!line.empty()) {
                line += ' ';
            }
            line += words[next++];
            ++count;
            if (next == words.size()) {
                break;
            }
        }
        if (textWidth(line) > maxWidth && count > 1) {
            line.resize(remembered);
            --next;
        }
        lines.push_back(line);
    }
    return join(lines);
}

std::string Font::wrapAtBlanks(const std::string& text, int maxWidth) const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t lastBlank = std::string::npos;
    for (std::size_t position = 0; position < text.size(); ++position) {
        const char c = text[position];
        if (c == '\n') {
            lines.push_back(text.substr(start, position - start));
            start = position + 1;
            lastBlank = std::string::npos;
            continue;
        }
        // Lines are measured at character boundaries only.
        if (!isContinuationByte(c) && lastBlank != std::string::npos &&
            textWidth(text.substr(start, position - start)) >= maxWidth) {
            lines.push_back(text.substr(start, lastBlank - start));
            start = lastBlank + 1;
            lastBlank = std::string::npos;
        }
        if ((c == ' ' || c == '\t') && position >= 1 && position > start) {
            lastBlank = position;
        }
    }
    lines.push_back(text.substr(start));
    return join(lines);
}
