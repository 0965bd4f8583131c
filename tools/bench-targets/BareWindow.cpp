// The least a program can do to show the game's window: SDL and OpenGL only,
// the same mode and GL attributes as SDLGameApp::openVideo, one cleared frame
// swapped, a line on standard output, and out. measure_targets.py times the
// game's start against this one from outside.

#include <GL/gl.h>
#include <SDL.h>

#include <chrono>
#include <cstdio>

int main(int, char**) {
    const auto start = std::chrono::steady_clock::now();
    // The reader waits for the line on a pipe: it must not sit in a buffer.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (!SDL_SetVideoMode(1024, 768, 0, SDL_OPENGL)) {
        std::fprintf(stderr, "SDL_SetVideoMode: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    glViewport(0, 0, 1024, 768);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    // Same wording as the game's --timings line, so one parser reads both.
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("Timing: %.1f first frame drawn\n", ms);
    SDL_Quit();
    return 0;
}
