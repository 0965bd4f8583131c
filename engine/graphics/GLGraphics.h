#pragma once

#include "engine/graphics/Graphics.h"

#include <array>
#include <vector>

// Graphics drawn with fixed-function OpenGL 1.x into the current SDL window.
class GLGraphics : public Graphics {
public:
    GLGraphics() = default;

    // Sets up the 2D state for a window of width x height; needs a current GL
    // context. `depth` is the far end of the orthographic depth range.
    void init(int width, int height, int depth);

    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }

    using Graphics::strokeRect;

    void resetTransform() override;
    void clear() override;
    void begin2D(int width, int height, int depth) override;
    void begin3D(int width, int height, int unused) override;
    void present() override;
    void fillRect(int x, int y, int width, int height, const Color& color) override;
    void strokeRect(int x, int y, int width, int height, const Color& color) override;
    void drawTextureRegionScaled(int x, int y, int width, int height, const GLTexture* texture,
                                 const Rect& source, const Color& color) override;
    void setBlending(bool enabled) override;
    void pushTransform() override;
    void popTransform() override;
    void drawLine(const Point& from, const Point& to, float width, bool smooth,
                  const Color& color) override;
    void setClipRect(int x, int y, int width, int height) override;
    void setClipping(bool enabled) override;
    void translate(float dx, float dy) override;
    void rotate(float angle, float axisX, float axisY, float axisZ) override;
    void scale(float sx, float sy) override;
    void drawOutlineRegion(int x, int y, const GLTexture* texture, const Color& color,
                           int thickness, float alphaThreshold, int width, int height,
                           const Rect& source) override;
    void drawTexturedOutlineRegion(int x, int y, const GLTexture* texture, const GLTexture* fill,
                                   int thickness, float alphaThreshold, int width, int height,
                                   const Rect& source) override;
    void fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) override;
    void drawTextureQuad(const GLTexture* texture, const Point& topLeft, const Point& topRight,
                         const Point& bottomRight, const Point& bottomLeft, const Rect& source,
                         const Color& color) override;

private:
    // Marks every pixel the picture covers from 1 to 7 times when drawn nine
    // times around (x, y): the ring the outline fill may paint.
    void markOutlineStencil(int x, int y, const GLTexture* texture, int thickness,
                            float alphaThreshold, int width, int height, const Rect& source);
    void endOutlineStencil();
    // Picks the texture's filter for a draw: nearest when the picture lands
    // pixel for pixel on the window (the same pixels as linear, and much
    // cheaper on a software renderer), linear otherwise.
    void chooseFilter(const GLTexture* texture, int width, int height, const Rect& source) const;
    void resetPlacement();

    // What the model-view matrix does, followed alongside GL's own: whether
    // it only moves by whole pixels, and by how much.
    struct Placement {
        bool translationOnly = true;
        float x = 0.0f;
        float y = 0.0f;
    };
    Placement placement_;
    std::vector<Placement> placements_;

    // Reserved matrix storage; nothing reads it yet.
    std::array<float, 16> projectionMatrix_{};
    std::array<float, 16> modelViewMatrix_{};
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    // Set once anything has drawn in 3D: only then does a clear reset depth.
    bool depthInUse_ = false;
};
