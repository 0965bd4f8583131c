#include "engine/platform/FileSystem.h"

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

class UserFolderTest : public testing::Test {
protected:
    ScopedEnvironment env_{{"APPDATA", "XDG_DATA_HOME", "HOME"}};
};

class FileSystemTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.valid()); }
    TemporaryDirectory dir_;
};

mode_t permissionBits(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

ino_t inodeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST_F(UserFolderTest, AppDataTakesPrecedence) {
    env_.set("APPDATA", "/data/app");
    env_.set("XDG_DATA_HOME", "/data/xdg");
    env_.set("HOME", "/home/player");
    EXPECT_EQ(userFolder(), "/data/app");
}

TEST_F(UserFolderTest, XdgDataHomeWhenAppDataUnsetOrEmpty) {
    env_.set("XDG_DATA_HOME", "/data/xdg");
    env_.set("HOME", "/home/player");
    env_.unset("APPDATA");
    EXPECT_EQ(userFolder(), "/data/xdg");
    env_.set("APPDATA", "");
    EXPECT_EQ(userFolder(), "/data/xdg");
}

TEST_F(UserFolderTest, HomeLocalShareWhenOthersUnsetOrEmpty) {
    env_.set("HOME", "/home/player");
    env_.unset("APPDATA");
    env_.unset("XDG_DATA_HOME");
    EXPECT_EQ(userFolder(), "/home/player/.local/share");
    env_.set("APPDATA", "");
    env_.set("XDG_DATA_HOME", "");
    EXPECT_EQ(userFolder(), "/home/player/.local/share");
}

TEST_F(UserFolderTest, DropsTrailingSlashes) {
    env_.unset("APPDATA");
    env_.unset("XDG_DATA_HOME");
    env_.set("HOME", "/home/player//");
    EXPECT_EQ(userFolder(), "/home/player/.local/share");
    env_.set("HOME", "/");
    EXPECT_EQ(userFolder(), "/.local/share");
    env_.set("XDG_DATA_HOME", "/data/xdg/");
    EXPECT_EQ(userFolder(), "/data/xdg");
    env_.set("APPDATA", "/data/app///");
    EXPECT_EQ(userFolder(), "/data/app");
}

TEST_F(UserFolderTest, FallsBackToCurrentFolderWithoutHome) {
    env_.unset("APPDATA");
    env_.set("XDG_DATA_HOME", "");
    env_.unset("HOME");
    StdoutCapture capture;
    EXPECT_EQ(userFolder(), ".");
    EXPECT_EQ(StdoutCapture::lineCount(capture.finish()), 1);
}

TEST_F(FileSystemTest, MakeDirectoriesCreatesEveryLevelWithMode0755) {
    const mode_t oldMask = ::umask(0);
    const bool made = makeDirectories(dir_ / "a/b/c");
    ::umask(oldMask);
    ASSERT_TRUE(made);
    for (const char* level : {"a", "a/b", "a/b/c"}) {
        SCOPED_TRACE(level);
        EXPECT_TRUE(directoryExists(dir_ / level));
        EXPECT_EQ(permissionBits(dir_ / level), 0755u);
    }
}

TEST_F(FileSystemTest, MakeDirectoriesAcceptsExistingLevelsAndExtraSlashes) {
    ASSERT_TRUE(makeDirectories(dir_ / "a"));
    StdoutCapture capture;
    EXPECT_TRUE(makeDirectories(dir_.path() + "//a///b//"));
    EXPECT_TRUE(makeDirectories(dir_ / "a/b"));
    EXPECT_TRUE(makeDirectories(dir_.path()));
    EXPECT_TRUE(makeDirectories("/"));
    EXPECT_EQ(capture.finish(), "");
    EXPECT_TRUE(directoryExists(dir_ / "a/b"));
}

TEST_F(FileSystemTest, MakeDirectoriesHandlesRelativePaths) {
    const auto previous = std::filesystem::current_path();
    ASSERT_EQ(::chdir(dir_.path().c_str()), 0);
    const bool plain = makeDirectories("rel/one");
    const bool dotted = makeDirectories("./rel/../rel/two/");
    std::filesystem::current_path(previous);
    EXPECT_TRUE(plain);
    EXPECT_TRUE(dotted);
    EXPECT_TRUE(directoryExists(dir_ / "rel/one"));
    EXPECT_TRUE(directoryExists(dir_ / "rel/two"));
}

TEST_F(FileSystemTest, MakeDirectoriesFailsWhenALevelIsAFile) {
    TemporaryDirectory::writeFile(dir_ / "file", "x");
    for (const std::string& path : {dir_ / "file", dir_ / "file/sub/deeper"}) {
        SCOPED_TRACE(path);
        StdoutCapture capture;
        EXPECT_FALSE(makeDirectories(path));
        const std::string output = capture.finish();
        EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
        EXPECT_NE(output.find(path), std::string::npos) << output;
    }
    EXPECT_EQ(TemporaryDirectory::readFile(dir_ / "file"), "x");
}

TEST_F(FileSystemTest, MakeDirectoriesFailsInUnwritableParent) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into any directory";
    }
    ASSERT_TRUE(makeDirectories(dir_ / "locked"));
    ASSERT_EQ(::chmod((dir_ / "locked").c_str(), 0555), 0);
    StdoutCapture capture;
    EXPECT_FALSE(makeDirectories(dir_ / "locked/a/b"));
    const std::string output = capture.finish();
    EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
    EXPECT_NE(output.find(dir_ / "locked/a/b"), std::string::npos) << output;
    EXPECT_FALSE(directoryExists(dir_ / "locked/a"));
    // Levels that already exist under the locked one are still fine.
    EXPECT_TRUE(makeDirectories(dir_ / "locked"));
}

TEST_F(FileSystemTest, MakeDirectoriesRejectsEmptyPath) {
    StdoutCapture capture;
    EXPECT_FALSE(makeDirectories(""));
    EXPECT_EQ(StdoutCapture::lineCount(capture.finish()), 1);
}

TEST_F(FileSystemTest, ExistenceChecksTellFilesFromDirectories) {
    TemporaryDirectory::writeFile(dir_ / "file", "x");
    ASSERT_TRUE(makeDirectories(dir_ / "dir"));

    EXPECT_TRUE(fileExists(dir_ / "file"));
    EXPECT_FALSE(fileExists(dir_ / "dir"));
    EXPECT_FALSE(fileExists(dir_ / "missing"));

    EXPECT_TRUE(directoryExists(dir_ / "dir"));
    EXPECT_FALSE(directoryExists(dir_ / "file"));
    EXPECT_FALSE(directoryExists(dir_ / "missing"));
}

TEST_F(FileSystemTest, UnreadableFilesDoNotCount) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TemporaryDirectory::writeFile(dir_ / "file", "x");
    ASSERT_EQ(::chmod((dir_ / "file").c_str(), 0), 0);
    EXPECT_FALSE(fileExists(dir_ / "file"));
}

TEST_F(FileSystemTest, RemoveFileRemovesOnlyExistingFiles) {
    TemporaryDirectory::writeFile(dir_ / "file", "x");
    ASSERT_TRUE(makeDirectories(dir_ / "dir"));

    EXPECT_TRUE(removeFile(dir_ / "file"));
    EXPECT_FALSE(fileExists(dir_ / "file"));

    for (const std::string& path : {dir_ / "file", dir_ / "dir"}) {
        SCOPED_TRACE(path);
        StdoutCapture capture;
        EXPECT_FALSE(removeFile(path));
        const std::string output = capture.finish();
        EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
        EXPECT_NE(output.find(path), std::string::npos) << output;
    }
    EXPECT_TRUE(directoryExists(dir_ / "dir"));
}

TEST_F(FileSystemTest, WriteFileDurablyWritesTheWholeFileOrSaysWhy) {
    const std::string path = dir_ / "save.bin";
    TemporaryDirectory::writeFile(path, "an older and longer save");
    EXPECT_TRUE(writeFileDurably(path, "new", 3));
    EXPECT_EQ("new", TemporaryDirectory::readFile(path)) << "nothing of the older file is left";

    StdoutCapture capture;
    EXPECT_FALSE(writeFileDurably(dir_ / "missing/save.bin", "x", 1));
    const std::string output = capture.finish();
    EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
    EXPECT_NE(output.find(dir_ / "missing/save.bin"), std::string::npos) << output;
}

TEST_F(FileSystemTest, RenameFileReplacesTargetAtomically) {
    const std::string target = dir_ / "save.xml";
    const std::string fresh = dir_ / "save.xml.new";
    TemporaryDirectory::writeFile(target, "old save");
    TemporaryDirectory::writeFile(fresh, "new save");
    const ino_t freshInode = inodeOf(fresh);

    // A reader that opened the old file keeps seeing it whole: the new file is
    // swapped in, not written over the old one.
    const int reader = ::open(target.c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);

    EXPECT_TRUE(renameFile(fresh, target));
    EXPECT_EQ(TemporaryDirectory::readFile(target), "new save");
    EXPECT_EQ(inodeOf(target), freshInode);
    EXPECT_FALSE(fileExists(fresh));

    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof(buffer) - 1), 8);
    EXPECT_STREQ(buffer, "old save");
    ::close(reader);
}

TEST_F(FileSystemTest, RenameFileFailsForMissingSource) {
    const std::string target = dir_ / "save.xml";
    TemporaryDirectory::writeFile(target, "old save");
    StdoutCapture capture;
    EXPECT_FALSE(renameFile(dir_ / "missing", target));
    const std::string output = capture.finish();
    EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
    EXPECT_NE(output.find(dir_ / "missing"), std::string::npos) << output;
    EXPECT_EQ(TemporaryDirectory::readFile(target), "old save");
}

TEST(ExecutableDirectory, IsTheFolderOfTheRunningProgram) {
    const std::string folder = executableDirectory();
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(folder, exe.parent_path().string());
    EXPECT_TRUE(directoryExists(folder));
    EXPECT_TRUE(fileExists(folder + "/" + exe.filename().string()));
}
