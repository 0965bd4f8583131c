// Each of the game's own scenes, entered from its game-flow entry as a player
// reaches it: what an author can get wrong (a goal nobody can click, a German
// file out of step with the English one, a missing picture, rain or a star
// that does nothing) shows here with the scene's name.
#include "engine/app/PlayerMove.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/GLTexture.h"
#include "game/PlayerProfile.h"
#include "game/scene/AnimPlayerItemRenderer.h"
#include "game/scene/ItemGoalRenderer.h"
#include "game/scene/LarkScene.h"
#include "game/scene/RainRenderer.h"
#include "game/scene/TexItemRenderer.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "tests/support/RunningGame.h"

#include <tinyxml.h>

#include <sstream>

namespace {

class GameScenesTest : public RunningGame, public testing::WithParamInterface<int> {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Tester"}; }

    void SetUp() override {
        RunningGame::SetUp();
        PlayerProfiles::instance().selectProfile(0);
    }

    // The scene as the flow builds it, on top of the main menu, faded in;
    // the message a stage opens with is read and closed.
    LarkScene* enter(int sceneId) {
        for (const GameFlow::Entry& entry : GameFlow::instance().entries()) {
            if (entry.type == "ho_scene" &&
                GameFlow::intAttribute(entry.attributes, "sceneId", -1) == sceneId) {
                app->startScreen(GameFlow::instance().createScreen(entry.type, entry.attributes));
            }
        }
        frames(700);
        auto* scene = top<LarkScene>();
        PlayerMove ok;
        if (scene && scene->dialogMove(ok, 0)) {
            clickAt(ok.x, ok.y);
            frames(700);
        }
        return scene;
    }

    // typeId, picture and place of every item of a scene file, one line each.
    static std::vector<std::string> layout(const std::string& path) {
        std::vector<std::string> lines;
        TiXmlDocument document;
        std::string error;
        if (!xml::loadFile(document, path, error)) {
            return {"unreadable: " + error};
        }
        const TiXmlElement* root = document.RootElement();
        for (const TiXmlElement* item = root ? root->FirstChildElement("Item") : nullptr; item;
             item = item->NextSiblingElement("Item")) {
            std::ostringstream line;
            for (const char* name : {"typeId", "image", "x", "y", "layer", "infoTip"}) {
                const char* value = item->Attribute(name);
                line << name << '=' << (value ? value : "?") << ' ';
            }
            const char* label = item->Attribute("name");
            line << (label && *label ? "named" : "UNNAMED");
            lines.push_back(line.str());
        }
        return lines;
    }
};

TEST_P(GameScenesTest, EveryGoalAndStarCanBeClickedAndTheLanguagesAgree) {
    const int sceneId = GetParam();
    const SceneIndexEntry* indexed = SceneIndex::instance().find(sceneId);
    ASSERT_NE(nullptr, indexed) << "scene " << sceneId << " is not in the index";
    // The German file is the English one with other names: a save names items
    // by their index, whichever language wrote it.
    const std::vector<std::string> english = layout(SceneIndex::sceneFilePath(*indexed, "EN"));
    EXPECT_EQ(english, layout(SceneIndex::sceneFilePath(*indexed, "DE")));
    EXPECT_GT(english.size(), 40u);

    LarkScene* scene = enter(sceneId);
    ASSERT_NE(nullptr, scene);
    ASSERT_NE(nullptr, scene->goalRenderer()) << "the first stage shows its find list";
    EXPECT_FALSE(scene->goalRenderer()->entries().empty());
    ItemRegistry& registry = ItemRegistry::instance();
    std::vector<Item*> findable = registry.itemsOf(GROUP_GOAL, sceneId);
    const std::vector<Item*> stars = registry.itemsOf(GROUP_BONUS, sceneId);
    findable.insert(findable.end(), stars.begin(), stars.end());
    ASSERT_FALSE(findable.empty());
    for (Item* item : findable) {
        const std::string name = item->description ? item->description->name : "?";
        int x = 0;
        int y = 0;
        ASSERT_TRUE(item->renderer) << name << " (item " << item->index << ") has no renderer";
        EXPECT_TRUE(item->renderer->isEnabled() && item->renderer->isVisible()) << name;
        EXPECT_TRUE(scene->pointOn(*item, x, y))
            << name << " (item " << item->index << ") has no pixel a click reaches";
    }
    // Every picture of the scene was found and read.
    for (const Item* item : scene->displayList()) {
        if (const auto* shown = dynamic_cast<const TexItemRenderer*>(item->renderer.get())) {
            EXPECT_TRUE(shown->texture() && shown->texture()->imageWidth() > 0)
                << item->description->image << " did not load";
        }
    }
}

std::string sceneName(const testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"", "Taproom", "Library", "MusicRoom", "Kitchen"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(TheGame, GameScenesTest, testing::Values(1, 2, 3, 4), sceneName);

class GameSceneFeaturesTest : public GameScenesTest {};

TEST_F(GameSceneFeaturesTest, TheLibraryAsksForTheLocketPieceUntilItIsFound) {
    auto startLibrary = [this] {
        for (const GameFlow::Entry& entry : GameFlow::instance().entries()) {
            if (entry.type == "ho_scene" &&
                GameFlow::intAttribute(entry.attributes, "sceneId", -1) == 2) {
                app->startScreen(GameFlow::instance().createScreen(entry.type, entry.attributes));
            }
        }
        frames(700);
        return top<LarkScene>();
    };
    LarkScene* library = startLibrary();
    ASSERT_NE(nullptr, library);
    PlayerMove ok;
    ASSERT_TRUE(library->dialogMove(ok, 0)) << "the first stage asks for a locket piece";
    EXPECT_EQ(100, library->steps().front().rules.front().typeIds.front());
    clickAt(ok.x, ok.y);
    frames(700);
    Item* piece = nullptr;
    for (Item* goal : ItemRegistry::instance().itemsOf(GROUP_GOAL, 2)) {
        piece = goal->description->typeId == 100 ? goal : piece;
    }
    ASSERT_NE(nullptr, piece);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(library->pointOn(*piece, x, y));
    clickAt(x, y);
    frames(1600); // the collect
    EXPECT_EQ(GROUP_REMOVED, ItemRegistry::instance().groupOf(piece->index, 2));

    // Back in the same stage later: the piece is found, nothing to ask.
    app->popScreen();
    frame();
    library = startLibrary();
    ASSERT_NE(nullptr, library);
    EXPECT_FALSE(library->dialogMove(ok, 0));
}

TEST_F(GameSceneFeaturesTest, RainFallsOnTheMusicRoomsWindowAndItsPendulumSwings) {
    LarkScene* room = enter(3);
    ASSERT_NE(nullptr, room);
    const RainRenderer* rain = nullptr;
    const AnimPlayerItemRenderer* pendulum = nullptr;
    for (const Item* item : room->displayList()) {
        rain = rain ? rain : dynamic_cast<const RainRenderer*>(item->renderer.get());
        pendulum =
            pendulum ? pendulum : dynamic_cast<const AnimPlayerItemRenderer*>(item->renderer.get());
    }
    ASSERT_NE(nullptr, rain);
    ASSERT_NE(nullptr, pendulum);
    EXPECT_FALSE(rain->drops().empty());
    EXPECT_TRUE(pendulum->isPlaying());
    // The rain lies below the room: only the window's glass lets it through,
    // so a press anywhere else finds the room (item 0) or what stands on it.
    const Item* wall = room->hitAt(500, 40);
    ASSERT_NE(nullptr, wall);
    EXPECT_EQ(0, wall->index);
}

TEST_F(GameSceneFeaturesTest, AStarInTheKitchenGivesOneHint) {
    LarkScene* kitchen = enter(4);
    ASSERT_NE(nullptr, kitchen);
    const std::vector<Item*> stars = ItemRegistry::instance().itemsOf(GROUP_BONUS, 4);
    ASSERT_EQ(4u, stars.size());
    PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    const int hints = player->hintCount;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(kitchen->pointOn(*stars.front(), x, y));
    clickAt(x, y);
    frames(1600); // the collect
    EXPECT_EQ(hints + 1, player->hintCount);
    EXPECT_EQ(3u, ItemRegistry::instance().itemsOf(GROUP_BONUS, 4).size());
}

} // namespace
