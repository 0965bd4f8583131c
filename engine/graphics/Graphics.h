#pragma once

#include "engine/graphics/Types.h"

class GLTexture;

// The only drawing interface. Coordinates are window pixels, origin top-left,
// y growing downwards. Every drawing call takes its own colour; no colour state
// is carried from one call to the next.
class Graphics {
public:
    Graphics() = default;
    virtual ~Graphics() = default;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    virtual void resetTransform() = 0;
    virtual void clear() = 0;
    virtual void begin2D(int width, int height, int depth) = 0;
    virtual void begin3D(int width, int height, int unused) = 0;
    virtual void present() = 0;
    virtual void fillRect(int x, int y, int width, int height, const Color& color) = 0;
    // z of the widget rectangle is ignored.
    virtual void strokeRect(const WidgetRect& rect, const Color& color);
    virtual void strokeRect(int x, int y, int width, int height, const Color& color) = 0;
    // A frame `thickness` pixels wide just inside the rectangle, made of
    // filled edges: crisp, where smoothed lines blur across two pixels.
    void frameRect(int x, int y, int width, int height, int thickness, const Color& color);
    // The whole picture at (x, y) in its own size.
    virtual void drawTexture(int x, int y, const GLTexture* texture, const Color& color);
    // The one textured-quad primitive: the source region stretched to width x height.
    virtual void drawTextureRegionScaled(int x, int y, int width, int height,
                                         const GLTexture* texture, const Rect& source,
                                         const Color& color) = 0;
    virtual void drawTextureRegion(int x, int y, const GLTexture* texture, const Rect& source,
                                   const Color& color);
    // Sprite-sheet frames; their right and bottom edges are inclusive pixel
    // indices, so a frame is drawn one pixel narrower and shorter than its cell.
    virtual void drawFrameH(int x, int y, int count, int index, const GLTexture* texture,
                            const Color& color);
    virtual void drawFrameV(int x, int y, int count, int index, const GLTexture* texture,
                            const Color& color);
    virtual void drawFrameGrid(int x, int y, int columns, int rows, int index,
                               const GLTexture* texture, const Color& color, bool rowMajor);
    virtual void setBlending(bool enabled) = 0;
    virtual void pushTransform() = 0;
    virtual void popTransform() = 0;
    virtual void drawLine(const Point& from, const Point& to, float width, bool smooth,
                          const Color& color) = 0;
    virtual void setClipRect(int x, int y, int width, int height) = 0;
    virtual void setClipping(bool enabled) = 0;
    virtual void translate(float dx, float dy) = 0;
    virtual void rotate(float angle, float axisX, float axisY, float axisZ) = 0;
    virtual void scale(float sx, float sy) = 0;
    // A ring of `thickness` pixels around the opaque shape of the picture.
    virtual void drawOutlineRegion(int x, int y, const GLTexture* texture, const Color& color,
                                   int thickness, float alphaThreshold, int width, int height,
                                   const Rect& source) = 0;
    virtual void drawOutline(int x, int y, const GLTexture* texture, const Color& color,
                             int thickness, float alphaThreshold);
    virtual void drawTexturedOutlineRegion(int x, int y, const GLTexture* texture,
                                           const GLTexture* fill, int thickness,
                                           float alphaThreshold, int width, int height,
                                           const Rect& source) = 0;
    virtual void drawTexturedOutline(int x, int y, const GLTexture* texture, const GLTexture* fill,
                                     int thickness, float alphaThreshold);
    virtual void fillTriangle(const Point& a, const Point& b, const Point& c,
                              const Color& color) = 0;
    // Corners in the order top-left, top-right, bottom-right, bottom-left of the source.
    virtual void drawTextureQuad(const GLTexture* texture, const Point& topLeft,
                                 const Point& topRight, const Point& bottomRight,
                                 const Point& bottomLeft, const Rect& source,
                                 const Color& color) = 0;

    // The z given to every vertex; 0, and nothing changes it.
    int depth() const { return depth_; }
    // The z given to every vertex; overlays raise it while they draw.
    void setDepth(int depth) { depth_ = depth; }

    // Balance counters of push/pop, zeroed by the application every frame.
    int pushCount() const { return pushCount_; }
    int popCount() const { return popCount_; }
    void resetTransformCounters() { pushCount_ = popCount_ = 0; }

protected:
    void countPush() { ++pushCount_; }
    void countPop() { ++popCount_; }

private:
    int depth_ = 0;
    int pushCount_ = 0;
    int popCount_ = 0;
};
