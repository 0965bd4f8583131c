#pragma once

#include "engine/audio/SfxContainer.h"
#include "engine/graphics/GLTexture.h"
#include "tests/support/AppFixture.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/PixelImage.h"
#include "tests/support/TestScreen.h"

#include <memory>
#include <string>
#include <vector>

// A running test application with one shown screen and the pointer parked in
// its bottom-right corner, so widgets are driven through the real SDL event
// path. 640 x 480 unless a test needs the game's own size.
class WidgetScreenFixture : public AppFixture {
protected:
    explicit WidgetScreenFixture(int width = 640, int height = 480)
        : width_(width), height_(height) {}

    void SetUp() override {
        SfxContainer::reset();
        ASSERT_TRUE(openApp(width_, height_));
        auto owned = std::make_unique<TestScreen>(&journal, "screen");
        screen = owned.get();
        app->pushScreen(std::move(owned));
        park();
        journal.clear();
    }
    void TearDown() override {
        AppFixture::TearDown();
        // Widgets play their effects through the shared catalogue.
        SfxContainer::reset();
    }

    template <typename W> W* add(std::unique_ptr<W> widget) {
        return screen->addWidget(std::move(widget));
    }
    // The pointer goes to the corner, away from every widget, for a frame.
    void park() {
        input().moveTo(width_ - 5, height_ - 5);
        app->step();
    }

    TestScreen* screen = nullptr;
    // What the screen (and probe widgets given it) noted since it was shown.
    std::vector<std::string> journal;

private:
    int width_;
    int height_;
};

// A picture with an opaque block (the rest transparent), wrapped in a texture
// that answers hit tests without a graphics card upload.
inline std::unique_ptr<GLTexture> blockTexture(int width, int height, int opaqueWidth,
                                               int opaqueHeight) {
    auto image = std::make_unique<PixelImage>(width, height, Color(0, 0, 0, 0));
    image->fillArea(0, 0, opaqueWidth, opaqueHeight, Color(90, 160, 40, 255));
    return GLTexture::fromKeptImage(std::move(image));
}

// A picture painted by `rule` and uploaded to the open window's GL context,
// for tests that read back what was drawn.
inline std::unique_ptr<GLTexture> uploadedPicture(int width, int height, const PixelRule& rule) {
    return std::make_unique<GLTexture>(paintedImage(width, height, rule));
}
