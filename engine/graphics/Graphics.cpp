#include "engine/graphics/Graphics.h"

#include "engine/graphics/GLTexture.h"

void Graphics::strokeRect(const WidgetRect& rect, const Color& color) {
    strokeRect(rect.x, rect.y, rect.width, rect.height, color);
}

void Graphics::frameRect(int x, int y, int width, int height, int thickness, const Color& color) {
    fillRect(x, y, width, thickness, color);
    fillRect(x, y + height - thickness, width, thickness, color);
    fillRect(x, y, thickness, height, color);
    fillRect(x + width - thickness, y, thickness, height, color);
}

void Graphics::drawTexture(int x, int y, const GLTexture* texture, const Color& color) {
    if (!texture) {
        return;
    }
    Rect source(0, 0, float(texture->imageWidth()), float(texture->imageHeight()));
    drawTextureRegion(x, y, texture, source, color);
}

void Graphics::drawTextureRegion(int x, int y, const GLTexture* texture, const Rect& source,
                                 const Color& color) {
    drawTextureRegionScaled(x, y, int(source.width()), int(source.height()), texture, source,
                            color);
}

void Graphics::drawFrameH(int x, int y, int count, int index, const GLTexture* texture,
                          const Color& color) {
    if (!texture || count <= 0) {
        return;
    }
    const int w = texture->imageWidth();
    const int h = texture->imageHeight();
    Rect source(float(index * w / count), 0, float(w * (index + 1) / count - 1), float(h - 1));
    drawTextureRegion(x, y, texture, source, color);
}

void Graphics::drawFrameV(int x, int y, int count, int index, const GLTexture* texture,
                          const Color& color) {
    if (!texture || count <= 0) {
        return;
    }
    const int w = texture->imageWidth();
    const int h = texture->imageHeight();
    Rect source(0, float(index * h / count), float(w - 1), float(h * (index + 1) / count - 1));
    drawTextureRegion(x, y, texture, source, color);
}

void Graphics::drawFrameGrid(int x, int y, int columns, int rows, int index,
                             const GLTexture* texture, const Color& color, bool rowMajor) {
    if (!texture || columns <= 0 || rows <= 0) {
        return;
    }
    const int w = texture->imageWidth();
    const int h = texture->imageHeight();
    const int column = rowMajor ? index % columns : index / rows;
    const int row = rowMajor ? index / columns : index % rows;
    Rect source(float(column * w / columns), float(row * h / rows),
                float(w * (column + 1) / columns - 1), float(h * (row + 1) / rows - 1));
    drawTextureRegion(x, y, texture, source, color);
}

void Graphics::drawOutline(int x, int y, const GLTexture* texture, const Color& color,
                           int thickness, float alphaThreshold) {
    if (!texture) {
        return;
    }
    const int w = texture->imageWidth();
    const int h = texture->imageHeight();
    drawOutlineRegion(x, y, texture, color, thickness, alphaThreshold, w, h,
                      Rect(0, 0, float(w), float(h)));
}

void Graphics::drawTexturedOutline(int x, int y, const GLTexture* texture, const GLTexture* fill,
                                   int thickness, float alphaThreshold) {
    if (!texture) {
        return;
    }
    const int w = texture->imageWidth();
    const int h = texture->imageHeight();
    drawTexturedOutlineRegion(x, y, texture, fill, thickness, alphaThreshold, w, h,
                              Rect(0, 0, float(w), float(h)));
}
