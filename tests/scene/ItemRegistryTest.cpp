#include "tests/scene/SceneFixture.h"
#include "tests/support/StdoutCapture.h"

namespace {

class ItemRegistryTest : public SceneFixture {
protected:
    ItemRegistry& registry = ItemRegistry::instance();

    void add(int group, int index, int sceneId, int slot = -1) {
        registry.addItem(group, std::make_unique<Item>(index, sceneId, slot));
    }
    static std::vector<int> indices(const std::vector<Item*>& items) {
        std::vector<int> result;
        for (const Item* item : items) {
            result.push_back(item->index);
        }
        return result;
    }
};

TEST_F(ItemRegistryTest, RegisteringASceneFilesItemsByTheirRules) {
    writeIndex({4});
    writeScene("scene4.xml", item("A", 0, 1) + item("B", 0, 2) + item("C", 2, 1) +
                                 "<Item name=\"D\"/>" + item("E", 1, 1));
    registry.registerSceneItems(writeRules(), 4);
    EXPECT_EQ(std::vector<int>{0}, indices(registry.itemsOf(GROUP_SCENE, 4)));
    EXPECT_EQ(std::vector<int>{1}, indices(registry.itemsOf(GROUP_BONUS, 4)));
    EXPECT_EQ(std::vector<int>{4}, indices(registry.itemsOf(GROUP_DISPLAY_5, 4)));
    EXPECT_EQ((std::vector<int>{2, 3}), indices(registry.itemsOf(GROUP_NONE, 4)))
        << "type 2 and an item without typeId land in group -1";
    const Item* d = registry.findItem(GROUP_NONE, 3, 4);
    ASSERT_NE(nullptr, d);
    EXPECT_EQ(3, d->slot) << "the slot starts as the index";
    ASSERT_NE(nullptr, d->description);
    EXPECT_EQ("D", d->description->name);
    EXPECT_EQ("E", registry.findItem(GROUP_DISPLAY_5, 4, 4)->description->name);
}

TEST_F(ItemRegistryTest, ItemsOfFiltersBySceneAndCreatesMissingGroups) {
    add(2, 0, 1);
    add(2, 0, 2);
    add(2, 1, 1);
    EXPECT_EQ((std::vector<int>{0, 1}), indices(registry.itemsOf(2, 1)));
    EXPECT_EQ(3u, registry.itemsOf(2, -1).size()) << "scene -1 means every scene";
    EXPECT_EQ(std::vector<int>{2}, registry.groupKeys());
    EXPECT_TRUE(registry.itemsOf(6, 1).empty());
    EXPECT_EQ((std::vector<int>{2, 6}), registry.groupKeys());
    EXPECT_EQ(nullptr, registry.findItem(7, 0, 1));
    EXPECT_EQ((std::vector<int>{2, 6}), registry.groupKeys()) << "a lookup adds no group";
}

TEST_F(ItemRegistryTest, GroupOfFindsTheLowestGroupHoldingTheItem) {
    add(4, 5, 1);
    add(-1, 5, 1);
    add(3, 6, 1);
    EXPECT_EQ(-1, registry.groupOf(5, 1));
    EXPECT_EQ(3, registry.groupOf(6, 1));
    EXPECT_EQ(-1, registry.groupOf(6, 2));
}

TEST_F(ItemRegistryTest, MoveAppendsToTheTargetAndKeepsTheRestInOrder) {
    for (int i = 0; i < 4; ++i) {
        add(GROUP_SCENE, i, 1);
    }
    add(GROUP_GOAL, 9, 1);
    registry.moveItem(GROUP_SCENE, 1, 1, GROUP_GOAL);
    EXPECT_EQ((std::vector<int>{0, 2, 3}), indices(registry.itemsOf(GROUP_SCENE, 1)));
    EXPECT_EQ((std::vector<int>{9, 1}), indices(registry.itemsOf(GROUP_GOAL, 1)));

    registry.moveItem(GROUP_GOAL, 9, 1, GROUP_GOAL);
    EXPECT_EQ((std::vector<int>{9, 1}), indices(registry.itemsOf(GROUP_GOAL, 1)))
        << "moving to the same group changes not even the order";
    registry.moveItem(GROUP_SCENE, 9, 1, GROUP_REMOVED);
    registry.moveItem(GROUP_SCENE, 0, 2, GROUP_REMOVED);
    registry.moveItem(8, 0, 1, GROUP_REMOVED);
    EXPECT_EQ(3u, registry.itemsOf(GROUP_SCENE, 1).size());
    EXPECT_TRUE(registry.itemsOf(GROUP_REMOVED, -1).empty()) << "items not in the group stay";
}

TEST_F(ItemRegistryTest, RemovingAndClearingDestroyOnlyTheirItems) {
    add(1, 0, 1);
    add(1, 0, 2);
    add(1, 1, 1);
    add(1, 1, 2);
    add(2, 0, 3);
    registry.removeSceneItems(1, 1);
    ASSERT_EQ(2u, registry.itemsOf(1, -1).size());
    EXPECT_EQ(2, registry.itemsOf(1, -1)[0]->sceneId);
    EXPECT_EQ(1, registry.itemsOf(1, -1)[1]->index);
    registry.clearGroup(1);
    EXPECT_TRUE(registry.itemsOf(1, -1).empty());
    EXPECT_EQ(1u, registry.itemCount());
    EXPECT_EQ((std::vector<int>{1, 2}), registry.groupKeys()) << "a cleared group stays";
    registry.clear();
    EXPECT_TRUE(registry.groupKeys().empty());
}

TEST_F(ItemRegistryTest, BlocksHoldCountGroupAndSignedTriples) {
    add(-1, 3, 7, -1);
    add(-1, 127, 0, 5);
    const std::vector<std::uint8_t> block = registry.writeGroup(-1);
    const std::vector<std::uint8_t> expected = {2,    0, 0, 0,    0xFF, 0xFF, 0xFF,
                                                0xFF, 3, 7, 0xFF, 127,  0,    5};
    EXPECT_EQ(expected, block);
    EXPECT_EQ((std::vector<std::uint8_t>{0, 0, 0, 0, 9, 0, 0, 0}), registry.writeGroup(9));

    registry.clear();
    EXPECT_EQ(block.size(), registry.readGroup(block.data(), block.size()));
    const auto items = registry.itemsOf(-1, -1);
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(-1, items[0]->slot);
    EXPECT_EQ(7, items[0]->sceneId);
    EXPECT_EQ(nullptr, items[0]->description);
    EXPECT_EQ(127, items[1]->index);
}

TEST_F(ItemRegistryTest, DamagedBlocksAddWhatTheyHold) {
    StdoutCapture capture;
    const std::vector<std::uint8_t> claimsMore = {0xFF, 0xFF, 0xFF, 0x7F, 2, 0, 0,
                                                  0,    1,    2,    3,    4, 5};
    EXPECT_EQ(11u, registry.readGroup(claimsMore.data(), claimsMore.size()));
    EXPECT_EQ(1u, registry.itemCount());
    const std::vector<std::uint8_t> negative = {2, 0, 0, 0, 2, 0, 0, 0, 0xF0, 1, 1, 4, 1, 1};
    EXPECT_EQ(14u, registry.readGroup(negative.data(), negative.size()));
    EXPECT_EQ(2u, registry.itemCount()) << "a negative index names no item";
    EXPECT_EQ(0u, registry.readGroup(negative.data(), 7));
    EXPECT_EQ(2, StdoutCapture::lineCount(capture.finish()));
}

TEST_F(ItemRegistryTest, IdsBeyondOneByteAreReportedAndNeverWrapped) {
    writeIndex({200, 5});
    std::string many;
    for (int i = 0; i < 130; ++i) {
        many += item("I" + std::to_string(i), 0, 1);
    }
    writeScene("scene200.xml", item("A", 0, 1));
    writeScene("scene5.xml", many);
    const std::string rules = folder / "scene-rules.xml";
    TemporaryDirectory::writeFile(rules, "<ItemGroupRules><Rule groupId=\"1\" typeId=\"1\" "
                                         "type=\"0\"/></ItemGroupRules>");
    StdoutCapture capture;
    registry.registerSceneItems(rules, 200);
    const std::string big = capture.finish();
    EXPECT_EQ(1, StdoutCapture::lineCount(big));
    EXPECT_NE(std::string::npos, big.find("200")) << big;
    StdoutCapture second;
    registry.registerSceneItems(rules, 5);
    const std::string out = second.finish();
    EXPECT_NE(std::string::npos, out.find("130 items")) << out;

    EXPECT_EQ(131u, registry.itemsOf(GROUP_SCENE, -1).size()) << "all are played this run";
    const std::vector<std::uint8_t> block = registry.writeGroup(GROUP_SCENE);
    EXPECT_EQ(8u + 3 * 128, block.size()) << "scene 200 and indices 128, 129 are left out";
    registry.clear();
    registry.readGroup(block.data(), block.size());
    EXPECT_EQ(nullptr, registry.findItem(GROUP_SCENE, 0, 200 - 256));
    EXPECT_EQ(-1, registry.groupOf(0, 200 & 0x7F)) << "no item of scene 72 made up";
    EXPECT_EQ(GROUP_SCENE, registry.groupOf(127, 5));
}

TEST_F(ItemRegistryTest, AttachingDescriptionsReadsEachSceneFileOnce) {
    writeIndex({1, 2});
    writeScene("scene1.xml", item("A", 0, 1) + item("B", 0, 1) + item("C", 0, 1));
    writeScene("scene2.xml", item("X", 0, 1));
    add(1, 2, 1);
    add(2, 0, 1);
    add(3, 1, 1);
    add(3, 0, 2);
    add(3, 5, 2);
    std::map<int, int> reads;
    registry.attachDescriptions([&](int sceneId) {
        ++reads[sceneId];
        return SceneFile::loadSceneItems(sceneId);
    });
    EXPECT_EQ((std::map<int, int>{{1, 1}, {2, 1}}), reads);
    EXPECT_EQ("C", registry.findItem(1, 2, 1)->description->name);
    EXPECT_EQ("A", registry.findItem(2, 0, 1)->description->name);
    EXPECT_EQ("B", registry.findItem(3, 1, 1)->description->name);
    EXPECT_EQ("X", registry.findItem(3, 0, 2)->description->name);
    EXPECT_EQ(nullptr, registry.findItem(3, 5, 2)->description) << "beyond the file's items";

    reads.clear();
    registry.removeSceneItems(3, 2);
    registry.attachDescriptions([&](int sceneId) {
        ++reads[sceneId];
        return SceneFile::loadSceneItems(sceneId);
    });
    EXPECT_TRUE(reads.empty()) << "every item has its description";
    EXPECT_EQ("C", registry.findItem(1, 2, 1)->description->name) << "still alive";
}

} // namespace
