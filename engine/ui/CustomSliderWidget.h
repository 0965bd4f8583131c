#pragma once

#include "engine/ui/Widget.h"

class GLTexture;

// Told every new value of a slider while it is dragged.
class CustomSliderListener {
public:
    virtual ~CustomSliderListener() = default;
    virtual void onSliderChanged(int sliderId, float value) = 0;
};

// A horizontal slider: a thumb on a rail, with an optional fill drawn in
// copies from the left up to the thumb. The value runs from 0 (left end of the
// rail) to 1 (right end). A press anywhere on the rail or thumb jumps there,
// and dragging keeps following the pointer, pinned at both ends.
class CustomSliderWidget : public Widget {
public:
    // Uses the application's OPT_SLIDER_RAIL and OPT_SLIDER_THUMB.
    CustomSliderWidget(int sliderId, CustomSliderListener* listener, int x, int y);
    CustomSliderWidget(int sliderId, CustomSliderListener* listener, int x, int y,
                       const GLTexture* rail, const GLTexture* thumb);

    void render(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;
    void mouseMoved(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    bool hitTest(int px, int py) const override;

    // Stores the value, pinned to 0..1, without telling the listener.
    void setValue(float value);
    float value() const { return value_; }
    bool isDragging() const { return dragging_; }
    int sliderId() const { return sliderId_; }
    void setListener(CustomSliderListener* listener) { listener_ = listener; }

    // The widget and the rail's hit area take the rail's size.
    void setRailTexture(const GLTexture* rail);
    const GLTexture* railTexture() const { return railTexture_; }
    void setThumbTexture(const GLTexture* thumb) { thumbTexture_ = thumb; }
    const GLTexture* thumbTexture() const { return thumbTexture_; }
    void setFillTexture(const GLTexture* fill, int fillX = 0, int fillY = 0) {
        fillTexture_ = fill;
        fillX_ = fillX;
        fillY_ = fillY;
    }
    // Where the thumb's left edge stands at value 0, and its top.
    void setThumbOffset(int offsetX, int thumbY) {
        thumbOffsetX_ = offsetX;
        thumbY_ = thumbY;
    }
    // The thumb's left edge for the current value.
    int thumbX() const;

private:
    int railWidth() const;

    CustomSliderListener* listener_;
    int sliderId_;
    const GLTexture* railTexture_ = nullptr;
    const GLTexture* thumbTexture_;
    const GLTexture* fillTexture_ = nullptr;
    int thumbOffsetX_ = 0;
    int thumbY_ = 0;
    int fillX_ = 0;
    int fillY_ = 0;
    float value_ = 0;
    WidgetRect railRect_;
    bool dragging_ = false;
};
