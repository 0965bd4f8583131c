#include "engine/graphics/GLCheck.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

namespace {

// Without a current context some drivers keep returning an error; never spin.
constexpr int kMaxErrorsRead = 8;

int reportedCount = 0;

std::string errorName(GLenum error) {
    switch (error) {
    case GL_INVALID_ENUM:
        return "GL_INVALID_ENUM";
    case GL_INVALID_VALUE:
        return "GL_INVALID_VALUE";
    case GL_INVALID_OPERATION:
        return "GL_INVALID_OPERATION";
    case GL_STACK_OVERFLOW:
        return "GL_STACK_OVERFLOW";
    case GL_STACK_UNDERFLOW:
        return "GL_STACK_UNDERFLOW";
    case GL_OUT_OF_MEMORY:
        return "GL_OUT_OF_MEMORY";
    default: {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "0x%04X", unsigned(error));
        return buffer;
    }
    }
}

} // namespace

bool checkGlErrors(const char* call, const char* file, int line) {
    std::string names;
    for (int i = 0; i < kMaxErrorsRead; ++i) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR) {
            break;
        }
        if (!names.empty()) {
            names += ", ";
        }
        names += errorName(error);
    }
    if (names.empty()) {
        return false;
    }
    ++reportedCount;
    std::printf("GL error %s after %s at %s:%d\n", names.c_str(), call, file, line);
    // Flushed at once so the line is not lost if the driver crashes next.
    std::fflush(stdout);
    return true;
}

int reportedGlErrorCount() {
    return reportedCount;
}
