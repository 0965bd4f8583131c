#include "game/GameParameters.h"
#include "game/menus/PlayerNameEntry.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

class GameParametersTest : public testing::Test {
protected:
    void TearDown() override { GameParameters::reset(); }

    TemporaryDirectory folder;
};

TEST_F(GameParametersTest, TheNameEntryTakesItsLengthFromTheParametersFile) {
    TemporaryDirectory::writeFile(folder / "GameParameters.cfg",
                                  "PlayerName.Length = 5\nEndConfigFile\n");
    ASSERT_TRUE(GameParameters::instance().load(folder / "GameParameters.cfg"));
    EXPECT_EQ(5, PlayerNameEntry::maxNameLength());

    // Zero is no length a name can have: the entry keeps its own 16.
    TemporaryDirectory::writeFile(folder / "GameParameters.cfg",
                                  "PlayerName.Length = 0\nEndConfigFile\n");
    ASSERT_TRUE(GameParameters::instance().load(folder / "GameParameters.cfg"));
    EXPECT_EQ(PlayerNameEntry::DefaultMaxLength, PlayerNameEntry::maxNameLength());
}

TEST_F(GameParametersTest, AMissingFileSaysSoOnceAndEveryValueFallsBack) {
    TemporaryDirectory::writeFile(folder / "GameParameters.cfg",
                                  "PlayerName.Length = 5\nEndConfigFile\n");
    ASSERT_TRUE(GameParameters::instance().load(folder / "GameParameters.cfg"));

    StdoutCapture capture;
    EXPECT_FALSE(GameParameters::instance().load(folder / "Gone.cfg"));
    const std::string printed = capture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(printed));
    EXPECT_NE(std::string::npos, printed.find("Gone.cfg"));
    EXPECT_FALSE(GameParameters::instance().isLoaded()) << "the earlier file's values are gone";
    EXPECT_EQ(PlayerNameEntry::DefaultMaxLength, PlayerNameEntry::maxNameLength());
    EXPECT_EQ(-3, GameParameters::instance().intValue("Anything", -3));
}

TEST_F(GameParametersTest, AKeyMissingFromTheFileIsSaidOnceWithItsDefault) {
    TemporaryDirectory::writeFile(folder / "GameParameters.cfg", "Other = 1\nEndConfigFile\n");
    ASSERT_TRUE(GameParameters::instance().load(folder / "GameParameters.cfg"));
    StdoutCapture capture;
    EXPECT_EQ(16, GameParameters::instance().intValue("PlayerName.Length", 16));
    EXPECT_EQ(16, GameParameters::instance().intValue("PlayerName.Length", 16));
    const std::string said = capture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(said)) << said;
    EXPECT_NE(std::string::npos,
              said.find("'PlayerName.Length' is not in '" + (folder / "GameParameters.cfg") +
                        "'; using the default 16"))
        << said;
}

} // namespace
