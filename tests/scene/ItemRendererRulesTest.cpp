// The renderer rule file and the factory: the first matching rule gives the
// renderer number, -1 matches anything on either side, and a creator builds
// the renderer of that number.
#include "game/scene/ItemRendererFactory.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/StdoutCapture.h"

namespace {

class Marked : public ItemRenderer {
public:
    Marked(int number, Item* item) : ItemRenderer(nullptr, item), number(number) {}
    int number;
};

class ItemRendererRulesTest : public SceneFixture {
protected:
    ItemRendererFactory factory;

    void SetUp() override {
        for (int number : {0, 1}) {
            factory.registerCreator(number, [number](ItemRendererOwner*, Item* item) {
                return std::unique_ptr<ItemRenderer>(std::make_unique<Marked>(number, item));
            });
        }
    }
    int built(int group, int typeId, int type) {
        ItemRendererFactoryInput input;
        input.groupId = group;
        input.typeId = typeId;
        input.type = type;
        auto renderer = factory.createRenderer(input, nullptr, nullptr);
        return renderer ? static_cast<Marked&>(*renderer).number : -1;
    }
};

TEST_F(ItemRendererRulesTest, TheFirstMatchingRuleChoosesAndEmptyFieldsMatchAnything) {
    const std::string path = folder / "Renderers.xml";
    TemporaryDirectory::writeFile(path, R"(<ItemRendererRules>
  <Rule renderer="0" typeId="5"/>
  <Rule groupId="6"/>
  <Rule renderer="0" groupId="2"/>
  <Rule renderer="7" typeId="9"/>
  <Rule renderer="1"/>
</ItemRendererRules>)");
    StdoutCapture out;
    factory.loadRules(path);
    EXPECT_NE(out.finish().find("line 3: a Rule without renderer is skipped"), std::string::npos);
    ASSERT_EQ(4u, factory.rules().size());
    EXPECT_EQ(0, built(2, 5, 0)) << "typeId 5 matches the first rule in any group";
    EXPECT_EQ(1, built(3, 4, 0)) << "the last rule takes every other item";
    EXPECT_EQ(0, factory.rendererFor({2, 4, 0})) << "group 2 matches the third rule";
    EXPECT_EQ(1, factory.rendererFor({3, 4, 0})) << "moved to group 3: only the catch-all";
    EXPECT_EQ(-1, built(1, 9, 0)) << "renderer 7 has no creator: no renderer";

    ItemRendererFactory empty;
    StdoutCapture missing;
    empty.loadRules(folder / "none.xml");
    EXPECT_NE(missing.finish().find("none.xml"), std::string::npos);
    EXPECT_EQ(-1, empty.rendererFor({1, 1, 0}));
}

} // namespace
