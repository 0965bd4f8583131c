#pragma once

#include <set>
#include <string>

// How the automated player goes about the puzzles. Besides solving each, a
// whole-game run skips one puzzle the first time it opens and makes one
// mistake in each of the others before the right answer, so that it also
// walks the skip, wrong-answer and replay paths. Tests set the plan they need.
class PuzzlePlan {
public:
    static PuzzlePlan& instance();
    // Back to the whole-game plan, with nothing done yet.
    static void reset();

    // Puzzle types skipped the first time they open.
    std::set<std::string> skipOnce = {"MG_Screen10"};
    // Whether each puzzle type gets one wrong answer before the right one.
    bool mistakeOnce = true;

    // True the first time it is asked for a type in skipOnce.
    bool takeSkip(const std::string& type) { return take(skipOnce, skipped_, type); }
    // True the first time it is asked for a type while mistakes are planned.
    bool takeMistake(const std::string& type) {
        return mistakeOnce && mistakes_.insert(type).second;
    }

private:
    static bool take(const std::set<std::string>& planned, std::set<std::string>& done,
                     const std::string& type) {
        return planned.count(type) != 0 && done.insert(type).second;
    }

    std::set<std::string> skipped_;
    std::set<std::string> mistakes_;
};
