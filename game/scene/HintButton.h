#pragma once

#include "engine/anim/ActionListener.h"
#include "engine/ui/Widget.h"

#include <memory>
#include <string>

class Font;
class GLTexture;
class SimpleButtonListener;
namespace lux {
class Action;
}

// The scene's HINT button. A click while it is ready asks the scene for a
// hint and starts a 45 s recharge, shown as a yellow bar filling the button;
// clicks during the recharge only make the press sound.
class HintButton : public Widget, public lux::ActionListener {
public:
    // What the listener hears with the button's id.
    enum Report { Pressed = 0, Clicked = 1, Entered = 2, Left = 3 };
    static constexpr int RechargeMs = 45000;

    HintButton(SimpleButtonListener* listener, int id, const GLTexture* base,
               const GLTexture* frame);
    ~HintButton() override;

    void setLabel(const std::string& text, const Font* font, const WidgetRect& box,
                  const Color& color);

    void mouseEntered() override;
    void mouseLeft() override;
    void mousePressed(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void onDisabled() override;
    void update(int elapsedMs, ScreenBase* screen) override;
    void render(Graphics& graphics, ScreenBase* screen) override;
    bool hitTest(int px, int py) const override;
    void actionFinished(int index) override;

    bool isReady() const { return ready_; }
    float progress() const { return progress_; }
    bool isHovered() const { return hover_; }

private:
    SimpleButtonListener* listener_;
    int id_;
    const GLTexture* normal_;
    const GLTexture* hoverTexture_;
    const GLTexture* frame_;
    const GLTexture* current_;
    bool hover_ = false;
    bool pressed_ = false;
    bool ready_ = true;
    float progress_ = 1.0f;
    std::unique_ptr<lux::Action> recharge_;
    std::string label_;
    const Font* font_ = nullptr;
    WidgetRect textBox_;
    Color textColor_;
};
