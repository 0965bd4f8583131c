#pragma once

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A run's input on disk, for bug reports and tests: the random seed, digests
// of the content and of the save the run started from, then every input
// event with the number of the frame that handled it (and the game time of
// any frame that did not advance by the usual step). Replaying feeds the same
// events at the same frames in fixed steps, so the run repeats exactly.
//
// The file is text, one line each:
//   quill-input-journal 1
//   seed 20261208
//   content 0123456789abcdef
//   save none | <digest>
//   <frame> motion <x> <y> <xrel> <yrel> <buttons>
//   <frame> button down|up <button> <x> <y>
//   <frame> key down|up <sym> <modifiers> <unicode>
//   <frame> focus <gain> <state>
//   <frame> resize <width> <height>
//   <frame> quit
//   <frame> step <ms>
//   end <frames>
class InputJournal {
public:
    static constexpr int UsualStepMs = 16;
    // A recording cut short (no end line) is replayed this many frames past
    // its last event.
    static constexpr std::uint64_t TailFrames = 625;

    struct Header {
        unsigned seed = 0;
        std::string contentDigest;
        std::string saveDigest = "none";
    };

    ~InputJournal();

    // Recording into the file; none, with the reason, when it cannot be written.
    static std::unique_ptr<InputJournal> record(const std::string& path, const Header& header,
                                                std::string& error);
    // The file read for replaying; none, with the reason, when it is not a
    // journal. A damaged line ends the events there, with a diagnostic line.
    static std::unique_ptr<InputJournal> replay(const std::string& path, std::string& error);

    const Header& header() const { return header_; }
    bool isRecording() const { return out_ != nullptr; }

    // Recording. Events that are not input (the game's own) are left out.
    void write(std::uint64_t frame, const SDL_Event& event);
    void writeStep(std::uint64_t frame, int ms);
    void finish(std::uint64_t frames);

    // Replaying.
    const std::vector<SDL_Event>& eventsFor(std::uint64_t frame) const;
    int stepFor(std::uint64_t frame) const;
    // The frame at which the replay ends.
    std::uint64_t endFrame() const { return endFrame_; }
    std::size_t eventCount() const { return eventCount_; }

    // One event as its journal line without the frame; empty for events
    // that are not recorded. `decode` reads it back.
    static std::string encode(const SDL_Event& event);
    static bool decode(const std::string& text, SDL_Event& event);
    // A digest (FNV-1a, 64 bits, hex) of every file under the folder: their
    // relative paths and bytes, in path order. "none" when there is no folder.
    static std::string folderDigest(const std::string& folder);
    static std::string fileDigest(const std::string& path);

private:
    InputJournal() = default;

    Header header_;
    std::FILE* out_ = nullptr;
    std::map<std::uint64_t, std::vector<SDL_Event>> events_;
    std::map<std::uint64_t, int> steps_;
    std::uint64_t endFrame_ = 0;
    bool hasEnd_ = false;
    std::size_t eventCount_ = 0;
};
