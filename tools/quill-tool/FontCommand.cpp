#include "engine/graphics/AngelFont.h"
#include "tools/quill-tool/Commands.h"

#include <cstdlib>
#include <fstream>

int runFont(const Arguments& args) {
    const Arguments rest = positional(args, {"--box"});
    if (rest.size() != 2) {
        return fail("font", "usage: font FILE TEXT [--box WIDTH]");
    }
    const std::string& path = rest[0];
    const std::string& text = rest[1];
    const std::string box = option(args, "--box", "");
    char* end = nullptr;
    const long boxWidth = box.empty() ? 0 : std::strtol(box.c_str(), &end, 10);
    if (!box.empty() && (*end != '\0' || boxWidth <= 0)) {
        return fail("font", "the box width must be a positive number, not '" + box + "'");
    }
    if (!std::ifstream(path)) {
        return fail("font", "cannot open the font '" + path + "'");
    }
    // Measuring needs no page pictures (nor a GL context for them).
    const AngelFont font(path, AngelFont::Pages::Skip);
    if (font.glyphCount() == 0) {
        return fail("font", "the font '" + path + "' has no glyphs");
    }
    nlohmann::json pages = nlohmann::json::array();
    for (const std::string& file : font.pageFiles()) {
        pages.push_back({{"file", file}, {"exists", bool(std::ifstream(file))}});
    }
    nlohmann::json result = {{"file", path},
                             {"lineHeight", font.lineHeight()},
                             {"glyphs", font.glyphCount()},
                             {"pages", pages},
                             {"text", text},
                             {"textWidth", font.textWidth(text)}};
    if (boxWidth > 0) {
        const std::string wrapped = font.wrapWords(text, int(boxWidth));
        nlohmann::json lines = nlohmann::json::array();
        std::size_t start = 0;
        for (;;) {
            const std::size_t stop = wrapped.find('\n', start);
            const std::string line = wrapped.substr(start, stop - start);
            lines.push_back({{"text", line}, {"width", font.textWidth(line)}});
            if (stop == std::string::npos) {
                break;
            }
            start = stop + 1;
        }
        result["box"] = {{"width", boxWidth},
                         {"lines", lines},
                         {"height", font.lineHeight() * int(lines.size())}};
    }
    return printJson(result);
}
