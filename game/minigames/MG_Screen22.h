#pragma once

#include "game/minigames/PlacePiecesPuzzle.h"

// The jigsaw of Grandmother's torn photograph.
class MG_Screen22 : public PlacePiecesPuzzle {
public:
    MG_Screen22(const std::string& configFile, int musicSceneId)
        : PlacePiecesPuzzle(configFile, musicSceneId, "content/images/minigames/screen22/",
                            "JIGSAW_PRESS", "JIGSAW_RELEASE") {
        setTypeName("MG_Screen22");
        setCaption("MG_SCREEN22_CAPTION");
    }
};
