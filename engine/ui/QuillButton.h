#pragma once

#include "engine/anim/ActionListener.h"
#include "engine/ui/ButtonStyle.h"
#include "engine/ui/Widget.h"

#include <memory>
#include <string>

namespace lux {
class Action;
}

// The game's standard button: four looks that cross-fade, an optional
// tooltip after a hover delay, and the catalogue's button sounds. Tells its
// listener (id, code): 0 pressed, 1 clicked, 2 entered, 3 left.
class QuillButton : public Widget, public lux::ActionListener {
public:
    static constexpr int TooltipDelayMs = 1500;

    QuillButton(QuillButtonListener* listener, int id, const ButtonStyle& style,
                const std::string& label);
    ~QuillButton() override;

    void onAttach() override;
    void update(int elapsedMs, ScreenBase* screen) override;
    void render(Graphics& graphics, ScreenBase* screen) override;
    void renderOverlay(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void mouseEntered() override;
    void mouseLeft() override;
    void settle() override;
    void onEnabled() override;
    void onDisabled() override;
    bool hitTest(int px, int py) const override;
    void actionFinished(int index) override;

    int id() const { return id_; }
    const std::string& label() const { return label_; }
    void setLabel(const std::string& label) {
        label_ = label;
        setName(label);
    }
    void setLabelTexture(const GLTexture* texture) { labelTexture_ = texture; }
    void setTooltip(const Font* font, const std::string& text) {
        tooltipFont_ = font;
        tooltipText_ = text;
    }
    void setTooltipRightLimit(int x) { tooltipRightLimit_ = x; }
    void setOverlayPriority(int priority) { overlayPriority_ = priority; }
    void setSoundKeys(const std::string& press, const std::string& over) {
        pressSoundKey_ = press;
        overSoundKey_ = over;
    }
    void setListener(QuillButtonListener* listener) { listener_ = listener; }

    int state() const { return state_; }
    int previousState() const { return previousState_; }
    bool isPressed() const { return pressed_; }
    bool isHovered() const { return hovered_; }
    bool isFading() const { return fading_; }
    bool isTooltipVisible() const { return tooltipVisible_; }
    const ButtonStyle& style() const { return style_; }

private:
    enum ActionId { FadeAction = 0, TooltipAction = 1 };

    void updateState();
    // Cross-fades from the previous look to the current one (from nothing on attach).
    void startFade(bool fromPrevious);
    void drawButton(Graphics& graphics);
    void drawLook(Graphics& graphics, const ButtonLook& look);
    void drawTooltip(Graphics& graphics);
    void cancelTooltip();

    std::string pressSoundKey_ = "BUTTON_PRESS";
    std::string overSoundKey_ = "BUTTON_OVER";
    int tooltipRightLimit_ = 1024;
    ButtonStyle style_;
    int state_ = ButtonStyle::Normal;
    int previousState_ = ButtonStyle::Normal;
    bool pressed_ = false;
    bool hovered_ = false;
    bool enabled_ = true;
    bool fading_ = false;
    std::string label_;
    const GLTexture* labelTexture_ = nullptr;
    bool tooltipVisible_ = false;
    const Font* tooltipFont_ = nullptr;
    std::string tooltipText_;
    Color tooltipFill_{251, 242, 184, 255};
    Color tooltipInk_{91, 43, 8, 255};
    QuillButtonListener* listener_;
    int id_;
    std::unique_ptr<lux::Action> fadeAction_;
    std::unique_ptr<lux::Action> tooltipTimer_;
    int overlayPriority_ = 0;
};

// Allocates a button; its rectangle is zero until the creator places it.
std::unique_ptr<QuillButton> makeQuillButton(QuillButtonListener* listener, int id,
                                             const ButtonStyle& style, const std::string& label);
