#pragma once

#include "tests/support/Subprocess.h"

#include <string>

#ifdef QUILL_TOOL_PATH
#include <nlohmann/json.hpp>
#endif

// Shared by the tests that run the built quill-game and quill-tool.
namespace game_programs {

#ifdef QUILL_TOOL_PATH
// The save file as quill-tool decodes it; discarded when it cannot.
inline nlohmann::json decodeSave(const std::string& path) {
    return nlohmann::json::parse(runCommand({QUILL_TOOL_PATH, "save", path}).out, nullptr, false);
}
#endif

} // namespace game_programs
