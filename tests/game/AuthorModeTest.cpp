// The author keys in the running game, pressed as real key events: F7 walks
// the game flow, F5 builds the scene again from an edited scene file and
// keeps what was found, F6 draws the item boxes; the caption names the files.
#include "game/app/AuthorMode.h"

#include "game/menus/MainMenu.h"
#include "game/menus/StoryScreen.h"
#include "game/menus/TransitionScreen.h"
#include "game/scene/LarkScene.h"
#include "game/scene/data/ItemDescription.h"
#include "tests/support/ContentCopy.h"
#include "tests/support/RunningGame.h"

#include <regex>

namespace {

class AuthorModeTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Mira"}; }

    void SetUp() override {
        here = std::make_unique<ScopedWorkingDirectory>(content.root());
        RunningGame::SetUp();
        PlayerProfiles::instance().selectProfile(0);
        app->enableAuthorMode();
        ASSERT_NE(nullptr, waitFor<MainMenu>());
    }
    void TearDown() override {
        HOScene::setDebugOverlay(false);
        RunningGame::TearDown();
        here.reset();
    }
    void press(int key) {
        sdl_input::pushKeyStroke(key);
        frame();
    }
    static std::string caption() {
        char* title = nullptr;
        SDL_WM_GetCaption(&title, nullptr);
        return title ? title : "";
    }
    Item* taproomItem(int index) {
        ItemRegistry& registry = ItemRegistry::instance();
        return registry.findItem(registry.groupOf(index, 1), index, 1);
    }

    ContentCopy content;
    std::unique_ptr<ScopedWorkingDirectory> here;
};

TEST_F(AuthorModeTest, F7WalksTheFlowF5RebuildsTheSceneFromItsFileKeepingFoundItemsF6DrawsBoxes) {
    // Nothing of the flow is shown yet: F5 leaves the menu alone.
    MainMenu* menu = top<MainMenu>();
    press(SDLK_F5);
    EXPECT_EQ(menu, top<MainMenu>());

    press(SDLK_F7); // the flow's first screen, as Play
    ASSERT_NE(nullptr, top<StoryScreen>());
    frame();
    EXPECT_NE(caption().find(" - StoryScreen (story, flow entry 0): content/story/intro/"),
              std::string::npos)
        << caption();
    press(SDLK_F7);
    ASSERT_NE(nullptr, top<TransitionScreen>());
    press(SDLK_F7);
    LarkScene* scene = waitFor<LarkScene>();
    ASSERT_NE(nullptr, scene);
    EXPECT_EQ(2, GameFlow::instance().position());
    frame();
    EXPECT_NE(caption().find("Scene1 (ho_scene, flow entry 2): "), std::string::npos);
    EXPECT_NE(caption().find("content/config/scene/Taproom/Mechanics.xml"), std::string::npos);
    EXPECT_NE(caption().find("content/scenes/Taproom/Taproom.xml"), std::string::npos);

    // The automated player finds an item.
    ItemRegistry& registry = ItemRegistry::instance();
    ASSERT_TRUE(autoplayUntil([&] { return !registry.itemsOf(GROUP_REMOVED, 1).empty(); }, 30000));
    const std::size_t found = registry.itemsOf(GROUP_REMOVED, 1).size();
    const int foundIndex = registry.itemsOf(GROUP_REMOVED, 1).front()->index;

    // The author moves the horseshoe (item 2, at x 516) in the scene file.
    const std::string file = TemporaryDirectory::readFile("content/scenes/Taproom/Taproom.xml");
    const std::string moved =
        std::regex_replace(file, std::regex("(name=\"Horseshoe\"[^>]*) x=\"516\""), "$1 x=\"600\"");
    ASSERT_NE(file, moved);
    content.write("scenes/Taproom/Taproom.xml", moved);
    ASSERT_NE(nullptr, taproomItem(2));
    const int shownBefore = taproomItem(2)->renderer->x();
    press(SDLK_F5);
    LarkScene* rebuilt = top<LarkScene>();
    ASSERT_NE(nullptr, rebuilt);
    EXPECT_NE(scene, rebuilt);
    frames(600);
    EXPECT_EQ(600.f, taproomItem(2)->description->x);
    EXPECT_EQ(shownBefore + 84, taproomItem(2)->renderer->x()); // 600 - 516
    EXPECT_EQ(found, registry.itemsOf(GROUP_REMOVED, 1).size());
    EXPECT_EQ(GROUP_REMOVED, registry.groupOf(foundIndex, 1));

    // F6: the horseshoe, still to be found, gets a box in the goals' yellow.
    const ItemRenderer& horseshoe = *taproomItem(2)->renderer;
    const int boxX = horseshoe.x() + horseshoe.width() - 1;
    const int boxY = horseshoe.y() + horseshoe.height() - 1;
    frame();
    const Color without = shownPixel(boxX, boxY);
    press(SDLK_F6);
    frame();
    EXPECT_EQ(Color(255, 220, 40, 255), shownPixel(boxX, boxY));
    press(SDLK_F6);
    frame();
    EXPECT_EQ(without, shownPixel(boxX, boxY));

    // F7 leaves the unfinished scene for the puzzle after it.
    press(SDLK_F7);
    EXPECT_EQ(3, GameFlow::instance().position());
}

} // namespace
