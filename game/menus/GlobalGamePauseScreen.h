#pragma once

#include "engine/ui/ScreenBase.h"

// Covers the game while the window has lost the input focus.
class GlobalGamePauseScreen : public ScreenBase {
public:
    GlobalGamePauseScreen() : ScreenBase("GlobalGamePauseScreen") {}

    void onStart() override {}
    void createWidgets() override {}
    void drawForeground(Graphics& graphics) override;
};
