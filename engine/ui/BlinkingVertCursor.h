#pragma once

#include "engine/ui/TextInputCursor.h"

// A thin vertical bar at the left edge of the cursor rectangle that shows and
// hides every `periodMs`, and shows at once whenever the cursor moves.
class BlinkingVertCursor : public TextInputCursor {
public:
    BlinkingVertCursor(const Color& colour, int periodMs, int width);

    void resetBlink() override;
    void drawCursor(Graphics& graphics) override;
    void updateCursor(int elapsedMs) override;

    bool isShowing() const { return visible_; }
    const Color& colour() const { return colour_; }
    int period() const { return period_; }
    int barWidth() const { return width_; }

private:
    Color colour_;
    int period_;
    int width_;
    bool visible_ = true;
    int elapsed_ = 0;
};
