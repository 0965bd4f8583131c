#pragma once

#include <map>
#include <string>
#include <vector>

// One Collect element of a find-list stage: which items of the scene it asks
// for and how many.
struct CollectRule {
    enum Pick { Random = 0, First = 1, All = 2 };

    std::string name; // a label key or a display name
    std::vector<int> typeIds;
    int count = -1; // -1: no limit
    int pick = All;
    int questId = -1; // kept; nothing in the scene depends on it
};

// One stage of a scene, in the order of its mechanics file.
struct MechanicStep {
    enum Kind { CollectGroup = 0, Screen = 1, CustomMechanics = 2 };

    int kind = CollectGroup;
    // The identifier of a CollectGroup or CustomMechanics, the type of a Screen.
    std::string name;
    std::vector<CollectRule> rules;                // CollectGroup
    std::map<std::string, std::string> attributes; // Screen and CustomMechanics: every attribute

    // The attribute's value, or an empty text.
    std::string attribute(const std::string& key) const;
};

using MechanicSteps = std::vector<MechanicStep>;

// Reads a mechanics file: its stages in file order. A file that cannot be read
// gives no steps after one line naming it; elements and Collects that lack
// what they need are skipped with a line each.
MechanicSteps loadMechanics(const std::string& path);
// The same for text already in memory; `file` names it in diagnostics.
MechanicSteps parseMechanics(const std::string& text, const std::string& file);

// Moves the items a find-list stage asks for from GROUP_SCENE to GROUP_GOAL,
// rule by rule (an item asked for twice moves once).
void pickGoals(const MechanicStep& step, int sceneId);

// First visit: stacked collectables (typeIds 201..299) that a Collect rule
// counts keep that many instances, chosen at random; the rest go to
// GROUP_REMOVED. Every scene item loses its dashboard slot first.
void thinCollectables(const MechanicSteps& steps, int sceneId);

// The game's shuffle: for positions 1 to n-1, swap with a position below or
// equal drawn from C's rand, so a seeded run repeats.
template <typename T> void shuffleWithRand(std::vector<T>& values);
int randomBelow(int bound);

template <typename T> void shuffleWithRand(std::vector<T>& values) {
    for (std::size_t i = 1; i < values.size(); ++i) {
        std::swap(values[i], values[std::size_t(randomBelow(int(i) + 1))]);
    }
}
