// QuillButton driven through the real event path, and its drawing recorded.
#include "engine/ui/QuillButton.h"
#include "engine/graphics/AngelFont.h"
#include "engine/graphics/GLTexture.h"
#include "tests/support/PixelImage.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

struct EventLog : QuillButtonListener {
    void buttonEvent(int id, int code) override { events.push_back(id * 10 + code); }
    std::vector<int> events;
};

ButtonStyle plainStyle(int fadeTime = 100) {
    ButtonStyle style;
    style.fadeTime = fadeTime;
    style.looks[ButtonStyle::Normal].color = Color(100, 0, 0, 200);
    style.looks[ButtonStyle::Over].color = Color(0, 100, 0, 240);
    style.looks[ButtonStyle::Pressed].color = Color(0, 0, 100, 250);
    style.looks[ButtonStyle::Disabled].color = Color(50, 50, 50, 120);
    style.looks[ButtonStyle::Normal].labelColor = Color(1, 1, 1, 180);
    style.looks[ButtonStyle::Over].labelColor = Color(2, 2, 2, 220);
    return style;
}

// At the game's size: tooltips keep left of its right edge.
class QuillButtonTest : public WidgetScreenFixture {
protected:
    QuillButtonTest() : WidgetScreenFixture(1024, 768) {}

    QuillButton* add(const ButtonStyle& style,
                     const WidgetRect& rect = WidgetRect(100, 100, 0, 120, 40)) {
        auto button = makeQuillButton(&log, 7, style, "Play");
        button->setRect(rect);
        return WidgetScreenFixture::add(std::move(button));
    }

    EventLog log;
};

TEST_F(QuillButtonTest, ReleaseOffTheButtonIsNoClickButComingBackIs) {
    add(plainStyle());
    input().drag({{150, 120}, {400, 400}});
    app->step();
    EXPECT_EQ((std::vector<int>{72, 70, 73}), log.events) << "entered, pressed, left; no click";

    park();
    log.events.clear();
    input().drag({{150, 120}, {400, 400}, {160, 125}});
    app->step();
    EXPECT_EQ((std::vector<int>{72, 70, 73, 72, 71}), log.events)
        << "entered, pressed, left, entered, clicked";
}

TEST_F(QuillButtonTest, LooksFollowHoverPressAndEnabling) {
    QuillButton* button = add(plainStyle());
    EXPECT_EQ(ButtonStyle::Normal, button->state());
    app->pushMotion(150, 120);
    app->step();
    EXPECT_EQ(ButtonStyle::Over, button->state());
    input().pressAt(150, 120);
    app->step();
    EXPECT_EQ(ButtonStyle::Pressed, button->state());
    input().releaseAt(150, 120);
    app->step();
    EXPECT_EQ(ButtonStyle::Over, button->state());

    log.events.clear();
    button->setEnabled(false);
    EXPECT_EQ(ButtonStyle::Disabled, button->state());
    app->pushClick(150, 120);
    app->step();
    EXPECT_TRUE(log.events.empty()) << "a disabled button sends nothing";

    button->setEnabled(true);
    app->step();
    EXPECT_EQ(ButtonStyle::Over, button->state()) << "hovered at once under the resting pointer";
    EXPECT_TRUE(button->isHovered());
}

TEST_F(QuillButtonTest, LookChangeCrossFadesTheAlphasAndEndsOnTheConfiguredColours) {
    QuillButton* button = add(plainStyle(100));
    app->stepFor(200);
    ASSERT_FALSE(button->isFading()) << "the attach fade-in is over";

    app->pushMotion(150, 120);
    app->step(1);
    ASSERT_TRUE(button->isFading());
    // A sequence takes a frame to move from one step to the next.
    app->stepFor(80);
    const ButtonStyle& style = button->style();
    const int overAlpha = style.looks[ButtonStyle::Over].color.a;
    EXPECT_GT(overAlpha, 30) << "on its way up to 240";
    EXPECT_LT(overAlpha, 220);
    EXPECT_LT(style.looks[ButtonStyle::Normal].color.a, 200) << "the old look fades out";

    RecordingGraphics recorder;
    button->render(recorder, screen);
    ASSERT_EQ(2, recorder.count("fillRect")) << "previous look, then the current one";
    EXPECT_EQ(Color(100, 0, 0, style.looks[0].color.a), recorder.find("fillRect", 0)->color);
    EXPECT_EQ(Color(0, 100, 0, std::uint8_t(overAlpha)), recorder.find("fillRect", 1)->color);

    app->stepFor(400);
    EXPECT_FALSE(button->isFading());
    EXPECT_EQ(Color(0, 100, 0, 240), button->style().looks[ButtonStyle::Over].color);
    EXPECT_EQ(Color(100, 0, 0, 200), button->style().looks[ButtonStyle::Normal].color);
}

TEST_F(QuillButtonTest, IdenticalLooksDoNotFade) {
    ButtonStyle style = plainStyle(100);
    style.looks[ButtonStyle::Over] = style.looks[ButtonStyle::Normal];
    QuillButton* button = add(style);
    app->stepFor(200);
    app->pushMotion(150, 120);
    app->step(1);
    EXPECT_EQ(ButtonStyle::Over, button->state());
    EXPECT_FALSE(button->isFading());
}

TEST_F(QuillButtonTest, ASecondLookChangeRestartsFromTheSavedColours) {
    QuillButton* button = add(plainStyle(200));
    app->stepFor(300);
    app->pushMotion(150, 120);
    app->step(1);
    app->stepFor(100);
    ASSERT_LT(button->style().looks[ButtonStyle::Normal].color.a, 200);
    app->pushMotion(1000, 700);
    app->step(1);
    // Back to normal: the normal look fades in from 0 towards its own 200,
    // the over look out from its configured 240.
    EXPECT_TRUE(button->isFading());
    EXPECT_EQ(ButtonStyle::Normal, button->state());
    EXPECT_EQ(ButtonStyle::Over, button->previousState());
    EXPECT_LE(button->style().looks[ButtonStyle::Normal].color.a, 5);
    EXPECT_GE(button->style().looks[ButtonStyle::Over].color.a, 235);
    app->stepFor(700);
    EXPECT_EQ(Color(100, 0, 0, 200), button->style().looks[ButtonStyle::Normal].color);
    EXPECT_EQ(Color(0, 100, 0, 240), button->style().looks[ButtonStyle::Over].color);
}

TEST_F(QuillButtonTest, TooltipAppearsAfterTheDelayAndStaysLeftOfTheLimit) {
    const AngelFont font("content/fonts/PH_small.fnt");
    QuillButton* button = add(plainStyle(), WidgetRect(960, 300, 0, 60, 30));
    button->setTooltip(&font, "A rather long tooltip text");
    app->pushMotion(980, 310);
    app->step();
    app->stepFor(1400);
    EXPECT_FALSE(button->isTooltipVisible());
    app->stepFor(150);
    ASSERT_TRUE(button->isTooltipVisible());

    RecordingGraphics recorder;
    button->render(recorder, screen);
    const int w = font.textWidth("A rather long tooltip text");
    const int h = font.lineHeight();
    const RecordedCall* ink = recorder.find("fillRect", 1);
    ASSERT_NE(nullptr, ink) << recorder.dump();
    const int left = 1024 - 960 - w - 4;
    EXPECT_EQ(left - 3, ink->intArg(0));
    EXPECT_EQ(-h - 3, ink->intArg(1));
    EXPECT_EQ(w + 6, ink->intArg(2));
    EXPECT_EQ(960 + left + w, 1024 - 4) << "the text ends 4 px before x = 1024";

    app->pushMotion(500, 500);
    app->step();
    EXPECT_FALSE(button->isTooltipVisible());
}

TEST_F(QuillButtonTest, TooltipAwayFromTheEdgeStartsAtTheMiddle) {
    const AngelFont font("content/fonts/PH_small.fnt");
    QuillButton* button = add(plainStyle(), WidgetRect(100, 300, 0, 60, 30));
    button->setTooltip(&font, "Tip");
    app->pushMotion(120, 310);
    app->step();
    app->stepFor(1600);
    RecordingGraphics recorder;
    button->render(recorder, screen);
    const RecordedCall* text = recorder.find("drawTextureRegion");
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(30, text->intArg(0)) << "half the button's width";
}

TEST_F(QuillButtonTest, HitTestFollowsTheNormalLooksPicture) {
    auto image = std::make_unique<PixelImage>(20, 20, Color(0, 0, 0, 0));
    image->fillArea(0, 0, 10, 20, Color(255, 255, 255));
    auto texture = GLTexture::fromKeptImage(std::move(image));
    ButtonStyle style = plainStyle();
    style.looks[ButtonStyle::Normal].texture = texture.get();
    QuillButton* button = add(style, WidgetRect(100, 100, 0, 20, 20));
    EXPECT_TRUE(button->hitTest(105, 110));
    EXPECT_FALSE(button->hitTest(115, 110)) << "transparent half";
    EXPECT_FALSE(button->hitTest(125, 110));
    app->pushMotion(115, 110);
    app->step();
    EXPECT_FALSE(button->isHovered());
    screen->deleteWidget(button);
}

TEST_F(QuillButtonTest, OverlayButtonsDrawInTheOverlayPassAtTheirDepth) {
    QuillButton* button = add(plainStyle());
    button->setOverlayPriority(20);
    app->stepFor(300);
    RecordingGraphics recorder;
    button->render(recorder, screen);
    EXPECT_EQ(0, recorder.count("fillRect"));
    button->renderOverlay(recorder, screen);
    EXPECT_EQ(1, recorder.count("fillRect"));
    EXPECT_EQ(0, recorder.depth()) << "the depth is put back";
}

} // namespace
