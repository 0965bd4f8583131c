#include "engine/persist/LabelManager.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

class LabelManagerTest : public testing::Test {
protected:
    bool load(const std::string& content) {
        const std::string path = folder / "Labels.xml";
        TemporaryDirectory::writeFile(path, content);
        return labels.load(path);
    }

    TemporaryDirectory folder;
    LabelManager labels;
};

TEST_F(LabelManagerTest, MissingKeyGivesTheNotFoundText) {
    EXPECT_EQ("error::label not found! -> PAUSE", labels.getText("PAUSE"));
    EXPECT_FALSE(labels.hasText("PAUSE")) << "a lookup does not add the key";
}

TEST_F(LabelManagerTest, FirstAttributeOfEachElementIsKeyAndTextAndLaterKeysWin) {
    ASSERT_TRUE(load(R"(<?xml version="1.0" encoding="UTF-8"?>
<Strings>
  <!-- menus -->
  <String PLAY="Play" ignored="second attribute"/>
  <Anything OPTIONS="Options"/>
  <String PLAY="Play again"/>
  <String/>
  <String NAME="Zoë &amp; Müller"/>
</Strings>)"));
    EXPECT_EQ("Play again", labels.getText("PLAY"));
    EXPECT_EQ("Options", labels.getText("OPTIONS")) << "the tag name plays no part";
    EXPECT_FALSE(labels.hasText("ignored"));
    EXPECT_EQ("Zo\xC3\xAB & M\xC3\xBCller", labels.getText("NAME")) << "bytes kept as UTF-8";
    EXPECT_EQ("error::label not found! -> play", labels.getText("play")) << "case matters";
    EXPECT_EQ(3u, labels.labels().size());
}

TEST_F(LabelManagerTest, LoadingReplacesTheTable) {
    ASSERT_TRUE(load("<Strings><S A=\"1\"/><S B=\"2\"/></Strings>"));
    ASSERT_TRUE(load("<Strings><S C=\"3\"/></Strings>"));
    EXPECT_FALSE(labels.hasText("A"));
    EXPECT_EQ("3", labels.getText("C"));
    labels.clear();
    EXPECT_FALSE(labels.hasText("C"));
}

TEST_F(LabelManagerTest, UnreadableFileEmptiesTheTableWithOneLine) {
    ASSERT_TRUE(load("<Strings><S A=\"1\"/></Strings>"));
    StdoutCapture capture;
    EXPECT_FALSE(load("<Strings><S A=\"1\"></Strings>"));
    const std::string out = capture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(out)) << out;
    EXPECT_NE(std::string::npos, out.find("Labels.xml"));
    EXPECT_TRUE(labels.labels().empty());
    EXPECT_FALSE(labels.load(folder / "absent.xml"));
}

TEST_F(LabelManagerTest, FileWithoutStringsOrLabelsGivesAnEmptyTable) {
    EXPECT_TRUE(load("<Other><S A=\"1\"/></Other>"));
    EXPECT_TRUE(labels.labels().empty());
    EXPECT_TRUE(load("<Strings>just text</Strings>"));
    EXPECT_TRUE(labels.labels().empty());
}

} // namespace
