// The demonstration screens played through the real frame loop.
#include "game/menus/DemoScreen.h"
#include "engine/audio/SfxContainer.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/SimpleImageButton.h"
#include "game/ResourceTables.h"
#include "tests/support/AppFixture.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

namespace {

class DemoScreenTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp());
        SfxContainer::reset();
        resource_tables::registerStartupFonts(app->getResources());
        resource_tables::registerStartupTextures(app->getResources());
        app->startScreen(std::make_unique<DemoScreen>(0));
    }
    void TearDown() override {
        SfxContainer::reset();
        AppFixture::TearDown();
    }
    DemoScreen* top() const { return dynamic_cast<DemoScreen*>(app->topScreen()); }

    void clickAt(int x, int y) {
        app->pushMotion(x, y);
        app->step();
        app->pushClick(x, y);
        app->step();
    }
};

TEST_F(DemoScreenTest, FadesInThenAButtonFadesOutToTheWidgetPageAndBack) {
    app->step();
    const int early = app->pixel(20, 700).r;
    app->stepFor(600);
    ASSERT_EQ(top()->phase(), ScreenBase::Shown);
    const int shown = app->pixel(20, 700).r;
    EXPECT_GT(shown, early + 50) << "the screen brightens as the fade lifts";

    ASSERT_EQ(3u, top()->menuButtons().size());
    QuillButton* options = top()->menuButtons()[1];
    app->pushMotion(options->x() + 60, options->y() + 30);
    app->step();
    EXPECT_TRUE(options->isHovered());
    app->pushClick(options->x() + 60, options->y() + 30);
    app->step();
    EXPECT_EQ(top()->phase(), ScreenBase::Leaving);
    app->stepFor(560);
    ASSERT_NE(top(), nullptr);
    EXPECT_EQ(top()->page(), 1) << "the widget page replaced the first";
    EXPECT_EQ(app->screenCount(), 1u);

    app->stepFor(600);
    SimpleImageButton* back = top()->backButton();
    ASSERT_NE(nullptr, back);
    clickAt(back->x() + 100, back->y() + 20);
    app->stepFor(560);
    EXPECT_EQ(top()->page(), 0);
}

TEST_F(DemoScreenTest, PressThenReleaseOffTheButtonIsNoClick) {
    app->stepFor(600);
    QuillButton* play = top()->menuButtons()[0];
    app->pushMotion(play->x() + 60, play->y() + 30);
    app->pushButton(true, SDL_BUTTON_LEFT, play->x() + 60, play->y() + 30);
    app->pushMotion(5, 5, 1);
    app->pushButton(false, SDL_BUTTON_LEFT, 5, 5);
    app->step();
    EXPECT_FALSE(play->isPressed());
    EXPECT_EQ(top()->phase(), ScreenBase::Shown);
}

TEST_F(DemoScreenTest, WidgetPageSlidersSetTheVolumesAndTheBoxTheEffects) {
    app->startScreen(std::make_unique<DemoScreen>(1));
    app->stepFor(600);
    CustomSliderWidget* music = top()->musicSlider();
    ASSERT_NE(nullptr, music);
    ASSERT_GT(music->width(), 100);
    // Drag the thumb to the middle of the rail.
    const int y = music->y() + music->height() / 2;
    const int thumb = music->x() + int(music->value() * float(music->width()));
    app->pushMotion(thumb, y);
    app->pushButton(true, SDL_BUTTON_LEFT, thumb, y);
    app->pushMotion(music->x() + music->width() / 2, y, 1);
    app->pushButton(false, SDL_BUTTON_LEFT, music->x() + music->width() / 2, y);
    app->step();
    EXPECT_NEAR(0.5, music->value(), 0.01);
    EXPECT_NEAR(50, Mix_VolumeMusic(-1), 1) << "the music volume follows at once";

    CheckBoxWidget* effects = top()->effectsCheckBox();
    ASSERT_TRUE(effects->isTicked());
    clickAt(effects->x() + 10, effects->y() + 10);
    EXPECT_FALSE(effects->isTicked());
    EXPECT_FALSE(SfxContainer::instance().isEnabled());
}

TEST_F(DemoScreenTest, ClosingTheWindowEndsTheLoop) {
    app->pushQuit();
    EXPECT_FALSE(app->step());
}

} // namespace
