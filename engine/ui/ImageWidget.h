#pragma once

#include "engine/ui/Widget.h"

class GLTexture;

// Draws a texture it does not own. Unrotated, the picture's top-left corner is
// at the widget's (x, y); rotated, the picture is centred on that point.
class ImageWidget : public Widget {
public:
    explicit ImageWidget(const GLTexture* texture, int x = 0, int y = 0, bool zeroSize = false);

    void render(Graphics& graphics, ScreenBase* screen) override;

    void setTexture(const GLTexture* texture);
    const GLTexture* texture() const { return texture_; }
    void setTint(const Color& tint) { tint_ = tint; }
    const Color& tint() const { return tint_; }
    void setAngle(float degrees) { angle_ = degrees; }
    float angle() const { return angle_; }

private:
    Color tint_;
    const GLTexture* texture_;
    float angle_ = 0;
};
