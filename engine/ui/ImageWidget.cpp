#include "engine/ui/ImageWidget.h"

#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"

#include <cmath>

namespace {
int textureWidth(const GLTexture* texture) {
    return texture ? texture->imageWidth() : 0;
}
int textureHeight(const GLTexture* texture) {
    return texture ? texture->imageHeight() : 0;
}
} // namespace

ImageWidget::ImageWidget(const GLTexture* texture, int x, int y, bool zeroSize)
    : texture_(texture) {
    setRect(WidgetRect(x, y, 0, zeroSize ? 0 : textureWidth(texture),
                       zeroSize ? 0 : textureHeight(texture)));
}

void ImageWidget::setTexture(const GLTexture* texture) {
    texture_ = texture;
    setSize(textureWidth(texture), textureHeight(texture));
}

void ImageWidget::render(Graphics& graphics, ScreenBase*) {
    if (!texture_) {
        return;
    }
    if (std::fabs(angle_) < 1e-6f) {
        graphics.drawTexture(0, 0, texture_, tint_);
        return;
    }
    // The manager's translation is replaced: rotate about the widget's point.
    graphics.pushTransform();
    graphics.resetTransform();
    graphics.translate(float(x()), float(y()));
    graphics.rotate(angle_, 0, 0, 1);
    graphics.translate(-float(textureWidth(texture_)) / 2, -float(textureHeight(texture_)) / 2);
    graphics.drawTexture(0, 0, texture_, tint_);
    graphics.popTransform();
}
