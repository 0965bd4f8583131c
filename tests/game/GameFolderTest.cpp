// Where the game looks for its files when it starts.
#include "game/app/GameFolder.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(GameFolderTest, LooksInTheWorkingFolderThenBesideTheProgramThenInItsDataFolder) {
    TemporaryDirectory root;
    const std::string work = root / "work";
    const std::string bin = root / "prefix/bin";
    const std::string data = root / "prefix/share/quill-game";
    const auto holdContent = [](const std::string& folder) {
        std::filesystem::create_directories(folder + "/content/config");
        std::ofstream(folder + "/content/config/config.xml") << "<Config/>";
    };
    std::filesystem::create_directories(work);
    std::filesystem::create_directories(bin);

    EXPECT_EQ("", GameFolder::find(work, bin)) << "nowhere";
    holdContent(data);
    EXPECT_EQ(data, GameFolder::find(work, bin)) << "the installed data folder, without \"..\"";
    holdContent(bin);
    EXPECT_EQ(bin, GameFolder::find(work, bin)) << "beside the program comes first";
    holdContent(work);
    EXPECT_EQ(work, GameFolder::find(work + "/", bin)) << "the working folder, before all";
}

} // namespace
