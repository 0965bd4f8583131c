// A change of the video mode may re-create the GL context, which takes every
// texture with it: the application uploads them again, and the next frame
// draws them as before.
#include "engine/graphics/GLTexture.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/ImageWidget.h"
#include "tests/support/AppFixture.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestScreen.h"

#include <gtest/gtest.h>

namespace {

class VideoModeChangeTest : public AppFixture {
protected:
    // What the picture shows at (x, y) of the window: red on its left half,
    // blue on its right.
    void expectPictureAt(int left, int top, const char* when) {
        const Color red = app->pixel(left + 8, top + 8);
        const Color blue = app->pixel(left + 56, top + 8);
        EXPECT_TRUE(red.r == 255 && red.g == 0 && red.b == 0) << when;
        EXPECT_TRUE(blue.r == 0 && blue.g == 0 && blue.b == 255) << when;
    }

    TemporaryDirectory folder;
};

TEST_F(VideoModeChangeTest, TexturesAreDrawnAgainAfterTheModeChanges) {
    const std::string path = folder / "halves.png";
    ASSERT_TRUE(writePngPicture(
        path, 64, 64, [](int x, int) { return x < 32 ? Color(255, 0, 0) : Color(0, 0, 255); }));
    ASSERT_TRUE(openApp());
    auto owned = std::make_unique<TestScreen>();
    TestScreen* screen = owned.get();
    app->pushScreen(std::move(owned));
    const GLTexture* picture =
        screen->resources().addTexture("HALVES", std::make_unique<GLTexture>(path));
    screen->addWidget(std::make_unique<ImageWidget>(picture, 100, 200));
    app->step();
    expectPictureAt(100, 200, "before");

    app->allowVideoModeChange = true;
    {
        StdoutCapture quiet;
        ASSERT_TRUE(app->setFullScreen(true));
    }
    app->step();
    expectPictureAt(100, 200, "in full screen");
    {
        StdoutCapture quiet;
        ASSERT_TRUE(app->setFullScreen(false));
    }
    app->step();
    expectPictureAt(100, 200, "back in a window");
}

} // namespace
