// Widgets built without explicit fonts or pictures take the application's
// shared ones by key, and stay harmless when there are none.
#include "engine/app/GameApp.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/CustomSliderWidget.h"
#include "engine/ui/SimpleTextListWidget.h"
#include "engine/ui/TextInputWidget.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

class WidgetDefaultLooksTest : public AppFixture {};

TEST_F(WidgetDefaultLooksTest, RegisteredKeysGiveTheDefaultFontsAndPictures) {
    makeApp();
    ResourceManager& resources = app->getResources();
    const GLTexture* rail = resources.addTexture("OPT_SLIDER_RAIL", blockTexture(150, 8, 150, 8));
    const GLTexture* thumb = resources.addTexture("OPT_SLIDER_THUMB", blockTexture(12, 20, 12, 20));
    const GLTexture* box = resources.addTexture("OPT_CHECKBOX_OFF", blockTexture(25, 24, 25, 24));
    const GLTexture* tick = resources.addTexture("OPT_CHECKBOX_ON", blockTexture(18, 18, 18, 18));
    const Font* font =
        resources.addFont("FONT_CheltenhamBT20", std::make_unique<FixedWidthFont>(24));

    CustomSliderWidget slider(0, nullptr, 5, 6);
    EXPECT_EQ(slider.railTexture(), rail);
    EXPECT_EQ(slider.thumbTexture(), thumb);
    EXPECT_EQ(slider.rect(), WidgetRect(5, 6, 0, 150, 8));

    CheckBoxWidget check(nullptr, 1);
    EXPECT_EQ(check.boxTexture(), box);
    EXPECT_EQ(check.tickTexture(), tick);
    EXPECT_EQ(check.width(), 25);
    EXPECT_EQ(check.height(), 24);

    SimpleTextListWidget list(nullptr);
    EXPECT_EQ(list.font(), font);
    EXPECT_EQ(list.visibleRows(), 6);
    EXPECT_EQ(list.height(), 144);

    TextInputWidget field("x", nullptr, 8, false);
    EXPECT_EQ(field.font(), font);
}

TEST_F(WidgetDefaultLooksTest, MissingKeysOrNoApplicationLeaveThemEmpty) {
    for (bool withApp : {true, false}) {
        SCOPED_TRACE(withApp ? "unregistered keys" : "no application");
        if (withApp) {
            makeApp();
        } else {
            app.reset();
            ASSERT_EQ(GameApp::instance(), nullptr);
        }
        CustomSliderWidget slider(0, nullptr, 5, 6);
        CheckBoxWidget check(nullptr, 1);
        SimpleTextListWidget list(nullptr);
        TextInputWidget field("x", nullptr, 8, false);
        EXPECT_EQ(slider.railTexture(), nullptr);
        EXPECT_EQ(slider.thumbTexture(), nullptr);
        EXPECT_EQ(check.boxTexture(), nullptr);
        EXPECT_EQ(list.font(), nullptr);
        EXPECT_EQ(field.font(), nullptr);

        RecordingGraphics graphics;
        slider.render(graphics, nullptr);
        check.setTicked(true);
        check.render(graphics, nullptr);
        list.addItem("a");
        list.render(graphics, nullptr);
        EXPECT_TRUE(graphics.calls().empty()) << graphics.dump();
    }
}

} // namespace
