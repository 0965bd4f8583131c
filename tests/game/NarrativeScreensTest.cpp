// The story, chapter-card and credits screens in the running game, driven by
// real clicks and the fake clock: their timing, their buttons and where each
// hands the player over in the game flow.
#include "engine/persist/LabelManager.h"
#include "engine/ui/QuillButton.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OpeningCredits.h"
#include "game/menus/StoryScreen.h"
#include "game/menus/TransitionScreen.h"
#include "game/scene/LarkScene.h"
#include "tests/support/ContentCopy.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/RunningGame.h"

#include <GL/gl.h>

namespace {

class NarrativeScreensTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Mira"}; }
    // The game runs in a copy of its content whose intro story has one slide
    // of 2000 ms, so that it stays until skipped whatever the real intro holds.
    void SetUp() override {
        content.write("story/intro/slides.xml",
                      "<Slides><SlideImage id=\"1\" file=\"gone.png\"/></Slides>");
        here = std::make_unique<ScopedWorkingDirectory>(content.root());
        RunningGame::SetUp();
        PlayerProfiles::instance().selectProfile(0);
        ASSERT_NE(nullptr, waitFor<MainMenu>()) << (topScreen() ? topScreen()->name() : "none");
        shown();
    }

    // The screens fade in over 500 ms; clicks count once they are shown.
    void shown() { frames(600); }

    // The pixel of the frame just drawn, y counted from the top.
    Color shownPixel(int x, int y) const {
        unsigned char rgba[4] = {};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, 768 - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return Color(rgba[0], rgba[1], rgba[2], rgba[3]);
    }

    // The named button of the screen on top (MENU, SKIP, ...).
    const Widget* button(const std::string& name) const {
        for (const auto& widget : topScreen()->widgets()) {
            if (widget->name() == name) {
                return widget.get();
            }
        }
        return nullptr;
    }

    // A story folder of the test's own with its slides file.
    std::string storyFolder(const std::string& slides) {
        const std::string folder = userFolder / "story/";
        std::filesystem::create_directories(folder);
        TemporaryDirectory::writeFile(folder + "slides.xml", "<Slides>" + slides + "</Slides>");
        return folder;
    }

    void startScreen(std::unique_ptr<GameState> screen) {
        app->startScreen(std::move(screen));
        frame();
    }
    // Steps until the screen on top has faded in.
    void untilShown() {
        for (int t = 0; t < 2000 && topScreen()->phase() != ScreenBase::Shown; t += 16) {
            frame();
        }
    }
    void TearDown() override {
        RunningGame::TearDown();
        here.reset();
    }

    ContentCopy content;
    std::unique_ptr<ScopedWorkingDirectory> here;
};

// Play on a new profile: the intro story, skipped, then the first chapter's
// card, clicked away; the Taproom cannot be built yet, so the player is back
// on the main menu with the flow's place kept there.
TEST_F(NarrativeScreensTest, PlayShowsTheIntroThenTheChapterCardThenTheTaproom) {
    click(top<MainMenu>()->button(MainMenu::Play));
    StoryScreen* story = waitFor<StoryScreen>();
    ASSERT_NE(nullptr, story);
    shown();
    click(button("Skip"));
    TransitionScreen* card = waitFor<TransitionScreen>();
    ASSERT_NE(nullptr, card);
    EXPECT_EQ("Chapter 1 - The Taproom", card->captionText());
    EXPECT_EQ(1, GameFlow::instance().position());
    frames(900); // its fade-in is 800 ms
    clickAt(100, 100);
    ASSERT_NE(nullptr, waitFor<LarkScene>());
    // Entry 2 is the Taproom's ho_scene.
    EXPECT_EQ(2, GameFlow::instance().position());
    EXPECT_EQ(2, PlayerProfiles::instance().currentProfile()->flowPosition)
        << "the place in the story was saved on the way";
    endGame();
    startGame();
    EXPECT_EQ(2, GameFlow::instance().position()) << "and read back on the next start";
}

// Slide timing counts update calls: a cross-fade of 51 updates, then the
// slide's delay / 10 updates (2000 ms without one), whatever the frame time.
TEST_F(NarrativeScreensTest, StorySlidesCrossFadeAndStayForTheirDelayInUpdates) {
    std::filesystem::create_directories(userFolder / "story");
    ASSERT_TRUE(writePngPicture(userFolder / "story/red.png", 1024, 768, flat(Color(200, 0, 0))));
    ASSERT_TRUE(writePngPicture(userFolder / "story/blue.png", 1024, 768, flat(Color(0, 0, 200))));
    const std::string folder =
        storyFolder("<SlideImage id=\"1\" file=\"red.png\" delay=\"3000\" caption=\"MENU\"/>"
                    "<SlideImage id=\"2\"/>"
                    "<SlideImage id=\"3\" file=\"blue.png\"/>");
    startScreen(std::make_unique<StoryScreen>(folder, -1));
    StoryScreen* story = top<StoryScreen>();
    ASSERT_NE(nullptr, story);
    // The first update showed slide 0 and began its cross-fade.
    EXPECT_EQ(0, story->slideIndex());
    EXPECT_EQ(StoryScreen::CrossFading, story->state());
    EXPECT_EQ("Menu", story->caption()) << "the caption key in the current language";
    for (int i = 0; i < 50; ++i) {
        frame(40); // frames of any length: only their number counts
    }
    EXPECT_EQ(StoryScreen::CrossFading, story->state()) << "51 updates, 50 so far";
    frame();
    EXPECT_EQ(StoryScreen::Showing, story->state());
    EXPECT_EQ(255, story->currentAlpha());
    EXPECT_EQ(300, story->slideDelay()) << "delay 3000 -> 300 updates";
    const Color red = shownPixel(512, 300);
    EXPECT_GT(red.r, 150);
    EXPECT_LT(red.b, 40);
    // Showing: the update with ticks 301 moves on, the next takes slide 1.
    for (int i = 0; i < 300; ++i) {
        frame();
    }
    EXPECT_EQ(0, story->slideIndex());
    frame();
    frame();
    // Slide "2" has no file: passed over at once, slide 3 is fading in.
    frame();
    EXPECT_EQ(2, story->slideIndex());
    EXPECT_EQ(StoryScreen::CrossFading, story->state());
    EXPECT_EQ(200, story->slideDelay()) << "no delay: 2000 ms -> 200 updates";
    frames(52 * 16);
    const Color blue = shownPixel(512, 300);
    EXPECT_GT(blue.b, 150);
    EXPECT_LT(blue.r, 40);
}

TEST_F(NarrativeScreensTest, StoryMenuLeavesForTheMainMenuAndAStoryWithoutSlidesGoesOn) {
    startScreen(
        std::make_unique<StoryScreen>(storyFolder("<SlideImage id=\"1\" file=\"gone.png\"/>"), -1));
    shown();
    click(button("Menu"));
    MainMenu* menu = waitFor<MainMenu>();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ("fromStory", menu->context());
    EXPECT_EQ(0, GameFlow::instance().position()) << "MENU keeps the place in the flow";

    // No slides file: the story ends at its first update and the flow moves on.
    startScreen(std::make_unique<StoryScreen>(userFolder / "nowhere/", -1));
    EXPECT_NE(nullptr, waitFor<TransitionScreen>());
    EXPECT_EQ(1, GameFlow::instance().position());
}

// The chapter card ends by itself after its time; a caption that is not a
// label key is shown as written; fades of 0 ms are no fades.
TEST_F(NarrativeScreensTest, TheChapterCardEndsAfterItsTimeAndShowsAnUnknownCaptionAsWritten) {
    GameFlow::instance().setPosition(1);
    startScreen(std::make_unique<TransitionScreen>("Chapter 9 - Nowhere", 1000, 0, 0));
    TransitionScreen* card = top<TransitionScreen>();
    ASSERT_NE(nullptr, card);
    EXPECT_EQ("Chapter 9 - Nowhere", card->captionText());
    frames(960);
    EXPECT_EQ(card, top<TransitionScreen>()) << "1000 ms not over yet";
    frames(100);
    EXPECT_NE(nullptr, waitFor<LarkScene>(200)) << "then the flow's next: the Taproom";
    EXPECT_EQ(2, GameFlow::instance().position());
}

// Credits: slide 0 lies under slide 1, which fades in after 5 s of a 6 s
// slide; the zoom goes 1.0 -> 1.15 on one slide and back on the next; SKIP
// and the last slide go on with the flow, MENU to the main menu.
TEST_F(NarrativeScreensTest, CreditsZoomInAndOutAndFadeEachSlideInAfterFiveSeconds) {
    for (const char* name : {"a", "b", "c"}) {
        ASSERT_TRUE(writePngPicture(userFolder / (std::string(name) + ".png"), 1024, 768,
                                    flat(Color(90, 90, 90))));
    }
    TemporaryDirectory::writeFile(userFolder / "credits.xml",
                                  "<Slides><SlideImage id=\"1\" file=\"a.png\"/>"
                                  "<SlideImage id=\"2\" file=\"b.png\"/>"
                                  "<SlideImage id=\"3\" file=\"c.png\"/></Slides>");
    startScreen(std::make_unique<OpeningCredits>(userFolder.path() + "/", "credits.xml"));
    OpeningCredits* credits = waitFor<OpeningCredits>();
    ASSERT_NE(nullptr, credits);
    untilShown(); // the slide action starts once shown
    EXPECT_EQ(1, credits->slideIndex());
    frames(3008);
    EXPECT_NEAR(1.075f, credits->zoom(), 0.002f) << "half of +0.15 at 3 s";
    EXPECT_EQ(0, credits->currentAlpha());
    frames(2496);
    // 5.504 s: 504 ms of the 1000 ms fade, 504 * 255 / 1000 = 128.
    EXPECT_EQ(128, credits->currentAlpha());
    frames(512);
    EXPECT_EQ(2, credits->slideIndex()) << "6 s: the next slide";
    EXPECT_NEAR(1.15f, credits->zoom(), 0.01f);
    frames(3000);
    EXPECT_NEAR(1.075f, credits->zoom(), 0.01f) << "and back down on this one";
    frames(3100);
    // Past the last slide: the flow's next screen (none at position 0 + 1
    // that can be built here is the chapter card).
    EXPECT_NE(nullptr, waitFor<TransitionScreen>(1000));
}

TEST_F(NarrativeScreensTest, CreditsMenuGoesToTheMainMenuAndAOneSlideFileEndsAfterSixSeconds) {
    TemporaryDirectory::writeFile(userFolder / "one.xml",
                                  "<Slides><SlideImage id=\"1\" file=\"gone.png\"/></Slides>");
    startScreen(std::make_unique<OpeningCredits>(userFolder.path() + "/", "one.xml"));
    ASSERT_NE(nullptr, waitFor<OpeningCredits>());
    shown();
    click(button("Menu"));
    MainMenu* menu = waitFor<MainMenu>();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ("fromCredits", menu->context());

    startScreen(std::make_unique<OpeningCredits>(userFolder.path() + "/", "one.xml"));
    ASSERT_NE(nullptr, top<OpeningCredits>());
    frames(6000);
    EXPECT_NE(nullptr, top<OpeningCredits>()) << "the fade-in and 6 s not over yet";
    frames(700);
    EXPECT_NE(nullptr, waitFor<TransitionScreen>(1000));
}

} // namespace
