#pragma once

// GL_CHECK(call) runs an OpenGL call. Builds with QUILL_GL_CHECKS (Debug) then
// read glGetError() and print one line per failing call, naming the call and
// where it is; other builds run the bare call at no cost.
//
// glGetError() is itself an error between glBegin and glEnd, so calls inside a
// begin/end block stay unwrapped and the glEnd that closes it is checked.

// Reads every pending GL error; if there was one, prints a single line naming
// them, the call text and file:line, and returns true.
bool checkGlErrors(const char* call, const char* file, int line);

// How many checked calls have reported errors since start-up.
int reportedGlErrorCount();

#ifdef QUILL_GL_CHECKS
#define GL_CHECK(...)                                                                              \
    do {                                                                                           \
        __VA_ARGS__;                                                                               \
        checkGlErrors(#__VA_ARGS__, __FILE__, __LINE__);                                           \
    } while (0)
#else
#define GL_CHECK(...) __VA_ARGS__
#endif
