#include "tests/support/RecordingGraphics.h"

#include <algorithm>
#include <sstream>

std::string RecordedCall::toString() const {
    std::ostringstream out;
    out << name;
    if (!ints.empty()) {
        out << " ints{";
        for (std::size_t i = 0; i < ints.size(); ++i) {
            out << (i ? "," : "") << ints[i];
        }
        out << "}";
    }
    if (!floats.empty()) {
        out << " floats{";
        for (std::size_t i = 0; i < floats.size(); ++i) {
            out << (i ? "," : "") << floats[i];
        }
        out << "}";
    }
    if (!points.empty()) {
        out << " points{";
        for (std::size_t i = 0; i < points.size(); ++i) {
            out << (i ? "," : "") << "(" << points[i].x << "," << points[i].y << ")";
        }
        out << "}";
    }
    if (hasColor) {
        out << " color(" << int(color.r) << "," << int(color.g) << "," << int(color.b) << ","
            << int(color.a) << ")";
    }
    if (texture) {
        out << " texture=" << texture;
    }
    if (fill) {
        out << " fill=" << fill;
    }
    if (!(source == Rect())) {
        out << " source(" << source.left << "," << source.top << "," << source.right << ","
            << source.bottom << ")";
    }
    if (tx != 0 || ty != 0) {
        out << " at(" << tx << "," << ty << ")";
    }
    return out.str();
}

int RecordingGraphics::count(const std::string& name) const {
    return int(std::count_if(calls_.begin(), calls_.end(),
                             [&](const RecordedCall& call) { return call.name == name; }));
}

const RecordedCall* RecordingGraphics::find(const std::string& name, int nth) const {
    for (const RecordedCall& call : calls_) {
        if (call.name == name && nth-- == 0) {
            return &call;
        }
    }
    return nullptr;
}

const RecordedCall* RecordingGraphics::last(const std::string& name) const {
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it) {
        if (it->name == name) {
            return &*it;
        }
    }
    return nullptr;
}

std::vector<const RecordedCall*> RecordingGraphics::findAll(const std::string& name) const {
    std::vector<const RecordedCall*> result;
    for (const RecordedCall& call : calls_) {
        if (call.name == name) {
            result.push_back(&call);
        }
    }
    return result;
}

std::string RecordingGraphics::dump() const {
    std::string result;
    for (const RecordedCall& call : calls_) {
        result += call.toString();
        result += '\n';
    }
    return result;
}

RecordedCall& RecordingGraphics::record(const std::string& name) {
    RecordedCall call;
    call.name = name;
    call.tx = tx_;
    call.ty = ty_;
    calls_.push_back(std::move(call));
    return calls_.back();
}

RecordedCall& RecordingGraphics::record(const std::string& name, const Color& color) {
    RecordedCall& call = record(name);
    call.color = color;
    call.hasColor = true;
    return call;
}

void RecordingGraphics::resetTransform() {
    record("resetTransform");
    tx_ = ty_ = 0;
}

void RecordingGraphics::clear() {
    record("clear");
}

void RecordingGraphics::begin2D(int width, int height, int depth) {
    record("begin2D").ints = {width, height, depth};
}

void RecordingGraphics::begin3D(int width, int height, int unused) {
    record("begin3D").ints = {width, height, unused};
}

void RecordingGraphics::present() {
    record("present");
}

void RecordingGraphics::fillRect(int x, int y, int width, int height, const Color& color) {
    record("fillRect", color).ints = {x, y, width, height};
}

void RecordingGraphics::strokeRect(const WidgetRect& rect, const Color& color) {
    record("strokeWidgetRect", color).ints = {rect.x, rect.y, rect.z, rect.width, rect.height};
    Graphics::strokeRect(rect, color);
}

void RecordingGraphics::strokeRect(int x, int y, int width, int height, const Color& color) {
    record("strokeRect", color).ints = {x, y, width, height};
}

void RecordingGraphics::drawTexture(int x, int y, const GLTexture* texture, const Color& color) {
    RecordedCall& call = record("drawTexture", color);
    call.ints = {x, y};
    call.texture = texture;
    Graphics::drawTexture(x, y, texture, color);
}

void RecordingGraphics::drawTextureRegionScaled(int x, int y, int width, int height,
                                                const GLTexture* texture, const Rect& source,
                                                const Color& color) {
    RecordedCall& call = record("drawTextureRegionScaled", color);
    call.ints = {x, y, width, height};
    call.texture = texture;
    call.source = source;
}

void RecordingGraphics::drawTextureRegion(int x, int y, const GLTexture* texture,
                                          const Rect& source, const Color& color) {
    RecordedCall& call = record("drawTextureRegion", color);
    call.ints = {x, y};
    call.texture = texture;
    call.source = source;
    Graphics::drawTextureRegion(x, y, texture, source, color);
}

void RecordingGraphics::drawFrameH(int x, int y, int count, int index, const GLTexture* texture,
                                   const Color& color) {
    RecordedCall& call = record("drawFrameH", color);
    call.ints = {x, y, count, index};
    call.texture = texture;
    Graphics::drawFrameH(x, y, count, index, texture, color);
}

void RecordingGraphics::drawFrameV(int x, int y, int count, int index, const GLTexture* texture,
                                   const Color& color) {
    RecordedCall& call = record("drawFrameV", color);
    call.ints = {x, y, count, index};
    call.texture = texture;
    Graphics::drawFrameV(x, y, count, index, texture, color);
}

void RecordingGraphics::drawFrameGrid(int x, int y, int columns, int rows, int index,
                                      const GLTexture* texture, const Color& color, bool rowMajor) {
    RecordedCall& call = record("drawFrameGrid", color);
    call.ints = {x, y, columns, rows, index, rowMajor ? 1 : 0};
    call.texture = texture;
    Graphics::drawFrameGrid(x, y, columns, rows, index, texture, color, rowMajor);
}

void RecordingGraphics::setBlending(bool enabled) {
    record("setBlending").ints = {enabled ? 1 : 0};
}

void RecordingGraphics::pushTransform() {
    record("pushTransform");
    savedTranslations_.emplace_back(tx_, ty_);
    countPush();
}

void RecordingGraphics::popTransform() {
    record("popTransform");
    // An unbalanced pop leaves the translation alone; pushCount()/popCount() show it.
    if (!savedTranslations_.empty()) {
        tx_ = savedTranslations_.back().x;
        ty_ = savedTranslations_.back().y;
        savedTranslations_.pop_back();
    }
    countPop();
}

void RecordingGraphics::drawLine(const Point& from, const Point& to, float width, bool smooth,
                                 const Color& color) {
    RecordedCall& call = record("drawLine", color);
    call.points = {from, to};
    call.floats = {width};
    call.ints = {smooth ? 1 : 0};
}

void RecordingGraphics::setClipRect(int x, int y, int width, int height) {
    record("setClipRect").ints = {x, y, width, height};
}

void RecordingGraphics::setClipping(bool enabled) {
    record("setClipping").ints = {enabled ? 1 : 0};
}

void RecordingGraphics::translate(float dx, float dy) {
    record("translate").floats = {dx, dy};
    tx_ += dx;
    ty_ += dy;
}

void RecordingGraphics::rotate(float angle, float axisX, float axisY, float axisZ) {
    record("rotate").floats = {angle, axisX, axisY, axisZ};
}

void RecordingGraphics::scale(float sx, float sy) {
    record("scale").floats = {sx, sy};
}

void RecordingGraphics::drawOutlineRegion(int x, int y, const GLTexture* texture,
                                          const Color& color, int thickness, float alphaThreshold,
                                          int width, int height, const Rect& source) {
    RecordedCall& call = record("drawOutlineRegion", color);
    call.ints = {x, y, thickness, width, height};
    call.floats = {alphaThreshold};
    call.texture = texture;
    call.source = source;
}

void RecordingGraphics::drawOutline(int x, int y, const GLTexture* texture, const Color& color,
                                    int thickness, float alphaThreshold) {
    RecordedCall& call = record("drawOutline", color);
    call.ints = {x, y, thickness};
    call.floats = {alphaThreshold};
    call.texture = texture;
    Graphics::drawOutline(x, y, texture, color, thickness, alphaThreshold);
}

void RecordingGraphics::drawTexturedOutlineRegion(int x, int y, const GLTexture* texture,
                                                  const GLTexture* fill, int thickness,
                                                  float alphaThreshold, int width, int height,
                                                  const Rect& source) {
    RecordedCall& call = record("drawTexturedOutlineRegion");
    call.ints = {x, y, thickness, width, height};
    call.floats = {alphaThreshold};
    call.texture = texture;
    call.fill = fill;
    call.source = source;
}

void RecordingGraphics::drawTexturedOutline(int x, int y, const GLTexture* texture,
                                            const GLTexture* fill, int thickness,
                                            float alphaThreshold) {
    RecordedCall& call = record("drawTexturedOutline");
    call.ints = {x, y, thickness};
    call.floats = {alphaThreshold};
    call.texture = texture;
    call.fill = fill;
    Graphics::drawTexturedOutline(x, y, texture, fill, thickness, alphaThreshold);
}

void RecordingGraphics::fillTriangle(const Point& a, const Point& b, const Point& c,
                                     const Color& color) {
    record("fillTriangle", color).points = {a, b, c};
}

void RecordingGraphics::drawTextureQuad(const GLTexture* texture, const Point& topLeft,
                                        const Point& topRight, const Point& bottomRight,
                                        const Point& bottomLeft, const Rect& source,
                                        const Color& color) {
    RecordedCall& call = record("drawTextureQuad", color);
    call.points = {topLeft, topRight, bottomRight, bottomLeft};
    call.texture = texture;
    call.source = source;
}
