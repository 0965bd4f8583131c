#pragma once

#include "engine/ui/Widget.h"

class GLTexture;
class SimpleButtonListener;

// One lit key of the safe's keypad: a press plays its click, turns its light
// on or off and tells the listener (index, 0). Only the picture's visible
// pixels take presses.
class CombinationButton : public Widget {
public:
    CombinationButton(int index, SimpleButtonListener* listener, const GLTexture* normalTexture,
                      const GLTexture* litTexture);

    void render(Graphics& graphics, ScreenBase* screen) override;
    bool hitTest(int px, int py) const override;
    void mousePressed(const MouseEvent& event) override;

    int index() const { return index_; }
    bool isLit() const { return lit_; }
    void setLit(bool lit) { lit_ = lit; }

private:
    int index_;
    bool lit_ = false;
    const GLTexture* normalTexture_;
    const GLTexture* litTexture_;
    SimpleButtonListener* listener_;
};
