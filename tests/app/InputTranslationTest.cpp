// SDL events become engine events through the real event pump.
#include "tests/support/AppFixture.h"
#include "tests/support/TestScreen.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class InputTranslationTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp(640, 480));
        bottom = push("bottom");
        top = push("top");
        bottom->setEnabled(true); // as under a dialog that lets input through
    }
    TestScreen* push(const std::string& name) {
        auto s = std::make_unique<TestScreen>(&journal, name);
        TestScreen* raw = s.get();
        app->pushScreen(std::move(s));
        return raw;
    }

    TestScreen* bottom = nullptr;
    TestScreen* top = nullptr;
    std::vector<std::string> journal;
};

TEST_F(InputTranslationTest, ClickCountGrowsWithin100MsSharedByAllButtons) {
    app->pushButton(true, SDL_BUTTON_LEFT, 10, 10);
    app->step(16);
    app->pushButton(false, SDL_BUTTON_LEFT, 10, 10);
    app->step(16);
    app->pushButton(true, SDL_BUTTON_RIGHT, 10, 10);
    app->step(16);
    app->step(150);
    app->pushButton(true, SDL_BUTTON_LEFT, 10, 10);
    app->step(16);

    std::vector<MouseEvent> presses;
    for (const MouseEvent& e : top->mice) {
        if (e.type == MouseEvent::ButtonDown) {
            presses.push_back(e);
        }
    }
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].clickCount, 1);
    EXPECT_EQ(presses[1].clickCount, 3) << "the release in between counted too";
    EXPECT_EQ(presses[1].buttons, MouseEvent::Right);
    EXPECT_EQ(presses[2].clickCount, 1) << "more than 100 ms later the count restarts";
    const MouseEvent& release = top->mice[1];
    EXPECT_EQ(release.type, MouseEvent::ButtonUp);
    EXPECT_EQ(release.clickCount, 1);
}

TEST_F(InputTranslationTest, ButtonsMotionAndWheelAreTranslated) {
    app->pushButton(true, SDL_BUTTON_MIDDLE, 30, 40);
    app->pushMotion(35, 47, 1 | 4);
    app->pushButton(true, SDL_BUTTON_WHEELUP, 35, 47);
    app->pushButton(false, SDL_BUTTON_WHEELUP, 35, 47);
    app->pushButton(true, SDL_BUTTON_WHEELDOWN, 35, 47);
    app->step();
    ASSERT_EQ(top->mice.size(), 4u);
    EXPECT_EQ(top->mice[0].buttons, MouseEvent::Middle);
    EXPECT_EQ(top->mice[0].x, 30);
    EXPECT_EQ(top->mice[0].y, 40);
    EXPECT_EQ(top->mice[1].type, MouseEvent::Motion);
    EXPECT_EQ(top->mice[1].buttons, MouseEvent::Left | MouseEvent::Middle);
    EXPECT_EQ(top->mice[1].x, 35);
    EXPECT_EQ(top->mice[2].type, MouseEvent::WheelUp);
    EXPECT_EQ(top->mice[3].type, MouseEvent::WheelDown);
    int x = 0, y = 0;
    app->getMousePosition(x, y);
    EXPECT_EQ(x, 35);
    EXPECT_EQ(y, 47);
}

TEST_F(InputTranslationTest, EveryEnabledScreenHearsEventsTopFirst) {
    app->pushKey(true, SDLK_b, 0, 'b');
    app->pushClick(5, 5);
    app->step();
    EXPECT_EQ(top->keys.size(), 1u);
    EXPECT_EQ(bottom->keys.size(), 1u);
    EXPECT_EQ(top->mice.size(), 2u);
    EXPECT_EQ(bottom->mice.size(), 2u);

    bottom->setEnabled(false);
    app->pushKey(true, SDLK_c, 0, 'c');
    app->step();
    EXPECT_EQ(top->keys.size(), 2u);
    EXPECT_EQ(bottom->keys.size(), 1u) << "a disabled screen hears nothing";
}

TEST_F(InputTranslationTest, KeysCarrySymbolModifiersUnicodeAndCharacter) {
    app->pushKey(true, SDLK_e, KMOD_LSHIFT, 0x00EB); // ë
    app->pushKey(true, SDLK_a, 0, 0x0416);           // a letter beyond Latin-1
    app->pushKey(false, SDLK_e, KMOD_LSHIFT, 0);
    app->step();
    ASSERT_EQ(top->keys.size(), 3u);
    EXPECT_EQ(top->keys[0].type, KeyEvent::KeyDown);
    EXPECT_EQ(top->keys[0].key, SDLK_e);
    EXPECT_EQ(top->keys[0].modifiers, KMOD_LSHIFT);
    EXPECT_EQ(top->keys[0].unicode, 0x00EB);
    EXPECT_EQ(static_cast<unsigned char>(top->keys[0].character), 0xEB);
    EXPECT_EQ(top->keys[1].unicode, 0x0416);
    EXPECT_EQ(top->keys[1].character, 0) << "no single-byte character above 255";
    EXPECT_EQ(top->keys[2].type, KeyEvent::KeyUp);
}

TEST_F(InputTranslationTest, AltEnterTogglesFullScreenOrIsSwallowedWhenDisabled) {
    app->setAltEnterEnabled(false);
    app->pushKey(true, SDLK_RETURN, KMOD_LALT);
    app->step();
    EXPECT_TRUE(top->keys.empty()) << "a disabled Alt+Enter reaches no screen";
    EXPECT_FALSE(app->isFullScreen());

    EXPECT_TRUE(app->videoModeRequests.empty());

    app->setAltEnterEnabled(true);
    app->pushKey(true, SDLK_RETURN, KMOD_RALT);
    app->step();
    EXPECT_EQ(app->videoModeRequests, std::vector<bool>{true}) << "asks for full screen";
    ASSERT_EQ(top->keys.size(), 1u);
    EXPECT_EQ(top->keys[0].key, 0) << "screens get an empty event for the toggle";

    app->pushKey(true, SDLK_RETURN, 0, '\r');
    app->step();
    ASSERT_EQ(top->keys.size(), 2u);
    EXPECT_EQ(top->keys[1].key, SDLK_RETURN) << "plain Return is an ordinary key";
    EXPECT_EQ(app->videoModeRequests.size(), 1u);

    EXPECT_TRUE(app->setFullScreen(false)) << "windowed already";
    EXPECT_EQ(app->videoModeRequests.size(), 1u) << "the mode in use is not set again";
}

TEST_F(InputTranslationTest, MouseInputCanBeSwitchedOff) {
    app->setMouseInputEnabled(false);
    app->pushClick(5, 5);
    app->pushMotion(9, 9);
    app->step();
    EXPECT_TRUE(top->mice.empty());
}

} // namespace
