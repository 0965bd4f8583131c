#include "engine/graphics/GLGraphics.h"

#include "engine/graphics/GLCheck.h"
#include "engine/graphics/GLTexture.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <SDL.h>

#include <cmath>

// Stencil wrap-around arrived with GL 1.4; old headers lack the name.
#ifndef GL_INCR_WRAP
#define GL_INCR_WRAP 0x8507
#endif

namespace {

constexpr float kByteToUnit = 0.003921569f; // 1 / 255

// The stencil ends up holding (copies covering the pixel) - 1; pixels under
// eight or nine of the nine outline copies are inside the shape and stay
// unpainted, as do uncovered ones, still at 255.
constexpr GLint kOutlineStencilLimit = 7;

void setColor(const Color& color) {
    GL_CHECK(glColor4f(color.r * kByteToUnit, color.g * kByteToUnit, color.b * kByteToUnit,
                       color.a * kByteToUnit));
}

bool isDrawable(const GLTexture* texture) {
    return texture && texture->hasGLTexture();
}

void disableCommonTests() {
    GL_CHECK(glDisable(GL_DEPTH_TEST));
    GL_CHECK(glDisable(GL_STENCIL_TEST));
    GL_CHECK(glDisable(GL_SCISSOR_TEST));
    GL_CHECK(glDisable(GL_COLOR_MATERIAL));
}

void loadOrtho(int width, int height, int depth) {
    GL_CHECK(glMatrixMode(GL_PROJECTION));
    GL_CHECK(glLoadIdentity());
    GL_CHECK(glOrtho(0, width, height, 0, -depth, 1));
    GL_CHECK(glMatrixMode(GL_MODELVIEW));
}

} // namespace

void GLGraphics::init(int width, int height, int depth) {
    windowWidth_ = width;
    windowHeight_ = height;
    GL_CHECK(glEnable(GL_TEXTURE_2D));
    GL_CHECK(glClearColor(0.0f, 0.0f, 0.0f, 0.0f));
    GL_CHECK(glViewport(0, 0, width, height));
    GL_CHECK(glClear(GL_COLOR_BUFFER_BIT));
    loadOrtho(width, height, depth);
    GL_CHECK(glEnable(GL_BLEND));
    GL_CHECK(glEnable(GL_TEXTURE_2D));
    GL_CHECK(glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
    GL_CHECK(glEnable(GL_ALPHA_TEST));
    disableCommonTests();
    GL_CHECK(glLoadIdentity());
    resetPlacement();
}

void GLGraphics::resetTransform() {
    GL_CHECK(glLoadIdentity());
    resetPlacement();
}

void GLGraphics::resetPlacement() {
    placement_ = Placement();
}

void GLGraphics::chooseFilter(const GLTexture* texture, int width, int height,
                              const Rect& source) const {
    const bool wholePixels = placement_.translationOnly &&
                             placement_.x == std::floor(placement_.x) &&
                             placement_.y == std::floor(placement_.y);
    texture->useNearestFilter(wholePixels && float(width) == source.right - source.left &&
                              float(height) == source.bottom - source.top);
}

void GLGraphics::clear() {
    // 2D drawing never tests depth, and on a software renderer clearing a
    // buffer nobody reads costs a pass over the whole window every frame.
    GL_CHECK(
        glClear(depthInUse_ ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT : GL_COLOR_BUFFER_BIT));
}

void GLGraphics::begin2D(int width, int height, int depth) {
    GL_CHECK(glEnable(GL_TEXTURE_2D));
    loadOrtho(width, height, depth);
    GL_CHECK(glEnable(GL_BLEND));
    GL_CHECK(glEnable(GL_ALPHA_TEST));
    disableCommonTests();
    GL_CHECK(glLoadIdentity());
    resetPlacement();
}

void GLGraphics::begin3D(int width, int height, int) {
    depthInUse_ = true;
    GL_CHECK(glEnable(GL_TEXTURE_2D));
    GL_CHECK(glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST));
    GL_CHECK(glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST));
    GL_CHECK(glEnable(GL_POLYGON_SMOOTH));
    GL_CHECK(glMatrixMode(GL_PROJECTION));
    GL_CHECK(glLoadIdentity());
    const double aspect = height > 0 ? double(width) / height : 1.0;
    GL_CHECK(gluPerspective(60.0, aspect, 0.1, 1000.0));
    // GL clamps the far value to 1.
    GL_CHECK(glDepthRange(0.0, 1000.0));
    GL_CHECK(glMatrixMode(GL_MODELVIEW));
    GL_CHECK(glEnable(GL_BLEND));
    GL_CHECK(glDisable(GL_ALPHA_TEST));
    GL_CHECK(glEnable(GL_DEPTH_TEST));
    GL_CHECK(glDisable(GL_STENCIL_TEST));
    GL_CHECK(glDisable(GL_SCISSOR_TEST));
    GL_CHECK(glEnable(GL_COLOR_MATERIAL));
    GL_CHECK(glLoadIdentity());
    // Perspective: nothing lands pixel for pixel.
    placement_ = Placement();
    placement_.translationOnly = false;
}

void GLGraphics::present() {
    SDL_GL_SwapBuffers();
}

void GLGraphics::fillRect(int x, int y, int width, int height, const Color& color) {
    const float z = float(depth());
    GL_CHECK(glDisable(GL_TEXTURE_2D));
    setColor(color);
    glBegin(GL_QUADS);
    glVertex3f(float(x), float(y), z);
    glVertex3f(float(x + width), float(y), z);
    glVertex3f(float(x + width), float(y + height), z);
    glVertex3f(float(x), float(y + height), z);
    GL_CHECK(glEnd());
}

void GLGraphics::strokeRect(int x, int y, int width, int height, const Color& color) {
    const Point topLeft{float(x), float(y)};
    const Point topRight{float(x + width), float(y)};
    const Point bottomRight{float(x + width), float(y + height)};
    const Point bottomLeft{float(x), float(y + height)};
    drawLine(topLeft, topRight, 1.0f, true, color);
    drawLine(topRight, bottomRight, 1.0f, true, color);
    drawLine(bottomRight, bottomLeft, 1.0f, true, color);
    drawLine(bottomLeft, topLeft, 1.0f, true, color);
}

void GLGraphics::drawTextureRegionScaled(int x, int y, int width, int height,
                                         const GLTexture* texture, const Rect& source,
                                         const Color& color) {
    // Nothing to cover (a space in a text, say): not worth a trip through GL.
    if (!isDrawable(texture) || width == 0 || height == 0) {
        return;
    }
    const float tw = float(texture->textureWidth());
    const float th = float(texture->textureHeight());
    const float left = source.left / tw;
    const float right = source.right / tw;
    const float top = source.top / th;
    const float bottom = source.bottom / th;
    const float leftX = float(x);
    const float topY = float(y);
    const float rightX = float(x + width);
    const float bottomY = float(y + height);
    const float z = float(depth());

    setColor(color);
    GL_CHECK(glEnable(GL_TEXTURE_2D));
    GL_CHECK(texture->bind());
    chooseFilter(texture, width, height, source);
    // The strip covers (x, y)-(x + width, y + height). Corners are given
    // directly rather than about the centre plus a matrix translation: the
    // same pixels, without a matrix push and pop (and a driver flush) per quad.
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(right, top);
    glVertex3f(rightX, topY, z);
    glTexCoord2f(left, top);
    glVertex3f(leftX, topY, z);
    glTexCoord2f(right, bottom);
    glVertex3f(rightX, bottomY, z);
    glTexCoord2f(left, bottom);
    glVertex3f(leftX, bottomY, z);
    GL_CHECK(glEnd());
}

void GLGraphics::setBlending(bool enabled) {
    // Everything is drawn blended; switching it off is ignored on purpose.
    if (enabled) {
        GL_CHECK(glEnable(GL_BLEND));
    }
}

void GLGraphics::pushTransform() {
    GL_CHECK(glPushMatrix());
    placements_.push_back(placement_);
    countPush();
}

void GLGraphics::popTransform() {
    GL_CHECK(glPopMatrix());
    if (!placements_.empty()) {
        placement_ = placements_.back();
        placements_.pop_back();
    }
    countPop();
}

void GLGraphics::drawLine(const Point& from, const Point& to, float width, bool smooth,
                          const Color& color) {
    const float z = float(depth());
    GL_CHECK(glDisable(GL_TEXTURE_2D));
    if (smooth) {
        GL_CHECK(glEnable(GL_LINE_SMOOTH));
    }
    GL_CHECK(glLineWidth(width));
    setColor(color);
    glBegin(GL_LINES);
    glVertex3f(from.x, from.y, z);
    glVertex3f(to.x, to.y, z);
    GL_CHECK(glEnd());
}

void GLGraphics::setClipRect(int x, int y, int width, int height) {
    // GL counts rows from the bottom of the window.
    GL_CHECK(glScissor(x, windowHeight_ - y - height, width, height));
}

void GLGraphics::setClipping(bool enabled) {
    if (enabled) {
        GL_CHECK(glEnable(GL_SCISSOR_TEST));
    } else {
        GL_CHECK(glDisable(GL_SCISSOR_TEST));
    }
}

void GLGraphics::translate(float dx, float dy) {
    GL_CHECK(glTranslatef(dx, dy, 0.0f));
    placement_.x += dx;
    placement_.y += dy;
}

void GLGraphics::rotate(float angle, float axisX, float axisY, float axisZ) {
    GL_CHECK(glRotatef(angle, axisX, axisY, axisZ));
    if (std::fmod(angle, 360.0f) != 0.0f) {
        placement_.translationOnly = false;
    }
}

void GLGraphics::scale(float sx, float sy) {
    GL_CHECK(glScalef(sx, sy, 1.0f));
    if (sx != 1.0f || sy != 1.0f) {
        placement_.translationOnly = false;
    }
}

void GLGraphics::markOutlineStencil(int x, int y, const GLTexture* texture, int thickness,
                                    float alphaThreshold, int width, int height,
                                    const Rect& source) {
    // Start at 255 so the first copy wraps to 0 and uncovered pixels stay
    // above the limit.
    GL_CHECK(glClearStencil(255));
    GL_CHECK(glClear(GL_STENCIL_BUFFER_BIT));
    GL_CHECK(glEnable(GL_STENCIL_TEST));
    GL_CHECK(glDisable(GL_DEPTH_TEST));

    GL_CHECK(glAlphaFunc(GL_GREATER, alphaThreshold));
    GL_CHECK(glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE));
    GL_CHECK(glStencilFunc(GL_ALWAYS, 1, 0xFF));
    GL_CHECK(glStencilOp(GL_INCR_WRAP, GL_INCR_WRAP, GL_INCR_WRAP));

    const int t = thickness;
    const int offsets[9][2] = {{-t, 0}, {t, 0},  {0, -t}, {0, t}, {-t, -t},
                               {t, t},  {t, -t}, {-t, t}, {0, 0}};
    const Color white;
    for (const auto& offset : offsets) {
        drawTextureRegionScaled(x + offset[0], y + offset[1], width, height, texture, source,
                                white);
    }

    GL_CHECK(glAlphaFunc(GL_ALWAYS, 0.0f));
    GL_CHECK(glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE));
    GL_CHECK(glStencilFunc(GL_GREATER, kOutlineStencilLimit, 0xFF));
    GL_CHECK(glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP));
}

void GLGraphics::endOutlineStencil() {
    GL_CHECK(glDisable(GL_STENCIL_TEST));
}

void GLGraphics::drawOutlineRegion(int x, int y, const GLTexture* texture, const Color& color,
                                   int thickness, float alphaThreshold, int width, int height,
                                   const Rect& source) {
    if (!isDrawable(texture)) {
        return;
    }
    markOutlineStencil(x, y, texture, thickness, alphaThreshold, width, height, source);
    fillRect(x - thickness, y - thickness, width + 2 * thickness, height + 2 * thickness, color);
    endOutlineStencil();
}

void GLGraphics::drawTexturedOutlineRegion(int x, int y, const GLTexture* texture,
                                           const GLTexture* fill, int thickness,
                                           float alphaThreshold, int width, int height,
                                           const Rect& source) {
    if (!isDrawable(texture) || !isDrawable(fill)) {
        return;
    }
    markOutlineStencil(x, y, texture, thickness, alphaThreshold, width, height, source);
    drawTexture(x - thickness, y - thickness, fill, Color());
    endOutlineStencil();
}

void GLGraphics::fillTriangle(const Point& a, const Point& b, const Point& c, const Color& color) {
    const float z = float(depth());
    GL_CHECK(glDisable(GL_TEXTURE_2D));
    setColor(color);
    glBegin(GL_TRIANGLES);
    glVertex3f(a.x, a.y, z);
    glVertex3f(b.x, b.y, z);
    glVertex3f(c.x, c.y, z);
    GL_CHECK(glEnd());
}

void GLGraphics::drawTextureQuad(const GLTexture* texture, const Point& topLeft,
                                 const Point& topRight, const Point& bottomRight,
                                 const Point& bottomLeft, const Rect& source, const Color& color) {
    if (!isDrawable(texture)) {
        return;
    }
    const float tw = float(texture->textureWidth());
    const float th = float(texture->textureHeight());
    const float left = source.left / tw;
    const float right = source.right / tw;
    const float top = source.top / th;
    const float bottom = source.bottom / th;
    const float z = float(depth());

    setColor(color);
    GL_CHECK(glEnable(GL_TEXTURE_2D));
    GL_CHECK(texture->bind());
    texture->useNearestFilter(false);
    glBegin(GL_QUADS);
    glTexCoord2f(left, top);
    glVertex3f(topLeft.x, topLeft.y, z);
    glTexCoord2f(right, top);
    glVertex3f(topRight.x, topRight.y, z);
    glTexCoord2f(right, bottom);
    glVertex3f(bottomRight.x, bottomRight.y, z);
    glTexCoord2f(left, bottom);
    glVertex3f(bottomLeft.x, bottomLeft.y, z);
    GL_CHECK(glEnd());
}
