#include "engine/app/ConfigFile.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

class ConfigFileTest : public testing::Test {
protected:
    ConfigFile parse(const std::string& content) {
        const std::string path = folder / "GameParameters.cfg";
        TemporaryDirectory::writeFile(path, content);
        return ConfigFile(path, "=", "#", "EndConfigFile", true);
    }

    TemporaryDirectory folder;
};

TEST_F(ConfigFileTest, ReadsKeysAndValuesCutAtTheCommentMark) {
    const ConfigFile file = parse("no delimiter before the first key is ignored\n"
                                  "PlayerName.Length = 12\n"
                                  "# a whole-line comment\n"
                                  "Game.Images.Extension=.png   # pictures of the puzzles\n"
                                  "  Spaced Key  =  spaced value  \n");
    EXPECT_EQ(12, file.read("PlayerName.Length", 16));
    EXPECT_EQ(".png", file.read("Game.Images.Extension", ""));
    EXPECT_EQ("spaced value", file.read("Spaced Key", ""));
    EXPECT_EQ(3u, file.entries().size());
    EXPECT_EQ(7, file.read("Missing", 7)) << "an absent key gives the default";
    EXPECT_EQ("fallback", file.read("Missing", "fallback"));
}

TEST_F(ConfigFileTest, ContinuationLinesJoinTheValueAndTheSentryEndsTheFile) {
    const ConfigFile file = parse("Key=value# note\n"
                                  "  more\n"
                                  "\n"
                                  "   \n"
                                  "Next = 5\n"
                                  "EndConfigFile\n"
                                  "After = 9\n");
    EXPECT_EQ("value\n  more", file.read("Key", "")) << "inner blanks kept, ends trimmed";
    EXPECT_EQ(5, file.read("Next", 0));
    EXPECT_FALSE(file.contains("After"));
}

TEST_F(ConfigFileTest, SentryInsideAContinuationEndsReadingAfterTheEntry) {
    const ConfigFile file = parse("Text = first\n"
                                  "second\n"
                                  "# EndConfigFile is cut away here\n"
                                  "third EndConfigFile\n"
                                  "Later = 1\n");
    EXPECT_EQ("first\nsecond", file.read("Text", ""));
    EXPECT_FALSE(file.contains("Later"));
}

TEST_F(ConfigFileTest, LaterEntriesReplaceEarlierOnesAndNumbersMustConvert) {
    StdoutCapture capture;
    const ConfigFile file = parse("Speed = 3\nSpeed = 4\nWord = fast\n");
    EXPECT_EQ(4, file.read("Speed", 0));
    EXPECT_EQ(11, file.read("Word", 11)) << "a text that is no number gives the default";
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("Word")) << out;
}

TEST_F(ConfigFileTest, MissingFileThrowsTheOneDesignedException) {
    const std::string path = folder / "nowhere.cfg";
    try {
        ConfigFile file(path, "=", "#", "EndConfigFile", true);
        FAIL() << "no exception";
    } catch (const ConfigFile::file_not_found& error) {
        EXPECT_EQ(path, error.fileName);
    }
    EXPECT_NO_THROW(ConfigFile(path, "=", "#", "EndConfigFile", false)) << "read later";
}

TEST_F(ConfigFileTest, TrimRemovesEveryKindOfBlankAtTheEndsOnly) {
    EXPECT_EQ("a \t b", ConfigFile::trim(" \t\n\v\f\ra \t b\r\n "));
    EXPECT_EQ("", ConfigFile::trim(" \t "));
}

// A damaged or foreign file: lines of noise and endless lines are skipped and
// said once; a file with no values says so.
TEST_F(ConfigFileTest, LinesThatAreNotTextAreSkippedAndSaidOnce) {
    StdoutCapture capture;
    const ConfigFile file = parse("A = 1\n"
                                  "B = \x01\x02\xff\n"
                                  "C = " +
                                  std::string(5000, 'x') +
                                  "\n"
                                  "D = gr\xC3\xBC\xC3\x9F\n");
    const ConfigFile empty = parse("# only a comment\n");
    const std::string said = capture.finish();
    // Line 2 holds control bytes and invalid UTF-8, line 3 is over 4096 long.
    EXPECT_FALSE(file.contains("B"));
    EXPECT_FALSE(file.contains("C"));
    EXPECT_EQ("gr\xC3\xBC\xC3\x9F", file.read("D", "")) << "UTF-8 text is text";
    EXPECT_NE(std::string::npos, said.find("2 line(s) skipped as not text or longer than 4096 "
                                           "characters, the first is line 2"))
        << said;
    EXPECT_NE(std::string::npos, said.find("GameParameters.cfg' holds no values")) << said;
    EXPECT_EQ(2, StdoutCapture::lineCount(said));
    EXPECT_TRUE(empty.entries().empty());
}

} // namespace
