#pragma once

#include <string>
#include <vector>

// What the game was asked for on its command line. A player needs none of it;
// the options serve automation and tests.
struct CommandLine {
    // The automated player plays the game.
    bool autoplay = false;
    // A screenshot of every screen the automated player meets goes here.
    std::string shotsFolder;
    // Every frame advances the game clock by exactly one frame time, without waiting.
    bool fixedStep = false;
    // Draws one frame in this many (automated runs); 1 draws every frame.
    int drawEvery = 1;
    // The run's input goes into this journal file.
    std::string recordPath;
    // The run repeats the journal file's input, in fixed steps.
    std::string replayPath;
    // A screenshot of every N-th frame into the folder; 0 for none.
    int frameShotEvery = 0;
    std::string frameShotFolder;
    // Benchmarks: wall-clock timings of the first frame, the screens and every
    // frame's work on standard output.
    bool timings = false;
    // Content authors' keys and caption.
    bool author = false;
    bool help = false;
    bool version = false;
    // Why the command line was refused; empty when it was taken.
    std::string error;

    static CommandLine parse(const std::vector<std::string>& arguments);
    // Makes the files and folders given relative to `folder` absolute: the
    // game changes its working folder to its own before it uses them.
    void anchorPaths(const std::string& folder);
    static const char* usage();
    // "quill-game <version>".
    static std::string versionLine();
};
