#pragma once

#include "engine/graphics/GLTexture.h"
#include "tests/support/PixelImage.h"

#include <GL/gl.h>

#include <vector>

// A texture really uploaded to the current GL context, sampled with nearest
// filtering so that drawn pixels can be compared exactly. The picture sits in
// the top-left corner of a power-of-two texture whose spare texels are
// transparent.
static_assert(sizeof(Color) == 4, "texels are uploaded as packed RGBA bytes");

class UploadedTexture : public GLTexture {
public:
    explicit UploadedTexture(const Image& image) {
        imageWidth_ = image.width();
        imageHeight_ = image.height();
        textureWidth_ = nextPowerOfTwo(imageWidth_);
        textureHeight_ = nextPowerOfTwo(imageHeight_);

        std::vector<Color> texels(std::size_t(textureWidth_ * textureHeight_), Color(0, 0, 0, 0));
        for (int y = 0; y < imageHeight_; ++y) {
            for (int x = 0; x < imageWidth_; ++x) {
                texels[std::size_t(y * textureWidth_ + x)] = image.getPixel(x, y);
            }
        }
        glGenTextures(1, &glName_);
        glBindTexture(GL_TEXTURE_2D, glName_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, textureWidth_, textureHeight_, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, texels.data());
    }
};
