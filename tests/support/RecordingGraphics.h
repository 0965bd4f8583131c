#pragma once

#include "engine/graphics/Graphics.h"

#include <string>
#include <vector>

// One call made on a RecordingGraphics. Arguments are stored by kind, in the
// order the operation takes them (bools go into `ints` as 0 or 1):
//   begin2D, begin3D             ints {width, height, depth}
//   fillRect, strokeRect,
//   setClipRect                  ints {x, y, width, height}
//   strokeWidgetRect             ints {x, y, z, width, height}
//   drawTexture                  ints {x, y}
//   drawTextureRegion            ints {x, y}, source
//   drawTextureRegionScaled      ints {x, y, width, height}, source
//   drawFrameH, drawFrameV       ints {x, y, count, index}
//   drawFrameGrid                ints {x, y, columns, rows, index, rowMajor}
//   setBlending, setClipping     ints {enabled}
//   drawLine                     points {from, to}, floats {width}, ints {smooth}
//   translate, scale             floats {dx, dy} / {sx, sy}
//   rotate                       floats {angle, axisX, axisY, axisZ}
//   drawOutline                  ints {x, y, thickness}, floats {alphaThreshold}
//   drawOutlineRegion            ints {x, y, thickness, width, height},
//                                floats {alphaThreshold}, source
//   drawTexturedOutline(Region)  as the two above, with `fill` set and no colour
//   fillTriangle                 points {a, b, c}
//   drawTextureQuad              points {topLeft, topRight, bottomRight, bottomLeft}, source
// The strokeRect overload taking a WidgetRect is recorded as "strokeWidgetRect"
// so that count("strokeRect") counts each rectangle once.
struct RecordedCall {
    std::string name;
    std::vector<int> ints;
    std::vector<float> floats;
    Color color;
    bool hasColor = false;
    const GLTexture* texture = nullptr;
    const GLTexture* fill = nullptr;
    Rect source;
    std::vector<Point> points;
    // The translation in force when the call was made.
    float tx = 0;
    float ty = 0;

    // Argument i of its kind; throws std::out_of_range when missing.
    int intArg(std::size_t i) const { return ints.at(i); }
    float floatArg(std::size_t i) const { return floats.at(i); }

    // e.g. "fillRect ints{1,2,3,4} color(255,0,0,255) at(10,0)"
    std::string toString() const;
};

// A Graphics that draws nothing and keeps every call, for checking what a
// screen or widget drew. Operations that Graphics itself implements are
// recorded and then run, so the calls they make are recorded after them.
// translate, push/pop and resetTransform move a tracked translation (rotate
// and scale do not), stored with every call as tx, ty.
class RecordingGraphics : public Graphics {
public:
    const std::vector<RecordedCall>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

    int count(const std::string& name) const;
    // The nth (from 0) call of that name, or nullptr.
    const RecordedCall* find(const std::string& name, int nth = 0) const;
    const RecordedCall* last(const std::string& name) const;
    std::vector<const RecordedCall*> findAll(const std::string& name) const;
    // Every call, one a line; for failure messages.
    std::string dump() const;

    // Pushes without a matching pop so far.
    int transformDepth() const { return int(savedTranslations_.size()); }

    void resetTransform() override;
    void clear() override;
    void begin2D(int width, int height, int depth) override;
    void begin3D(int width, int height, int unused) override;
    void present() override;
    void fillRect(int x, int y, int width, int height, const Color& color) override;
    void strokeRect(const WidgetRect& rect, const Color& color) override;
    void strokeRect(int x, int y, int width, int height, const Color& color) override;
    void drawTexture(int x, int y, const GLTexture* texture, const Color& color) override;
    void drawTextureRegionScaled(int x, int y, int width, int height, const GLTexture* texture,
                                 const Rect& source, const Color& color) override;
    void drawTextureRegion(int x, int y, const GLTexture* texture, const Rect& source,
                           const Color& color) override;
    void drawFrameH(int x, int y, int count, int index, const GLTexture* texture,
                    const Color& color) override;
    void drawFrameV(int x, int y, int count, int index, const GLTexture* texture,
                    const Color& color) override;
    void drawFrameGrid(int x, int y, int columns, int rows, int index, const GLTexture* texture,
                       const Color& color, bool rowMajor) override;
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
    void drawOutline(int x, int y, const GLTexture* texture, const Color& color, int thickness,
                     float alphaThreshold) override;
    void drawTexturedOutlineRegion(int x, int y, const GLTexture* texture, const GLTexture* fill,
                                   int thickness, float alphaThreshold, int width, int height,
                                   const Rect& source) override;
    void drawTexturedOutline(int x, int y, const GLTexture* texture, const GLTexture* fill,
                             int thickness, float alphaThreshold) override;
    void fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) override;
    void drawTextureQuad(const GLTexture* texture, const Point& topLeft, const Point& topRight,
                         const Point& bottomRight, const Point& bottomLeft, const Rect& source,
                         const Color& color) override;

private:
    // Appends a call carrying the current translation and returns it for filling in.
    RecordedCall& record(const std::string& name);
    RecordedCall& record(const std::string& name, const Color& color);

    std::vector<RecordedCall> calls_;
    float tx_ = 0;
    float ty_ = 0;
    std::vector<Point> savedTranslations_;
};
