#pragma once

#include "engine/ui/SimpleTextButton.h"

class GLTexture;

// A button of two pictures that cross-fade while the pointer is over it, with
// an optional icon and label on top: the message dialogs' answer buttons.
class SimpleImageButton : public SimpleTextButton {
public:
    static constexpr int FadeStep = 10;

    SimpleImageButton(SimpleButtonListener* listener, int x, int y, int width, int height,
                      const GLTexture* normal, const GLTexture* over, const GLTexture* icon,
                      int id);
    // The labelled form: only the text shows over the pictures.
    SimpleImageButton(SimpleButtonListener* listener, int x, int y, int width, int height,
                      const GLTexture* normal, const GLTexture* over, const GLTexture* icon, int id,
                      const Font* font, const std::string& label);

    void update(int elapsedMs, ScreenBase* screen) override;
    void render(Graphics& graphics, ScreenBase* screen) override;
    void mouseEntered() override;
    void mouseLeft() override;

    void setCrossFade(bool crossFade) { crossFade_ = crossFade; }
    void setAlpha(int alpha) { alpha_ = alpha; }
    void setIconPosition(int x, int y) {
        iconX_ = x;
        iconY_ = y;
    }
    void setHintText(const std::string& text) { hintText_ = text; }
    int overAlpha() const { return overAlpha_; }
    const GLTexture* currentTexture() const { return currentTexture_; }

private:
    enum Fade { NoFade = 0, FadingIn = 1, FadingOut = 2 };

    bool pointerInside() const;

    int alpha_ = 255;
    int overAlpha_ = 0;
    int iconX_ = 0;
    int iconY_ = 0;
    int hoverFade_ = NoFade;
    bool crossFade_ = true;
    std::string hintText_;
    const GLTexture* currentTexture_;
    const GLTexture* normalTexture_;
    const GLTexture* overTexture_;
    const GLTexture* iconTexture_;
};
