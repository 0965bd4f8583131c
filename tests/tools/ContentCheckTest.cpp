// quill-tool check on the shipped content and on a copy with an author's
// typical mistakes: each one reported as file:line: message, exit code 1.
#include "tests/support/ContentCopy.h"
#include "tests/support/Subprocess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool reports(const std::vector<std::string>& lines, const std::string& pattern) {
    const std::regex wanted(pattern);
    for (const std::string& line : lines) {
        if (std::regex_search(line, wanted)) {
            return true;
        }
    }
    return false;
}

TEST(ContentCheckTest, TheShippedContentIsCleanAsFarAsTheGameIsBuilt) {
    const CommandResult result = runCommand({QUILL_TOOL_PATH, "check"});
    // Entries after the Taproom (from line 8 of GameFlow.xml on) name scenes
    // and puzzles still to come; everything the game reaches is complete.
    const std::regex later(R"(^content/config/GameFlow\.xml:(\d+): )");
    for (const std::string& line : linesOf(result.err)) {
        std::smatch match;
        ASSERT_TRUE(std::regex_search(line, match, later)) << line;
        EXPECT_GE(std::stoi(match[1]), 8) << line;
    }
    EXPECT_NE(result.out.find("\"problems\""), std::string::npos) << result.out;
}

TEST(ContentCheckTest, AnAuthorsMistakesAreEachNamedWithTheirFileAndLine) {
    ContentCopy content;
    std::string scene = fileText("content/scenes/Taproom/Taproom.xml");
    // Item 1 (line 5) points at a picture that does not exist; item 2 (line 6) loses its typeId.
    const std::vector<std::string> lines = linesOf(scene);
    std::string edited;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (i == 4) {
            line =
                std::regex_replace(line, std::regex(R"(image="[^"]*")"), "image=\"Missing.png\"");
        } else if (i == 5) {
            line = std::regex_replace(line, std::regex(R"( typeId="[^"]*")"), "");
        }
        edited += line + "\n";
    }
    content.write("scenes/Taproom/Taproom.xml", edited);
    content.write("config/scene/Taproom/Mechanics.xml", R"(<SceneMechanics>
  <CustomMechanics identifier="X"/>
  <CollectGroup identifier="FIND_X_ITEMS">
    <Collect name="NO_SUCH_LABEL" typeId="202" pick="all"/>
  </CollectGroup>
  <Screen type="MG_Screen18" configFile="content/config/minigames/piano.xml"/>
</SceneMechanics>)");
    // A puzzle opened from the scene whose mark picture is misspelt.
    content.write("config/minigames/piano.xml",
                  "<Minigame imagePath=\"content/images/minigames/screen18/\"\n"
                  "          background=\"Bg\" noteOver=\"NoteLt\"/>");
    ScopedWorkingDirectory inCopy(content.root());
    const CommandResult result = runCommand({QUILL_TOOL_PATH, "check"});
    EXPECT_EQ(1, result.exitCode);
    const std::vector<std::string> problems = linesOf(result.err);
    EXPECT_TRUE(reports(
        problems,
        R"(^content/scenes/Taproom/Taproom\.xml:5: the picture "content/scenes/Taproom/Missing\.png" is missing$)"))
        << result.err;
    EXPECT_TRUE(reports(
        problems, R"(^content/scenes/Taproom/Taproom\.xml:6: an item without image or typeId$)"))
        << result.err;
    EXPECT_TRUE(
        reports(problems, R"(^content/config/scene/Taproom/Mechanics\.xml:2: CustomMechanics)"))
        << result.err;
    EXPECT_TRUE(
        reports(problems,
                R"(^content/config/scene/Taproom/Mechanics\.xml:4: no EN label "NO_SUCH_LABEL"$)"))
        << result.err;
    EXPECT_TRUE(reports(problems, R"(:4: no DE label "NO_SUCH_LABEL"$)")) << result.err;
    EXPECT_TRUE(reports(
        problems,
        R"(^content/config/minigames/piano\.xml:1: the picture "content/images/minigames/screen18/NoteLt\.png" is missing$)"))
        << result.err;
}

} // namespace
