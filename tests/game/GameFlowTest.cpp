#include "game/GameFlow.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/TestScreen.h"

#include <gtest/gtest.h>

namespace {

// A screen that remembers the attributes it was built from.
class BuiltScreen : public TestScreen {
public:
    explicit BuiltScreen(GameFlow::Attributes attributes) : attributes(std::move(attributes)) {}
    GameFlow::Attributes attributes;
};

class GameFlowTest : public testing::Test {
protected:
    void SetUp() override {
        GameFlow::reset();
        flow().registerScreenType(
            "step", [](const GameFlow::Attributes& a) { return std::make_unique<BuiltScreen>(a); });
    }
    void TearDown() override { GameFlow::reset(); }

    static GameFlow& flow() { return GameFlow::instance(); }

    bool load(const std::string& xml) {
        TemporaryDirectory::writeFile(folder / "GameFlow.xml", xml);
        return flow().load(folder / "GameFlow.xml");
    }
    // Ten "step" entries numbered 0..9.
    void loadTen() {
        std::string xml = "<GameFlow>";
        for (int i = 0; i < 10; ++i) {
            xml += "<Screen type=\"step\" n=\"" + std::to_string(i) + "\"/>";
        }
        ASSERT_TRUE(load(xml + "</GameFlow>"));
    }
    static std::string built(const std::unique_ptr<GameState>& screen) {
        auto* s = dynamic_cast<BuiltScreen*>(screen.get());
        return s ? s->attributes.at("n") : "none";
    }

    TemporaryDirectory folder;
};

TEST_F(GameFlowTest, NextBuildsTheCurrentOrTheFollowingEntry) {
    loadTen();
    flow().setPosition(3);
    EXPECT_EQ("3", built(flow().next(false)));
    EXPECT_EQ(3, flow().position());
    EXPECT_EQ("4", built(flow().next(true)));
    EXPECT_EQ(4, flow().position());
}

TEST_F(GameFlowTest, ReplayStepsBackAndBuildsTheSameEntryAgain) {
    loadTen();
    flow().setPosition(7);
    flow().setPosition(flow().position() - 1);
    EXPECT_EQ("7", built(flow().next(true)));
    EXPECT_EQ(7, flow().position());
}

TEST_F(GameFlowTest, PastTheEndOrAnUnknownTypeStopsTheFlow) {
    ASSERT_TRUE(load("<GameFlow><Screen type=\"step\" n=\"0\"/><Screen type=\"ho_scene\"/>"
                     "<Screen type=\"step\" n=\"2\"/></GameFlow>"));
    EXPECT_EQ("0", built(flow().next(false)));
    EXPECT_EQ(nullptr, flow().next(true)) << "no factory for ho_scene";
    EXPECT_EQ(1, flow().position());
    EXPECT_EQ("2", built(flow().next(true)));
    EXPECT_EQ(nullptr, flow().next(true));
    flow().setPosition(-1);
    EXPECT_EQ(nullptr, flow().next(false));
    EXPECT_EQ(nullptr, flow().createScreen("nothing", {}));
}

TEST_F(GameFlowTest, EveryAttributeIsKeptWhateverItsOrder) {
    ASSERT_TRUE(load("<GameFlow>"
                     "<Screen type=\"step\" n=\"0\" sceneId=\"4\" name=\"Kitchen\"/>"
                     "<Screen name=\"Kitchen\" sceneId=\"4\" n=\"0\" type=\"step\"/>"
                     "<Other type=\"step\"/></GameFlow>"));
    ASSERT_EQ(2u, flow().entries().size()) << "only Screen elements are entries";
    EXPECT_EQ(flow().entries()[0].attributes, flow().entries()[1].attributes);
    EXPECT_EQ("step", flow().entries()[1].type);
    EXPECT_EQ("step", flow().entries()[1].attributes.at("type"));
    EXPECT_EQ(4, GameFlow::intAttribute(flow().entries()[0].attributes, "sceneId", -1));
}

TEST_F(GameFlowTest, LoadingAppendsAndAMissingFileLeavesTheListAsItWas) {
    loadTen();
    loadTen();
    EXPECT_EQ(20u, flow().entries().size());
    StdoutCapture capture;
    EXPECT_FALSE(flow().load(folder / "absent.xml"));
    EXPECT_EQ(1, StdoutCapture::lineCount(capture.finish()));
    EXPECT_EQ(20u, flow().entries().size());
}

TEST_F(GameFlowTest, RegisteringATypeAgainReplacesItsFactory) {
    loadTen();
    flow().registerScreenType("step", [](const GameFlow::Attributes&) { return nullptr; });
    EXPECT_EQ(nullptr, flow().next(false));
    EXPECT_TRUE(flow().hasScreenType("step"));
}

TEST_F(GameFlowTest, AttributeHelpersGiveDefaultsAndReportMissingOnes) {
    const GameFlow::Attributes a = {{"type", "MG_Screen2"}, {"sceneId", "x1"}, {"configFile", "f"}};
    EXPECT_EQ(0, GameFlow::intAttribute(a, "sceneId", -1)) << "atoi of a non-number";
    EXPECT_EQ(-1, GameFlow::intAttribute(a, "absent", -1));
    EXPECT_EQ("LABEL", GameFlow::attribute(a, "dialogMessage", "LABEL"));
    EXPECT_TRUE(GameFlow::requireAttributes(a, {"sceneId", "configFile"}));
    StdoutCapture capture;
    EXPECT_FALSE(GameFlow::requireAttributes(a, {"sceneId", "caption"}));
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("MG_Screen2"));
    EXPECT_NE(std::string::npos, out.find("caption"));
}

} // namespace
