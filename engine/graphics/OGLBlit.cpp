#include "engine/graphics/OGLBlit.h"

#include "engine/graphics/GLCheck.h"
#include "engine/graphics/SDLSurfaceImage.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>

namespace {

bool hasRGBMasks(const SDL_PixelFormat* f) {
    return f->Rmask == SDLSurfaceImage::kRedMask && f->Gmask == SDLSurfaceImage::kGreenMask &&
           f->Bmask == SDLSurfaceImage::kBlueMask;
}

// GL_RGBA or GL_RGB when GL can read the surface's pixels as they are, else 0.
GLenum compatibleFormat(const SDL_Surface* surface) {
    const SDL_PixelFormat* f = surface->format;
    if (f->BytesPerPixel == 4 && hasRGBMasks(f) && f->Amask == SDLSurfaceImage::kAlphaMask) {
        return GL_RGBA;
    }
    if (f->BytesPerPixel == 3 && hasRGBMasks(f)) {
        return GL_RGB;
    }
    return 0;
}

int bytesOf(GLenum format) {
    return format == GL_RGB ? 3 : 4;
}

bool proxyAccepts(GLenum format, int width, int height) {
    GL_CHECK(glTexImage2D(GL_PROXY_TEXTURE_2D, 0, bytesOf(format), width, height, 0, format,
                          GL_UNSIGNED_BYTE, nullptr));
    GLint acceptedWidth = 0;
    GL_CHECK(glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &acceptedWidth));
    return acceptedWidth != 0;
}

int roundUpToPowerOfTwo(int value) {
    int result = 1;
    while (result < value && result < (1 << 30)) {
        result <<= 1;
    }
    return result;
}

// Finds a texture size GL accepts for the surface; `fits` turns false when the
// surface's own size cannot be used. 0 x 0 when nothing fits.
void fitSize(GLenum format, int& width, int& height, bool& fits) {
    GLint maximum = 0;
    GL_CHECK(glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum));
    if (width > maximum) {
        width = maximum;
        fits = false;
    }
    if (height > maximum) {
        height = maximum;
        fits = false;
    }
    if (width > 0 && height > 0 && proxyAccepts(format, width, height)) {
        return;
    }
    width = std::min(roundUpToPowerOfTwo(width), int(maximum));
    height = std::min(roundUpToPowerOfTwo(height), int(maximum));
    fits = false;
    if (width <= 0 || height <= 0 || !proxyAccepts(format, width, height)) {
        width = 0;
        height = 0;
    }
}

// GL reads rows tightly or at the unpack alignment; tell it the surface's
// pitch so padded rows (three-byte pixels) arrive unsheared.
bool setRowLayout(const SDL_Surface* surface) {
    const int bytesPerPixel = surface->format->BytesPerPixel;
    if (surface->pitch % bytesPerPixel != 0) {
        return false;
    }
    GL_CHECK(glPixelStorei(GL_UNPACK_ALIGNMENT, 1));
    GL_CHECK(glPixelStorei(GL_UNPACK_ROW_LENGTH, surface->pitch / bytesPerPixel));
    return true;
}

void resetRowLayout() {
    GL_CHECK(glPixelStorei(GL_UNPACK_ROW_LENGTH, 0));
    GL_CHECK(glPixelStorei(GL_UNPACK_ALIGNMENT, 4));
}

std::unique_ptr<OGLTextureRecord> upload(SDL_Surface* surface, GLenum format, int textureWidth,
                                         int textureHeight) {
    if (!setRowLayout(surface)) {
        return nullptr;
    }
    auto record = std::make_unique<OGLTextureRecord>();
    record->format = format;
    record->textureWidth = textureWidth;
    record->textureHeight = textureHeight;
    record->uploadedWidth = surface->w;
    record->uploadedHeight = surface->h;

    GLuint name = 0;
    GL_CHECK(glGenTextures(1, &name));
    GL_CHECK(glBindTexture(GL_TEXTURE_2D, name));
    const bool locked = SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) == 0;
    GL_CHECK(glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR));
    GL_CHECK(glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR));
    // Edge clamping: scaled pictures keep their own edge texels instead of
    // fading into the (transparent black) border colour.
    GL_CHECK(glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE));
    GL_CHECK(glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE));
    // Earlier unchecked calls must not be blamed on this upload.
    while (glGetError() != GL_NO_ERROR) {
    }
    glTexImage2D(GL_TEXTURE_2D, 0, surface->format->BytesPerPixel, surface->w, surface->h, 0,
                 format, GL_UNSIGNED_BYTE, surface->pixels);
    const bool failed = checkGlErrors("glTexImage2D", __FILE__, __LINE__);
    if (locked) {
        SDL_UnlockSurface(surface);
    }
    resetRowLayout();
    if (failed) {
        GL_CHECK(glDeleteTextures(1, &name));
        return nullptr;
    }
    record->name = name;
    return record;
}

} // namespace

std::unique_ptr<OGLTextureRecord> OGL_FromSurface(SDL_Surface* surface) {
    if (!surface) {
        SDL_SetError("SDL_oglblit: Surface passed to OGL_FromSurface is NULL.");
        return nullptr;
    }
    SDL_ClearError();
    const GLenum ownFormat = compatibleFormat(surface);
    const GLenum testFormat = ownFormat != 0 ? ownFormat : GL_RGBA;
    int width = surface->w;
    int height = surface->h;
    bool fits = true;
    fitSize(testFormat, width, height, fits);
    if (width == 0 || height == 0) {
        SDL_SetError("SDL_oglblit: Couldn't find a suitable texture size for the given surface.");
        return nullptr;
    }

    // GL can skip row padding only in whole pixels.
    const bool rowsReadable = surface->pitch % surface->format->BytesPerPixel == 0;
    std::unique_ptr<OGLTextureRecord> record;
    if (ownFormat == 0 || !fits || !rowsReadable) {
        SDL_Surface* copy = SDLSurfaceImage::createRGBASurface(width, height);
        if (!copy) {
            SDL_SetError("SDL_oglblit: Couldn't copy an unsupported surface to an RGBA surface.");
            return nullptr;
        }
        // Copy alpha as it is rather than blending it onto the blank copy.
        const Uint32 savedFlags = surface->flags & (SDL_SRCALPHA | SDL_RLEACCELOK);
        const Uint8 savedAlpha = surface->format->alpha;
        SDL_SetAlpha(surface, 0, 255);
        const int blitResult = SDL_BlitSurface(surface, nullptr, copy, nullptr);
        SDL_SetAlpha(surface, savedFlags, savedAlpha);
        if (blitResult != 0) {
            SDL_FreeSurface(copy);
            SDL_SetError("SDL_oglblit: Couldn't copy an unsupported surface to an RGBA surface.");
            return nullptr;
        }
        record = upload(copy, GL_RGBA, width, height);
        SDL_FreeSurface(copy);
        if (!record) {
            SDL_SetError("SDL_oglblit: Couldn't perform a surface to texture conversion, even "
                         "though the given surface seems compatible.");
            return nullptr;
        }
    } else {
        record = upload(surface, ownFormat, width, height);
    }
    if (!record) {
        const char* error = SDL_GetError();
        if (!error || !*error) {
            SDL_SetError("SDL_oglblit: Unknown error while converting surface to texture.");
        }
    }
    return record;
}
