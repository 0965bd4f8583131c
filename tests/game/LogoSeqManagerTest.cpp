#include "game/menus/LogoSeqManager.h"
#include "engine/ui/Animation2D.h"
#include "tests/support/AnimationFiles.h"
#include "tests/support/AppFixture.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/StdoutCapture.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct Host : LogoSequenceHost {
    void logosDone() override { ++done; }
    int done = 0;
};

class LogoSeqManagerTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp());
        ASSERT_TRUE(writePngPicture(folder / "mark.png", 64, 64, flat(Color(200, 160, 60))));
        TemporaryDirectory::writeFile(
            folder / "Logo.xml",
            animationXml(
                300, false,
                {{"mark.png", {{0, 480, 352, 0, 100, 0, 0}, {300, 480, 352, 0, 100, 0, 255}}}}));
    }

    void configure(const std::string& screens) {
        TemporaryDirectory::writeFile(folder / "config.xml",
                                      "<Config version=\"1.1\"><LogoScreens>" + screens +
                                          "</LogoScreens></Config>");
        ASSERT_TRUE(AppConfig::instance().load(folder / "config.xml"));
    }
    std::string entry(const std::string& type, const std::string& file) const {
        return "<Screen type=\"" + type + "\" folder=\"" + folder.path() + "/\" filename=\"" +
               file + "\"/>";
    }

    TemporaryDirectory folder;
    Host host;
};

TEST_F(LogoSeqManagerTest, PlaysEachAnimationThenLeavesAndSaysSoOnce) {
    configure(entry("ANIMATION", "Logo.xml") + entry("ANIMATION", "Logo.xml"));
    app->startScreen(std::make_unique<LogoSeqManager>(&host));
    app->step();
    auto* logos = dynamic_cast<LogoSeqManager*>(app->topScreen());
    ASSERT_NE(nullptr, logos);
    EXPECT_EQ(0, logos->current());
    app->stepFor(250);
    const int red = app->pixel(500, 370).r;
    EXPECT_GT(red, 20) << "the mark is drawn";
    EXPECT_LT(red, 200) << "and still fading in";
    app->stepFor(200);
    EXPECT_EQ(1, logos->current()) << "the second logo follows the first";
    EXPECT_EQ(0, host.done);
    app->stepFor(600);
    EXPECT_EQ(1, host.done);
    EXPECT_EQ(0u, app->screenCount());
    app->stepFor(100);
    EXPECT_EQ(1, host.done);
}

TEST_F(LogoSeqManagerTest, EntriesThatCannotPlayAreSkippedSoTheSequenceNeverStalls) {
    StdoutCapture capture;
    configure(entry("IMAGE", "mark.png") + entry("ANIMATION", "Missing.xml") +
              entry("ANIMATION", "Logo.xml"));
    app->startScreen(std::make_unique<LogoSeqManager>(&host));
    app->step();
    auto* logos = dynamic_cast<LogoSeqManager*>(app->topScreen());
    ASSERT_NE(nullptr, logos);
    EXPECT_EQ(2, logos->current());
    app->stepFor(700);
    EXPECT_EQ(1, host.done);
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("IMAGE"));
    EXPECT_NE(std::string::npos, out.find("Missing.xml"));
}

TEST_F(LogoSeqManagerTest, LogosThatCouldNeverEndArePassedOver) {
    const auto frames = std::vector<ObjectSpec>{
        {"mark.png", {{0, 480, 352, 0, 100, 0, 0}, {300, 480, 352, 0, 100, 0, 255}}}};
    TemporaryDirectory::writeFile(folder / "Loop.xml", animationXml(300, true, frames));
    TemporaryDirectory::writeFile(folder / "Empty.xml", animationXml(0, false, frames));
    StdoutCapture capture;
    configure(entry("ANIMATION", "Loop.xml") + entry("ANIMATION", "Empty.xml") +
              entry("ANIMATION", "Logo.xml"));
    app->startScreen(std::make_unique<LogoSeqManager>(&host));
    app->step();
    auto* logos = dynamic_cast<LogoSeqManager*>(app->topScreen());
    ASSERT_NE(nullptr, logos);
    EXPECT_EQ(2, logos->current()) << "the looping and the empty logo are passed over";
    // The last logo's 300 ms and the fade out.
    app->stepFor(700);
    EXPECT_EQ(1, host.done);
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("Loop.xml\" would never end (it loops)")) << out;
    EXPECT_NE(std::string::npos, out.find("Empty.xml\" would never end (it has no length)"));
}

// A logo whose pictures move on long after its stated length is ended a
// second after that length, so a slip in its file cannot hold the player.
TEST_F(LogoSeqManagerTest, ALogoRunningPastItsLengthIsEndedASecondLater) {
    TemporaryDirectory::writeFile(
        folder / "Long.xml",
        animationXml(
            300, false,
            {{"mark.png", {{0, 480, 352, 0, 100, 0, 0}, {60000, 480, 352, 0, 100, 0, 255}}}}));
    StdoutCapture capture;
    configure(entry("ANIMATION", "Long.xml") + entry("ANIMATION", "Logo.xml"));
    app->startScreen(std::make_unique<LogoSeqManager>(&host));
    app->step();
    auto* logos = dynamic_cast<LogoSeqManager*>(app->topScreen());
    ASSERT_NE(nullptr, logos);
    // Allowed: 300 ms + 1000 ms; at 1200 ms the first logo still plays.
    app->stepFor(1200);
    EXPECT_EQ(0, logos->current());
    app->stepFor(200);
    EXPECT_EQ(1, logos->current()) << "ended past 1300 ms, not at its last key at 60 s";
    app->stepFor(700);
    EXPECT_EQ(1, host.done);
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("Logo 0 runs past its length and is ended")) << out;
}

// Players who have seen the logos click or press a key to go on.
TEST_F(LogoSeqManagerTest, AClickOrAKeySkipsTheRestOfTheSequence) {
    configure(entry("ANIMATION", "Logo.xml") + entry("ANIMATION", "Logo.xml"));
    for (const bool click : {true, false}) {
        host.done = 0;
        app->startScreen(std::make_unique<LogoSeqManager>(&host));
        app->stepFor(100);
        ASSERT_NE(nullptr, dynamic_cast<LogoSeqManager*>(app->topScreen()));
        if (click) {
            app->pushClick(500, 400);
        } else {
            app->pushKey(true, SDLK_SPACE, 0, ' ');
        }
        // Less than one logo's 300 ms, fade out included.
        app->stepFor(250);
        EXPECT_EQ(1, host.done) << (click ? "click" : "key");
        EXPECT_EQ(0u, app->screenCount());
    }
}

TEST_F(LogoSeqManagerTest, NoLogosAtAllEndsAtOnce) {
    configure("");
    app->startScreen(std::make_unique<LogoSeqManager>(&host));
    app->stepFor(100);
    EXPECT_EQ(1, host.done);
    EXPECT_EQ(0u, app->screenCount());
}

} // namespace
