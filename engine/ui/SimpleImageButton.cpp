#include "engine/ui/SimpleImageButton.h"

#include "engine/app/GameApp.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"

SimpleImageButton::SimpleImageButton(SimpleButtonListener* listener, int x, int y, int width,
                                     int height, const GLTexture* normal, const GLTexture* over,
                                     const GLTexture* icon, int id)
    : SimpleTextButton(listener, id, nullptr, ""), currentTexture_(normal), normalTexture_(normal),
      overTexture_(over), iconTexture_(icon) {
    setBounds(x, y, width, height);
}

SimpleImageButton::SimpleImageButton(SimpleButtonListener* listener, int x, int y, int width,
                                     int height, const GLTexture* normal, const GLTexture* over,
                                     const GLTexture* icon, int id, const Font* font,
                                     const std::string& label)
    : SimpleImageButton(listener, x, y, width, height, normal, over, icon, id) {
    setFont(font);
    setText(label);
    const Color clear(0, 0, 0, 0);
    setBoxColors(clear, clear, clear);
}

void SimpleImageButton::mouseEntered() {
    if (crossFade_) {
        hoverFade_ = FadingIn;
    } else {
        currentTexture_ = overTexture_;
    }
    SimpleTextButton::mouseEntered();
}

void SimpleImageButton::mouseLeft() {
    if (crossFade_) {
        hoverFade_ = FadingOut;
    } else {
        currentTexture_ = normalTexture_;
    }
    SimpleTextButton::mouseLeft();
}

void SimpleImageButton::update(int, ScreenBase*) {
    // A step per frame, not per millisecond.
    if (hoverFade_ == FadingIn) {
        overAlpha_ += FadeStep;
        if (overAlpha_ > 254) {
            overAlpha_ = 255;
            hoverFade_ = NoFade;
        }
    } else if (hoverFade_ == FadingOut) {
        overAlpha_ -= FadeStep;
        if (overAlpha_ <= 0) {
            overAlpha_ = 0;
            hoverFade_ = NoFade;
        }
    }
}

void SimpleImageButton::render(Graphics& graphics, ScreenBase*) {
    if (isEnabled()) {
        if (normalTexture_) {
            graphics.drawTexture(0, 0, normalTexture_, Color(255, 255, 255, std::uint8_t(alpha_)));
        }
        if (overTexture_) {
            graphics.drawTexture(0, 0, overTexture_,
                                 Color(255, 255, 255, std::uint8_t(overAlpha_)));
        }
    } else {
        if (currentTexture_) {
            graphics.drawTexture(0, 0, currentTexture_, Color(128, 128, 128, std::uint8_t(alpha_)));
        }
        if (!hintText_.empty() && font() && pointerInside()) {
            // A band across the window just below the button.
            font()->drawTextBox(graphics, WidgetRect(-x(), height(), 0, 1024, 40), hintText_,
                                Color(255, 0, 0, 255), 2, 3, false);
        }
    }
    if (iconTexture_ && normalTexture_) {
        const int depth = graphics.depth();
        graphics.setDepth(15);
        graphics.drawTexture(iconX_, iconY_, iconTexture_, Color());
        graphics.setDepth(depth);
    }
    drawBoxAndText(graphics);
}

bool SimpleImageButton::pointerInside() const {
    // A disabled button hears no pointer events: ask where the pointer is.
    GameApp* app = GameApp::instance();
    if (!app) {
        return false;
    }
    int px = 0;
    int py = 0;
    app->getMousePosition(px, py);
    return Widget::hitTest(px, py);
}
