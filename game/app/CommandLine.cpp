#include "game/app/CommandLine.h"

#include <cstdlib>

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--autoplay") {
            line.autoplay = true;
        } else if (argument == "--autoplay-shots") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                line.error = "--autoplay-shots needs a folder";
                return line;
            }
            line.autoplay = true;
            line.shotsFolder = arguments[++i];
        } else if (argument == "--draw-every") {
            const std::string value = i + 1 < arguments.size() ? arguments[i + 1] : "";
            char* end = nullptr;
            const long every = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || every < 1 || every > 1000) {
                line.error = "--draw-every needs a number from 1 to 1000";
                return line;
            }
            line.drawEvery = int(every);
            ++i;
        } else if (argument == "--record" || argument == "--replay") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                line.error = argument + " needs a file";
                return line;
            }
            (argument == "--record" ? line.recordPath : line.replayPath) = arguments[++i];
        } else if (argument == "--frame-shots") {
            const std::string value = i + 1 < arguments.size() ? arguments[i + 1] : "";
            char* end = nullptr;
            const long every = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || every < 1 || every > 1000000 ||
                i + 2 >= arguments.size() || arguments[i + 2].empty()) {
                line.error = "--frame-shots needs a number of frames and a folder";
                return line;
            }
            line.frameShotEvery = int(every);
            line.frameShotFolder = arguments[i + 2];
            i += 2;
        } else if (argument == "--timings") {
            line.timings = true;
        } else if (argument == "--author") {
            line.author = true;
        } else if (argument == "--fixed-step") {
            line.fixedStep = true;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else {
            line.error = "unknown option \"" + argument + "\"";
            return line;
        }
    }
    if (!line.replayPath.empty() && (line.autoplay || !line.recordPath.empty())) {
        line.error = "--replay plays the recorded input alone: not with --autoplay or --record";
    }
    return line;
}

void CommandLine::anchorPaths(const std::string& folder) {
    for (std::string* path : {&shotsFolder, &recordPath, &replayPath, &frameShotFolder}) {
        if (!path->empty() && path->front() != '/') {
            *path = folder + "/" + *path;
        }
    }
}

std::string CommandLine::versionLine() {
    return std::string("quill-game ") + QUILL_VERSION;
}

const char* CommandLine::usage() {
    return "Usage: quill-game [options]\n"
           "  --autoplay              the game plays itself through real input\n"
           "  --autoplay-shots DIR    the same, with a screenshot of every screen in DIR\n"
           "  --fixed-step            every frame advances the game by 16 ms, without waiting\n"
           "  --draw-every N          draw one frame in N (screenshots are always drawn)\n"
           "  --record FILE           writes the seed and every input event to FILE\n"
           "  --replay FILE           plays FILE's input again at the same frames, in fixed steps\n"
           "  --frame-shots N DIR     a screenshot of every N-th frame in DIR\n"
           "  --timings               wall-clock timings of the first frame, each screen and\n"
           "                          every frame's work, for benchmarks\n"
           "  --author                for content authors: F5 rebuilds the screen from its\n"
           "                          files, F6 shows the scenes' item boxes, F7 goes to the\n"
           "                          next screen; the caption names the screen and its files\n"
           "  --help                  this text\n"
           "  --version               the game's version\n"
           "QUILL_SEED=<integer> makes a run repeat exactly.\n"
           "Exit codes: 0 played to the end (or a player quit), 1 no window, 2 bad option,\n"
           "3 the automated player was stuck, 4 the game cannot go on, 5 the automated\n"
           "play was cut short.\n";
}
