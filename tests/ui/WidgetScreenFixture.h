#pragma once

#include "engine/graphics/GLTexture.h"
#include "tests/support/AppFixture.h"
#include "tests/support/PixelImage.h"
#include "tests/support/TestScreen.h"

#include <SDL.h>

#include <memory>

// A running test application with one shown screen and the pointer parked in
// a corner, so widgets are driven through the real SDL event path.
class WidgetScreenFixture : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp(640, 480));
        auto owned = std::make_unique<TestScreen>(nullptr, "screen");
        screen = owned.get();
        app->pushScreen(std::move(owned));
        app->pushMotion(635, 475);
        app->step();
    }

    template <typename W> W* add(std::unique_ptr<W> widget) {
        return screen->addWidget(std::move(widget));
    }
    // Key down and up, as a key press on the keyboard sends them.
    void typeKey(int sym, int unicode, int modifiers = 0) {
        app->pushKey(true, sym, modifiers, unicode);
        app->pushKey(false, sym, modifiers, 0);
    }
    // Left-button drag: press at the start, held moves through each point, release at the end.
    void pressAt(int x, int y) {
        app->pushMotion(x, y);
        app->pushButton(true, SDL_BUTTON_LEFT, x, y);
    }
    void dragTo(int x, int y) { app->pushMotion(x, y, MouseEvent::Left); }
    void releaseAt(int x, int y) { app->pushButton(false, SDL_BUTTON_LEFT, x, y); }

    TestScreen* screen = nullptr;
};

// A picture with an opaque block (the rest transparent), wrapped in a texture
// that answers hit tests without a graphics card upload.
inline std::unique_ptr<GLTexture> blockTexture(int width, int height, int opaqueWidth,
                                               int opaqueHeight) {
    auto image = std::make_unique<PixelImage>(width, height, Color(0, 0, 0, 0));
    image->fillArea(0, 0, opaqueWidth, opaqueHeight, Color(90, 160, 40, 255));
    return GLTexture::fromKeptImage(std::move(image));
}
