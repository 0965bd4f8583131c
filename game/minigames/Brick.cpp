#include "game/minigames/Brick.h"

#include "engine/graphics/GLTexture.h"

#include <cmath>

BreakoutEdge::BreakoutEdge(float sx, float sy, float ex, float ey)
    : startX(sx), startY(sy), endX(ex), endY(ey) {
    const float nx = -(ey - sy);
    const float ny = ex - sx;
    const float length = std::sqrt(nx * nx + ny * ny);
    if (length > 0) {
        normalX = nx / length;
        normalY = ny / length;
    }
}

Brick::Brick(const GLTexture* texture, int x, int y, int brickId)
    : ImageWidget(texture, x, y), id(brickId) {
    if (width() <= 0 || height() <= 0) {
        setSize(FallbackWidth, FallbackHeight);
    }
    rebuildOutline();
}

void Brick::onRectChanged(const WidgetRect& oldRect, const WidgetRect& newRect) {
    ImageWidget::onRectChanged(oldRect, newRect);
    rebuildOutline();
}

void Brick::rebuildOutline() {
    const float x = float(this->x());
    const float y = float(this->y());
    const float w = float(width());
    const float h = float(height());
    // In this order every normal points away from the brick.
    outline_[0] = BreakoutEdge(x, y, x, y + h);
    outline_[1] = BreakoutEdge(x, y + h, x + w, y + h);
    outline_[2] = BreakoutEdge(x + w, y + h, x + w, y);
    outline_[3] = BreakoutEdge(x + w, y, x, y);
}
