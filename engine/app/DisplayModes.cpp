#include "engine/app/DisplayModes.h"

#include "engine/core/Log.h"

#include <SDL.h>

#include <cmath>

namespace {

constexpr float kShapeTolerance = 0.05f;
constexpr float kWideAspect = 1.5f;

// Prints what the modes are, as the game's log has always shown them.
void report(const ModeList& list) {
    if (list.kind == ModeList::None) {
        engineLog() << "No modes available!\n";
    } else if (list.kind == ModeList::Any) {
        engineLog() << "All resolutions available.\n";
    } else {
        engineLog() << "Available Modes\n";
        for (const auto& [w, h] : list.modes) {
            engineLog() << " " << w << " x " << h << "\n";
        }
    }
}

float aspectOf(const ModeList& list) {
    if (list.kind != ModeList::Listed || list.modes.empty()) {
        return 1.0f;
    }
    std::pair<int, int> widest = list.modes.front();
    for (const auto& mode : list.modes) {
        if (mode.first > widest.first) {
            widest = mode;
        }
    }
    return widest.second > 0 ? float(widest.first) / float(widest.second) : 1.0f;
}

} // namespace

ModeList listSdlModes() {
    ModeList list;
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_FULLSCREEN | SDL_HWSURFACE);
    if (modes == nullptr) {
        list.kind = ModeList::None;
    } else if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        list.kind = ModeList::Any;
    } else {
        list.kind = ModeList::Listed;
        for (int i = 0; modes[i]; ++i) {
            list.modes.emplace_back(modes[i]->w, modes[i]->h);
        }
    }
    return list;
}

float desktopAspect(const ModeLister& lister) {
    const ModeList list = lister();
    report(list);
    return aspectOf(list);
}

std::pair<int, int> desktopSize(const ModeLister& lister) {
    const ModeList list = lister();
    std::pair<int, int> widest(0, 0);
    if (list.kind == ModeList::Listed) {
        for (const auto& mode : list.modes) {
            if (mode.first > widest.first) {
                widest = mode;
            }
        }
    }
    return widest;
}

bool isWideDesktop(float aspect) {
    return aspect > kWideAspect;
}

std::pair<int, int> chooseWidescreenMode(int gameWidth, int gameHeight, const ModeLister& lister) {
    const ModeList list = lister();
    report(list);
    if (list.kind != ModeList::Listed) {
        return {0, 0};
    }
    const float ratio = aspectOf(list);
    std::vector<std::pair<int, int>> sameShape;
    for (const auto& [w, h] : list.modes) {
        const float shape = h > 0 ? float(w) / float(h) : 0.0f;
        if (shape > ratio - kShapeTolerance && shape < ratio + kShapeTolerance) {
            sameShape.emplace_back(w, h);
        }
    }
    for (auto it = sameShape.rbegin(); it != sameShape.rend(); ++it) {
        if (it->first >= gameWidth && it->second >= gameHeight) {
            return *it;
        }
    }
    return {0, 0};
}

std::pair<int, int> centringOffsets(int screenWidth, int screenHeight, int gameWidth,
                                    int gameHeight) {
    return {(screenWidth - gameWidth) / 2, (screenHeight - gameHeight) / 2};
}
