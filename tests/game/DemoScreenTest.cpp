// The demonstration screens played through the real frame loop.
#include "game/menus/DemoScreen.h"
#include "game/menus/DemoBoxWidget.h"
#include "tests/support/AppFixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class DemoScreenTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp());
        app->startScreen(std::make_unique<DemoScreen>(0));
    }
    DemoScreen* top() const { return dynamic_cast<DemoScreen*>(app->topScreen()); }
};

TEST_F(DemoScreenTest, FadesInThenAClickFadesOutToTheOtherPage) {
    app->step();
    const int early = app->pixel(20, 700).r;
    app->stepFor(600);
    ASSERT_EQ(top()->phase(), ScreenBase::Shown);
    const int shown = app->pixel(20, 700).r;
    EXPECT_GT(shown, early + 50) << "the screen brightens as the fade lifts";

    DemoBoxWidget* box = top()->boxes()[1];
    const int x = box->x() + 20;
    const int y = box->y() + 20;
    app->pushMotion(x, y);
    app->step();
    EXPECT_TRUE(box->isHovered());
    app->pushClick(x, y);
    app->step();
    EXPECT_EQ(top()->phase(), ScreenBase::Leaving);
    EXPECT_EQ(top()->page(), 0);

    app->stepFor(560);
    ASSERT_NE(top(), nullptr);
    EXPECT_EQ(top()->page(), 1) << "the other page replaced the first";
    EXPECT_EQ(app->screenCount(), 1u);
}

TEST_F(DemoScreenTest, PressThenReleaseOffTheBoxIsNoClick) {
    app->stepFor(600);
    DemoBoxWidget* box = top()->boxes()[0];
    app->pushMotion(box->x() + 5, box->y() + 5);
    app->pushButton(true, SDL_BUTTON_LEFT, box->x() + 5, box->y() + 5);
    app->pushMotion(5, 5, 1);
    app->pushButton(false, SDL_BUTTON_LEFT, 5, 5);
    app->step();
    EXPECT_FALSE(box->isPressed());
    EXPECT_EQ(top()->phase(), ScreenBase::Shown);
}

TEST_F(DemoScreenTest, ClosingTheWindowEndsTheLoop) {
    app->pushQuit();
    EXPECT_FALSE(app->step());
}

} // namespace
