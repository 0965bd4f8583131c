#pragma once

#include "engine/ui/ImageWidget.h"

// An image the player drags with the mouse. It reports the press (code 0) and
// the drop (code 4) to a listener; only its opaque pixels take clicks. While
// the button is held it follows the pointer even off its own area, because
// the widget manager keeps sending it the moves.
class DraggableImageWidget : public ImageWidget {
public:
    DraggableImageWidget(const GLTexture* texture, SimpleButtonListener* listener, int id, int x,
                         int y);

    void mousePressed(const MouseEvent& event) override;
    void mouseMoved(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void mouseEntered() override {}
    void mouseLeft() override {}
    bool hitTest(int px, int py) const override;

    bool isDragging() const { return dragging_; }
    int id() const { return id_; }
    void setId(int id) { id_ = id; }
    void setListener(SimpleButtonListener* listener) { listener_ = listener; }
    // A piece that keeps its depth is not raised above the others when grabbed.
    void setKeepDepth(bool keep) { keepDepth_ = keep; }
    bool keepsDepth() const { return keepDepth_; }

private:
    bool dragging_ = false;
    int grabX_ = 0;
    int grabY_ = 0;
    SimpleButtonListener* listener_;
    int id_;
    bool keepDepth_ = false;
};
