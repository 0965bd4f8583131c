// quill-tool run as content authors run it, on the shipped content.
#include "tests/support/Subprocess.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

CommandResult tool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUILL_TOOL_PATH);
    return runCommand(arguments);
}

nlohmann::json parsed(const CommandResult& run) {
    return nlohmann::json::parse(run.out, nullptr, false);
}

TEST(QuillToolTest, ConfigShowsTheShippedConfigurationAndParameters) {
    const CommandResult run = tool({"config"});
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
    const CommandResult english = tool({"labels"});
    ASSERT_EQ(0, english.exitCode) << english.err;
    const nlohmann::json en = parsed(english);
    EXPECT_EQ("EN", en["language"]);
    EXPECT_EQ("Play", en["labels"]["PLAY"]);
    EXPECT_EQ(en["count"], en["labels"].size());

    const CommandResult german = tool({"labels", "DE"});
    ASSERT_EQ(0, german.exitCode) << german.err;
    const nlohmann::json de = parsed(german);
    EXPECT_EQ("content/config/labels/LabelsDE.xml", de["file"]);
    EXPECT_EQ(en["count"], de["count"]);
    EXPECT_NE(en["labels"]["PLAY"], de["labels"]["PLAY"]);

    const CommandResult unknown = tool({"labels", "FR"});
    EXPECT_NE(0, unknown.exitCode);
    EXPECT_NE(std::string::npos, unknown.err.find("FR"));
    EXPECT_TRUE(unknown.out.empty());
}

TEST(QuillToolTest, FontMeasuresAndWrapsUtf8Text) {
    const CommandResult run =
        tool({"font", "content/fonts/CheltenhamBT20.fnt",
              "Zo\xC3\xAB und M\xC3\xBCller suchen das Medaillon", "--box", "150"});
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
    const CommandResult start = tool({"anim", file, "--at", "0"});
    ASSERT_EQ(0, start.exitCode) << start.err;
    const nlohmann::json doc = parsed(start);
    ASSERT_EQ(1u, doc["objects"].size());
    const auto& keys = doc["objects"][0]["keyFrames"];
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(keys[0]["scaleX"], doc["at"]["elements"][0]["scaleX"]) << "the first keyframe";
    EXPECT_EQ(359, doc["objects"][0]["width"]);
    EXPECT_FALSE(doc["at"]["finished"]);

    const CommandResult end = tool({"anim", file, "--at", "2000"});
    ASSERT_EQ(0, end.exitCode) << end.err;
    const nlohmann::json done = parsed(end);
    EXPECT_TRUE(done["at"]["finished"]);
    const auto& last = done["objects"][0]["keyFrames"].back();
    EXPECT_EQ(last["scaleX"], done["at"]["elements"][0]["scaleX"]);
    EXPECT_EQ(last["color"], done["at"]["elements"][0]["color"]);
}

TEST(QuillToolTest, SceneShowsTheTaproomAsTheGameLoadsIt) {
    const CommandResult run = tool({"scene", "1", "--seed", "3"});
    ASSERT_EQ(0, run.exitCode) << run.err;
    const nlohmann::json scene = parsed(run);
    // The find list, the beer pipes opened from the scene, the count list.
    ASSERT_EQ(3u, scene["steps"].size());
    EXPECT_EQ("STACKED_ITEM_LIST", scene["steps"][0]["name"]);
    EXPECT_EQ("MG_Screen2", scene["steps"][1]["name"]);
    EXPECT_EQ("FIND_X_ITEMS", scene["steps"][2]["name"]);
    const nlohmann::json& room = scene["items"][0];
    EXPECT_EQ(6, room["group"]);
    EXPECT_EQ(1, room["renderer"]) << "scenery that cannot be collected";
    EXPECT_EQ(nlohmann::json::parse("[0,0,1024,768]"), room["box"]);
    // Seven objects and five of the eight coins; the other three coins thinned.
    const nlohmann::json& goals = scene["goals"];
    EXPECT_EQ(12u, goals["firstStage"].size());
    ASSERT_EQ(3u, goals["thinned"].size());
    for (const nlohmann::json& index : goals["thinned"]) {
        EXPECT_EQ(201, scene["items"][index.get<std::size_t>()]["typeId"]);
    }
    EXPECT_EQ(goals, parsed(tool({"scene", "1", "--seed", "3"}))["goals"]) << "the seed decides";
}

TEST(QuillToolTest, BadInputGivesOneLineAndANonZeroExit) {
    const std::vector<std::vector<std::string>> cases = {
        {"font", "content/fonts/absent.fnt", "abc"},
        {"font", "onlyonearg"},
        {"font", "content/fonts/PH_small.fnt", "abc", "--box", "wide"},
        {"config", "--config", "content/absent.xml"},
        {"nosuchcommand"},
        {"anim", "content/animations/absent.xml"},
        {"anim", "content/config/config.xml"},
        {"anim", "content/animations/UniversalDialog/MessageDialogStart.xml", "--at", "x"}};
    for (const std::vector<std::string>& arguments : cases) {
        const std::string shown = arguments[0] + " " + arguments.back();
        const CommandResult run = tool(arguments);
        EXPECT_NE(0, run.exitCode) << shown;
        EXPECT_TRUE(run.out.empty()) << shown << ": " << run.out;
        EXPECT_GE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown;
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 2) << shown << run.err;
    }
}

} // namespace
