#pragma once

#include "engine/ui/ImageWidget.h"

// The breakout's ball: a circle moved in floating point; the widget shows it
// at its centre's whole-pixel place. Pointer input passes through it.
class Ball : public ImageWidget {
public:
    // The size a ball without a picture takes part in the play with.
    static constexpr int FallbackDiameter = 20;

    Ball(const GLTexture* texture, float centreX, float centreY, float velocityX, float velocityY);

    bool hitTest(int, int) const override { return false; }

    // Moves by the velocity over the ball's own step.
    void advance();
    // Puts the widget where the centre is.
    void placeWidget();

    float velocityX = 0;
    float velocityY = 0;
    float centreX = 0;
    float centreY = 0;
    int stepMs = 10;
    int radius = 0;
};
