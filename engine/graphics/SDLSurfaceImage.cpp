#include "engine/graphics/SDLSurfaceImage.h"

#include "engine/core/Log.h"
#include "engine/graphics/SDLImageGraphics.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace {

// Holds the surface locked for direct pixel access while it lives.
class SurfaceLock {
public:
    explicit SurfaceLock(SDL_Surface* surface)
        : surface_(SDL_MUSTLOCK(surface) ? surface : nullptr) {
        if (surface_ && SDL_LockSurface(surface_) != 0) {
            surface_ = nullptr;
        }
    }
    ~SurfaceLock() {
        if (surface_) {
            SDL_UnlockSurface(surface_);
        }
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

private:
    SDL_Surface* surface_;
};

Uint8* pixelAddress(SDL_Surface* surface, int x, int y) {
    return static_cast<Uint8*>(surface->pixels) + std::size_t(y) * surface->pitch +
           std::size_t(x) * surface->format->BytesPerPixel;
}

Uint32 readPixel(const Uint8* p, int bytesPerPixel) {
    switch (bytesPerPixel) {
    case 1:
        return *p;
    case 2: {
        Uint16 value;
        std::memcpy(&value, p, 2);
        return value;
    }
    case 3:
        // Three-byte pixels are stored little-endian.
        return Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16;
    default: {
        Uint32 value;
        std::memcpy(&value, p, 4);
        return value;
    }
    }
}

void writePixel(Uint8* p, int bytesPerPixel, Uint32 value) {
    switch (bytesPerPixel) {
    case 1:
        *p = Uint8(value);
        break;
    case 2: {
        const auto shortValue = Uint16(value);
        std::memcpy(p, &shortValue, 2);
        break;
    }
    case 3:
        p[0] = Uint8(value);
        p[1] = Uint8(value >> 8);
        p[2] = Uint8(value >> 16);
        break;
    default:
        std::memcpy(p, &value, 4);
        break;
    }
}

} // namespace

SDLSurfaceImage::SDLSurfaceImage() : graphics_(std::make_unique<SDLImageGraphics>(*this)) {}

SDLSurfaceImage::SDLSurfaceImage(const std::string& path)
    : graphics_(std::make_unique<SDLImageGraphics>(*this)) {
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) {
        engineLog() << "Cannot load image '" << path << "': " << IMG_GetError() << "\n";
    }
    adopt(surface);
}

SDLSurfaceImage::SDLSurfaceImage(SDL_Surface* surface)
    : graphics_(std::make_unique<SDLImageGraphics>(*this)) {
    adopt(surface);
}

SDLSurfaceImage::SDLSurfaceImage(int width, int height)
    : graphics_(std::make_unique<SDLImageGraphics>(*this)) {
    adopt(createRGBASurface(width, height));
}

SDLSurfaceImage::~SDLSurfaceImage() {
    if (surface_) {
        SDL_FreeSurface(surface_);
    }
}

void SDLSurfaceImage::adopt(SDL_Surface* surface) {
    surface_ = surface;
    width_ = surface ? surface->w : 0;
    height_ = surface ? surface->h : 0;
}

SDL_Surface* SDLSurfaceImage::releaseSurface() {
    SDL_Surface* surface = surface_;
    adopt(nullptr);
    return surface;
}

SDL_Surface* SDLSurfaceImage::createRGBASurface(int width, int height) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    return SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, width, height, 32, kRedMask,
                                kGreenMask, kBlueMask, kAlphaMask);
}

bool SDLSurfaceImage::isRGBASurface(const SDL_Surface* surface) {
    const SDL_PixelFormat* f = surface ? surface->format : nullptr;
    return f && f->BytesPerPixel == 4 && f->Rmask == kRedMask && f->Gmask == kGreenMask &&
           f->Bmask == kBlueMask && f->Amask == kAlphaMask;
}

std::unique_ptr<Image> SDLSurfaceImage::clone() const {
    if (!surface_) {
        return std::make_unique<SDLSurfaceImage>();
    }
    const SDL_PixelFormat* f = surface_->format;
    SDL_Surface* copy =
        SDL_CreateRGBSurface(surface_->flags, surface_->w, surface_->h, f->BitsPerPixel, f->Rmask,
                             f->Gmask, f->Bmask, f->Amask);
    if (!copy) {
        engineLog() << "Cannot copy an image of " << width_ << " x " << height_ << ": "
                    << SDL_GetError() << "\n";
        return std::make_unique<SDLSurfaceImage>();
    }
    if (f->palette && copy->format->palette) {
        SDL_SetColors(copy, f->palette->colors, 0, f->palette->ncolors);
    }
    // A straight copy of every byte, alpha included: blending into the blank
    // copy would lose the alpha channel.
    {
        SurfaceLock sourceLock(surface_);
        SurfaceLock copyLock(copy);
        const std::size_t rowBytes = std::size_t(surface_->w) * f->BytesPerPixel;
        for (int y = 0; y < surface_->h; ++y) {
            std::memcpy(static_cast<Uint8*>(copy->pixels) + std::size_t(y) * copy->pitch,
                        static_cast<const Uint8*>(surface_->pixels) +
                            std::size_t(y) * surface_->pitch,
                        rowBytes);
        }
    }
    if (surface_->flags & SDL_SRCCOLORKEY) {
        SDL_SetColorKey(copy, SDL_SRCCOLORKEY, f->colorkey);
    }
    SDL_SetAlpha(copy, surface_->flags & SDL_SRCALPHA, f->alpha);
    return std::make_unique<SDLSurfaceImage>(copy);
}

bool SDLSurfaceImage::contains(int x, int y) const {
    return surface_ && x >= 0 && y >= 0 && x < width_ && y < height_;
}

Color SDLSurfaceImage::getPixel(int x, int y) const {
    if (!contains(x, y)) {
        return Color(0, 0, 0, 0);
    }
    SurfaceLock lock(surface_);
    const Uint32 value = readPixel(pixelAddress(surface_, x, y), surface_->format->BytesPerPixel);
    Color color;
    SDL_GetRGBA(value, surface_->format, &color.r, &color.g, &color.b, &color.a);
    return color;
}

void SDLSurfaceImage::setPixel(int x, int y, const Color& color) {
    if (!contains(x, y)) {
        return;
    }
    const Uint32 value = SDL_MapRGBA(surface_->format, color.r, color.g, color.b, color.a);
    SurfaceLock lock(surface_);
    writePixel(pixelAddress(surface_, x, y), surface_->format->BytesPerPixel, value);
}

ImageGraphics* SDLSurfaceImage::graphics() {
    return graphics_.get();
}
