#include "game/scene/data/ItemGroupRules.h"
#include "game/scene/data/SceneFile.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/StdoutCapture.h"

namespace {

class SceneFilesTest : public SceneFixture {};

TEST_F(SceneFilesTest, IndexKeepsTheFirstOfTwoEntriesAndSkipsIncompleteOnes) {
    TemporaryDirectory::writeFile(folder / "sceneIndex.xml", R"(<Indexes>
  <Index id="3" fileName="hall" path="content/hall/"/>
  <Index id="3" fileName="cellar" path="content/cellar/"/>
  <Index id="4" fileName="attic"/>
  <Index id="5x" fileName="yard" path="content/yard/"/>
</Indexes>)");
    StdoutCapture capture;
    ASSERT_TRUE(SceneIndex::instance().load(folder / "sceneIndex.xml"));
    // The second id 3, the entry without a path, and the id "5x" are said.
    const std::string said = capture.finish();
    EXPECT_EQ(3, StdoutCapture::lineCount(said)) << said;
    EXPECT_NE(std::string::npos, said.find("on line 5: id=\"5x\"")) << said;
    const auto& entries = SceneIndex::instance().entries();
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("hall", entries.at(3).fileName);
    EXPECT_EQ("content/hall/", entries.at(3).path);
    EXPECT_EQ(5, entries.at(5).id) << "ids are read like atoi";
    EXPECT_EQ(nullptr, SceneIndex::instance().find(4));
}

TEST_F(SceneFilesTest, IndexIsReplacedByAGoodFileAndKeptOnABadOne) {
    writeIndex({1, 2});
    TemporaryDirectory::writeFile(folder / "bad.xml", "<Other/>");
    StdoutCapture capture;
    EXPECT_FALSE(SceneIndex::instance().load(folder / "bad.xml"));
    EXPECT_FALSE(SceneIndex::instance().load(folder / "missing.xml"));
    capture.finish();
    EXPECT_EQ(2u, SceneIndex::instance().entries().size());
    TemporaryDirectory::writeFile(folder / "one.xml", "<Indexes><Index id=\"9\" fileName=\"a\" "
                                                      "path=\"p/\"/></Indexes>");
    ASSERT_TRUE(SceneIndex::instance().load(folder / "one.xml"));
    EXPECT_EQ(1u, SceneIndex::instance().entries().size());
}

TEST_F(SceneFilesTest, SceneFileNameCarriesTheLanguageUnlessEnglish) {
    SceneIndexEntry entry;
    entry.fileName = "hall";
    entry.path = "content/config/scene/hall/";
    EXPECT_EQ("content/config/scene/hall/hall.xml", SceneIndex::sceneFilePath(entry, "EN"));
    EXPECT_EQ("content/config/scene/hall/hallDE.xml", SceneIndex::sceneFilePath(entry, "DE"));

    writeIndex({7});
    writeScene("scene7.xml", item("Key", 0, 1));
    writeScene("scene7DE.xml", item("Schl\xC3\xBCssel", 0, 1));
    ItemDescriptions english = SceneFile::loadSceneItems(7);
    ASSERT_EQ(1u, english.size());
    EXPECT_EQ("Key", english[0]->name);
    AppConfig::instance().selectLanguage("DE");
    ItemDescriptions german = SceneFile::loadSceneItems(7);
    ASSERT_EQ(1u, german.size());
    EXPECT_EQ("Schl\xC3\xBCssel", german[0]->name);
}

TEST_F(SceneFilesTest, ItemsAreReadWithAllTheirFieldsAndScreenValues) {
    writeIndex({2});
    writeScene("scene2.xml", item("Key", 1, 9) + item("Cup", 0, 1),
               "<Screen width=\"1200\" height=\"700\" xOffset=\"-88\"/><Screen width=\"1\"/>");
    const ItemDescriptions items = SceneFile::loadSceneItems(2);
    ASSERT_EQ(2u, items.size());
    const ItemDescription& key = *items[0];
    EXPECT_EQ("Key", key.name);
    EXPECT_EQ("Key.png", key.image);
    EXPECT_EQ(scenes(), key.path);
    EXPECT_EQ(2, key.layer);
    EXPECT_EQ(40, key.majorGroupID);
    EXPECT_EQ(1, key.minorGroupID);
    EXPECT_FLOAT_EQ(10.5f, key.x);
    EXPECT_FLOAT_EQ(-3.0f, key.y);
    EXPECT_FLOAT_EQ(12.25f, key.angle);
    EXPECT_EQ(255, key.R);
    EXPECT_EQ(128, key.G);
    EXPECT_EQ(0, key.B);
    EXPECT_EQ(200, key.A);
    EXPECT_EQ(1, key.type);
    EXPECT_EQ("tip.xml", key.infoTip);
    EXPECT_EQ(9, key.typeId);
    const SceneIndexEntry& entry = *SceneIndex::instance().find(2);
    EXPECT_EQ(1200, entry.width) << "the first Screen element counts";
    EXPECT_EQ(700, entry.height);
    EXPECT_EQ(-88, entry.xOffset);
    EXPECT_EQ(0, entry.yOffset);

    const ItemDescriptions again = SceneFile::loadSceneItems(2);
    ASSERT_EQ(items.size(), again.size());
    EXPECT_EQ(*items[0], *again[0]) << "reading twice gives equal descriptions";
    EXPECT_EQ(*items[1], *again[1]);
}

TEST_F(SceneFilesTest, ItemMissingAnAttributeKeepsItsIndexAndOnlyItsName) {
    writeIndex({2});
    writeScene("scene2.xml", item("A", 0, 1) + "<Item name=\"B\" image=\"b.png\" layer=\"4\"/>" +
                                 item("C", 0, 2));
    const ItemDescriptions items = SceneFile::loadSceneItems(2);
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ("B", items[1]->name);
    EXPECT_EQ(scenes(), items[1]->path);
    EXPECT_EQ("", items[1]->image) << "defaults, although image was given";
    EXPECT_EQ(0, items[1]->layer);
    EXPECT_EQ("C", items[2]->name) << "the next item keeps its place";
    EXPECT_EQ(2, items[2]->typeId);
}

TEST_F(SceneFilesTest, UnlistedOrUnreadableScenesGiveNoItems) {
    writeIndex({2, 3});
    writeScene("scene3.xml", "");
    TemporaryDirectory::writeFile(scenes() + "scene3.xml", "<NotAScene/>");
    StdoutCapture capture;
    EXPECT_TRUE(SceneFile::loadSceneItems(2).empty()) << "no file";
    EXPECT_TRUE(SceneFile::loadSceneItems(3).empty()) << "no Scene root";
    EXPECT_TRUE(SceneFile::loadSceneItems(8).empty()) << "not listed";
    EXPECT_EQ(3, StdoutCapture::lineCount(capture.finish()));
    ASSERT_NE(nullptr, SceneIndex::instance().find(8));
    EXPECT_EQ(-1, SceneIndex::instance().find(8)->id) << "the lookup leaves an entry behind";
}

TEST_F(SceneFilesTest, RulesMapTypeAndTypeIdToGroups) {
    const ItemGroupRules rules = ItemGroupRules::load(writeRules());
    ItemDescription d;
    d.type = 0;
    d.typeId = 1;
    EXPECT_EQ(1, rules.groupFor(&d));
    d.typeId = 2;
    EXPECT_EQ(4, rules.groupFor(&d)) << "a later rule replaces an earlier one";
    d.typeId = 3;
    EXPECT_EQ(-1, rules.groupFor(&d)) << "a rule without type is skipped";
    d.type = 1;
    d.typeId = 1;
    EXPECT_EQ(5, rules.groupFor(&d));
    d.type = 2;
    EXPECT_EQ(-1, rules.groupFor(&d)) << "type 2 has no table";
    EXPECT_EQ(-1, rules.groupFor(nullptr));
    EXPECT_TRUE(rules.table(2).empty());

    StdoutCapture capture;
    const ItemGroupRules none = ItemGroupRules::load(folder / "missing.xml");
    EXPECT_EQ(1, StdoutCapture::lineCount(capture.finish()));
    d.type = 0;
    EXPECT_EQ(-1, none.groupFor(&d));
}

} // namespace
