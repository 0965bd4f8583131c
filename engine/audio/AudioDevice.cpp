#include "engine/audio/AudioDevice.h"

#include "engine/core/Log.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <fstream>

bool audioDeviceOpen() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) != 0;
}

namespace {

// An Ogg stream ends with a page flagged "end of stream"; a file cut short
// lacks it (or the page's own bytes) and would play only part of the music.
// Files of other formats are not looked at.
bool oggCutShort(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    if (!in.read(magic, 4) || std::memcmp(magic, "OggS", 4) != 0) {
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, 70000); // a page is < 65308 bytes
    std::string bytes(std::size_t(tail), '\0');
    in.seekg(size - tail);
    in.read(&bytes[0], tail);
    const std::size_t page = bytes.rfind("OggS");
    constexpr std::size_t HeaderSize = 27;
    if (page == std::string::npos || page + HeaderSize > bytes.size()) {
        return true;
    }
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    constexpr unsigned EndOfStream = 0x04;
    const std::size_t segments = byte(page + 26);
    if (!(byte(page + 5) & EndOfStream) || page + HeaderSize + segments > bytes.size()) {
        return true;
    }
    std::size_t body = 0;
    for (std::size_t i = 0; i < segments; ++i) {
        body += byte(page + HeaderSize + i);
    }
    return page + HeaderSize + segments + body > bytes.size();
}

} // namespace

void reportCutShortMusic(const std::string& path) {
    if (oggCutShort(path)) {
        engineLog() << "The music '" << path
                    << "' is cut short (no end-of-stream page); it plays only in part\n";
    }
}
