#pragma once

#include "engine/ui/ImageWidget.h"

// An image that reports presses (code 0) and releases (code 1) to a listener.
// With pixel precision only the picture's non-transparent pixels take clicks.
class ClickableImageWidget : public ImageWidget {
public:
    explicit ClickableImageWidget(const GLTexture* texture) : ImageWidget(texture, 0, 0) {}

    void mousePressed(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    bool hitTest(int px, int py) const override;

    void setListener(QuillButtonListener* listener) { listener_ = listener; }
    void setId(int id) { id_ = id; }
    int id() const { return id_; }
    void setPixelPrecise(bool precise) { pixelPrecise_ = precise; }
    bool isPixelPrecise() const { return pixelPrecise_; }

private:
    QuillButtonListener* listener_ = nullptr;
    int id_ = 0;
    bool pixelPrecise_ = false;
};
