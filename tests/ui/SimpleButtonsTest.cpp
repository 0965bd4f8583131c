// The dialogs' plain and picture buttons, through the real event path.
#include "engine/graphics/AngelFont.h"
#include "engine/graphics/GLTexture.h"
#include "engine/ui/SimpleImageButton.h"
#include "engine/ui/SimpleTextButton.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct EventLog : SimpleButtonListener {
    void buttonEvent(int id, int code) override { events.push_back(id * 10 + code); }
    std::vector<int> events;
};

class SimpleButtonsTest : public WidgetScreenFixture {
protected:
    EventLog log;
    AngelFont font{"content/fonts/PH_small.fnt"};
};

TEST_F(SimpleButtonsTest, OnlyTheLeftButtonCountsAndAReleaseAnywhereClicks) {
    auto* button = add(std::make_unique<SimpleTextButton>(&log, 3, &font, "OK"));
    button->setBounds(100, 100, 80, 30);
    app->pushMotion(120, 110);
    app->pushButton(true, SDL_BUTTON_RIGHT, 120, 110);
    app->pushButton(false, SDL_BUTTON_RIGHT, 120, 110);
    app->pushButton(true, SDL_BUTTON_MIDDLE, 120, 110);
    app->pushButton(false, SDL_BUTTON_MIDDLE, 120, 110);
    app->step();
    EXPECT_EQ((std::vector<int>{32}), log.events) << "only the entry";

    input().drag({{120, 110}, {500, 400}});
    app->step();
    EXPECT_EQ((std::vector<int>{32, 30, 33, 31}), log.events)
        << "pressed, left, and the release still clicks";
    EXPECT_FALSE(button->isPressed());
}

TEST_F(SimpleButtonsTest, LeavingWhilePressedAndComingBackKeepsThePress) {
    auto* button = add(std::make_unique<SimpleTextButton>(&log, 1, &font, "OK"));
    button->setBounds(100, 100, 80, 30);
    input().pressAt(120, 110).dragTo(400, 400);
    app->step();
    EXPECT_FALSE(button->isPressed());
    input().dragTo(121, 111);
    app->step();
    EXPECT_TRUE(button->isPressed()) << "pressed again on return";
}

TEST_F(SimpleButtonsTest, ColoursFollowHoverAndPressAndTextIsCentred) {
    SimpleTextButton button(&log, 1, &font, "OK");
    button.setBounds(0, 0, 80, 30);
    button.setShadow(true);
    RecordingGraphics recorder;
    button.render(recorder, nullptr);
    EXPECT_EQ(Color(255, 255, 255, 255), recorder.find("fillRect")->color);
    const RecordedCall* shadow = recorder.find("drawTextureRegion");
    ASSERT_NE(nullptr, shadow);
    EXPECT_EQ(Color(0, 0, 0, 255), shadow->color);
    const int x = (80 - font.textWidth("OK")) / 2;
    EXPECT_EQ(x + 1, shadow->intArg(0));

    button.mouseEntered();
    recorder.clearCalls();
    button.render(recorder, nullptr);
    EXPECT_EQ(Color(200, 200, 200, 255), recorder.find("fillRect")->color);
    MouseEvent press;
    press.buttons = MouseEvent::Left;
    button.mousePressed(press);
    recorder.clearCalls();
    button.render(recorder, nullptr);
    EXPECT_EQ(Color(127, 127, 127, 255), recorder.find("fillRect")->color);

    SimpleTextButton fontless(&log, 2, nullptr, "OK");
    recorder.clearCalls();
    fontless.render(recorder, nullptr);
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(SimpleButtonsTest, PictureButtonCrossFadesTenPerFrame) {
    auto normal = GLTexture::fromKeptImage(std::make_unique<PixelImage>(80, 30));
    auto over = GLTexture::fromKeptImage(std::make_unique<PixelImage>(80, 30));
    auto* button = add(std::make_unique<SimpleImageButton>(&log, 100, 100, 80, 30, normal.get(),
                                                           over.get(), nullptr, 4, &font, "Yes"));
    app->pushMotion(120, 110);
    app->step(16);
    EXPECT_EQ(10, button->overAlpha());
    app->step(100);
    EXPECT_EQ(20, button->overAlpha()) << "a step per frame, whatever the frame's length";
    app->stepFor(16 * 30);
    EXPECT_EQ(255, button->overAlpha());

    RecordingGraphics recorder;
    button->render(recorder, screen);
    const auto pictures = recorder.findAll("drawTexture");
    ASSERT_GE(pictures.size(), 2u);
    EXPECT_EQ(normal.get(), pictures[0]->texture);
    EXPECT_EQ(over.get(), pictures[1]->texture);
    EXPECT_EQ(255, pictures[1]->color.a);
    EXPECT_EQ(Color(0, 0, 0, 0), recorder.find("fillRect")->color)
        << "the labelled form shows only the text over its pictures";

    app->pushMotion(600, 400);
    app->stepFor(16 * 30);
    EXPECT_EQ(0, button->overAlpha());
    screen->deleteWidget(button);
}

TEST_F(SimpleButtonsTest, PictureButtonWithoutCrossFadeSwapsItsPicture) {
    auto normal = GLTexture::fromKeptImage(std::make_unique<PixelImage>(80, 30));
    auto over = GLTexture::fromKeptImage(std::make_unique<PixelImage>(80, 30));
    auto* button = add(std::make_unique<SimpleImageButton>(&log, 100, 100, 80, 30, normal.get(),
                                                           over.get(), nullptr, 4));
    button->setCrossFade(false);
    app->pushMotion(120, 110);
    app->step();
    EXPECT_EQ(over.get(), button->currentTexture());
    EXPECT_EQ(0, button->overAlpha());
    button->setEnabled(false);
    RecordingGraphics recorder;
    button->render(recorder, screen);
    ASSERT_EQ(1, recorder.count("drawTexture"));
    EXPECT_EQ(Color(128, 128, 128, 255), recorder.find("drawTexture")->color)
        << "disabled: the current picture greyed";
    screen->deleteWidget(button);
}

} // namespace
