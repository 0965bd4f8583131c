// quill-tool run as content authors run it, on the shipped content.
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolRun tool(const std::string& arguments) {
    // Test cases run as parallel processes: each run gets its own file.
    static int runs = 0;
    const std::string errFile = testing::TempDir() + "quill-tool-stderr-" +
                                std::to_string(::getpid()) + "-" + std::to_string(++runs) + ".txt";
    const std::string command = std::string(QUILL_TOOL_PATH) + " " + arguments + " 2>" + errFile;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "r")) {
        while ((n = std::fread(buffer, 1, sizeof buffer, err)) > 0) {
            run.err.append(buffer, n);
        }
        std::fclose(err);
    }
    std::remove(errFile.c_str());
    return run;
}

nlohmann::json parsed(const ToolRun& run) {
    return nlohmann::json::parse(run.out, nullptr, false);
}

TEST(QuillToolTest, ConfigShowsTheShippedConfigurationAndParameters) {
    const ToolRun run = tool("config");
    ASSERT_EQ(0, run.exitCode) << run.err;
    const nlohmann::json doc = parsed(run);
    ASSERT_FALSE(doc.is_discarded()) << run.out;
    const auto& values = doc["config"]["values"];
    EXPECT_EQ(1024, values["width"]);
    EXPECT_EQ(768, values["height"]);
    EXPECT_EQ("Lantern Inn: The Broken Locket", values["caption"]);
    EXPECT_EQ("LanternInn", values["saveFolder"]);
    EXPECT_EQ("profiles.sav", values["saveFileName"]);
    EXPECT_EQ("1.1", values["version"]);
    EXPECT_EQ("windowed", values["fullscreenMode"]);
    EXPECT_EQ(2u, values["languages"].size());
    EXPECT_EQ("16", doc["parameters"]["values"]["PlayerName.Length"]);
    EXPECT_EQ(".png", doc["parameters"]["values"]["Game.Images.Extension"]);
}

TEST(QuillToolTest, LabelsOfTheActiveOrANamedLanguage) {
    const ToolRun english = tool("labels");
    ASSERT_EQ(0, english.exitCode) << english.err;
    const nlohmann::json en = parsed(english);
    EXPECT_EQ("EN", en["language"]);
    EXPECT_EQ("Play", en["labels"]["PLAY"]);
    EXPECT_EQ(en["count"], en["labels"].size());

    const ToolRun german = tool("labels DE");
    ASSERT_EQ(0, german.exitCode) << german.err;
    const nlohmann::json de = parsed(german);
    EXPECT_EQ("content/config/labels/LabelsDE.xml", de["file"]);
    EXPECT_EQ(en["count"], de["count"]);
    EXPECT_NE(en["labels"]["PLAY"], de["labels"]["PLAY"]);

    const ToolRun unknown = tool("labels FR");
    EXPECT_NE(0, unknown.exitCode);
    EXPECT_NE(std::string::npos, unknown.err.find("FR"));
    EXPECT_TRUE(unknown.out.empty());
}

TEST(QuillToolTest, FontMeasuresAndWrapsUtf8Text) {
    const ToolRun run =
        tool("font content/fonts/CheltenhamBT20.fnt 'Zo\xC3\xAB und M\xC3\xBCller suchen "
             "das Medaillon' --box 150");
    ASSERT_EQ(0, run.exitCode) << run.err;
    const nlohmann::json doc = parsed(run);
    EXPECT_GT(doc["lineHeight"], 10);
    EXPECT_EQ(191, doc["glyphs"]);
    EXPECT_TRUE(doc["pages"][0]["exists"]);
    const auto& lines = doc["box"]["lines"];
    ASSERT_GE(lines.size(), 2u);
    int total = 0;
    for (const auto& line : lines) {
        EXPECT_LE(line["width"].get<int>(), 150) << line["text"];
        total += line["width"].get<int>();
    }
    EXPECT_EQ(doc["lineHeight"].get<int>() * int(lines.size()), doc["box"]["height"]);
    EXPECT_LT(total, doc["textWidth"].get<int>()) << "the blanks at the breaks are gone";
    EXPECT_EQ("Zo\xC3\xAB und", lines[0]["text"].get<std::string>().substr(0, 8));
}

TEST(QuillToolTest, AnimShowsTheTimelineAndTheStateAtATime) {
    const std::string file = "content/animations/UniversalDialog/MessageDialogStart.xml";
    const ToolRun start = tool("anim " + file + " --at 0");
    ASSERT_EQ(0, start.exitCode) << start.err;
    const nlohmann::json doc = parsed(start);
    ASSERT_EQ(1u, doc["objects"].size());
    const auto& keys = doc["objects"][0]["keyFrames"];
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(keys[0]["scaleX"], doc["at"]["elements"][0]["scaleX"]) << "the first keyframe";
    EXPECT_EQ(359, doc["objects"][0]["width"]);
    EXPECT_FALSE(doc["at"]["finished"]);

    const ToolRun end = tool("anim " + file + " --at 2000");
    ASSERT_EQ(0, end.exitCode) << end.err;
    const nlohmann::json done = parsed(end);
    EXPECT_TRUE(done["at"]["finished"]);
    const auto& last = done["objects"][0]["keyFrames"].back();
    EXPECT_EQ(last["scaleX"], done["at"]["elements"][0]["scaleX"]);
    EXPECT_EQ(last["color"], done["at"]["elements"][0]["color"]);
}

TEST(QuillToolTest, BadInputGivesOneLineAndANonZeroExit) {
    for (const std::string& arguments :
         {std::string("font content/fonts/absent.fnt abc"), std::string("font onlyonearg"),
          std::string("font content/fonts/PH_small.fnt abc --box wide"),
          std::string("config --config content/absent.xml"), std::string("nosuchcommand"),
          std::string("anim content/animations/absent.xml"),
          std::string("anim content/config/config.xml"),
          std::string("anim content/animations/UniversalDialog/MessageDialogStart.xml --at x")}) {
        const ToolRun run = tool(arguments);
        EXPECT_NE(0, run.exitCode) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments << ": " << run.out;
        EXPECT_GE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments;
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 2) << arguments << run.err;
    }
}

} // namespace
