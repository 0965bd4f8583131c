#include "engine/graphics/GLTexture.h"

#include <GL/gl.h>

GLTexture::~GLTexture() {
    if (glName_ != 0) {
        glDeleteTextures(1, &glName_);
    }
}

std::unique_ptr<GLTexture> GLTexture::fromKeptImage(std::unique_ptr<Image> image) {
    std::unique_ptr<GLTexture> texture(new GLTexture());
    if (image) {
        texture->imageWidth_ = image->width();
        texture->imageHeight_ = image->height();
        texture->textureWidth_ = nextPowerOfTwo(image->width());
        texture->textureHeight_ = nextPowerOfTwo(image->height());
        texture->keptImage_ = std::move(image);
    }
    return texture;
}

void GLTexture::bind() const {
    glBindTexture(GL_TEXTURE_2D, glName_);
}

bool GLTexture::isOpaqueAt(int x, int y) const {
    if (!keptImage_ || x < 0 || y < 0 || x >= imageWidth_ || y >= imageHeight_) {
        return false;
    }
    if (x >= keptImage_->width() || y >= keptImage_->height()) {
        return false;
    }
    return !keptImage_->isTransparentAt(x, y);
}

int GLTexture::nextPowerOfTwo(int value) {
    int result = 1;
    while (result < value) {
        result <<= 1;
    }
    return result;
}
