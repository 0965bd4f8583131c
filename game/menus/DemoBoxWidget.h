#pragma once

#include "engine/ui/Widget.h"

// A coloured panel that lights up under the pointer and darkens while pressed;
// reports a click (press and release over it) to its listener.
class DemoBoxWidget : public Widget {
public:
    DemoBoxWidget(const WidgetRect& rect, const Color& color, int id,
                  SimpleButtonListener* listener);

    void render(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void mouseEntered() override { hovered_ = true; }
    void mouseLeft() override { hovered_ = false; }
    void update(int elapsedMs, ScreenBase* screen) override;

    bool isHovered() const { return hovered_; }
    bool isPressed() const { return pressed_; }

private:
    Color color_;
    int id_;
    SimpleButtonListener* listener_;
    bool hovered_ = false;
    bool pressed_ = false;
    int glowMs_ = 0;
};
