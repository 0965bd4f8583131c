#include "engine/graphics/OGLBlit.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/GLWindowTest.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class OGLBlitTest : public GLWindowTest {
protected:
    void TearDown() override {
        if (record_ && record_->name != 0) {
            glDeleteTextures(1, &record_->name);
        }
        GLWindowTest::TearDown();
    }

    const OGLTextureRecord& convert(SDL_Surface* surface) {
        record_ = OGL_FromSurface(surface);
        EXPECT_NE(nullptr, record_) << SDL_GetError();
        static const OGLTextureRecord none;
        return record_ ? *record_ : none;
    }

    // The uploaded texels, row by row, as RGBA.
    std::vector<Color> texels() {
        if (!record_) {
            return {};
        }
        std::vector<Color> result(std::size_t(record_->uploadedWidth * record_->uploadedHeight));
        glBindTexture(GL_TEXTURE_2D, record_->name);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, result.data());
        return result;
    }

    std::unique_ptr<OGLTextureRecord> record_;
};

TEST_F(OGLBlitTest, NoSurfaceIsRefusedWithItsMessage) {
    EXPECT_EQ(nullptr, OGL_FromSurface(nullptr));
    EXPECT_EQ(std::string("SDL_oglblit: Surface passed to OGL_FromSurface is NULL."),
              SDL_GetError());
}

TEST_F(OGLBlitTest, RGBASurfaceIsUploadedAsItIs) {
    SDLSurfaceImage image(4, 2);
    image.setPixel(0, 0, Color(1, 2, 3, 4));
    image.setPixel(3, 1, Color(250, 0, 7, 128));
    const OGLTextureRecord& record = convert(image.surface());
    EXPECT_NE(0u, record.name);
    EXPECT_EQ(unsigned(GL_RGBA), record.format);
    EXPECT_EQ(4, record.textureWidth);
    EXPECT_EQ(2, record.textureHeight);
    EXPECT_EQ(4, record.uploadedWidth);
    EXPECT_EQ(2, record.uploadedHeight);
    const auto uploaded = texels();
    EXPECT_EQ(Color(1, 2, 3, 4), uploaded[0]);
    EXPECT_EQ(Color(250, 0, 7, 128), uploaded[7]);

    GLint filter = 0;
    GLint wrap = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(GL_LINEAR, filter);
    EXPECT_EQ(GL_CLAMP_TO_EDGE, wrap);
}

// Three-byte pixels in rows padded to four bytes: seven pixels make 21 bytes
// stored in 24 (a whole number of pixels, skipped by GL), five make 15 bytes
// stored in 16 (not whole pixels, so the surface is copied to RGBA first).
TEST_F(OGLBlitTest, ThreeBytePixelsWithPaddedRowsArriveUnsheared) {
    for (const auto& [width, format] : {std::pair{7, GL_RGB}, std::pair{5, GL_RGBA}}) {
        SDL_Surface* surface =
            SDL_CreateRGBSurface(SDL_SWSURFACE, width, 3, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
        ASSERT_NE(nullptr, surface);
        ASSERT_NE(width * 3, surface->pitch) << "rows are padded";
        SDLSurfaceImage image(surface);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, Color(std::uint8_t(x * 30), std::uint8_t(y * 100), 9));
            }
        }
        const OGLTextureRecord& record = convert(surface);
        EXPECT_EQ(unsigned(format), record.format) << width;
        const auto uploaded = texels();
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                EXPECT_EQ(Color(std::uint8_t(x * 30), std::uint8_t(y * 100), 9),
                          uploaded[std::size_t(y * width + x)])
                    << width << ": " << x << ", " << y;
            }
        }
        glDeleteTextures(1, &record_->name);
        record_.reset();
    }
}

TEST_F(OGLBlitTest, OtherPixelLayoutsAreCopiedToRGBAWithTheirAlpha) {
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, 2, 2, 32, 0x00FF0000,
                                                0x0000FF00, 0x000000FF, 0xFF000000);
    ASSERT_NE(nullptr, surface);
    SDLSurfaceImage image(surface);
    image.setPixel(1, 0, Color(200, 100, 50, 60));
    const OGLTextureRecord& record = convert(surface);
    EXPECT_EQ(unsigned(GL_RGBA), record.format);
    const auto uploaded = texels();
    EXPECT_EQ(Color(200, 100, 50, 60), uploaded[1]);
    EXPECT_EQ(Color(0, 0, 0, 0), uploaded[0]);
    EXPECT_NE(0u, surface->flags & SDL_SRCALPHA) << "the surface's own flags are kept";
}

// (SDL 1.2 keeps the row pitch in 16 bits, so a too-tall surface is the one
// that can exist.)
TEST_F(OGLBlitTest, SurfaceTallerThanTheLimitIsCroppedToTheLargestTexture) {
    GLint maximum = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
    ASSERT_GT(maximum, 0);
    SDLSurfaceImage image(1, maximum + 1);
    ASSERT_NE(nullptr, image.surface());
    image.setPixel(0, maximum - 1, Color(9, 9, 9, 9));
    image.setPixel(0, maximum, Color(7, 7, 7, 7));
    const OGLTextureRecord& record = convert(image.surface());
    EXPECT_EQ(maximum, record.textureHeight);
    EXPECT_EQ(maximum, record.uploadedHeight);
    EXPECT_EQ(1, record.uploadedWidth);
    const auto uploaded = texels();
    ASSERT_FALSE(uploaded.empty());
    EXPECT_EQ(Color(9, 9, 9, 9), uploaded.back());
}

} // namespace
