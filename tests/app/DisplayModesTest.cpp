#include "engine/app/DisplayModes.h"
#include "tests/support/StdoutCapture.h"

#include <gtest/gtest.h>

namespace {

ModeLister modes(std::vector<std::pair<int, int>> list) {
    return [list] { return ModeList{ModeList::Listed, list}; };
}

TEST(DisplayModesTest, WideDesktopGetsTheSmallestModeOfItsShapeThatHoldsTheGame) {
    StdoutCapture capture;
    const auto lister = modes({{1366, 768}, {1280, 720}});
    EXPECT_TRUE(isWideDesktop(desktopAspect(lister)));
    const auto mode = chooseWidescreenMode(1024, 768, lister);
    EXPECT_EQ(std::make_pair(1366, 768), mode) << "1280 x 720 is too short for 768 rows";
    EXPECT_EQ(std::make_pair(171, 0), centringOffsets(mode.first, mode.second, 1024, 768));
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("Available Modes\n 1366 x 768\n 1280 x 720\n"));
}

TEST(DisplayModesTest, OtherShapesAreLeftOutAndTheSmallestFittingWins) {
    StdoutCapture capture;
    const auto lister = modes({{1920, 1080}, {1600, 1200}, {1600, 900}, {1280, 1024}, {1366, 768}});
    EXPECT_EQ(std::make_pair(1366, 768), chooseWidescreenMode(1024, 768, lister));
    EXPECT_EQ(std::make_pair(1600, 900), chooseWidescreenMode(1400, 800, lister));
    EXPECT_EQ(std::make_pair(0, 0), chooseWidescreenMode(2000, 1200, lister));
}

TEST(DisplayModesTest, FourByThreeDesktopIsNotWide) {
    StdoutCapture capture;
    const auto lister = modes({{1600, 1200}, {1024, 768}, {800, 600}});
    EXPECT_FLOAT_EQ(4.0f / 3.0f, desktopAspect(lister));
    EXPECT_FALSE(isWideDesktop(desktopAspect(lister)));
}

TEST(DisplayModesTest, WidestModeDecidesTheShapeAndTheFirstWinsTies) {
    StdoutCapture capture;
    EXPECT_FLOAT_EQ(1280.0f / 1024.0f,
                    desktopAspect(modes({{1024, 768}, {1280, 1024}, {1280, 720}})));
}

TEST(DisplayModesTest, AnyOrNoModeIsNeitherWideNorAChoiceAndEndsNothing) {
    StdoutCapture capture;
    const ModeLister any = [] { return ModeList{ModeList::Any, {}}; };
    const ModeLister none = [] { return ModeList{ModeList::None, {}}; };
    EXPECT_EQ(1.0f, desktopAspect(any));
    EXPECT_EQ(std::make_pair(0, 0), chooseWidescreenMode(1024, 768, any));
    EXPECT_EQ(1.0f, desktopAspect(none)) << "the game goes on instead of exiting";
    EXPECT_EQ(std::make_pair(0, 0), chooseWidescreenMode(1024, 768, none));
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("All resolutions available.\n"));
    EXPECT_NE(std::string::npos, out.find("No modes available!\n"));
}

} // namespace
