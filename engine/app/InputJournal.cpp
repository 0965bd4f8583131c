#include "engine/app/InputJournal.h"

#include "engine/core/Log.h"
#include "engine/platform/FileSystem.h"

#include <fstream>
#include <sstream>

namespace {

constexpr const char* kMagic = "quill-input-journal 1";
constexpr std::uint64_t kFnvOffset = 1469598103934665603ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void mix(std::uint64_t& hash, const char* bytes, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= kFnvPrime;
    }
}

bool mixFile(std::uint64_t& hash, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        mix(hash, buffer, std::size_t(in.gcount()));
    }
    return true;
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

InputJournal::~InputJournal() {
    if (out_) {
        std::fclose(out_);
    }
}

std::string InputJournal::folderDigest(const std::string& folder) {
    if (!platform::directoryExists(folder)) {
        return "none";
    }
    std::uint64_t hash = kFnvOffset;
    for (const std::string& file : platform::filesUnder(folder)) {
        mix(hash, file.c_str(), file.size() + 1);
        mixFile(hash, folder + "/" + file);
    }
    return hex(hash);
}

std::string InputJournal::fileDigest(const std::string& path) {
    std::uint64_t hash = kFnvOffset;
    return mixFile(hash, path) ? hex(hash) : "none";
}

std::string InputJournal::encode(const SDL_Event& event) {
    std::ostringstream line;
    switch (event.type) {
    case SDL_MOUSEMOTION:
        line << "motion " << event.motion.x << ' ' << event.motion.y << ' ' << event.motion.xrel
             << ' ' << event.motion.yrel << ' ' << int(event.motion.state);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        line << "button " << (event.type == SDL_MOUSEBUTTONDOWN ? "down " : "up ")
             << int(event.button.button) << ' ' << event.button.x << ' ' << event.button.y;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        line << "key " << (event.type == SDL_KEYDOWN ? "down " : "up ") << int(event.key.keysym.sym)
             << ' ' << int(event.key.keysym.mod) << ' ' << event.key.keysym.unicode;
        break;
    case SDL_ACTIVEEVENT:
        line << "focus " << int(event.active.gain) << ' ' << int(event.active.state);
        break;
    case SDL_VIDEORESIZE:
        line << "resize " << event.resize.w << ' ' << event.resize.h;
        break;
    case SDL_QUIT:
        line << "quit";
        break;
    default:
        break;
    }
    return line.str();
}

bool InputJournal::decode(const std::string& text, SDL_Event& event) {
    std::istringstream in(text);
    std::string kind;
    in >> kind;
    event = SDL_Event();
    auto whole = [&in] { return !in.fail() && (in >> std::ws).eof(); };
    if (kind == "motion") {
        int x, y, dx, dy, state;
        in >> x >> y >> dx >> dy >> state;
        event.type = SDL_MOUSEMOTION;
        event.motion.x = Uint16(x);
        event.motion.y = Uint16(y);
        event.motion.xrel = Sint16(dx);
        event.motion.yrel = Sint16(dy);
        event.motion.state = Uint8(state);
        return whole() && x >= 0 && y >= 0 && x <= 0xffff && y <= 0xffff;
    }
    if (kind == "button") {
        std::string direction;
        int button, x, y;
        in >> direction >> button >> x >> y;
        event.type = direction == "down" ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = Uint8(button);
        event.button.state = direction == "down" ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = Uint16(x);
        event.button.y = Uint16(y);
        return whole() && (direction == "down" || direction == "up") && button > 0 &&
               button < 256 && x >= 0 && y >= 0 && x <= 0xffff && y <= 0xffff;
    }
    if (kind == "key") {
        std::string direction;
        int sym, mod;
        unsigned unicode;
        in >> direction >> sym >> mod >> unicode;
        event.type = direction == "down" ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = direction == "down" ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = SDLKey(sym);
        event.key.keysym.mod = SDLMod(mod);
        event.key.keysym.unicode = Uint16(unicode);
        return whole() && (direction == "down" || direction == "up") && sym >= 0 &&
               sym < SDLK_LAST && unicode <= 0xffff;
    }
    if (kind == "focus") {
        int gain, state;
        in >> gain >> state;
        event.type = SDL_ACTIVEEVENT;
        event.active.gain = Uint8(gain);
        event.active.state = Uint8(state);
        return whole();
    }
    if (kind == "resize") {
        int width, height;
        in >> width >> height;
        event.type = SDL_VIDEORESIZE;
        event.resize.w = width;
        event.resize.h = height;
        return whole() && width > 0 && height > 0;
    }
    if (kind == "quit") {
        event.type = SDL_QUIT;
        return whole();
    }
    return false;
}

std::unique_ptr<InputJournal> InputJournal::record(const std::string& path, const Header& header,
                                                   std::string& error) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (!out) {
        error = "cannot write \"" + path + "\"";
        return nullptr;
    }
    std::unique_ptr<InputJournal> journal(new InputJournal());
    journal->header_ = header;
    journal->out_ = out;
    std::fprintf(out, "%s\nseed %u\ncontent %s\nsave %s\n", kMagic, header.seed,
                 header.contentDigest.c_str(), header.saveDigest.c_str());
    std::fflush(out);
    return journal;
}

void InputJournal::write(std::uint64_t frame, const SDL_Event& event) {
    const std::string line = encode(event);
    if (!out_ || line.empty()) {
        return;
    }
    std::fprintf(out_, "%llu %s\n", static_cast<unsigned long long>(frame), line.c_str());
    // On disk at once: a report of a crash keeps the input that led to it.
    std::fflush(out_);
    ++eventCount_;
}

void InputJournal::writeStep(std::uint64_t frame, int ms) {
    if (out_) {
        std::fprintf(out_, "%llu step %d\n", static_cast<unsigned long long>(frame), ms);
    }
}

void InputJournal::finish(std::uint64_t frames) {
    if (!out_) {
        return;
    }
    std::fprintf(out_, "end %llu\n", static_cast<unsigned long long>(frames));
    std::fclose(out_);
    out_ = nullptr;
}

std::unique_ptr<InputJournal> InputJournal::replay(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read \"" + path + "\"";
        return nullptr;
    }
    std::string line;
    if (!std::getline(in, line) || line != kMagic) {
        error = "\"" + path + "\" is not an input journal";
        return nullptr;
    }
    std::unique_ptr<InputJournal> journal(new InputJournal());
    Header& header = journal->header_;
    int number = 1;
    bool haveSeed = false;
    std::uint64_t lastFrame = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string first;
        words >> first;
        std::string rest;
        std::getline(words >> std::ws, rest);
        if (first == "seed") {
            haveSeed = bool(std::istringstream(rest) >> header.seed);
            continue;
        }
        if (first == "content") {
            header.contentDigest = rest;
            continue;
        }
        if (first == "save") {
            header.saveDigest = rest;
            continue;
        }
        if (first == "end") {
            journal->hasEnd_ = bool(std::istringstream(rest) >> journal->endFrame_);
            if (journal->hasEnd_) {
                break;
            }
        }
        char* end = nullptr;
        const unsigned long long frame = std::strtoull(first.c_str(), &end, 10);
        bool taken = !first.empty() && *end == '\0' && frame >= lastFrame;
        if (taken && rest.rfind("step ", 0) == 0) {
            int ms = 0;
            taken = bool(std::istringstream(rest.substr(5)) >> ms) && ms >= 0 && ms <= 1000;
            if (taken) {
                journal->steps_[frame] = ms;
            }
        } else if (taken) {
            SDL_Event event;
            taken = decode(rest, event);
            if (taken) {
                journal->events_[frame].push_back(event);
                ++journal->eventCount_;
            }
        }
        if (!taken) {
            engineLog() << "Replay: \"" << path << "\", line " << number
                        << " is not an event; the replay ends before it\n";
            break;
        }
        lastFrame = frame;
    }
    if (!haveSeed) {
        error = "\"" + path + "\" names no seed";
        return nullptr;
    }
    if (!journal->hasEnd_) {
        journal->endFrame_ = lastFrame + TailFrames;
    }
    return journal;
}

const std::vector<SDL_Event>& InputJournal::eventsFor(std::uint64_t frame) const {
    static const std::vector<SDL_Event> none;
    const auto found = events_.find(frame);
    return found == events_.end() ? none : found->second;
}

int InputJournal::stepFor(std::uint64_t frame) const {
    const auto found = steps_.find(frame);
    return found == steps_.end() ? UsualStepMs : found->second;
}
