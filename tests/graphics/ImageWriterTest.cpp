#include "engine/graphics/ImageWriter.h"
#include "tests/support/PixelImage.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <cstdio>
#include <jpeglib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr Uint32 kRedMask = 0x000000FF;
constexpr Uint32 kGreenMask = 0x0000FF00;
constexpr Uint32 kBlueMask = 0x00FF0000;
constexpr Uint32 kAlphaMask = 0xFF000000;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr rgbaSurface(int width, int height) {
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, kRedMask, kGreenMask,
                                           kBlueMask, kAlphaMask));
}

// Any 8-, 24- or 32-bit surface, read through its own pixel format.
Color pixelOf(const SDL_Surface* surface, int x, int y) {
    const auto* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                    x * surface->format->BytesPerPixel;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
    case 1:
        value = p[0];
        break;
    case 3:
        value = Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16;
        break;
    case 4:
        value = *reinterpret_cast<const Uint32*>(p);
        break;
    default:
        ADD_FAILURE() << "unexpected " << int(surface->format->BytesPerPixel) << " bytes per pixel";
    }
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
    return Color(r, g, b, a);
}

void setPixel(SDL_Surface* surface, int x, int y, const Color& color) {
    auto* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 4;
    *reinterpret_cast<Uint32*>(p) =
        SDL_MapRGBA(surface->format, color.r, color.g, color.b, color.a);
}

class ImageWriterTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(directory.valid()); }

    TemporaryDirectory directory;
};

TEST_F(ImageWriterTest, PngKeepsEveryRgbaPixelIncludingTransparentOnes) {
    const std::vector<Color> colours = {
        Color(255, 0, 0, 255),   Color(0, 255, 0, 128),  Color(0, 0, 255, 0),
        Color(12, 34, 56, 78),   Color(200, 100, 50, 1), Color(255, 255, 255, 254),
        Color(0, 0, 0, 255),     Color(90, 180, 27, 0),  Color(1, 2, 3, 128),
        Color(250, 240, 230, 5), Color(7, 77, 177, 200), Color(128, 128, 128, 128),
    };
    constexpr int kWidth = 4;
    constexpr int kHeight = 3;
    SurfacePtr source = rgbaSurface(kWidth, kHeight);
    ASSERT_TRUE(source);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        setPixel(source.get(), i % kWidth, i / kWidth, colours[std::size_t(i)]);
    }
    // Surfaces with an alpha channel blend by default; writing must not.
    ASSERT_TRUE(source->flags & SDL_SRCALPHA);
    const std::string path = directory / "pixels.png";

    StdoutCapture capture;
    ASSERT_TRUE(writePng(source.get(), path));
    EXPECT_EQ("", capture.finish());
    EXPECT_TRUE(source->flags & SDL_SRCALPHA) << "the source's blending flag is restored";

    SurfacePtr loaded(IMG_Load(path.c_str()));
    ASSERT_TRUE(loaded) << IMG_GetError();
    ASSERT_EQ(kWidth, loaded->w);
    ASSERT_EQ(kHeight, loaded->h);
    ASSERT_EQ(4, loaded->format->BytesPerPixel);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        EXPECT_EQ(colours[std::size_t(i)], pixelOf(loaded.get(), i % kWidth, i / kWidth))
            << "pixel " << i % kWidth << "," << i / kWidth;
    }
}

TEST_F(ImageWriterTest, PngFromAnRgbSurfaceInAnotherByteOrderIsOpaque) {
    // 24-bit, blue byte first: the writer has to convert.
    SurfacePtr source(
        SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0));
    ASSERT_TRUE(source);
    const Color colours[3] = {Color(255, 0, 0), Color(10, 20, 30), Color(0, 200, 100)};
    for (int x = 0; x < 3; ++x) {
        auto* p = static_cast<Uint8*>(source->pixels) + x * 3;
        p[0] = colours[x].b;
        p[1] = colours[x].g;
        p[2] = colours[x].r;
    }
    const std::string path = directory / "rgb.png";
    ASSERT_TRUE(writePng(source.get(), path));

    SurfacePtr loaded(IMG_Load(path.c_str()));
    ASSERT_TRUE(loaded) << IMG_GetError();
    ASSERT_EQ(3, loaded->w);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(colours[x], pixelOf(loaded.get(), x, 0)) << "pixel " << x;
    }
}

// Flat 16x16 blocks of colours that a YCbCr round trip does not all keep.
TEST_F(ImageWriterTest, RgbJpegAtFullQualityKeepsFlatBlockColoursExactly) {
    const std::vector<Color> colours = {
        Color(255, 0, 0),     Color(0, 255, 0),   Color(0, 0, 255),     Color(255, 255, 0),
        Color(255, 0, 255),   Color(0, 255, 255), Color(17, 133, 201),  Color(240, 96, 3),
        Color(255, 255, 255), Color(0, 0, 0),     Color(128, 127, 129), Color(201, 13, 77),
    };
    constexpr int kBlock = 16;
    constexpr int kColumns = 4;
    constexpr int kRows = 3;
    SurfacePtr source = rgbaSurface(kColumns * kBlock, kRows * kBlock);
    ASSERT_TRUE(source);
    for (int y = 0; y < source->h; ++y) {
        for (int x = 0; x < source->w; ++x) {
            setPixel(source.get(), x, y,
                     colours[std::size_t((y / kBlock) * kColumns + x / kBlock)]);
        }
    }
    const std::string path = directory / "blocks.jpg";
    ASSERT_TRUE(writeJpeg(source.get(), path, 100, true));

    SurfacePtr loaded(IMG_Load(path.c_str()));
    ASSERT_TRUE(loaded) << IMG_GetError();
    ASSERT_EQ(source->w, loaded->w);
    ASSERT_EQ(source->h, loaded->h);
    int wrong = 0;
    for (int y = 0; y < loaded->h; ++y) {
        for (int x = 0; x < loaded->w; ++x) {
            const Color expected = colours[std::size_t((y / kBlock) * kColumns + x / kBlock)];
            if (pixelOf(loaded.get(), x, y) != expected && ++wrong <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << " is "
                              << testing::PrintToString(pixelOf(loaded.get(), x, y))
                              << ", expected " << testing::PrintToString(expected);
            }
        }
    }
    EXPECT_EQ(0, wrong);
}

// What the JPEG file itself declares: its colour space and 4:4:4 sampling.
struct JpegHeader {
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    int components = 0;
    std::vector<int> samplingFactors; // h and v of each component
    bool read = false;
};

JpegHeader readJpegHeader(const std::string& path) {
    JpegHeader header;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return header;
    }
    // The default error handler exits the process; the files here are our own.
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    if (jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK) {
        header.read = true;
        header.colourSpace = cinfo.jpeg_color_space;
        header.components = cinfo.num_components;
        for (int c = 0; c < cinfo.num_components; ++c) {
            header.samplingFactors.push_back(cinfo.comp_info[c].h_samp_factor);
            header.samplingFactors.push_back(cinfo.comp_info[c].v_samp_factor);
        }
    }
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return header;
}

TEST_F(ImageWriterTest, JpegStoresTheAskedColourSpaceWithoutChromaSubsampling) {
    SurfacePtr source = rgbaSurface(40, 24);
    ASSERT_TRUE(source);
    SDL_FillRect(source.get(), nullptr, SDL_MapRGBA(source->format, 30, 160, 90, 255));
    const std::string ycc = directory / "ycc.jpg";
    const std::string rgb = directory / "rgb.jpg";
    ASSERT_TRUE(writeJpeg(source.get(), ycc, 80));
    ASSERT_TRUE(writeJpeg(source.get(), rgb, 80, true));

    const JpegHeader yccHeader = readJpegHeader(ycc);
    ASSERT_TRUE(yccHeader.read);
    EXPECT_EQ(JCS_YCbCr, yccHeader.colourSpace);
    EXPECT_EQ(3, yccHeader.components);
    EXPECT_EQ(std::vector<int>(6, 1), yccHeader.samplingFactors);

    const JpegHeader rgbHeader = readJpegHeader(rgb);
    ASSERT_TRUE(rgbHeader.read);
    EXPECT_EQ(JCS_RGB, rgbHeader.colourSpace);
    EXPECT_EQ(3, rgbHeader.components);
    EXPECT_EQ(std::vector<int>(6, 1), rgbHeader.samplingFactors);
}

TEST_F(ImageWriterTest, UnwritablePathFailsWithOneLineNamingIt) {
    SurfacePtr source = rgbaSurface(8, 8);
    ASSERT_TRUE(source);
    const std::string png = directory / "missing-folder/picture.png";
    const std::string jpeg = directory / "missing-folder/picture.jpg";

    StdoutCapture pngCapture;
    EXPECT_FALSE(writePng(source.get(), png));
    const std::string pngOutput = pngCapture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(pngOutput)) << pngOutput;
    EXPECT_NE(std::string::npos, pngOutput.find("writePng")) << pngOutput;
    EXPECT_NE(std::string::npos, pngOutput.find("'" + png + "'")) << pngOutput;

    StdoutCapture jpegCapture;
    EXPECT_FALSE(writeJpeg(source.get(), jpeg, 90));
    const std::string jpegOutput = jpegCapture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(jpegOutput)) << jpegOutput;
    EXPECT_NE(std::string::npos, jpegOutput.find("writeJpeg")) << jpegOutput;
    EXPECT_NE(std::string::npos, jpegOutput.find("'" + jpeg + "'")) << jpegOutput;

    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_FALSE(std::filesystem::exists(jpeg));
}

TEST_F(ImageWriterTest, WriteErrorFailsWithOneLineAndLeavesADeviceInPlace) {
    // Every write to /dev/full fails with "no space left on device".
    const std::string full = "/dev/full";
    if (!std::filesystem::exists(full)) {
        GTEST_SKIP() << full << " is missing";
    }
    SurfacePtr source = rgbaSurface(64, 64);
    ASSERT_TRUE(source);

    StdoutCapture capture;
    EXPECT_FALSE(writePng(source.get(), full));
    EXPECT_FALSE(writeJpeg(source.get(), full, 90));
    const std::string output = capture.finish();
    EXPECT_EQ(2, StdoutCapture::lineCount(output)) << output;
    EXPECT_NE(std::string::npos, output.find("writePng: cannot write '/dev/full'")) << output;
    EXPECT_NE(std::string::npos, output.find("writeJpeg: cannot write '/dev/full'")) << output;
    EXPECT_TRUE(std::filesystem::exists(full));
}

TEST_F(ImageWriterTest, NullSurfaceFailsWithOneLineAndWritesNothing) {
    const std::string png = directory / "none.png";
    const std::string jpeg = directory / "none.jpg";

    StdoutCapture capture;
    EXPECT_FALSE(writePng(nullptr, png));
    EXPECT_FALSE(writeJpeg(nullptr, jpeg, 90, true));
    const std::string output = capture.finish();
    EXPECT_EQ(2, StdoutCapture::lineCount(output)) << output;
    EXPECT_NE(std::string::npos, output.find("'" + png + "'")) << output;
    EXPECT_NE(std::string::npos, output.find("'" + jpeg + "'")) << output;

    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_FALSE(std::filesystem::exists(jpeg));
}

} // namespace
