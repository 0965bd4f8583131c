#include "engine/graphics/GLTexture.h"
#include "engine/graphics/ImageFilter.h"
#include "engine/graphics/MinimalSurfaceImage.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/GLWindowTest.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
// jpeglib.h expects FILE and size_t to be declared before it.
#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

const Color kRed(255, 0, 0);
const Color kGreen(0, 255, 0);
const Color kBlue(0, 0, 255);
const Color kYellow(255, 255, 0);
const Color kWhite(255, 255, 255);
const Color kClear(0, 0, 0, 0);

class GLTextureLoadingTest : public GLWindowTest {
protected:
    void SetUp() override {
        GLWindowTest::SetUp();
        ASSERT_TRUE(folder.valid());
    }

    std::string png(const std::string& name, int width, int height, const PixelRule& rule) {
        const std::string path = folder / name;
        EXPECT_TRUE(writePngPicture(path, width, height, rule)) << path;
        return path;
    }

    std::string jpeg(const std::string& name, int width, int height, const PixelRule& rule) {
        const std::string path = folder / name;
        EXPECT_TRUE(writeJpegPicture(path, width, height, rule)) << path;
        return path;
    }

    // Pixels of the window that are not black.
    static int litPixelCount() {
        std::vector<unsigned char> rgba(std::size_t(kWidth * kHeight * 4));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            lit += (rgba[i] || rgba[i + 1] || rgba[i + 2]) ? 1 : 0;
        }
        return lit;
    }

    // Left half transparent, right half opaque red.
    static Color halfOpaque(int x, int) { return x < 4 ? kClear : kRed; }

    TemporaryDirectory folder;
};

// --- Sizes and placement ---------------------------------------------------

TEST_F(GLTextureLoadingTest, PictureIsPaddedToAPowerOfTwoAndDrawnInItsOwnSize) {
    const std::string path = png("wide.png", 300, 200, [](int x, int y) {
        if (x == 0 && y == 0) {
            return kRed;
        }
        return (x == 299 && y == 199) ? kBlue : kGreen;
    });
    GLTexture texture(path);
    EXPECT_EQ(300, texture.imageWidth());
    EXPECT_EQ(200, texture.imageHeight());
    EXPECT_EQ(300, texture.sourceWidth());
    EXPECT_EQ(200, texture.sourceHeight());
    EXPECT_EQ(512, texture.textureWidth());
    EXPECT_EQ(256, texture.textureHeight());
    EXPECT_EQ(524288, texture.byteCount());
    EXPECT_TRUE(texture.hasGLTexture());
    EXPECT_TRUE(texture.isUploaded());
    EXPECT_FALSE(texture.isPending());

    graphics.drawTexture(100, 50, &texture, Color());
    EXPECT_EQ(kRed, pixelAt(100, 50));
    EXPECT_EQ(kBlue, pixelAt(399, 249));
    EXPECT_EQ(kGreen, pixelAt(250, 150));
    EXPECT_TRUE(isBlack(pixelAt(99, 50)));
    EXPECT_TRUE(isBlack(pixelAt(400, 249)));
    EXPECT_TRUE(isBlack(pixelAt(399, 250)));
    EXPECT_TRUE(isBlack(pixelAt(100, 49)));
    EXPECT_EQ(300 * 200, litPixelCount());
}

TEST_F(GLTextureLoadingTest, ExactPowerOfTwoIsNotDoubled) {
    GLTexture texture(png("square.png", 256, 256, flat(kWhite)));
    EXPECT_EQ(256, texture.textureWidth());
    EXPECT_EQ(256, texture.textureHeight());
    EXPECT_EQ(4L * 256 * 256, texture.byteCount());
}

TEST_F(GLTextureLoadingTest, PaddingIsTransparentAndPictureKeepsItsAlpha) {
    GLTexture texture(
        png("alpha.png", 5, 3, [](int x, int) { return Color(10, 20, 30, std::uint8_t(x * 60)); }));
    const Image* kept = texture.keptImage();
    ASSERT_NE(nullptr, kept);
    EXPECT_EQ(8, kept->width());
    EXPECT_EQ(4, kept->height());
    EXPECT_EQ(Color(10, 20, 30, 120), kept->getPixel(2, 1));
    EXPECT_EQ(kClear, kept->getPixel(5, 0));
    EXPECT_EQ(kClear, kept->getPixel(0, 3));
    EXPECT_FALSE(texture.isOpaqueAt(0, 0));
    EXPECT_TRUE(texture.isOpaqueAt(1, 0));
    EXPECT_FALSE(texture.isOpaqueAt(5, 0)) << "padding is outside the picture";
}

// --- Sprite-sheet frames, read back from the window -------------------------

TEST_F(GLTextureLoadingTest, HorizontalFrameReadsItsColumnsAndIsOnePixelNarrower) {
    // Four 100-pixel frames; the last column of the sheet is white.
    GLTexture sheet(png("frames.png", 400, 20, [](int x, int) {
        if (x == 399) {
            return kWhite;
        }
        const Color colours[] = {kRed, kGreen, kBlue, kYellow};
        return colours[x / 100];
    }));
    graphics.drawFrameH(10, 10, 4, 3, &sheet, Color());
    EXPECT_EQ(kYellow, pixelAt(10, 10));
    EXPECT_EQ(kYellow, pixelAt(108, 28));
    EXPECT_TRUE(isBlack(pixelAt(109, 10))) << "right edge is exclusive: 99 pixels wide";
    EXPECT_TRUE(isBlack(pixelAt(10, 29))) << "bottom edge too: 19 rows";
    EXPECT_EQ(99 * 19, litPixelCount());
}

TEST_F(GLTextureLoadingTest, GridFrameIndexRunsAlongRowsOrDownColumns) {
    // 3 columns x 2 rows of 30 x 20 cells; cell (column, row) has red 40 *
    // column + 100 and green 100 * row + 50.
    GLTexture grid(png("grid.png", 90, 40, [](int x, int y) {
        return Color(std::uint8_t(40 * (x / 30) + 100), std::uint8_t(100 * (y / 20) + 50), 0);
    }));
    graphics.drawFrameGrid(0, 0, 3, 2, 4, &grid, Color(), true);
    graphics.drawFrameGrid(100, 0, 3, 2, 4, &grid, Color(), false);
    EXPECT_EQ(Color(140, 150, 0), pixelAt(5, 5)) << "row-major 4: column 1, row 1";
    EXPECT_EQ(Color(180, 50, 0), pixelAt(105, 5)) << "column-major 4: column 2, row 0";
    EXPECT_TRUE(isBlack(pixelAt(29, 5)));
    EXPECT_TRUE(isBlack(pixelAt(5, 19)));
}

// --- Outlines of a loaded picture ------------------------------------------

TEST_F(GLTextureLoadingTest, OutlineRingsTheOpaqueShapeAndNothingInside) {
    // An opaque disc of radius 6 in a transparent 20 x 20 picture.
    GLTexture disc(png("disc.png", 20, 20, [](int x, int y) {
        const int dx = x - 10;
        const int dy = y - 10;
        return dx * dx + dy * dy <= 36 ? kWhite : kClear;
    }));
    graphics.drawOutline(100, 100, &disc, kRed, 2, 0.5f);
    EXPECT_EQ(kRed, pixelAt(100 + 10 + 7, 110)) << "one pixel beyond the right of the disc";
    EXPECT_EQ(kRed, pixelAt(100 + 10 - 8, 110)) << "two pixels beyond its left";
    EXPECT_EQ(kRed, pixelAt(110, 100 + 10 - 8));
    EXPECT_TRUE(isBlack(pixelAt(110, 110))) << "the middle of the shape";
    EXPECT_TRUE(isBlack(pixelAt(113, 110)));
    EXPECT_TRUE(isBlack(pixelAt(100 + 10 + 9, 110))) << "beyond the ring";
    EXPECT_TRUE(isBlack(pixelAt(101, 101))) << "the transparent corner";
    const int ring = litPixelCount();
    EXPECT_GT(ring, 50);

    graphics.clear();
    graphics.drawOutline(100, 100, &disc, kRed, 0, 0.5f);
    EXPECT_EQ(0, litPixelCount()) << "thickness 0 covers every pixel 0 or 9 times";
}

// --- JPEG pictures and their masks -----------------------------------------

TEST_F(GLTextureLoadingTest, JpegMaskGivesAlphaFromItsGreyAndZeroBeyondIt) {
    const std::string path = jpeg("Room.jpg", 64, 40, flat(Color(200, 100, 50)));
    jpeg("Room_.jpg", 32, 20, flat(Color(90, 120, 150)));
    GLTexture texture(path);
    const Image* kept = texture.keptImage();
    ASSERT_NE(nullptr, kept);
    EXPECT_EQ(Color(200, 100, 50, 120), kept->getPixel(5, 5));
    EXPECT_EQ(Color(200, 100, 50, 120), kept->getPixel(31, 19));
    EXPECT_EQ(0, kept->getPixel(32, 5).a) << "right of the smaller mask";
    EXPECT_EQ(0, kept->getPixel(5, 20).a) << "below it";
    EXPECT_TRUE(texture.isOpaqueAt(31, 19));
    EXPECT_FALSE(texture.isOpaqueAt(40, 30));

    graphics.drawTexture(0, 0, &texture, Color());
    const Color drawn = pixelAt(5, 5);
    EXPECT_NEAR(200 * 120 / 255, drawn.r, 1) << "blended with alpha 120 over black";
    EXPECT_TRUE(isBlack(pixelAt(40, 30)));
}

TEST_F(GLTextureLoadingTest, JpegWithoutMaskIsOpaque) {
    GLTexture texture(jpeg("Hall.JPEG", 20, 10, flat(Color(30, 60, 90))));
    ASSERT_NE(nullptr, texture.keptImage());
    EXPECT_EQ(Color(30, 60, 90, 255), texture.keptImage()->getPixel(19, 9));
    graphics.drawTexture(0, 0, &texture, Color());
    EXPECT_EQ(Color(30, 60, 90), pixelAt(19, 9));
}

// Opaque pictures let the screens under them go undrawn: one clear pixel
// anywhere in the picture (not in the padding) makes it see-through.
TEST_F(GLTextureLoadingTest, APictureIsOpaqueOnlyWhenEveryPixelIs) {
    EXPECT_TRUE(GLTexture(jpeg("Wall.jpg", 20, 10, flat(kRed))).isOpaque()) << "no mask";
    EXPECT_TRUE(GLTexture(png("Full.png", 20, 10, flat(kRed))).isOpaque()) << "padded to 32x16";
    const PixelRule cornerNearlyClear = [](int x, int y) {
        return x == 19 && y == 9 ? Color(255, 0, 0, 254) : kRed;
    };
    EXPECT_FALSE(GLTexture(png("Corner.png", 20, 10, cornerNearlyClear)).isOpaque());
    const std::string masked = jpeg("Window.jpg", 20, 10, flat(kRed));
    jpeg("Window_.jpg", 20, 10, flat(kWhite));
    EXPECT_TRUE(GLTexture(masked).isOpaque()) << "a white mask";
    jpeg("Window_.jpg", 10, 10, flat(kWhite));
    EXPECT_FALSE(GLTexture(masked).isOpaque()) << "a mask narrower than the picture";
    EXPECT_FALSE(GLTexture(folder / "Missing.png").isOpaque());
}

TEST_F(GLTextureLoadingTest, MaskNameKeepsTheExtensionAsWritten) {
    const std::string path = jpeg("Photo.JPG", 8, 8, flat(kWhite));
    jpeg("Photo_.JPG", 8, 8, flat(Color(0, 0, 0)));
    GLTexture texture(path);
    EXPECT_FALSE(texture.isOpaqueAt(3, 3)) << "a black mask makes the picture invisible";
}

TEST_F(GLTextureLoadingTest, DotInAFolderNameIsNoExtension) {
    EXPECT_EQ("", GLTexture::extensionOf("content/images/a.b/pic"));
    EXPECT_EQ("jpg", GLTexture::extensionOf("content/images/x/Room.jpg"));
    EXPECT_EQ("content/images/x/Room_.jpg", GLTexture::maskPathOf("content/images/x/Room.jpg"));
    EXPECT_EQ("", GLTexture::maskPathOf("content/images/a.b/pic"));

    // A picture without extension in a folder that looks like a JPEG's name,
    // beside a folder that looks like its mask: no mask is applied.
    std::filesystem::create_directories(folder / "a.jpg");
    std::filesystem::create_directories(folder / "a_.jpg");
    png("a_.jpg/pic", 8, 8, flat(kWhite));
    GLTexture texture(png("a.jpg/pic", 8, 8, halfOpaque));
    EXPECT_FALSE(texture.isOpaqueAt(1, 1));
    EXPECT_TRUE(texture.isOpaqueAt(6, 1));
}

// --- What is kept after the upload -----------------------------------------

TEST_F(GLTextureLoadingTest, KeepModesDecideWhatHitTestsCanRead) {
    const std::string path = png("half.png", 8, 8, halfOpaque);
    GLTexture full(path, nullptr, GLTexture::KeepFullImage);
    GLTexture alpha(path, nullptr, GLTexture::KeepAlphaOnly);
    GLTexture none(path, nullptr, GLTexture::KeepNothing);

    EXPECT_NE(nullptr, dynamic_cast<const SDLSurfaceImage*>(full.keptImage()));
    EXPECT_NE(nullptr, dynamic_cast<const MinimalSurfaceImage*>(alpha.keptImage()));
    EXPECT_EQ(nullptr, none.keptImage());
    for (const GLTexture* texture : {&full, &alpha}) {
        EXPECT_TRUE(texture->isOpaqueAt(6, 1));
        EXPECT_FALSE(texture->isOpaqueAt(1, 1));
        EXPECT_FALSE(texture->isOpaqueAt(8, 1)) << "outside the picture nothing is hit";
    }
    EXPECT_FALSE(none.isOpaqueAt(6, 1));

    graphics.drawTexture(0, 0, &full, Color());
    graphics.drawTexture(20, 0, &alpha, Color());
    graphics.drawTexture(40, 0, &none, Color());
    for (int x : {0, 20, 40}) {
        EXPECT_EQ(kRed, pixelAt(x + 6, 1)) << x;
        EXPECT_TRUE(isBlack(pixelAt(x + 1, 1))) << x;
    }
}

TEST_F(GLTextureLoadingTest, AlphaOnlyKeepOfAJpegUsesItsMask) {
    const std::string path = jpeg("Den.jpg", 16, 16, flat(kWhite));
    jpeg("Den_.jpg", 8, 16, flat(Color(90, 120, 150)));
    GLTexture texture(path, nullptr, GLTexture::KeepAlphaOnly);
    const auto* kept = dynamic_cast<const MinimalSurfaceImage*>(texture.keptImage());
    ASSERT_NE(nullptr, kept);
    EXPECT_EQ(120, kept->getPixel(3, 3).a);
    EXPECT_EQ(0, kept->getPixel(12, 3).a);
    EXPECT_TRUE(texture.isOpaqueAt(3, 3));
    EXPECT_FALSE(texture.isOpaqueAt(12, 3));
}

TEST_F(GLTextureLoadingTest, FilterChangesTheUploadedAndTheKeptPicture) {
    const SilhouetteImageFilter silhouette;
    GLTexture texture(png("item.png", 8, 8, halfOpaque), &silhouette);
    EXPECT_EQ(&silhouette, texture.filter());
    EXPECT_EQ(kWhite, texture.keptImage()->getPixel(6, 6));
    graphics.drawTexture(0, 0, &texture, Color());
    EXPECT_EQ(kWhite, pixelAt(6, 6));
    EXPECT_TRUE(isBlack(pixelAt(1, 6)));
}

// --- Missing and damaged files ----------------------------------------------

TEST_F(GLTextureLoadingTest, MissingOrUndecodableFileGivesAnEmptyHarmlessTexture) {
    const std::string damaged = folder / "damaged.png";
    TemporaryDirectory::writeFile(damaged, "\x89PNG\r\n\x1a\n but nothing more");
    for (const std::string& path : {folder / "missing.png", damaged}) {
        StdoutCapture capture;
        GLTexture texture(path);
        texture.reupload();
        const std::string out = capture.finish();
        EXPECT_EQ(1, StdoutCapture::lineCount(out)) << out;
        EXPECT_NE(std::string::npos, out.find(path)) << out;

        EXPECT_FALSE(texture.hasGLTexture());
        EXPECT_EQ(0, texture.imageWidth());
        EXPECT_EQ(0, texture.imageHeight());
        EXPECT_EQ(0, texture.byteCount());
        EXPECT_EQ(nullptr, texture.keptImage());
        EXPECT_FALSE(texture.isOpaqueAt(0, 0));
        graphics.drawTexture(10, 10, &texture, Color());
        graphics.drawOutline(10, 10, &texture, kRed, 2, 0.5f);
        graphics.drawFrameH(10, 10, 4, 1, &texture, Color());
        EXPECT_EQ(0, litPixelCount());
    }
}

// A CMYK JPEG as Adobe's tools write it: inverted inks, one colour all over.
bool writeCmykJpeg(const std::string& path, int width, int height, const std::uint8_t cmyk[4]) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(std::size_t(width) * 4);
    for (int x = 0; x < width; ++x) {
        std::copy(cmyk, cmyk + 4, row.begin() + 4 * x);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
    return true;
}

TEST_F(GLTextureLoadingTest, CmykJpegIsConvertedAndOversizedPicturesAreRefused) {
    // Red: no cyan ink, full magenta and yellow, no black; stored inverted.
    const std::uint8_t red[4] = {255, 0, 0, 255};
    const std::string path = folder / "Print.jpg";
    ASSERT_TRUE(writeCmykJpeg(path, 16, 8, red));
    StdoutCapture capture;
    GLTexture texture(path);
    EXPECT_NE(std::string::npos, capture.finish().find("is CMYK; it is converted to RGB"));
    graphics.drawTexture(0, 0, &texture, Color());
    const Color drawn = pixelAt(15, 7);
    EXPECT_GT(drawn.r, 240);
    EXPECT_LT(drawn.g, 15);
    EXPECT_LT(drawn.b, 15);
    EXPECT_TRUE(texture.isOpaqueAt(15, 7)) << "a JPEG without a mask is opaque";

    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const std::string tall = png("Tall.png", 2, largest + 1, flat(kRed));
    StdoutCapture refusal;
    GLTexture tooTall(tall);
    const std::string out = refusal.finish();
    EXPECT_NE(std::string::npos, out.find("is larger than the largest texture")) << out;
    EXPECT_EQ(0, tooTall.imageWidth());
    EXPECT_FALSE(tooTall.hasGLTexture());
}

// --- Surviving a new GL context ---------------------------------------------

TEST_F(GLTextureLoadingTest, ReleasedTexturesComeBackOnReuploadWhateverTheyKept) {
    const std::string path = png("back.png", 8, 8, halfOpaque);
    for (int mode : {0, 1, 2}) {
        GLTexture texture(path, nullptr, mode);
        texture.releaseGL();
        EXPECT_FALSE(texture.hasGLTexture()) << mode;
        EXPECT_TRUE(texture.isUploaded()) << mode;
        graphics.drawTexture(0, 0, &texture, Color());
        EXPECT_EQ(0, litPixelCount()) << mode;

        texture.reupload();
        EXPECT_TRUE(texture.hasGLTexture()) << mode;
        EXPECT_EQ(mode == 2, texture.keptImage() == nullptr) << mode;
        EXPECT_EQ(mode != 2, texture.isOpaqueAt(6, 1)) << mode;
        graphics.drawTexture(0, 0, &texture, Color());
        EXPECT_EQ(kRed, pixelAt(6, 1)) << mode;
        EXPECT_EQ(8 * 4, litPixelCount()) << mode;
        graphics.clear();
    }
}

TEST_F(GLTextureLoadingTest, ReuploadOfALiveTextureReplacesItsName) {
    GLTexture texture(png("live.png", 4, 4, flat(kGreen)));
    texture.reupload();
    EXPECT_TRUE(texture.hasGLTexture());
    graphics.drawTexture(0, 0, &texture, Color());
    EXPECT_EQ(kGreen, pixelAt(3, 3));
}

// --- Textures from pictures in memory ---------------------------------------

TEST_F(GLTextureLoadingTest, TextureFromAnImageKeepsItAllAndCountsNoBytes) {
    auto image = paintedImage(300, 200, flat(kBlue));
    GLTexture texture(std::move(image), nullptr, GLTexture::KeepNothing);
    EXPECT_EQ(300, texture.imageWidth());
    EXPECT_EQ(512, texture.textureWidth());
    EXPECT_EQ(256, texture.textureHeight());
    EXPECT_EQ(0, texture.byteCount());
    EXPECT_NE(nullptr, dynamic_cast<const SDLSurfaceImage*>(texture.keptImage()));
    graphics.drawTexture(0, 0, &texture, Color());
    EXPECT_EQ(kBlue, pixelAt(299, 199));
    EXPECT_EQ(300 * 200, litPixelCount());
}

TEST_F(GLTextureLoadingTest, TextureFromASurfaceTakesItsCornerAndLeavesItToTheCaller) {
    auto image = paintedImage(40, 30, [](int x, int y) { return x < 20 && y < 10 ? kRed : kBlue; });
    SDL_Surface* surface = image->surface();
    SDL_SetAlpha(surface, SDL_SRCALPHA, 255);
    {
        GLTexture texture(surface, 20, 10);
        EXPECT_EQ(20, texture.imageWidth());
        EXPECT_EQ(10, texture.imageHeight());
        EXPECT_EQ(40, texture.sourceWidth());
        EXPECT_EQ(32, texture.textureWidth());
        EXPECT_EQ(16, texture.textureHeight());
        graphics.drawTexture(0, 0, &texture, Color());
    }
    EXPECT_EQ(20 * 10, litPixelCount());
    EXPECT_EQ(kRed, pixelAt(19, 9));
    EXPECT_NE(0u, surface->flags & SDL_SRCALPHA) << "the caller's surface is left as it was";
    EXPECT_EQ(kBlue, image->getPixel(39, 29));
}

// --- Deferred loading and wide paths ----------------------------------------

struct DeferredLoading {
    DeferredLoading() { DeferableResource::setDeferredLoading(true); }
    ~DeferredLoading() { DeferableResource::setDeferredLoading(false); }
};

TEST_F(GLTextureLoadingTest, DeferredTexturesWaitUntilLoaded) {
    const std::string path = png("later.png", 4, 4, flat(kGreen));
    DeferredLoading deferred;
    auto kept = std::make_unique<GLTexture>(path);
    auto dropped = std::make_unique<GLTexture>(path);
    EXPECT_TRUE(kept->isPending());
    EXPECT_FALSE(kept->hasGLTexture());
    EXPECT_EQ(path, kept->path());
    ASSERT_EQ(2u, DeferableResource::pendingResources().size());

    dropped.reset();
    EXPECT_EQ(1u, DeferableResource::pendingResources().size());
    EXPECT_EQ(1, DeferableResource::loadPendingResources());
    EXPECT_TRUE(DeferableResource::pendingResources().empty());
    EXPECT_FALSE(kept->isPending());
    EXPECT_TRUE(kept->hasGLTexture());
    EXPECT_EQ(4, kept->imageWidth());
}

TEST_F(GLTextureLoadingTest, WidePathIsReadAsUnicode) {
    png("Bild-\xC3\xBC.png", 4, 4, flat(kGreen));
    const std::wstring wide = std::filesystem::path(folder.path()).wstring() + L"/Bild-\u00FC.png";
    GLTexture texture(wide);
    EXPECT_TRUE(texture.hasGLTexture());
    EXPECT_EQ(4, texture.imageWidth());
}

} // namespace
