#include "engine/graphics/GLTexture.h"

#include "engine/core/Log.h"
#include "engine/graphics/GLCheck.h"
#include "engine/graphics/ImageFilter.h"
#include "engine/graphics/MinimalSurfaceImage.h"
#include "engine/graphics/OGLBlit.h"
#include "engine/graphics/SDLSurfaceImage.h"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>
#include <utf8.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>

namespace {

std::string toUtf8(const std::wstring& path) {
    std::string result;
    try {
        if constexpr (sizeof(wchar_t) == 2) {
            utf8::utf16to8(path.begin(), path.end(), std::back_inserter(result));
        } else {
            utf8::utf32to8(path.begin(), path.end(), std::back_inserter(result));
        }
    } catch (const utf8::exception&) {
        engineLog() << "Cannot use an image path that is not valid Unicode\n";
        result.clear();
    }
    return result;
}

std::string upperCase(std::string text) {
    for (char& c : text) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Copies the top-left width x height of `from` into the top-left of `to`,
// alpha included; the source surface's flags are left as they were.
void copyCorner(SDL_Surface* from, SDL_Surface* to, int width, int height) {
    const Uint32 savedFlags = from->flags & (SDL_SRCALPHA | SDL_RLEACCELOK);
    const Uint8 savedAlpha = from->format->alpha;
    SDL_SetAlpha(from, 0, 0);
    SDL_Rect area{0, 0, Uint16(width), Uint16(height)};
    SDL_BlitSurface(from, &area, to, nullptr);
    SDL_SetAlpha(from, savedFlags, savedAlpha);
}

} // namespace

GLTexture::GLTexture(const std::string& path, const ImageFilter* filter, int keepMode)
    : Texture(path), filter_(filter), keepMode_(keepMode) {
    if (!deferIfRequested()) {
        loadFromPath();
    }
}

GLTexture::GLTexture(const std::wstring& path, const ImageFilter* filter, int keepMode)
    : GLTexture(toUtf8(path), filter, keepMode) {}

GLTexture::GLTexture(std::unique_ptr<SDLSurfaceImage> image, const ImageFilter* filter, int)
    : filter_(filter) {
    if (!image || !image->surface()) {
        engineLog() << "Cannot make a texture of an empty image\n";
        return;
    }
    adoptPicture(image->surface(), image->width(), image->height());
}

GLTexture::GLTexture(SDL_Surface* surface, int width, int height, const ImageFilter* filter, int)
    : filter_(filter) {
    if (!surface || width <= 0 || height <= 0) {
        engineLog() << "Cannot make a texture of an empty surface\n";
        return;
    }
    adoptPicture(surface, std::min(width, surface->w), std::min(height, surface->h));
}

GLTexture::~GLTexture() {
    deleteGLTexture();
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

void GLTexture::load() {
    if (isPending()) {
        markLoaded();
        loadFromPath();
    }
}

void GLTexture::clearPicture() {
    deleteGLTexture();
    keptImage_.reset();
    maskAlpha_.clear();
    imageWidth_ = imageHeight_ = 0;
    textureWidth_ = textureHeight_ = 0;
    sourceWidth_ = sourceHeight_ = 0;
    byteCount_ = 0;
    uploaded_ = false;
    opaque_ = false;
}

void GLTexture::loadFromPath() {
    clearPicture();
    SDL_Surface* decoded = IMG_Load(path_.c_str());
    if (!decoded) {
        engineLog() << "Cannot load image '" << path_ << "': " << IMG_GetError() << "\n";
        return;
    }
    const int largest = largestTextureSize();
    if (decoded->w > largest || decoded->h > largest) {
        engineLog() << "Cannot load image '" << path_ << "': " << decoded->w << " x " << decoded->h
                    << " pixels is larger than the largest texture (" << largest << " x " << largest
                    << ")\n";
        SDL_FreeSurface(decoded);
        return;
    }
    const std::string extension = upperCase(extensionOf(path_));
    const bool jpeg = extension == "JPG" || extension == "JPEG";
    if (jpeg && decoded->format->BytesPerPixel == 4 && decoded->format->Amask != 0) {
        // A JPEG has no alpha: four channels are CMYK, which SDL_image hands
        // over as they are.
        engineLog() << "Image '" << path_ << "' is CMYK; it is converted to RGB\n";
        convertCmykToRgb(decoded);
    }
    sourceWidth_ = decoded->w;
    sourceHeight_ = decoded->h;
    textureWidth_ = nextPowerOfTwo(sourceWidth_);
    textureHeight_ = nextPowerOfTwo(sourceHeight_);
    SDL_Surface* padded = SDLSurfaceImage::createRGBASurface(textureWidth_, textureHeight_);
    if (!padded) {
        engineLog() << "Cannot load image '" << path_ << "': no memory for " << textureWidth_
                    << " x " << textureHeight_ << " pixels\n";
        SDL_FreeSurface(decoded);
        clearPicture();
        return;
    }
    // Copy alpha as it is rather than blending onto the blank surface.
    SDL_SetAlpha(decoded, 0, 0);
    SDL_BlitSurface(decoded, nullptr, padded, nullptr);
    SDL_FreeSurface(decoded);
    imageWidth_ = sourceWidth_;
    imageHeight_ = sourceHeight_;
    byteCount_ = 4L * textureWidth_ * textureHeight_;
    auto picture = std::make_unique<SDLSurfaceImage>(padded);

    if (jpeg) {
        applyJpegMask(*picture);
    }
    if (filter_) {
        filter_->apply(*picture);
    }
    if (upload(*picture)) {
        uploaded_ = true;
    }
    keptImage_ = std::move(picture);
    applyKeepMode();
}

void GLTexture::adoptPicture(SDL_Surface* surface, int width, int height) {
    sourceWidth_ = surface->w;
    sourceHeight_ = surface->h;
    imageWidth_ = width;
    imageHeight_ = height;
    textureWidth_ = nextPowerOfTwo(width);
    textureHeight_ = nextPowerOfTwo(height);
    SDL_Surface* padded = SDLSurfaceImage::createRGBASurface(textureWidth_, textureHeight_);
    if (!padded) {
        engineLog() << "Cannot make a texture of " << textureWidth_ << " x " << textureHeight_
                    << " pixels: " << SDL_GetError() << "\n";
        clearPicture();
        return;
    }
    copyCorner(surface, padded, width, height);
    auto picture = std::make_unique<SDLSurfaceImage>(padded);
    if (filter_) {
        filter_->apply(*picture);
    }
    uploaded_ = upload(*picture);
    keptImage_ = std::move(picture);
}

int GLTexture::largestTextureSize() {
    // Without a GL context (pictures measured only) the common limit of
    // today's cards stands in.
    GLint largest = 0;
    const SDL_Surface* screen = SDL_GetVideoSurface();
    if (screen && (screen->flags & SDL_OPENGL)) {
        GL_CHECK(glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest));
    }
    return largest > 0 ? int(largest) : 8192;
}

void GLTexture::convertCmykToRgb(SDL_Surface* surface) {
    // The decoder leaves each pixel's C, M, Y and K bytes in that order.
    // Adobe's CMYK JPEGs (the common kind) store inverted inks, so each ink
    // times K gives the colour.
    if (SDL_MUSTLOCK(surface)) {
        SDL_LockSurface(surface);
    }
    for (int y = 0; y < surface->h; ++y) {
        auto* row = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            std::uint8_t* bytes = row + 4 * x;
            const std::uint32_t k = bytes[3];
            const std::uint32_t red = bytes[0] * k / 255;
            const std::uint32_t green = bytes[1] * k / 255;
            const std::uint32_t blue = bytes[2] * k / 255;
            const SDL_PixelFormat* f = surface->format;
            const std::uint32_t pixel =
                (red << f->Rshift) | (green << f->Gshift) | (blue << f->Bshift) | f->Amask;
            std::memcpy(bytes, &pixel, 4);
        }
    }
    if (SDL_MUSTLOCK(surface)) {
        SDL_UnlockSurface(surface);
    }
}

void GLTexture::applyJpegMask(SDLSurfaceImage& picture) {
    SDL_Surface* mask = IMG_Load(maskPathOf(path_).c_str());
    if (!mask) {
        return; // no mask: the picture stays opaque
    }
    SDL_Surface* grey = SDLSurfaceImage::createRGBASurface(textureWidth_, textureHeight_);
    if (!grey) {
        SDL_FreeSurface(mask);
        return;
    }
    // A larger mask is cropped; where a smaller one does not reach, grey is 0.
    SDL_SetAlpha(mask, 0, 0);
    SDL_BlitSurface(mask, nullptr, grey, nullptr);
    SDL_FreeSurface(mask);

    SDL_Surface* target = picture.surface();
    maskAlpha_.assign(std::size_t(textureWidth_) * std::size_t(textureHeight_), 0);
    for (int y = 0; y < textureHeight_; ++y) {
        const auto* greyRow = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(grey->pixels) + std::size_t(y) * grey->pitch);
        auto* pictureRow = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) +
                                                     std::size_t(y) * target->pitch);
        for (int x = 0; x < textureWidth_; ++x) {
            const Uint32 m = greyRow[x];
            const Uint32 value = ((m & 0xFF) + ((m >> 8) & 0xFF) + ((m >> 16) & 0xFF)) / 3;
            pictureRow[x] = (pictureRow[x] & ~SDLSurfaceImage::kAlphaMask) | (value << 24);
            maskAlpha_[std::size_t(y) * textureWidth_ + x] = static_cast<unsigned char>(value);
        }
    }
    SDL_FreeSurface(grey);
}

namespace {

// Whether the top-left width x height of a 32-bit surface has alpha 255 throughout.
bool allOpaque(const SDL_Surface* surface, int width, int height) {
    const SDL_PixelFormat* f = surface->format;
    if (f->BytesPerPixel != 4 || f->Amask == 0) {
        return f->Amask == 0 && width > 0 && height > 0;
    }
    for (int y = 0; y < height && y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < width && x < surface->w; ++x) {
            if ((row[x] & f->Amask) != f->Amask) {
                return false;
            }
        }
    }
    return width > 0 && height > 0;
}

} // namespace

bool GLTexture::upload(SDLSurfaceImage& picture) {
    opaque_ = allOpaque(picture.surface(), imageWidth_, imageHeight_);
    nearest_ = false;
    const std::unique_ptr<OGLTextureRecord> record = OGL_FromSurface(picture.surface());
    if (!record) {
        engineLog() << "Cannot upload image '" << (path_.empty() ? "(in memory)" : path_)
                    << "': " << SDL_GetError() << "\n";
        return false;
    }
    glName_ = record->name;
    textureWidth_ = record->uploadedWidth;
    textureHeight_ = record->uploadedHeight;
    return true;
}

void GLTexture::applyKeepMode() {
    if (keepMode_ == KeepAlphaOnly) {
        if (!maskAlpha_.empty()) {
            keptImage_ = std::make_unique<MinimalSurfaceImage>(std::move(maskAlpha_), textureWidth_,
                                                               textureHeight_);
        } else if (auto* picture = dynamic_cast<SDLSurfaceImage*>(keptImage_.get())) {
            keptImage_ = std::make_unique<MinimalSurfaceImage>(picture->surface());
        }
    } else if (keepMode_ == KeepNothing) {
        keptImage_.reset();
    }
    // The mask lives on in the kept alpha (or is not needed any more).
    maskAlpha_.clear();
    maskAlpha_.shrink_to_fit();
}

void GLTexture::bind() const {
    GL_CHECK(glBindTexture(GL_TEXTURE_2D, glName_));
}

void GLTexture::useNearestFilter(bool nearest) const {
    // A texture uploaded by other code keeps the filter that code chose.
    if (nearest == nearest_ || glName_ == 0 || !uploaded_) {
        return;
    }
    nearest_ = nearest;
    const GLint filter = nearest ? GL_NEAREST : GL_LINEAR;
    GL_CHECK(glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter));
    GL_CHECK(glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter));
}

void GLTexture::deleteGLTexture() {
    if (glName_ != 0) {
        GL_CHECK(glDeleteTextures(1, &glName_));
        glName_ = 0;
    }
}

void GLTexture::releaseGL() {
    deleteGLTexture();
}

void GLTexture::setAside() {
    if (setAside_ || !uploaded_ || path_.empty()) {
        return;
    }
    deleteGLTexture();
    keptImage_.reset();
    // Not uploaded while aside: a re-created GL context leaves it aside.
    uploaded_ = false;
    setAside_ = true;
}

void GLTexture::bringBack() {
    if (!setAside_) {
        return;
    }
    setAside_ = false;
    loadFromPath();
}

void GLTexture::reupload() {
    if (!uploaded_) {
        return;
    }
    deleteGLTexture();
    auto* picture = dynamic_cast<SDLSurfaceImage*>(keptImage_.get());
    if (picture && picture->surface()) {
        uploaded_ = upload(*picture);
    } else if (!path_.empty()) {
        // Only the alpha (or nothing) was kept: read the file again.
        loadFromPath();
    }
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
    while (result < value && result < (1 << 30)) {
        result <<= 1;
    }
    return result;
}

std::string GLTexture::extensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return "";
    }
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos && slash > dot) {
        return "";
    }
    return path.substr(dot + 1);
}

std::string GLTexture::maskPathOf(const std::string& path) {
    const std::string extension = extensionOf(path);
    if (extension.empty() && (path.empty() || path.back() != '.')) {
        return "";
    }
    return path.substr(0, path.size() - extension.size() - 1) + "_." + extension;
}
