#pragma once

#include "game/minigames/PlacePiecesPuzzle.h"

// The letters of Grandmother's motto, placed on a card.
class MG_Screen32 : public PlacePiecesPuzzle {
public:
    MG_Screen32(const std::string& configFile, int musicSceneId)
        : PlacePiecesPuzzle(configFile, musicSceneId, "content/images/minigames/screen32/",
                            "LETTER_PRESS", "LETTER_RELEASE") {
        setTypeName("MG_Screen32");
        setCaption("MG_SCREEN32_CAPTION");
    }
};
