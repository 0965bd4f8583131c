#pragma once

#include "engine/ui/ImageWidget.h"

#include <array>

// A straight edge the ball bounces on; the normal is the unit vector
// (-(end y - start y), end x - start x), so it points left of the way from
// start to end.
struct BreakoutEdge {
    float startX = 0;
    float startY = 0;
    float endX = 0;
    float endY = 0;
    float normalX = 0;
    float normalY = 0;

    BreakoutEdge() = default;
    BreakoutEdge(float sx, float sy, float ex, float ey);
    // Signed distance of the point from the edge's line, positive on the
    // normal's side.
    float distance(float x, float y) const {
        return normalY * (y - startY) + normalX * (x - startX);
    }
};

// A brick of the breakout, or its bar: a picture whose outline of four edges
// follows it when it moves. Pointer input passes through it, so the screen
// below hears the moves that steer the bar.
class Brick : public ImageWidget {
public:
    static constexpr int FallbackWidth = 88;
    static constexpr int FallbackHeight = 28;

    Brick(const GLTexture* texture, int x, int y, int id);

    bool hitTest(int, int) const override { return false; }
    void onRectChanged(const WidgetRect& oldRect, const WidgetRect& newRect) override;

    // Left, bottom, right and top edges, each normal pointing out.
    const std::array<BreakoutEdge, 4>& outline() const { return outline_; }

    int id = 0;
    bool alive = true;
    int hitsLeft = 1;

private:
    void rebuildOutline();

    std::array<BreakoutEdge, 4> outline_;
};
