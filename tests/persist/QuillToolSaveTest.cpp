// quill-tool's save and scene commands on files made for each case.
#include "tests/persist/SaveFileFixture.h"
#include "tests/support/Subprocess.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

struct ToolRun {
    int exitCode = -1;
    nlohmann::json json;
    std::string err;
};

class QuillToolSaveTest : public SaveFileFixture {
protected:
    static ToolRun tool(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), QUILL_TOOL_PATH);
        const CommandResult result = runCommand(arguments);
        return {result.exitCode, nlohmann::json::parse(result.out, nullptr, false), result.err};
    }
};

TEST_F(QuillToolSaveTest, SaveFileIsPrintedWithEveryProfileFieldAndDecodedGroup) {
    PlayerProfiles& profiles = PlayerProfiles::instance();
    profiles.addProfile("Zo\xC3\xAB");
    profiles.addProfile("Bo");
    profiles.profileAt(1)->hintCount = 9;
    ItemRegistry::instance().addItem(GROUP_GOAL, std::make_unique<Item>(4, 3, -1));
    ItemRegistry::instance().addItem(GROUP_GOAL, std::make_unique<Item>(6, 3, 1));
    GameFlow::instance().setPosition(5);
    auto save = gameSave(savePath);
    save->entry<GenericEntry<int>>(GameSave::SoundVolume)->setValue(20);
    ASSERT_TRUE(save->save());

    const ToolRun run = tool({"save", savePath});
    ASSERT_EQ(0, run.exitCode) << run.err;
    const nlohmann::json& j = run.json;
    EXPECT_EQ("VELT_RA001", j["productId"]);
    EXPECT_EQ(20, j["volumes"]["sound"]);
    EXPECT_EQ(50, j["volumes"]["music"]);
    EXPECT_EQ(1, j["flags"]["fullScreen"]);
    EXPECT_EQ(0, j["currentProfile"]);
    ASSERT_EQ(2u, j["profiles"].size());
    const nlohmann::json& zoe = j["profiles"][0];
    EXPECT_EQ("Zo\xC3\xAB", zoe["name"]);
    EXPECT_EQ(5, zoe["flowPosition"]);
    EXPECT_EQ(-1, zoe["counterA"]);
    EXPECT_EQ(-1, zoe["completedScenes"]);
    EXPECT_EQ(false, zoe["started"]);
    ASSERT_EQ(1u, zoe["itemGroups"].size());
    EXPECT_EQ(2, zoe["itemGroups"][0]["group"]);
    EXPECT_EQ(nlohmann::json::parse(R"([{"index":4,"sceneId":3,"slot":-1},
                                        {"index":6,"sceneId":3,"slot":1}])"),
              zoe["itemGroups"][0]["items"]);
    EXPECT_EQ(9, j["profiles"][1]["hintCount"]);
    EXPECT_TRUE(j["profiles"][1]["itemGroups"].empty());
}

TEST_F(QuillToolSaveTest, ForeignOrDamagedFilesFailWithOneLineSayingWhere) {
    TemporaryDirectory::writeFile(savePath, std::string("\x0A\0\0\0OTHER_0001", 14));
    ToolRun run = tool({"save", savePath});
    EXPECT_NE(0, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("foreign product id \"OTHER_0001\"")) << run.err;

    TemporaryDirectory::writeFile(savePath, header() + std::string("\x01\x01\x32\0\0\0"
                                                                   "\x01\0\0\0"
                                                                   "\xF0\0\0\0",
                                                                   14));
    run = tool({"save", savePath});
    EXPECT_NE(0, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("at byte 28")) << run.err;
    EXPECT_NE(std::string::npos, run.err.find("claims 240 bytes")) << run.err;
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;

    run = tool({"save", folder / "missing.sav"});
    EXPECT_NE(0, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("cannot open")) << run.err;
}

TEST_F(QuillToolSaveTest, SceneShowsItsIndexEntryAndItemGroups) {
    const std::string scenes = folder / "scenes/";
    std::filesystem::create_directories(scenes);
    TemporaryDirectory::writeFile(folder / "config.xml", R"(<Config version="1.1">
  <SupportedLanguages startingLanguage="EN">
    <Language active="EN" labels="x" flag=""/><Language active="DE" labels="x" flag=""/>
  </SupportedLanguages></Config>)");
    TemporaryDirectory::writeFile(folder / "index.xml", "<Indexes><Index id=\"3\" "
                                                        "fileName=\"hall\" path=\"" +
                                                            scenes + "\"/></Indexes>");
    TemporaryDirectory::writeFile(scenes + "hallDE.xml",
                                  R"(<Scene><Screen width="1024" height="600"/>
<Item name="Schlüssel" image="k.png" layer="1" majorGroupID="0" minorGroupID="0" x="1" y="2"
 angle="0" R="1" G="2" B="3" A="4" type="0" infoTip="" typeId="7"/><Item name="Tasse"/></Scene>)");
    TemporaryDirectory::writeFile(folder / "rules.xml",
                                  "<ItemGroupRules><Rule groupId=\"4\" "
                                  "typeId=\"7\" type=\"0\"/></ItemGroupRules>");
    const std::vector<std::string> options = {"--config", folder / "config.xml",
                                              "--index",  folder / "index.xml",
                                              "--rules",  folder / "rules.xml"};
    auto scene = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), options.begin(), options.end());
        return tool(arguments);
    };
    ToolRun run = scene({"scene", "3", "--language", "DE"});
    ASSERT_EQ(0, run.exitCode) << run.err;
    EXPECT_EQ(scenes + "hallDE.xml", run.json["scene"]["file"]);
    EXPECT_EQ(600, run.json["scene"]["height"]);
    ASSERT_EQ(2u, run.json["items"].size());
    EXPECT_EQ("Schl\xC3\xBC"
              "ssel",
              run.json["items"][0]["name"]);
    EXPECT_EQ(4, run.json["items"][0]["group"]);
    EXPECT_EQ(nlohmann::json::parse("[1,2,3,4]"), run.json["items"][0]["color"]);
    EXPECT_EQ(-1, run.json["items"][1]["group"]);
    EXPECT_TRUE(run.json["warnings"].empty());

    run = scene({"scene", "4"});
    EXPECT_NE(0, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("scene 4 is not in")) << run.err;
    run = scene({"scene", "3"});
    EXPECT_NE(0, run.exitCode) << "there is no English file";
    EXPECT_NE(std::string::npos, run.err.find("hall.xml")) << run.err;
}

} // namespace
