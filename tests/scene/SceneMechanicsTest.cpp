// The mechanics file's stages, the goal choice of a find-list stage and the
// first visit's thinning of stacked collectables, on the real item registry.
#include "game/scene/data/SceneMechanics.h"
#include "game/scene/data/ItemDescription.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/StdoutCapture.h"

#include <algorithm>
#include <cstdlib>

namespace {

class SceneMechanicsTest : public SceneFixture {
protected:
    static constexpr int Scene = 3;
    std::vector<std::unique_ptr<ItemDescription>> descriptions;

    // Items of GROUP_SCENE with these typeIds, as indices 0, 1, 2, ...
    void scene(std::initializer_list<int> typeIds) {
        for (const int typeId : typeIds) {
            auto description = std::make_unique<ItemDescription>();
            description->typeId = typeId;
            const int index = int(descriptions.size());
            ItemRegistry::instance().addItem(
                GROUP_SCENE, std::make_unique<Item>(index, Scene, index, description.get()));
            descriptions.push_back(std::move(description));
        }
    }
    void fresh() {
        ItemRegistry::reset();
        descriptions.clear();
    }
    std::vector<int> indicesIn(int group) {
        std::vector<int> result;
        for (const Item* item : ItemRegistry::instance().itemsOf(group, Scene)) {
            result.push_back(item->index);
        }
        return result;
    }
    static MechanicStep stage(const std::string& collects) {
        const MechanicSteps steps = parseMechanics(
            "<SceneMechanics><CollectGroup>" + collects + "</CollectGroup></SceneMechanics>", "m");
        return steps.at(0);
    }
};

TEST_F(SceneMechanicsTest, AMechanicsFileReadsItsStagesInOrderAndSkipsWhatIsIncomplete) {
    StdoutCapture out;
    const MechanicSteps steps = parseMechanics(R"(<SceneMechanics>
  <CollectGroup identifier="STACKED_ITEM_LIST">
    <Collect name="Coin" typeId=",12,,14," pick="random" count="2" questId="7"/>
    <Collect name="Odd" typeId="5" pick="sometimes"/>
    <Collect name="No pick" typeId="6"/>
  </CollectGroup>
  <Decoration/>
  <Screen type="MG_Screen2" transition="fade"/>
  <Screen transition="none"/>
  <CustomMechanics/>
  <CollectGroup/>
</SceneMechanics>)",
                                               "Mechanics.xml");
    const std::string log = out.finish();
    ASSERT_EQ(4u, steps.size()) << "the Screen without type and the unknown element are skipped";
    EXPECT_EQ(MechanicStep::CollectGroup, steps[0].kind);
    EXPECT_EQ("STACKED_ITEM_LIST", steps[0].name);
    ASSERT_EQ(2u, steps[0].rules.size()) << "the Collect without pick is skipped";
    const CollectRule& coin = steps[0].rules[0];
    EXPECT_EQ((std::vector<int>{12, 14}), coin.typeIds) << "empty pieces are skipped";
    EXPECT_EQ(CollectRule::Random, coin.pick);
    EXPECT_EQ(2, coin.count);
    EXPECT_EQ(7, coin.questId);
    const CollectRule& odd = steps[0].rules[1];
    EXPECT_EQ(CollectRule::All, odd.pick) << "an unknown pick counts as all";
    EXPECT_EQ(-1, odd.count);
    EXPECT_EQ(-1, odd.questId);

    EXPECT_EQ(MechanicStep::Screen, steps[1].kind);
    EXPECT_EQ("MG_Screen2", steps[1].name);
    EXPECT_EQ("fade", steps[1].attribute("transition"));
    EXPECT_EQ("MG_Screen2", steps[1].attribute("type")) << "every attribute goes to the factory";
    EXPECT_EQ(MechanicStep::CustomMechanics, steps[2].kind);
    EXPECT_EQ("UNSPECIFIED", steps[2].name);
    EXPECT_EQ("UNSPECIFIED", steps[3].name);
    // One line for the Collect, one for the Screen, each with its line number.
    EXPECT_NE(log.find("\"Mechanics.xml\", line 5: a Collect without name, typeId or pick"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("\"Mechanics.xml\", line 9: a Screen without type"), std::string::npos);

    StdoutCapture missing;
    EXPECT_TRUE(loadMechanics(folder / "absent.xml").empty());
    EXPECT_NE(missing.finish().find("absent.xml"), std::string::npos) << "the file is named";
    EXPECT_TRUE(parseMechanics("<SceneMechanics><Collect", "cut.xml").empty());
}

TEST_F(SceneMechanicsTest, GoalsArePickedRuleByRuleFromTheScenesItems) {
    // typeIds of items 0..8: three kinds, 5 five times.
    scene({5, 9, 5, 5, 7, 5, 5, 7, 8});
    pickGoals(stage(R"(<Collect name="a" typeId="5" pick="first" count="3"/>
                       <Collect name="b" typeId="7" pick="all" count="1"/>
                       <Collect name="c" typeId="8,5" pick="first"/>
                       <Collect name="d" typeId="9" pick="random" count="0"/>)"),
              Scene);
    // First 3 of typeId 5: 0, 2, 3; all of 7 despite the count: 4, 7; typeIds 8 and 5
    // without a count: 0, 2, 3 (moved already), 5, 6, 8; none of 9. In the order moved:
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 7, 5, 6, 8}), indicesIn(GROUP_GOAL));
    EXPECT_EQ(std::vector<int>{1}, indicesIn(GROUP_SCENE));
}

TEST_F(SceneMechanicsTest, ARandomPickFollowsTheSeedAndTakesCountOfTheCandidates) {
    scene({4, 4, 4, 4, 4, 4});
    const MechanicStep two = stage(R"(<Collect name="a" typeId="4" pick="random" count="2"/>)");
    std::srand(99);
    pickGoals(two, Scene);
    const std::vector<int> first = indicesIn(GROUP_GOAL);
    ASSERT_EQ(2u, first.size());

    fresh();
    scene({4, 4, 4, 4, 4, 4});
    std::srand(99);
    pickGoals(two, Scene);
    EXPECT_EQ(first, indicesIn(GROUP_GOAL)) << "the same seed picks the same goals";

    // Different seeds do not all pick the first two (a shuffle that moved nothing would).
    bool differs = false;
    for (unsigned seed = 1; seed <= 20 && !differs; ++seed) {
        fresh();
        scene({4, 4, 4, 4, 4, 4});
        std::srand(seed);
        pickGoals(two, Scene);
        differs = indicesIn(GROUP_GOAL) != std::vector<int>{0, 1};
    }
    EXPECT_TRUE(differs);
}

TEST_F(SceneMechanicsTest, TheFirstVisitThinsCountedStackedCollectablesOnly) {
    // Six of 230, two of 200 and 300, one of 231 (not counted by any rule).
    scene({230, 200, 230, 300, 230, 230, 200, 231, 230, 300, 230});
    const MechanicSteps steps = parseMechanics(R"(<SceneMechanics>
  <CollectGroup><Collect name="c" typeId="230,200" pick="all" count="2"/>
                <Collect name="d" typeId="200" pick="all" count="0"/>
                <Collect name="e" typeId="300" pick="all" count="0"/></CollectGroup>
  <Screen type="x"/>
</SceneMechanics>)",
                                               "m");
    std::srand(5);
    thinCollectables(steps, Scene);
    const std::vector<int> removed = indicesIn(GROUP_REMOVED);
    // 6 - 2 instances of 230 go; 200 and 300 lie outside 201..299; 231 has no count.
    ASSERT_EQ(4u, removed.size());
    for (const int index : removed) {
        EXPECT_EQ(230, descriptions[std::size_t(index)]->typeId);
    }
    for (const Item* item : ItemRegistry::instance().itemsOf(GROUP_SCENE, Scene)) {
        EXPECT_EQ(-1, item->slot) << "every scene item loses its slot";
    }
}

} // namespace
