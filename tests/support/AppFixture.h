#pragma once

#include "engine/app/AppConfig.h"
#include "tests/support/InputScript.h"
#include "tests/support/TestApp.h"

#include <gtest/gtest.h>

#include <memory>

// Base of tests that run the application: a fresh configuration and a test
// application per test, torn down in the right order afterwards.
class AppFixture : public ::testing::Test {
protected:
    // Builds the application without a window.
    void makeApp() {
        AppConfig::reset();
        app = std::make_unique<TestApp>();
    }
    // Builds the application and opens its window.
    ::testing::AssertionResult openApp(int width = 1024, int height = 768) {
        makeApp();
        if (!app->open(width, height)) {
            return ::testing::AssertionFailure() << "the window could not be opened";
        }
        return ::testing::AssertionSuccess();
    }
    // Scripted pointer and key input for the application.
    InputScript input() { return InputScript(*app); }
    // The colour at (x, y) of the last frame as the player sees it: the
    // frame's own alpha is left out.
    Color seen(int x, int y) const {
        Color color = app->pixel(x, y);
        color.a = 255;
        return color;
    }
    void TearDown() override {
        app.reset();
        AppConfig::reset();
    }

    std::unique_ptr<TestApp> app;
};
