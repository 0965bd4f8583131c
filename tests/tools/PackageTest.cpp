// The Debian package that cpack builds from the install rules.
#include "tests/support/Subprocess.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

bool installed(const std::string& program) {
    return runCommand({"sh", "-c", "command -v " + program}).exitCode == 0;
}

TEST(PackageTest, CpackBuildsADebianPackageOfTheGameItsFilesAndItsLauncher) {
    if (!installed("dpkg-deb") || !installed("dpkg-shlibdeps")) {
        GTEST_SKIP() << "dpkg-dev is not installed";
    }
    TemporaryDirectory out;
    const CommandResult built = runCommand({"cpack", "-G", "DEB", "-B", out.path(), "--config",
                                            std::string(QUILL_BUILD_DIR) + "/CPackConfig.cmake"});
    ASSERT_EQ(0, built.exitCode) << built.out << built.err;
    std::string package;
    for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
        if (entry.path().extension() == ".deb") {
            package = entry.path().string();
        }
    }
    ASSERT_FALSE(package.empty()) << built.out;

    const std::string files = runCommand({"dpkg-deb", "--contents", package}).out;
    const std::string id = QUILL_APP_ID;
    for (const std::string& file : {std::string("./usr/bin/quill-game"),
                                    std::string("./usr/share/quill-game/content/config/config.xml"),
                                    "./usr/share/applications/" + id + ".desktop",
                                    "./usr/share/metainfo/" + id + ".metainfo.xml",
                                    "./usr/share/icons/hicolor/256x256/apps/" + id + ".png"}) {
        EXPECT_NE(std::string::npos, files.find(" " + file + "\n")) << file << " in\n" << files;
    }
    // Worked out from the program's libraries, plus GL and its driver named by hand.
    const std::string depends = runCommand({"dpkg-deb", "--field", package, "Depends"}).out;
    EXPECT_NE(std::string::npos, depends.find("libsdl1.2debian")) << depends;
    EXPECT_NE(std::string::npos, depends.find("libsdl-mixer1.2")) << depends;
    EXPECT_NE(std::string::npos, depends.find("libgl1-mesa-dri")) << depends;
    // SDL loads libGL.so.1 itself: the package itself, not only its driver.
    EXPECT_NE(std::string::npos, (", " + depends).find(", libgl1,")) << depends;
    EXPECT_EQ("games\n", runCommand({"dpkg-deb", "--field", package, "Section"}).out);
}

} // namespace
