#pragma once

struct SDL_Surface;

#include <memory>

// The result of turning a surface into an OpenGL texture.
struct OGLTextureRecord {
    unsigned name = 0;    // GL texture name
    unsigned format = 0;  // GL pixel format of the upload (GL_RGBA or GL_RGB)
    int textureWidth = 0; // size found to fit the GL limits
    int textureHeight = 0;
    int uploadedWidth = 0; // size of what was uploaded
    int uploadedHeight = 0;
};

// Uploads a surface as a GL_TEXTURE_2D with linear filtering and clamped
// coordinates, into the current GL context. Surfaces that GL cannot take as
// they are (other pixel layouts, sizes beyond the limits) are first copied
// into an RGBA surface of a size that fits, the picture at the top-left.
// Returns none and sets the SDL error ("SDL_oglblit: ...") on failure.
std::unique_ptr<OGLTextureRecord> OGL_FromSurface(SDL_Surface* surface);
