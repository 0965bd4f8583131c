#include "engine/graphics/ImageWriter.h"

#include <SDL.h>
#include <png.h>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

// Both encoders report errors through callbacks that longjmp back into the
// function that called setjmp (encodePng, encodeJpeg). Those functions hold
// only plain C data, so the jump skips no destructor; their locals are not
// changed after setjmp, and what they change afterwards (the compressor and
// the error state) lives in the caller's frame, so it is intact after a jump.

namespace {

constexpr Uint32 kRedMask = 0x000000FF;
constexpr Uint32 kGreenMask = 0x0000FF00;
constexpr Uint32 kBlueMask = 0x00FF0000;
constexpr Uint32 kAlphaMask = 0xFF000000;

void reportFailure(const char* function, const std::string& message) {
    std::printf("%s: %s\n", function, message.c_str());
    std::fflush(stdout);
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

// A copy of the surface as 32-bit RGBA with the bytes in R, G, B, A order,
// or null when SDL cannot make one. The source's per-surface alpha flag is
// cleared for the blit so that its alpha channel is copied rather than
// blended away, and put back afterwards.
SDL_Surface* copyAsRgba(SDL_Surface* source) {
    SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, source->w, source->h, 32, kRedMask,
                                             kGreenMask, kBlueMask, kAlphaMask);
    if (!rgba) {
        return nullptr;
    }
    const Uint32 savedFlags = source->flags & (SDL_SRCALPHA | SDL_RLEACCELOK);
    const Uint8 savedAlpha = source->format->alpha;
    SDL_SetAlpha(source, 0, savedAlpha);
    const int blitResult = SDL_BlitSurface(source, nullptr, rgba, nullptr);
    SDL_SetAlpha(source, savedFlags, savedAlpha);
    if (blitResult != 0) {
        SDL_FreeSurface(rgba);
        return nullptr;
    }
    return rgba;
}

const unsigned char* rowOf(const SDL_Surface* surface, int y) {
    return static_cast<const unsigned char*>(surface->pixels) + std::size_t(y) * surface->pitch;
}

// --- PNG ---

struct PngErrorState {
    std::jmp_buf jump;
    char message[256];
};

[[noreturn]] void onPngError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message ? message : "libpng error");
    std::longjmp(state->jump, 1);
}

void onPngWarning(png_structp, png_const_charp) {
    // Warnings do not stop the file from being written; stay quiet.
}

// Writes the RGBA surface as an 8-bit RGBA PNG to the open file. Returns null
// on success, else the reason (which may live in `state`).
const char* encodePng(std::FILE* file, const SDL_Surface* rgba, PngErrorState* state) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, state, onPngError, onPngWarning);
    if (!png) {
        return "cannot create the PNG writer";
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "cannot create the PNG header";
    }
    // png and info are not changed after this point, so they are intact after a jump.
    if (setjmp(state->jump) != 0) {
        png_destroy_write_struct(&png, &info);
        return state->message;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(rgba->w), png_uint_32(rgba->h), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < rgba->h; ++y) {
        png_write_row(png, rowOf(rgba, y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return nullptr;
}

// --- JPEG ---

struct JpegErrorState {
    jpeg_error_mgr manager; // first, so that cinfo->err converts back to the state
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onJpegError(j_common_ptr cinfo) {
    auto* state = reinterpret_cast<JpegErrorState*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, state->message);
    std::longjmp(state->jump, 1);
}

void onJpegMessage(j_common_ptr) {
    // Warnings and traces are not errors; stay quiet.
}

// Writes the RGBA surface as a baseline 4:4:4 JPEG to the open file. `cinfo`
// must be zero-filled; it lives in the caller so that the jump back leaves it
// intact for the clean-up. Returns null on success, else the reason (which
// may live in `state`).
const char* encodeJpeg(std::FILE* file, const SDL_Surface* rgba, int quality, bool rgbColourSpace,
                       jpeg_compress_struct* cinfo, JpegErrorState* state) {
    cinfo->err = jpeg_std_error(&state->manager);
    state->manager.error_exit = onJpegError;
    state->manager.output_message = onJpegMessage;
    if (setjmp(state->jump) != 0) {
        jpeg_destroy_compress(cinfo);
        return state->message;
    }
    jpeg_create_compress(cinfo);
    jpeg_stdio_dest(cinfo, file);
    cinfo->image_width = JDIMENSION(rgba->w);
    cinfo->image_height = JDIMENSION(rgba->h);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    if (rgbColourSpace) {
        jpeg_set_colorspace(cinfo, JCS_RGB);
    }
    // No chroma subsampling; set after the colour space, which resets the components.
    for (int c = 0; c < cinfo->num_components; ++c) {
        cinfo->comp_info[c].h_samp_factor = 1;
        cinfo->comp_info[c].v_samp_factor = 1;
    }
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);

    // The row buffer comes from the compressor's pool and goes with it.
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 JDIMENSION(rgba->w) * 3, 1);
    while (cinfo->next_scanline < cinfo->image_height) {
        const unsigned char* in = rowOf(rgba, int(cinfo->next_scanline));
        JSAMPLE* out = row[0];
        for (int x = 0; x < rgba->w; ++x) {
            out[3 * x + 0] = in[4 * x + 0];
            out[3 * x + 1] = in[4 * x + 1];
            out[3 * x + 2] = in[4 * x + 2];
        }
        jpeg_write_scanlines(cinfo, row, 1);
    }
    jpeg_finish_compress(cinfo);
    jpeg_destroy_compress(cinfo);
    return nullptr;
}

// The steps both writers share around their encoder: checks, RGBA copy, file
// handling, the report. `encode` gets the open file and the RGBA copy and
// returns an empty string on success, else the reason for the failure.
template <typename Encode>
bool writeWith(const char* function, SDL_Surface* surface, const std::string& path, Encode encode) {
    if (!surface) {
        reportFailure(function, "no surface to write to " + quoted(path));
        return false;
    }
    if (surface->w <= 0 || surface->h <= 0) {
        reportFailure(function, "cannot write an empty surface to " + quoted(path));
        return false;
    }
    SDL_Surface* rgba = copyAsRgba(surface);
    if (!rgba) {
        reportFailure(function,
                      "cannot convert the surface for " + quoted(path) + ": " + SDL_GetError());
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        const std::string reason = std::strerror(errno);
        reportFailure(function, "cannot open " + quoted(path) + " for writing: " + reason);
        SDL_FreeSurface(rgba);
        return false;
    }
    // A fresh software surface: its pixels are readable without locking.
    std::string reason = encode(file, rgba);
    const bool writeFailed = std::ferror(file) != 0;
    errno = 0;
    const bool closeFailed = std::fclose(file) != 0;
    const int closeError = errno;
    SDL_FreeSurface(rgba);
    if (reason.empty() && closeFailed) {
        reason = closeError != 0 ? std::strerror(closeError) : "cannot close the file";
    } else if (reason.empty() && writeFailed) {
        reason = "write error";
    }
    if (!reason.empty()) {
        // A partial file would only mislead whoever reads it next; devices
        // and pipes are not ours to remove.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(path, ignored)) {
            std::filesystem::remove(path, ignored);
        }
        reportFailure(function, "cannot write " + quoted(path) + ": " + reason);
        return false;
    }
    return true;
}

} // namespace

bool writePng(SDL_Surface* surface, const std::string& path) {
    return writeWith("writePng", surface, path, [](std::FILE* file, const SDL_Surface* rgba) {
        PngErrorState state{};
        const char* error = encodePng(file, rgba, &state);
        return std::string(error ? error : "");
    });
}

bool writeJpeg(SDL_Surface* surface, const std::string& path, int quality, bool rgbColourSpace) {
    return writeWith("writeJpeg", surface, path, [=](std::FILE* file, const SDL_Surface* rgba) {
        jpeg_compress_struct cinfo{};
        JpegErrorState state{};
        const char* error =
            encodeJpeg(file, rgba, std::clamp(quality, 1, 100), rgbColourSpace, &cinfo, &state);
        return std::string(error ? error : "");
    });
}
