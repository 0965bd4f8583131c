// The free play menu in the running game with the game's own content, driven
// by real clicks: which scenes it offers, its pages, and a replay that leaves
// the story's state and the save file as they were.
#include "game/menus/FreePlayMenu.h"

#include "engine/graphics/GLTexture.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "game/GameSave.h"
#include "game/PlayerProfile.h"
#include "game/menus/MainMenu.h"
#include "game/scene/LarkScene.h"
#include "tests/support/RunningGame.h"

namespace {

Color picturePixel(const std::string& path, int x, int y) {
    return SDLSurfaceImage(path).getPixel(x, y);
}

// The group blocks the save file would get, in order, leaving out empty ones
// (asking for a group's items creates the group).
std::vector<std::vector<std::uint8_t>> registryBlocks() {
    ItemRegistry& registry = ItemRegistry::instance();
    std::vector<std::vector<std::uint8_t>> blocks;
    for (const int group : registry.groupKeys()) {
        std::vector<std::uint8_t> block = registry.writeGroup(group);
        if (block[0] || block[1] || block[2] || block[3]) { // the item count
            blocks.push_back(std::move(block));
        }
    }
    return blocks;
}

class FreePlayMenuTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Mira"}; }

    void SetUp() override {
        RunningGame::SetUp();
        PlayerProfiles::instance().selectProfile(0);
        FreePlayMenu::resetReplays();
    }
    PlayerProfile& player() { return *PlayerProfiles::instance().currentProfile(); }

    FreePlayMenu* openFromMainMenu() {
        MainMenu* menu = waitFor<MainMenu>();
        if (!menu) {
            return nullptr;
        }
        frames(600);
        click(menu->button(MainMenu::FreePlay));
        FreePlayMenu* freePlay = waitFor<FreePlayMenu>(2000);
        frames(600); // its fade-in
        return freePlay;
    }
    std::vector<std::string> slotNames(FreePlayMenu* menu) {
        std::vector<std::string> names;
        for (int i = 0; i < FreePlayMenu::SlotsPerPage; ++i) {
            names.push_back(menu->slotName(i)->text());
        }
        return names;
    }
    const GLTexture* emptyPicture(FreePlayMenu* menu) {
        return menu->resources().getTexture("FREEPLAY_EMPTY_TEXTURE");
    }
    std::string savePath() const { return userFolder.path() + "/LanternInn/profiles.sav"; }
};

TEST_F(FreePlayMenuTest, OffersTheScenesBehindThePlayerOnceEachAndEveryOneOnceFinished) {
    GameFlow& flow = GameFlow::instance();
    auto names = [&flow](bool finished) {
        std::vector<std::string> offered;
        for (const GameFlow::Entry* entry : FreePlayMenu::offeredScenes(flow, finished)) {
            offered.push_back(GameFlow::attribute(entry->attributes, "name"));
        }
        return offered;
    };
    flow.setPosition(0);
    EXPECT_TRUE(names(false).empty());
    flow.setPosition(5); // the Library's entry: the Taproom lies behind
    EXPECT_EQ(std::vector<std::string>{"SCENE_TAPROOM"}, names(false));
    flow.setPosition(8); // the Music room's entry
    EXPECT_EQ((std::vector<std::string>{"SCENE_TAPROOM", "SCENE_LIBRARY"}), names(false));
    // A scene listed again after itself (even past a story) is offered once;
    // another one after it is offered.
    TemporaryDirectory::writeFile(userFolder / "more.xml", R"(<GameFlow>
  <Screen type="ho_scene" sceneId="4" name="SCENE_KITCHEN" configPath="content/config/scene/Kitchen/"
          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml" itemRendererConf="Renderers.xml"/>
  <Screen type="story" sceneId="100" pathStory="content/story/ending/"/>
  <Screen type="ho_scene" sceneId="4" name="SCENE_KITCHEN" configPath="content/config/scene/Kitchen/"
          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml" itemRendererConf="Renderers.xml"/>
  <Screen type="ho_scene" sceneId="2" name="Reading nook" configPath="content/config/scene/Library/"
          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml" itemRendererConf="Renderers.xml"/>
</GameFlow>)");
    ASSERT_TRUE(flow.load(userFolder / "more.xml"));
    EXPECT_EQ((std::vector<std::string>{"SCENE_TAPROOM", "SCENE_LIBRARY", "SCENE_MUSIC_ROOM",
                                        "SCENE_KITCHEN", "Reading nook"}),
              names(true));
}

TEST_F(FreePlayMenuTest, ANewPlayerFindsTheMessageAndSlotsThatDoNothing) {
    FreePlayMenu* menu = openFromMainMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(0u, menu->offeredCount());
    EXPECT_EQ("1 / 1", menu->pageText());
    for (int i = 0; i < FreePlayMenu::SlotsPerPage; ++i) {
        EXPECT_EQ(emptyPicture(menu), menu->slot(i)->texture());
        EXPECT_EQ("", menu->slotName(i)->text());
    }
    EXPECT_FALSE(menu->button(FreePlayMenu::PreviousId)->isEnabled());
    EXPECT_FALSE(menu->button(FreePlayMenu::NextId)->isEnabled());
    // The message's backdrop covers the middle of the wallpaper.
    frame();
    EXPECT_NE(picturePixel("content/images/menus/freeplay/Bg.png", 512, 384), shownPixel(512, 384));
    click(menu->slot(0));
    frames(600);
    EXPECT_EQ(menu, top<FreePlayMenu>());
    // MENU goes back to the main menu, which knows where the player came from.
    click(menu->button(FreePlayMenu::MenuId));
    MainMenu* main = waitFor<MainMenu>(2000);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ("fromFreePlay", main->context());
}

TEST_F(FreePlayMenuTest, SevenScenesMakeTwoPagesAndOnlyOfferedSlotsAreFramed) {
    // Three more scenes after the game's four; the file names pictures for
    // the first four only.
    TemporaryDirectory::writeFile(userFolder / "more.xml", R"(<GameFlow>
  <Screen type="ho_scene" sceneId="2" name="Cellar" configPath="content/config/scene/Library/"
          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml" itemRendererConf="Renderers.xml"/>
  <Screen type="ho_scene" sceneId="3" name="Attic" configPath="content/config/scene/MusicRoom/"
          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml" itemRendererConf="Renderers.xml"/>
  <Screen type="ho_scene" sceneId="4" name="Garden" configPath="content/config/scene/Kitchen/"
          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml" itemRendererConf="Renderers.xml"/>
</GameFlow>)");
    ASSERT_TRUE(GameFlow::instance().load(userFolder / "more.xml"));
    player().finished = true;
    FreePlayMenu* menu = openFromMainMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(7u, menu->offeredCount());
    EXPECT_EQ(2, menu->pageCount());
    EXPECT_EQ("1 / 2", menu->pageText());
    EXPECT_EQ((std::vector<std::string>{"Taproom", "Library", "Music room", "Kitchen", "Cellar",
                                        "Attic"}),
              slotNames(menu));
    EXPECT_NE(emptyPicture(menu), menu->slot(0)->texture()); // the Taproom's thumbnail
    EXPECT_EQ(emptyPicture(menu), menu->slot(4)->texture()); // no picture in the file
    EXPECT_FALSE(menu->button(FreePlayMenu::PreviousId)->isEnabled());
    EXPECT_TRUE(menu->button(FreePlayMenu::NextId)->isEnabled());

    click(menu->button(FreePlayMenu::NextId));
    frames(100);
    EXPECT_EQ("2 / 2", menu->pageText());
    EXPECT_EQ((std::vector<std::string>{"Garden", "", "", "", "", ""}), slotNames(menu));
    EXPECT_TRUE(menu->button(FreePlayMenu::PreviousId)->isEnabled());
    EXPECT_FALSE(menu->button(FreePlayMenu::NextId)->isEnabled());
    // The frame (drawn 12 px out from the slot, opaque at its edge) stands
    // around the one offered slot only.
    const ClickableImageWidget* offered = menu->slot(0);
    const ClickableImageWidget* empty = menu->slot(1);
    const std::string framePicture = "content/images/menus/freeplay/Frame.png";
    EXPECT_EQ(picturePixel(framePicture, 6, 87), shownPixel(offered->x() - 6, offered->y() + 75));
    EXPECT_NE(picturePixel(framePicture, 6, 87), shownPixel(empty->x() - 6, empty->y() + 75));
    // An empty slot does nothing.
    click(menu->slot(3));
    frames(700);
    EXPECT_EQ(menu, top<FreePlayMenu>());
    click(menu->button(FreePlayMenu::PreviousId));
    frames(100);
    EXPECT_EQ("1 / 2", menu->pageText());
}

TEST_F(FreePlayMenuTest, AReplayStartsAfreshAndLeavesTheStoryAndTheSaveAsTheyWere) {
    // The player is in the Library at its third stage; the Taproom is behind,
    // with what a finished scene keeps in the registry.
    GameFlow::instance().setPosition(5);
    player().started = true;
    player().resumeStep = 2;
    ItemRegistry& registry = ItemRegistry::instance();
    registry.registerSceneItems("content/config/scene/Taproom/ItemGroups.xml", 1);
    for (const int group : {GROUP_SCENE, GROUP_REMOVED, GROUP_GOAL, GROUP_DISPLAY_6, GROUP_BONUS}) {
        registry.clearGroup(group);
    }
    const std::size_t kept = registry.itemsOf(GROUP_DISPLAY_5, 1).size();
    ASSERT_GT(kept, 0u);
    ASSERT_TRUE(GameSave::saveNow());
    const std::vector<std::vector<std::uint8_t>> storyBlocks = registryBlocks();
    const std::string storySave = TemporaryDirectory::readFile(savePath());

    FreePlayMenu* menu = openFromMainMenu();
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(1u, menu->offeredCount());
    EXPECT_EQ("Taproom", menu->slotName(0)->text());
    click(menu->slot(0));
    LarkScene* scene = waitFor<LarkScene>(2000);
    ASSERT_NE(nullptr, scene);
    frames(700);
    EXPECT_TRUE(scene->isFreePlay());
    // Under the scene's picture the menu holds no pixels of its own.
    const GLTexture* background = menu->resources().getTexture("FREEPLAY_BG");
    const GLTexture* thumbnail = menu->slot(0)->texture();
    EXPECT_TRUE(menu->picturesSetAside());
    EXPECT_FALSE(background->hasGLTexture());
    EXPECT_EQ(nullptr, thumbnail->keptImage());
    // A first visit: goals on the list, the coins thinned out as ever.
    EXPECT_FALSE(registry.itemsOf(GROUP_GOAL, 1).empty());
    EXPECT_EQ(kept, registry.itemsOf(GROUP_DISPLAY_5, 1).size()) << "not registered twice";
    const std::size_t thinned = registry.itemsOf(GROUP_REMOVED, 1).size();
    ASSERT_TRUE(
        autoplayUntil([&] { return registry.itemsOf(GROUP_REMOVED, 1).size() > thinned; }, 20000));
    // What the replay finds is neither saved nor written in a save.
    EXPECT_EQ(storySave, TemporaryDirectory::readFile(savePath()));
    EXPECT_EQ(storyBlocks, registryBlocks());
    EXPECT_EQ(2, player().resumeStep);

    click(scene->menuButton());
    frames(700);
    PlayerMove yes;
    ASSERT_TRUE(scene->dialogMove(yes, MessageQuestionDialogSimple::YesButtonId));
    clickAt(yes.x, yes.y);
    ASSERT_EQ(menu, waitFor<FreePlayMenu>(2000));
    frames(100);
    EXPECT_EQ(1, FreePlayMenu::replaysThisRun());
    // Uncovered, it shows its pictures again and its slots answer clicks.
    EXPECT_FALSE(menu->picturesSetAside());
    EXPECT_TRUE(thumbnail->isOpaqueAt(100, 75));
    const std::string backgroundPicture = "content/images/menus/freeplay/Bg.png";
    EXPECT_EQ(picturePixel(backgroundPicture, 330, 100), shownPixel(330, 100));
    EXPECT_EQ(storyBlocks, registryBlocks());
    EXPECT_EQ(2, player().resumeStep);
    EXPECT_EQ(5, GameFlow::instance().position());
    EXPECT_EQ(storySave, TemporaryDirectory::readFile(savePath()));

    // Played again, the scene is a first visit once more.
    frames(600);
    click(menu->slot(0));
    ASSERT_NE(nullptr, waitFor<LarkScene>(2000));
    frames(700);
    EXPECT_EQ(thinned, registry.itemsOf(GROUP_REMOVED, 1).size());
}

} // namespace
