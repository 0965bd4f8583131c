#pragma once

#include <functional>
#include <utility>
#include <vector>

// The full-screen modes the display offers, largest first (as SDL lists them).
struct ModeList {
    enum Kind { None, Any, Listed };
    Kind kind = None;
    std::vector<std::pair<int, int>> modes;
};

using ModeLister = std::function<ModeList()>;

// SDL's full-screen hardware modes; needs SDL's video to be initialised.
ModeList listSdlModes();

// The desktop's shape: width / height of the widest mode (the first of equal
// widths), 1.0 when any mode is allowed or none is listed. Prints the modes.
float desktopAspect(const ModeLister& lister = listSdlModes);

// The desktop's size: the widest mode (the first of equal widths); (0, 0)
// when any mode is allowed or none is listed.
std::pair<int, int> desktopSize(const ModeLister& lister = listSdlModes);

// A desktop wider than 3:2 gets the widescreen treatment.
bool isWideDesktop(float aspect);

// The smallest mode of the desktop's shape (within 0.05) that holds the game's
// width x height; (0, 0) when there is none or any mode is allowed.
std::pair<int, int> chooseWidescreenMode(int gameWidth, int gameHeight,
                                         const ModeLister& lister = listSdlModes);

// The margins that centre the game in a screen of that size.
std::pair<int, int> centringOffsets(int screenWidth, int screenHeight, int gameWidth,
                                    int gameHeight);
