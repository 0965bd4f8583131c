// A hidden-object scene in the running game, played with real clicks: a small
// scene of flat-coloured pictures written by the test, whose dashboard, hint,
// collect animation, dialogs and saved progress are checked through the
// registry, the profile and the pixels of the drawn frame.
#include "engine/resources/ResourceManager.h"
#include "engine/ui/QuillButton.h"
#include "game/GameFlow.h"
#include "game/PlayerProfile.h"
#include "game/menus/MainMenu.h"
#include "game/menus/StoryScreen.h"
#include "game/minigames/MG_Screen5.h"
#include "game/minigames/MiniGameBase.h"
#include "game/scene/AnimPlayerItemRenderer.h"
#include "game/scene/CollectableItemRenderer.h"
#include "game/scene/GoalRenderers.h"
#include "game/scene/HintButton.h"
#include "game/scene/LarkScene.h"
#include "game/scene/RainRenderer.h"
#include "game/scene/data/Item.h"
#include "game/scene/data/ItemDescription.h"
#include "tests/support/AnimationFiles.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/RunningGame.h"

#include "engine/core/Log.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include <SDL_image.h>

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const Color kRoom(40, 60, 80);
const Color kApple(220, 30, 30);
const Color kBell(30, 200, 60);
const Color kSack(120, 80, 40);

class HiddenObjectSceneTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Tester"}; }

    void SetUp() override {
        RunningGame::SetUp();
        PlayerProfiles::instance().selectProfile(0);
        writeScene();
    }

    std::string sceneFolder() const { return userFolder.path() + "/scene/"; }
    std::string bellName = "Bell";

    void writeScene(const std::string& mechanics = "") {
        const std::string dir = sceneFolder();
        std::filesystem::create_directories(dir);
        writePngPicture(dir + "room.png", 1024, 768, flat(kRoom));
        writePngPicture(dir + "apple.png", 40, 40, flat(kApple));
        writePngPicture(dir + "bell.png", 40, 40, flat(kBell));
        // The sack's left half is transparent: presses there reach what lies below.
        writePngPicture(dir + "sack.png", 40, 40,
                        [](int x, int) { return x < 20 ? Color(0, 0, 0, 0) : kSack; });
        writePngPicture(dir + "coin.png", 20, 20, flat(Color(240, 210, 40)));
        writePngPicture(dir + "cap.png", 20, 20, flat(Color(40, 80, 240)));
        auto item = [](const std::string& name, const std::string& image, int layer, int x, int y,
                       int typeId) {
            return "<Item name=\"" + name + "\" image=\"" + image + "\" layer=\"" +
                   std::to_string(layer) + "\" majorGroupID=\"0\" minorGroupID=\"0\" x=\"" +
                   std::to_string(x) + "\" y=\"" + std::to_string(y) +
                   "\" angle=\"0\" R=\"255\" G=\"255\" B=\"255\" A=\"255\" type=\"0\" "
                   "infoTip=\"\" typeId=\"" +
                   std::to_string(typeId) + "\"/>";
        };
        TemporaryDirectory::writeFile(dir + "Test.xml",
                                      "<Scene><Screen width=\"1024\" height=\"768\"/>" +
                                          item("Room", "room.png", 0, 0, 0, 600) +
                                          item("Apple", "apple.png", 5, 100, 100, 1) +
                                          item(bellName, "bell.png", 5, 300, 100, 2) +
                                          item("Sack", "sack.png", 6, 320, 100, 300) +
                                          item("Coin", "coin.png", 5, 500, 100, 201) +
                                          item("Coin", "coin.png", 5, 550, 100, 201) +
                                          item("Coin", "coin.png", 5, 600, 100, 201) +
                                          item("Cap", "cap.png", 5, 100, 300, 202) +
                                          item("Cap", "cap.png", 5, 150, 300, 202) + "</Scene>");
        TemporaryDirectory::writeFile(dir + "Groups.xml", R"(<ItemGroupRules>
  <Rule groupId="6" typeId="600" type="0"/>
  <Rule groupId="1" typeId="1" type="0"/><Rule groupId="1" typeId="2" type="0"/>
  <Rule groupId="1" typeId="300" type="0"/><Rule groupId="1" typeId="201" type="0"/>
  <Rule groupId="1" typeId="202" type="0"/></ItemGroupRules>)");
        TemporaryDirectory::writeFile(dir + "Renderers.xml",
                                      R"(<ItemRendererRules><Rule renderer="1" groupId="6"/>
  <Rule renderer="0"/></ItemRendererRules>)");
        TemporaryDirectory::writeFile(dir + "Mechanics.xml", mechanics.empty() ? R"(<SceneMechanics>
  <CollectGroup identifier="STACKED_ITEM_LIST">
    <Collect name="Apple" typeId="1" pick="first" count="1"/>
    <Collect name="Bell" typeId="2" pick="first" count="1"/>
    <Collect name="Coin" typeId="201" pick="all" count="2"/>
  </CollectGroup>
  <CollectGroup identifier="FIND_X_ITEMS"><Collect name="Caps left: " typeId="202" pick="all"/></CollectGroup>
</SceneMechanics>)"
                                                                               : mechanics);
        TemporaryDirectory::writeFile(dir + "index.xml",
                                      "<Indexes><Index id=\"7\" fileName=\"Test\" path=\"" + dir +
                                          "\"/></Indexes>");
        ASSERT_TRUE(SceneIndex::instance().load(dir + "index.xml"));
    }

    // The scene as the flow starts it, in place of the main menu.
    LarkScene* enterScene() {
        app->popScreen();
        app->startScreen(std::make_unique<LarkScene>(7, sceneFolder(), "Renderers.xml",
                                                     "Mechanics.xml", "Groups.xml", true,
                                                     "SCENE_DONE_TAPROOM", false));
        frames(700); // the fade-in
        return top<LarkScene>();
    }
    int groupOf(int index) { return ItemRegistry::instance().groupOf(index, 7); }
    // The drawn frame's pixel, read back from a screenshot.
    Color pixel(int x, int y) {
        const std::string path = userFolder.path() + "/shot.png";
        app->screenshotTo(path);
        frame();
        SDL_Surface* shot = IMG_Load(path.c_str());
        if (!shot) {
            return Color(0, 0, 0, 0);
        }
        Uint8 r = 0, g = 0, b = 0;
        const Uint8* row = static_cast<const Uint8*>(shot->pixels) + y * shot->pitch;
        SDL_GetRGB(*reinterpret_cast<const Uint32*>(row + x * shot->format->BytesPerPixel),
                   shot->format, &r, &g, &b);
        SDL_FreeSurface(shot);
        return Color(r, g, b);
    }
    const LarkStackedItemGoalRenderer::Slot* slotNamed(LarkScene* scene, const std::string& name) {
        auto* list = dynamic_cast<LarkStackedItemGoalRenderer*>(scene->goalRenderer());
        if (!list) {
            return nullptr;
        }
        for (const auto& slot : list->slots()) {
            if (slot.used && slot.text == name) {
                return &slot;
            }
        }
        return nullptr;
    }
};

TEST_F(HiddenObjectSceneTest, APlayerFindsEveryGoalAndTheFlowGoesOn) {
    GameFlow::instance().setPosition(2); // the Taproom's entry; the safe follows
    LarkScene* scene = enterScene();
    ASSERT_NE(nullptr, scene);
    // Three coins, two kept: one thinned into GROUP_REMOVED on the first visit.
    EXPECT_EQ(2u, ItemRegistry::instance().itemsOf(GROUP_GOAL, 7).size() - 2);
    const auto* coins = slotNamed(scene, "Coin");
    ASSERT_NE(nullptr, coins);
    EXPECT_EQ("2 x Coin", LarkStackedItemGoalRenderer::slotText(*coins));
    EXPECT_EQ(kApple, pixel(108, 108));

    clickAt(120, 120); // the apple
    EXPECT_EQ(GROUP_GOAL, groupOf(1)) << "it leaves only when its 1400 ms collect ends";
    frames(1500);
    EXPECT_EQ(GROUP_REMOVED, groupOf(1));
    EXPECT_EQ(kRoom, pixel(108, 108)) << "the room shows where the apple was";
    ASSERT_NE(nullptr, slotNamed(scene, "Apple"));
    EXPECT_TRUE(slotNamed(scene, "Apple")->items.empty()) << "struck out in its place";

    clickAt(350, 120); // the sack's opaque half over the bell: a miss
    frames(1500);
    EXPECT_EQ(GROUP_GOAL, groupOf(2));
    clickAt(330, 120); // the sack's transparent half: the bell below
    frames(1500);
    EXPECT_EQ(GROUP_REMOVED, groupOf(2));

    for (Item* coin : ItemRegistry::instance().itemsOf(GROUP_GOAL, 7)) {
        clickAt(int(coin->description->x) + 10, int(coin->description->y) + 10);
        frames(1500);
    }
    // The stacked stage is done: the count list of the caps follows.
    auto* caps = dynamic_cast<CountItemGoalRenderer*>(scene->goalRenderer());
    ASSERT_NE(nullptr, caps);
    EXPECT_EQ("Caps left: 2", caps->text());
    EXPECT_EQ(1, PlayerProfiles::instance().currentProfile()->resumeStep);
    clickAt(110, 310); // cap 7
    frames(800);
    clickAt(160, 310); // cap 8, while cap 7 is still on its way out
    frames(800);       // cap 7 has left: the count list refreshes and enables its goals
    EXPECT_EQ("Caps left: 1", caps->text());
    const Item* leaving = ItemRegistry::instance().findItem(GROUP_GOAL, 8, 7);
    ASSERT_NE(nullptr, leaving);
    EXPECT_FALSE(leaving->renderer->isEnabled()) << "an item mid-collect takes no second click";
    frames(2500); // the collect, then the completion dialog opens
    PlayerMove ok;
    ASSERT_TRUE(scene->dialogMove(ok, 0)) << "the completion dialog is open";
    ASSERT_EQ(PlayerMove::Click, ok.kind);
    clickAt(ok.x, ok.y);
    frames(1200);
    // Completed: the scene's items are cleared and the flow moved on, to the
    // safe behind the bar.
    ASSERT_NE(nullptr, top<MG_Screen5>());
    EXPECT_EQ(3, GameFlow::instance().position());
    EXPECT_TRUE(ItemRegistry::instance().itemsOf(GROUP_REMOVED, 7).empty());
    EXPECT_EQ(0, PlayerProfiles::instance().currentProfile()->completedScenes); // -1 + 1
}

TEST_F(HiddenObjectSceneTest, AHintPointsOutOneGoalForSevenSecondsAndDimsTheRest) {
    LarkScene* scene = enterScene();
    ASSERT_NE(nullptr, scene);
    HintButton* hint = scene->hintButton();
    ASSERT_NE(nullptr, hint);
    // Filtered copies are made only when an effect first needs them.
    const int texturesBefore = scene->resources().textureCount();
    click(hint);
    int hinted = 0;
    int dimmed = 0;
    const Item* glowing = nullptr;
    const Item* grey = nullptr;
    for (Item* item : scene->displayList()) {
        auto* renderer = dynamic_cast<CollectableItemRenderer*>(item->renderer.get());
        hinted += renderer && renderer->isHinted();
        dimmed += renderer && renderer->isDimmed();
        if (renderer && renderer->isHinted()) {
            glowing = item;
        } else if (renderer && renderer->isDimmed() && item->description->typeId != 300) {
            grey = item; // a flat-coloured goal, not the half-transparent sack
        }
    }
    EXPECT_EQ(1, hinted);
    EXPECT_GE(dimmed, 4); // the other goals and the sack
    ASSERT_TRUE(glowing && grey);
    frames(1100); // the glow and the grey copies have faded in fully
    const int gx = int(glowing->description->x) + 8;
    const int gy = int(glowing->description->y) + 8;
    EXPECT_EQ(Color(255, 255, 0), pixel(gx, gy)) << "the hinted goal glows yellow";
    const Color dull = pixel(int(grey->description->x) + 8, int(grey->description->y) + 8);
    EXPECT_TRUE(std::abs(dull.r - dull.g) <= 2 && std::abs(dull.g - dull.b) <= 2)
        << "the others are grey: " << int(dull.r) << "," << int(dull.g) << "," << int(dull.b);
    // One silhouette for the glow, one grey copy per dimmed item.
    EXPECT_EQ(texturesBefore + 1 + dimmed, scene->resources().textureCount());
    EXPECT_EQ(1u, PlayerProfiles::instance().currentProfile()->hintFlags & 1u);
    EXPECT_FALSE(hint->isReady()) << "recharging";
    frames(6000); // 1000 in, 5000 held, 1000 out
    for (Item* item : scene->displayList()) {
        auto* renderer = dynamic_cast<CollectableItemRenderer*>(item->renderer.get());
        EXPECT_FALSE(renderer && (renderer->isHinted() || renderer->isDimmed()));
    }
}

TEST_F(HiddenObjectSceneTest, ALongGoalNameStaysWithinItsPlaceOnTheList) {
    bellName = "Brass bell with a long handle";
    writeScene();
    LarkScene* scene = enterScene();
    ASSERT_NE(nullptr, scene);
    const auto* bell = slotNamed(scene, bellName);
    ASSERT_NE(nullptr, bell);
    const int left = scene->goalRenderer()->x() + bell->x;
    const int top = scene->goalRenderer()->y() + bell->y;
    // The white text's extent across the place's band; the neighbours' names
    // ("Apple", green "2 x Coin") are short or not white.
    const std::string path = userFolder.path() + "/list.png";
    app->screenshotTo(path);
    frame();
    SDL_Surface* shot = IMG_Load(path.c_str());
    ASSERT_NE(nullptr, shot);
    int first = 1 << 20;
    int last = -1;
    for (int y = top; y < top + LarkStackedItemGoalRenderer::RowHeight + 4; ++y) {
        for (int x = left - 20; x < left + LarkStackedItemGoalRenderer::ColumnStep + 20; ++x) {
            Uint8 r = 0, g = 0, b = 0;
            const Uint8* row = static_cast<const Uint8*>(shot->pixels) + y * shot->pitch;
            SDL_GetRGB(*reinterpret_cast<const Uint32*>(row + x * shot->format->BytesPerPixel),
                       shot->format, &r, &g, &b);
            if (r > 200 && g > 200 && b > 200) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    SDL_FreeSurface(shot);
    ASSERT_GE(last, 0) << "the name is drawn";
    EXPECT_GE(first, left);
    EXPECT_LT(last, left + LarkStackedItemGoalRenderer::ColumnStep);
    EXPECT_GT(last - first, LarkStackedItemGoalRenderer::ColumnStep / 2) << "still readable";
}

TEST_F(HiddenObjectSceneTest, LeavingMidwayKeepsWhatWasFoundAndResumesThere) {
    LarkScene* scene = enterScene();
    ASSERT_NE(nullptr, scene);
    clickAt(120, 120);
    frames(1500);
    click(scene->menuButton());
    frames(600);
    PlayerMove yes;
    ASSERT_TRUE(scene->dialogMove(yes, 1));
    clickAt(yes.x, yes.y);
    frames(600);
    ASSERT_NE(nullptr, top<MainMenu>());
    EXPECT_EQ("fromSceneOnESC", top<MainMenu>()->context());
    // The save on the disk holds the apple as found.
    endGame();
    startGame(false, {});
    writeScene();
    // A real start reads the scene index before the save; here the index
    // comes later, so the restored items find their descriptions now.
    ItemRegistry::instance().attachDescriptions();
    LarkScene* again = enterScene();
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(GROUP_REMOVED, groupOf(1));
    ASSERT_NE(nullptr, slotNamed(again, "Apple"));
    EXPECT_TRUE(slotNamed(again, "Apple")->items.empty()) << "struck out in its old place";
    EXPECT_EQ(kRoom, pixel(108, 108));
}

// A puzzle with nothing but the frame every puzzle has.
class FramePuzzle : public MiniGameBase {
public:
    FramePuzzle() : MiniGameBase(false, 7) {}
};

TEST_F(HiddenObjectSceneTest, APuzzleTheSceneOpensReturnsToItReplaysOrLeavesForTheMenu) {
    GameFlow::instance().registerScreenType(
        "MG_Frame", [](const GameFlow::Attributes&) { return std::make_unique<FramePuzzle>(); });
    writeScene(R"(<SceneMechanics>
  <CollectGroup identifier="STACKED_ITEM_LIST"><Collect name="Apple" typeId="1" pick="first" count="1"/></CollectGroup>
  <Screen type="MG_Frame" transition="fade"/>
  <CollectGroup identifier="STACKED_ITEM_LIST"><Collect name="Bell" typeId="2" pick="first" count="1"/></CollectGroup>
</SceneMechanics>)");
    LarkScene* scene = enterScene();
    ASSERT_NE(nullptr, scene);
    clickAt(120, 120); // the apple: the first stage is done, the puzzle opens
    frames(3000);
    FramePuzzle* puzzle = top<FramePuzzle>();
    ASSERT_NE(nullptr, puzzle);

    puzzle->close(MiniGameBase::Replay);
    frames(2000);
    FramePuzzle* again = top<FramePuzzle>();
    ASSERT_NE(nullptr, again) << "the scene built its step's puzzle anew";
    EXPECT_EQ(1, scene->currentStep()) << "and stays at that step";

    click(again->skipButton());
    frames(2000);
    ASSERT_EQ(scene, top<LarkScene>()) << "back to the scene, not on through the flow";
    EXPECT_EQ(2, scene->currentStep());
    ASSERT_NE(nullptr, slotNamed(scene, "Bell")) << "the stage after the puzzle";

    // MENU in the puzzle leaves the scene as the leave dialog's YES does: the
    // next visit opens the puzzle again.
    app->popScreen();
    frame();
    ItemRegistry::reset();
    PlayerProfiles::instance().currentProfile()->resumeStep = 0;
    scene = enterScene();
    clickAt(120, 120);
    frames(3000);
    puzzle = top<FramePuzzle>();
    ASSERT_NE(nullptr, puzzle);
    click(puzzle->menuButton());
    frames(2000);
    ASSERT_NE(nullptr, top<MainMenu>());
    EXPECT_EQ("fromSceneOnESC", top<MainMenu>()->context());
    EXPECT_EQ(1, PlayerProfiles::instance().currentProfile()->resumeStep);
}

TEST_F(HiddenObjectSceneTest, BrokenScenesStayPlayable) {
    // A Screen step of an unknown type is passed, the stage after it runs.
    writeScene(R"(<SceneMechanics><Screen type="MG_Nowhere" transition="fade"/>
  <CollectGroup identifier="FIND_X_ITEMS"><Collect name="Caps: " typeId="202" pick="all"/></CollectGroup>
</SceneMechanics>)");
    std::filesystem::remove(sceneFolder() + "bell.png");
    std::ostringstream out;
    setEngineLog(&out);
    LarkScene* scene = enterScene();
    setEngineLog(nullptr);
    const std::string log = out.str();
    ASSERT_NE(nullptr, scene);
    EXPECT_NE(log.find("no screen of type \"MG_Nowhere\""), std::string::npos) << log;
    EXPECT_NE(log.find("bell.png"), std::string::npos) << "the missing picture is named";
    auto* caps = dynamic_cast<CountItemGoalRenderer*>(scene->goalRenderer());
    ASSERT_NE(nullptr, caps);
    EXPECT_EQ("Caps: 2", caps->text());

    // A save naming items the scene file no longer has (index 90, in the find
    // list): they are dropped with a line, and the scene starts afresh.
    app->popScreen();
    frame();
    ItemRegistry::reset();
    ItemRegistry::instance().addItem(GROUP_GOAL, std::make_unique<Item>(90, 7, 3));
    writeScene();
    std::ostringstream stale;
    setEngineLog(&stale);
    LarkScene* fresh = enterScene();
    setEngineLog(nullptr);
    ASSERT_NE(nullptr, fresh);
    EXPECT_NE(stale.str().find("1 saved items are not in the scene file any more"),
              std::string::npos)
        << stale.str();
    EXPECT_EQ(-1, ItemRegistry::instance().groupOf(90, 7));
    // Registered afresh; the profile's stage (the caps, step 1 above) is played.
    EXPECT_EQ(2u, ItemRegistry::instance().itemsOf(GROUP_GOAL, 7).size());

    // No mechanics at all: the scene is complete at once.
    writeScene("<SceneMechanics>");
    app->popScreen();
    frame(); // the scene is gone before its items are
    ItemRegistry::reset();
    app->startScreen(std::make_unique<LarkScene>(7, sceneFolder(), "Renderers.xml", "Mechanics.xml",
                                                 "Groups.xml", true, "SCENE_DONE_TAPROOM", false));
    frames(1500);
    auto* empty = top<LarkScene>();
    ASSERT_NE(nullptr, empty);
    PlayerMove ok;
    EXPECT_TRUE(empty->dialogMove(ok, 0)) << "the completion dialog";
}

TEST_F(HiddenObjectSceneTest, RainFallsAndAnimatedSceneryPlaysWhereItStandsAndNeitherIsHit) {
    const std::string dir = sceneFolder();
    writePngPicture(dir + "drop.png", 2, 12, flat(Color(220, 220, 255)));
    writePngPicture(dir + "flame.png", 30, 30, flat(Color(250, 0, 250)));
    // A still frame: the flame's picture at the animation's origin for 1 s, looping.
    TemporaryDirectory::writeFile(dir + "flame.xml",
                                  animationXml(1000, true, {{"flame.png", {{0}, {1000}}}}));
    std::string scene = fileText(dir + "Test.xml");
    const std::string extra =
        "<Item name=\"Rain\" image=\"drop.png\" layer=\"1\" majorGroupID=\"100\" "
        "minorGroupID=\"0\" x=\"0\" y=\"0\" angle=\"-8\" R=\"255\" G=\"255\" B=\"255\" "
        "A=\"200\" type=\"0\" infoTip=\"\" typeId=\"700\"/>"
        "<Item name=\"Flame\" image=\"flame.png\" layer=\"7\" majorGroupID=\"0\" "
        "minorGroupID=\"0\" x=\"700\" y=\"400\" angle=\"0\" R=\"255\" G=\"255\" B=\"255\" "
        "A=\"255\" type=\"0\" infoTip=\"flame.xml\" typeId=\"701\"/>";
    scene.insert(scene.rfind("</Scene>"), extra);
    TemporaryDirectory::writeFile(dir + "Test.xml", scene);
    TemporaryDirectory::writeFile(
        dir + "Groups.xml", fileText(dir + "Groups.xml")
                                .insert(fileText(dir + "Groups.xml").rfind("</ItemGroupRules>"),
                                        "<Rule groupId=\"5\" typeId=\"700\" type=\"0\"/>"
                                        "<Rule groupId=\"6\" typeId=\"701\" type=\"0\"/>"));
    TemporaryDirectory::writeFile(dir + "Renderers.xml", R"(<ItemRendererRules>
  <Rule renderer="3" typeId="700"/><Rule renderer="4" typeId="701"/>
  <Rule renderer="1" groupId="6"/><Rule renderer="0"/></ItemRendererRules>)");
    LarkScene* room = enterScene();
    ASSERT_NE(nullptr, room);
    auto* rain =
        dynamic_cast<RainRenderer*>(ItemRegistry::instance().findItem(5, 9, 7)->renderer.get());
    auto* flame = dynamic_cast<AnimPlayerItemRenderer*>(
        ItemRegistry::instance().findItem(6, 10, 7)->renderer.get());
    ASSERT_NE(nullptr, rain);
    ASSERT_NE(nullptr, flame);
    EXPECT_NEAR(0.1f, rain->emissionCost(), 0.001f); // density 100
    EXPECT_FALSE(rain->drops().empty());
    EXPECT_TRUE(flame->isPlaying());
    EXPECT_EQ(Color(250, 0, 250), pixel(710, 410)) << "the flame at the item's place";
    // Each drop lies where its layer's slant about the screen's centre puts
    // it: the middle of a drop of 2 x 12 pixels stretched by its speed.
    const std::string path = userFolder.path() + "/rain.png";
    app->screenshotTo(path);
    frame();
    SDL_Surface* shot = IMG_Load(path.c_str());
    ASSERT_NE(nullptr, shot);
    const float slants[3] = {-8, -5, -11}; // the item's angle, +3 and -3
    int onScreen = 0;
    int wet = 0;
    for (const RainRenderer::Drop& drop : rain->drops()) {
        const float radians = slants[drop.layer] * 3.14159265f / 180.0f;
        const float lx = drop.x + 1 - 512;
        const float ly = drop.y + 6 * drop.speed - 384;
        const int x = int(512 + lx * std::cos(radians) - ly * std::sin(radians));
        const int y = int(384 + lx * std::sin(radians) + ly * std::cos(radians));
        if (x < 0 || y < 0 || x >= 1024 || y >= 640 || (x > 80 && x < 660 && y > 80 && y < 340) ||
            (x >= 690 && x < 740 && y >= 390 && y < 440)) {
            continue; // off screen, or under the dashboard, the goals or the flame
        }
        ++onScreen;
        Uint8 r = 0, g = 0, b = 0;
        const Uint8* row = static_cast<const Uint8*>(shot->pixels) + y * shot->pitch;
        SDL_GetRGB(*reinterpret_cast<const Uint32*>(row + x * shot->format->BytesPerPixel),
                   shot->format, &r, &g, &b);
        wet += b > kRoom.b + 40; // the room's blue lightened by the drop
    }
    SDL_FreeSurface(shot);
    ASSERT_GT(onScreen, 20);
    // Most drops show at their own place (a drop's edge pixels blend with the
    // room); the same count taken 37 pixels to the side finds about 7%.
    EXPECT_GT(wet, onScreen * 4 / 5) << wet << " of " << onScreen << " drops where expected";
    const Item* under = room->hitAt(710, 410);
    ASSERT_NE(nullptr, under);
    EXPECT_EQ(0, under->index) << "a press on the flame reaches the room below it";
}

} // namespace
