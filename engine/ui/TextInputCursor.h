#pragma once

#include "engine/graphics/Types.h"

class Graphics;

// The cursor of a text field. The field hands it the rectangle of the
// character the cursor stands on (in the field's own coordinates) after every
// move; how the cursor looks and blinks is up to the subclass.
class TextInputCursor {
public:
    virtual ~TextInputCursor() = default;

    virtual void setCursorRect(const WidgetRect& rect) {
        rect_ = rect;
        resetBlink();
    }
    virtual void resetBlink() {}
    virtual void drawCursor(Graphics& /*graphics*/) {}
    virtual void updateCursor(int /*elapsedMs*/) {}

    const WidgetRect& cursorRect() const { return rect_; }

private:
    WidgetRect rect_;
};
