// The include-layering check: its table, which layer owns a path, and what it
// reports for single files and for a small tree on disk.
#include "tools/layercheck/LayerCheck.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

using layercheck::LayerTable;
using layercheck::Report;

namespace {

// Listed deepest first under game, so the owner of a folder cannot be just the last match.
const char* const Table = "engine/core      ->            # the bottom\n"
                          "engine/graphics  -> engine/core\n"
                          "\n"
                          "engine/ui        -> engine/**\n"
                          "game/scene/data  -> engine/core\n"
                          "game/scene       -> game\n"
                          "game             -> engine/** game/scene/data\n";

const std::vector<std::string> Roots = {"engine", "game"};

LayerTable table() {
    LayerTable result;
    std::string error;
    EXPECT_TRUE(result.parse(Table, error)) << error;
    return result;
}

Report check(const std::string& file, const std::string& text) {
    Report report;
    layercheck::checkFile(table(), Roots, file, text, report);
    return report;
}

std::string parseError(const std::string& text) {
    LayerTable result;
    std::string error;
    EXPECT_FALSE(result.parse(text, error));
    return error;
}

} // namespace

TEST(LayerTableTest, ExactDepsAndAllBelowDeps) {
    const LayerTable layers = table();
    ASSERT_EQ(layers.layers().size(), 6u); // blank line and comment are no layers
    EXPECT_TRUE(layers.layers()[0].deps.empty());
    EXPECT_TRUE(layers.allows("engine/graphics", "engine/core"));
    EXPECT_FALSE(layers.allows("engine/core", "engine/graphics")); // empty deps: itself only
    EXPECT_TRUE(layers.allows("engine/core", "engine/core"));      // a layer includes itself
    EXPECT_TRUE(layers.allows("engine/ui", "engine/graphics"));    // engine/** covers engine/*
    EXPECT_TRUE(layers.allows("game/scene", "game"));              // exact "game" ...
    EXPECT_FALSE(layers.allows("game/scene", "game/scene/data"));  // ... is not game/**
    EXPECT_FALSE(layers.allows("game/scene/data", "game/scene"));  // child is no dep of parent
}

TEST(LayerTableTest, MalformedLinesNameTheirLine) {
    EXPECT_EQ(parseError("engine/core ->\nengine/core engine/ui\n").rfind("line 2:", 0), 0u);
    EXPECT_NE(parseError("engine/a engine/b -> engine/a\n"), "");      // two layers on the left
    EXPECT_NE(parseError("-> engine/core\n"), "");                     // no layer
    EXPECT_NE(parseError("engine/core ->\nengine/core ->\n"), "");     // listed twice
    EXPECT_NE(parseError("engine/ui -> engine/*\nengine/a ->\n"), ""); // a glob other than /**
    EXPECT_NE(parseError("engine/ui -> engine/cor\nengine/core ->\n"), ""); // a typo'd layer
    EXPECT_NE(parseError("engine/ui -> lib/**\n"), "");                     // /** matching nothing
    EXPECT_NE(parseError("# only a comment\n"), "");                        // no layers at all
}

TEST(LayerTableTest, ReadmeTableIsTheFenceBetweenTheMarkers) {
    const std::string readme = "# Quill\n"
                               "```\nnot -> a table\n```\n"
                               "<!-- layers -->\n"
                               "Layers may include downwards only.\n"
                               "```text\n"
                               "engine/core ->\n"
                               "engine/ui   -> engine/cor\n" // 9th line of the README
                               "```\n"
                               "<!-- /layers -->\n";
    LayerTable layers;
    std::string error;
    EXPECT_FALSE(layers.parseReadme(readme, error));
    EXPECT_EQ(error, "line 9: engine/cor matches no layer");

    std::string fixed = readme;
    fixed.replace(fixed.find("engine/cor\n"), 10, "engine/core");
    ASSERT_TRUE(layers.parseReadme(fixed, error)) << error;
    EXPECT_EQ(layers.layers().size(), 2u); // the block above the markers is not read
    EXPECT_FALSE(layers.parseReadme("# Quill\n```\nengine/core ->\n```\n", error));
    EXPECT_FALSE(layers.parseReadme("<!-- layers -->\n```\nengine/core ->\n", error));
}

TEST(LayerTableTest, LongestWholeComponentPrefixOwnsAFolder) {
    const LayerTable layers = table();
    EXPECT_EQ(layers.layerOf("game/scene/data"), "game/scene/data");
    EXPECT_EQ(layers.layerOf("game/scene/data/more"), "game/scene/data"); // under the longest
    EXPECT_EQ(layers.layerOf("game/scene"), "game/scene");
    EXPECT_EQ(layers.layerOf("game/scenery"), "game"); // "scenery" is not "scene"
    EXPECT_EQ(layers.layerOf("game"), "game");
    EXPECT_EQ(layers.layerOf("engine/coreutil"), ""); // engine itself is no layer
    EXPECT_EQ(layers.layerOf("gamey"), "");
}

TEST(CheckFileTest, DownwardIncludesPassAndUpwardOnesAreNamed) {
    const Report report = check("engine/graphics/Font.cpp",
                                "#include \"engine/graphics/Font.h\"\n" // own layer
                                "#include \"engine/core/Log.h\"\n"      // downward
                                "#include <SDL.h>\n"                    // angle brackets: skipped
                                "#include \"utf8.h\"\n"                 // no checked root: skipped
                                "#include \"tinyxml/x.h\"\n"            // ditto, with a folder
                                "  #  include   \"engine/ui/Widget.h\" // upward\n");
    EXPECT_EQ(report.files, 1);
    EXPECT_EQ(report.includes, 3); // the three engine/ paths
    ASSERT_EQ(report.violations.size(), 1u);
    EXPECT_EQ(report.violations[0].text(), "engine/graphics/Font.cpp:6: engine/graphics may not "
                                           "include engine/ui (\"engine/ui/Widget.h\")");
}

TEST(CheckFileTest, DotDotInAnIncludeDoesNotHideItsLayer) {
    const Report report = check("engine/core/Log.cpp", "#include \"engine/core/../ui/W.h\"\n");
    ASSERT_EQ(report.violations.size(), 1u); // engine/core/../ui is engine/ui
    EXPECT_EQ(report.violations[0].message,
              "engine/core may not include engine/ui (\"engine/core/../ui/W.h\")");
}

TEST(CheckFileTest, FilesAndIncludesOutsideEveryLayerAreErrors) {
    const Report stray = check("engine/audio/Sound.cpp", "#include \"engine/ui/Widget.h\"\n");
    ASSERT_EQ(stray.violations.size(), 1u); // the file alone; its includes cannot be judged
    EXPECT_EQ(stray.violations[0].text(), "engine/audio/Sound.cpp: is in no layer of the table");

    const Report typo = check("game/GameFlow.cpp", "\n#include \"engine/grafics/Font.h\"\n");
    ASSERT_EQ(typo.violations.size(), 1u);
    EXPECT_EQ(typo.violations[0].text(),
              "game/GameFlow.cpp:2: \"engine/grafics/Font.h\" is in no layer");
}

namespace {

// A tree on disk for one test, removed with everything in it afterwards.
class TreeCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        root = std::filesystem::temp_directory_path() /
               ("layercheck-" + std::to_string(::getpid()) + "-" + std::to_string(now));
        ASSERT_TRUE(std::filesystem::create_directories(root));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    void write(const std::string& file, const std::string& text) {
        std::filesystem::create_directories((root / file).parent_path());
        std::ofstream(root / file, std::ios::binary) << text;
    }
    Report checkTree(const std::vector<std::string>& roots = Roots) {
        LayerTable layers;
        std::string error;
        Report report;
        EXPECT_TRUE(layercheck::loadTable(root / "README.md", layers, error)) << error;
        EXPECT_TRUE(layercheck::checkTree(layers, root, roots, report, error)) << error;
        return report;
    }

    std::filesystem::path root;
};

} // namespace

TEST_F(TreeCheckTest, ReportsTheUpwardIncludeUntilItIsFixed) {
    write("README.md",
          std::string("# Tree\n<!-- layers -->\n```\n") + Table + "```\n<!-- /layers -->\n");
    write("engine/core/Log.h", "#pragma once\n");
    write("engine/graphics/Font.h", "#pragma once\n#include \"engine/core/Log.h\"\n");
    write("engine/graphics/notes.txt", "#include \"engine/ui/Widget.h\"\n"); // not a source file
    write("engine/ui/Widget.h", "#include \"engine/graphics/Font.h\"\n");
    write("game/scene/data/Items.cc", "// items\n\n#include \"game/GameFlow.h\"\n");
    write("game/GameFlow.h", "#include \"game/scene/data/Items.h\"\n");

    const Report bad = checkTree();
    EXPECT_EQ(bad.files, 5);    // notes.txt is skipped
    EXPECT_EQ(bad.includes, 4); // one per include line of the five files
    ASSERT_EQ(bad.violations.size(), 1u);
    EXPECT_EQ(bad.violations[0].text(), "game/scene/data/Items.cc:3: game/scene/data may not "
                                        "include game (\"game/GameFlow.h\")");

    write("game/scene/data/Items.cc", "// items\n\n#include \"engine/core/Log.h\"\n");
    EXPECT_TRUE(checkTree().violations.empty());
    EXPECT_EQ(checkTree({"engine", "engine/ui"}).files, 3); // Log.h, Font.h, Widget.h once each
}

TEST_F(TreeCheckTest, MissingScanRootOrTableFailsWithOneLine) {
    LayerTable layers;
    Report report;
    std::string error;
    EXPECT_FALSE(layercheck::loadTable(root / "README.md", layers, error));
    EXPECT_NE(error.find("README.md"), std::string::npos);
    ASSERT_TRUE(layers.parse(Table, error));
    EXPECT_FALSE(layercheck::checkTree(layers, root, {"engine"}, report, error));
    EXPECT_EQ(error, "no folder " + (root / "engine").string());
}
