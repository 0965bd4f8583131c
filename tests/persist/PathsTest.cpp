#include "engine/persist/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

TEST(PathsTest, NormaliseDropsDotSegmentsAndParentsWithTheirSegment) {
    EXPECT_EQ("a/c/d", paths::normalisePath("a/b/../c/./d"));
    EXPECT_EQ("content/x.png", paths::normalisePath("./content/images/../x.png"));
    EXPECT_EQ("/a", paths::normalisePath("/../a")) << "nothing lies above the root";
    EXPECT_EQ("../a", paths::normalisePath("../a")) << "a relative path may leave its folder";
    EXPECT_EQ("../../b", paths::normalisePath("a/../../../b"));
    EXPECT_EQ("a/b/", paths::normalisePath("a/b/"));
    EXPECT_EQ("", paths::normalisePath("a/.."));
}

TEST(PathsTest, NamePartsSplitAtTheLastSlashAndDot) {
    EXPECT_EQ("xml", paths::extension("content/config/scene.xml"));
    EXPECT_EQ("", paths::extension("content/v1.2/scene")) << "a dot in a folder is no extension";
    EXPECT_EQ("gz", paths::extension("a.tar.gz"));
    EXPECT_EQ("content/v1.2/scene", paths::withoutExtension("content/v1.2/scene"));
    EXPECT_EQ("a.tar", paths::withoutExtension("a.tar.gz"));
    EXPECT_EQ("scene.xml", paths::fileName("content/scene.xml"));
    EXPECT_EQ("scene.xml", paths::fileName("scene.xml"));
    EXPECT_EQ("content/", paths::directoryOf("content/scene.xml"));
    EXPECT_EQ("", paths::directoryOf("scene.xml"));
    EXPECT_EQ("a/b/", paths::withTrailingSlash("a/b"));
    EXPECT_EQ("a/b/", paths::withTrailingSlash("a/b/"));
    EXPECT_EQ("", paths::withTrailingSlash(""));
    EXPECT_EQ("a/b", paths::withoutTrailingSlash("a/b//"));
    EXPECT_EQ("/", paths::withoutTrailingSlash("/"));
}

TEST(PathsTest, SaveLocationsFollowTheUserFolderAndConfiguration) {
    TemporaryDirectory folder;
    ScopedEnvironment environment({"APPDATA"});
    environment.set("APPDATA", folder.path() + "/");
    EXPECT_EQ(folder.path(), paths::userFolder());
    EXPECT_EQ(folder / "Inn", paths::saveDirectory("Inn/"));
    EXPECT_EQ(folder / "Inn/profiles.sav", paths::saveFilePath("Inn/", "profiles.sav"));
    EXPECT_EQ(folder / "Inn/ScreenShots/", paths::screenshotDirectory("Inn/"));
    EXPECT_EQ(folder.path(), paths::saveDirectory("")) << "no save folder: the user folder";
    EXPECT_TRUE(paths::makeDirectories(paths::screenshotDirectory("Inn/")));
    EXPECT_TRUE(paths::makeDirectories(paths::saveDirectory("Inn/"))) << "existing levels are fine";
}

} // namespace
