#pragma once

#include "engine/ui/Widget.h"

class GLTexture;
class Sound;

// Told the new state of a check box the player clicked.
class CheckBoxListener {
public:
    virtual ~CheckBoxListener() = default;
    virtual void onCheckChanged(int checkBoxId, bool ticked) = 0;
};

// A box that a press ticks or clears; the tick is drawn over the box.
class CheckBoxWidget : public Widget {
public:
    // Uses the application's OPT_CHECKBOX_OFF and OPT_CHECKBOX_ON.
    CheckBoxWidget(CheckBoxListener* listener, int checkBoxId);
    CheckBoxWidget(CheckBoxListener* listener, int checkBoxId, const GLTexture* box,
                   const GLTexture* tick);

    void render(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;

    // Stores the state without telling the listener.
    void setTicked(bool ticked) { ticked_ = ticked; }
    bool isTicked() const { return ticked_; }
    int checkBoxId() const { return checkBoxId_; }
    void setListener(CheckBoxListener* listener) { listener_ = listener; }
    // The widget takes the box's size.
    void setBoxTexture(const GLTexture* box);
    const GLTexture* boxTexture() const { return boxTexture_; }
    void setTickTexture(const GLTexture* tick, int tickX = 0, int tickY = 0) {
        tickTexture_ = tick;
        tickX_ = tickX;
        tickY_ = tickY;
    }
    const GLTexture* tickTexture() const { return tickTexture_; }
    // Played on clicks while the sound-effect catalogue is switched off.
    void setClickSound(Sound* sound) { clickSound_ = sound; }

private:
    CheckBoxListener* listener_;
    int checkBoxId_;
    const GLTexture* boxTexture_ = nullptr;
    const GLTexture* tickTexture_;
    bool ticked_ = false;
    Sound* clickSound_ = nullptr;
    int tickX_ = 0;
    int tickY_ = 0;
};
