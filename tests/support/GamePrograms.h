#pragma once

#include "tests/support/Subprocess.h"

#include <cstdlib>
#include <string>

#ifdef QUILL_TOOL_PATH
#include <nlohmann/json.hpp>
#endif

// Shared by the tests that run the built quill-game and quill-tool.
namespace game_programs {

// The environment entry for a quill-game run: the game unloads the GL driver
// at exit, whose own leaks a sanitizer build would report from an unnamed
// module; the engine's code is leak-checked by the other tests.
inline std::string noLeakCheck() {
    const char* asan = std::getenv("ASAN_OPTIONS");
    return "ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":detect_leaks=0";
}

#ifdef QUILL_TOOL_PATH
// The save file as quill-tool decodes it; discarded when it cannot.
inline nlohmann::json decodeSave(const std::string& path) {
    return nlohmann::json::parse(runCommand({QUILL_TOOL_PATH, "save", path}).out, nullptr, false);
}
#endif

} // namespace game_programs
