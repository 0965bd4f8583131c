#pragma once

#include "engine/graphics/GLCheck.h"
#include "engine/graphics/GLGraphics.h"
#include "tests/support/KeepDriversLoaded.h"
#include "tests/support/PixelImage.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

// Base of the tests that draw into a real window. The window is opened once
// per test suite; every test gets a freshly initialised GLGraphics on a black
// frame, and fails if any GL error was raised while it ran.
class GLWindowTest : public testing::Test {
protected:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    static constexpr int kDepth = 0;
    static constexpr int kOpenAttempts = 40;
    static constexpr Uint32 kOpenRetryMs = 50;

    static void SetUpTestSuite() {
        // Driver leaks must stay attributable to the driver for the leak suppressions.
        keepGraphicsDriversLoaded();
        // An X server resets when its last client leaves (the previous suite
        // or another test process) and refuses connections meanwhile: retry.
        for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
            windowError_ = openWindow();
            if (windowError_.empty()) {
                return;
            }
            SDL_Delay(kOpenRetryMs);
        }
    }

    static void TearDownTestSuite() {
        if (windowError_.empty()) {
            SDL_Quit();
        }
    }

    void SetUp() override {
        ASSERT_TRUE(windowError_.empty()) << "no GL window: " << windowError_;
        // State that init() does not touch but a previous test may have changed.
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_POLYGON_SMOOTH);
        glLineWidth(1.0f);
        glDepthRange(0.0, 1.0);
        glAlphaFunc(GL_ALWAYS, 0.0f);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glScissor(0, 0, kWidth, kHeight);
        graphics.init(kWidth, kHeight, kDepth);
        while (glGetError() != GL_NO_ERROR) {
        }
        reportedBefore_ = reportedGlErrorCount();
    }

    void TearDown() override {
        if (!windowError_.empty()) {
            return;
        }
        EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
        EXPECT_EQ(reportedBefore_, reportedGlErrorCount()) << "a checked GL call failed";
    }

    // For tests that provoke GL errors on purpose.
    void acceptReportedGlErrors() { reportedBefore_ = reportedGlErrorCount(); }

    // The pixel at (x, y) of the back buffer, y counted down from the top.
    static Color pixelAt(int x, int y) {
        unsigned char rgba[4] = {};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return Color(rgba[0], rgba[1], rgba[2], rgba[3]);
    }

    static bool isBlack(const Color& color) { return color.r == 0 && color.g == 0 && color.b == 0; }

    static bool isEnabled(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }

    static int intState(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    GLGraphics graphics;

private:
    // An empty string on success, else why the window could not be opened.
    static std::string openWindow() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            return SDL_GetError();
        }
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        if (!SDL_SetVideoMode(kWidth, kHeight, 0, SDL_OPENGL)) {
            std::string error = SDL_GetError();
            SDL_Quit();
            return error;
        }
        return "";
    }

    inline static std::string windowError_;
    int reportedBefore_ = 0;
};
