#pragma once

#include "engine/ui/ImageWidget.h"

// An image drawn through a clipping rectangle in window pixels; with any of
// the rectangle's values negative (the default) it is drawn unclipped.
class ClippedImageWidget : public ImageWidget {
public:
    explicit ClippedImageWidget(const GLTexture* texture, int x = 0, int y = 0,
                                bool zeroSize = false)
        : ImageWidget(texture, x, y, zeroSize) {}

    void render(Graphics& graphics, ScreenBase* screen) override;

    void setClip(int x, int y, int width, int height) {
        clipX_ = x;
        clipY_ = y;
        clipWidth_ = width;
        clipHeight_ = height;
    }
    void clearClip() { setClip(-1, -1, -1, -1); }
    int clipX() const { return clipX_; }
    int clipY() const { return clipY_; }
    int clipWidth() const { return clipWidth_; }
    int clipHeight() const { return clipHeight_; }

private:
    int clipX_ = -1;
    int clipY_ = -1;
    int clipWidth_ = -1;
    int clipHeight_ = -1;
};
