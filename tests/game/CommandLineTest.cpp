// The game's command line: what it takes and where its files go.
#include "game/app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

// The game works in its own folder: files named relative to where the player
// started it must stay there.
TEST(CommandLineTest, FilesNamedRelativeToTheStartingFolderStayThere) {
    CommandLine line = CommandLine::parse({"--record", "runs/today.journal", "--autoplay-shots",
                                           "/tmp/shots", "--frame-shots", "50", "frames"});
    ASSERT_TRUE(line.error.empty()) << line.error;
    line.anchorPaths("/home/player");
    EXPECT_EQ("/home/player/runs/today.journal", line.recordPath);
    EXPECT_EQ("/tmp/shots", line.shotsFolder) << "already absolute";
    EXPECT_EQ("/home/player/frames", line.frameShotFolder);
    EXPECT_TRUE(line.replayPath.empty()) << "not given: stays empty";
}

} // namespace
