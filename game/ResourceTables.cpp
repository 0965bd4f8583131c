#include "game/ResourceTables.h"

#include "engine/graphics/AngelFont.h"
#include "engine/graphics/GLTexture.h"
#include "engine/resources/ResourceManager.h"

#include <memory>

namespace resource_tables {

namespace {

constexpr const char* kButtonBase = "content/images/menus/BtnBase.png";
constexpr const char* kTitleContainer = "content/images/menus/TitleContainer.png";
constexpr const char* kFreeplayBackground = "content/images/menus/freeplay/Bg.png";

const std::vector<List>& lists() {
    static const std::vector<List> all = {
        {"startup",
         {{"GTEX_BTN_PH_N", "content/images/menus/BtnPlaceholderN.png"},
          {"GTEX_BTN_PH_O", "content/images/menus/BtnPlaceholderO.png"},
          {"GTEX_BTN_BASE", kButtonBase}}},
        // The brick wall around the game on a wide screen: a large picture,
        // loaded when a wide mode first needs it rather than at start-up.
        {"widescreenFrame", {{"GTEX_BRICKS", "content/images/menus/bricks.png"}}},
        {"transitionScreen",
         {{"TRANSITION_SCREEN_TITLE_CONTAINER", kTitleContainer},
          {"TRANSITION_SCREEN_BG", "content/images/menus/transition/Bg.png"}}},
        {"freeplayMenu",
         {{"FREEPLAY_BTN_BASE", kButtonBase},
          {"FREEPLAY_BG", kFreeplayBackground},
          {"FREEPLAY_EMPTY_TEXTURE", "content/images/menus/freeplay/Empty.png"},
          {"FREEPLAY_MSG_BACKDROP", kTitleContainer}}},
        {"miniGame", {{"MG_BTN_BASE", kButtonBase}}},
        {"miniGame28", {{"SCR28_BG", "content/images/minigames/screen28/Bg.png"}}},
        {"miniGame5",
         {{"SCR5_BG", "content/images/minigames/screen5/Bg.png"},
          {"SCR5_OPEN_ON", "content/images/minigames/screen5/OpenOn.png"},
          {"SCR5_OPEN_OFF", "content/images/minigames/screen5/OpenOff.png"},
          {"SCR5_LOCKED_ON", "content/images/minigames/screen5/LockedOn.png"},
          {"SCR5_LOCKED_OFF", "content/images/minigames/screen5/LockedOff.png"},
          {"SCR5_KEY_LIGHT_ON", "content/images/minigames/screen5/KeyLightOn.png"},
          {"SCR5_KEY_LIGHT_OFF", "content/images/minigames/screen5/KeyLightOff.png"},
          {"SCR5_NUMBERS", "content/images/minigames/screen5/Numbers.png"},
          {"SCR5_BG_OPEN", "content/images/minigames/screen5/Open.png"}}},
        {"miniGame2",
         {{"MG_2BG", "content/images/minigames/screen2/Bg2.png"},
          {"MG_FOAM", "content/images/minigames/screen2/foam.png"},
          {"MG_BEER", "content/images/minigames/screen2/beer.png"},
          {"MG_BEERFALL", "content/images/minigames/screen2/beerfall.png"}}},
        {"miniGame10",
         {{"MG_10BG", "content/images/minigames/screen10/Bg10.png"},
          {"MG_BOOK_1", "content/images/minigames/screen10/book1.png"},
          {"MG_BOOK_2", "content/images/minigames/screen10/book2.png"},
          {"MG_BOOK_3", "content/images/minigames/screen10/book3.png"},
          {"MG_BOOK_4", "content/images/minigames/screen10/book4.png"},
          {"MG_BOOK_5", "content/images/minigames/screen10/book5.png"},
          {"MG_BOOK_6", "content/images/minigames/screen10/book6.png"},
          {"MG_BOOK_7", "content/images/minigames/screen10/book7.png"},
          {"MG_BOOK_8", "content/images/minigames/screen10/book8.png"}}},
        {"scene",
         {{"GUI_TEX_MAIN", "content/GUI/Dashboard.png"},
          {"GUI_TEX_COLLECTED_PARTICLE", "content/GUI/CollectedItemParticle.png"},
          {"GUI_TEX_BTN_BASE", kButtonBase},
          {"GUI_TEX_BTN_FRAME", "content/images/menus/BtnFrame.png"}}},
        {"story", {{"STORY_BTN_BASE", kButtonBase}}},
        {"optionsMenu",
         {{"OPT_BG", "content/images/menus/options/Bg.png"},
          {"OPT_CHECKBOX_OFF", "content/images/menus/options/CheckboxOff.png"},
          {"OPT_CHECKBOX_ON", "content/images/menus/options/CheckboxOn.png"},
          {"OPT_SLIDER_FILL", "content/images/menus/options/SliderFill.png"},
          {"OPT_SLIDER_RAIL", "content/images/menus/options/SliderRail.png"},
          {"OPT_SLIDER_THUMB", "content/images/menus/options/SliderThumb.png"},
          {"OPT_BTN_BASE", kButtonBase}}},
        {"profilesMenu",
         {{"PROF_BG", "content/images/menus/profile/Bg.png"},
          {"PROF_BG_NAME_INPUT", "content/images/menus/profile/NameInputBg.png"},
          {"PROF_ARROW_DOWN_N", "content/images/menus/profile/ArrowDownN.png"},
          {"PROF_ARROW_UP_N", "content/images/menus/profile/ArrowUpN.png"},
          {"PROF_NAME_BG_N", "content/images/menus/profile/NameBgN.png"},
          {"PROF_NAME_BG_S", "content/images/menus/profile/NameBgS.png"},
          {"PROF_BTN_BASE", kButtonBase}}},
        {"quitDialog",
         {{"QUIT_DLG_BTN_BASE", kButtonBase},
          {"QUIT_DLG_DAILOG_BG", "content/animations/UniversalDialog/DialogWindow.png"}}},
        {"mainMenu",
         {{"MAIN_BG", "content/images/menus/main/Bg.png"},
          {"MAIN_TEST", "content/images/menus/main/TestImage.png"},
          {"MAIN_MENU_CHOICE", "content/images/menus/main/choice_selector.png"},
          {"MAIN_BTN_N", "content/images/menus/BtnPlaceholderN.png"},
          {"MAIN_BTN_O", "content/images/menus/BtnPlaceholderO.png"},
          {"MAIN_BTN_BASE", kButtonBase}}},
    };
    return all;
}

} // namespace

const std::vector<List>& textureLists() {
    return lists();
}

const std::vector<Entry>& startupFonts() {
    static const std::vector<Entry> fonts = {
        {"FONT_PH_BIG", "content/fonts/PH_big.fnt"},
        {"FONT_PH_MEDIUM", "content/fonts/PH_medium.fnt"},
        {"FONT_PH_SMALL", "content/fonts/PH_small.fnt"},
        {"FONT_CheltenhamBT28", "content/fonts/CheltenhamBT28.fnt"},
        {"FONT_CheltenhamBT20", "content/fonts/CheltenhamBT20.fnt"},
        {"FONT_CheltenhamBT16", "content/fonts/CheltenhamBT16.fnt"},
        {"FONT_CheltenhamBT22", "content/fonts/CheltenhamBT22.fnt"},
        {"FONT_ITEMS", "content/fonts/TimesNewRoman17B.fnt"},
    };
    return fonts;
}

bool registerTextures(ResourceManager& resources, const std::string& listName) {
    for (const List& list : lists()) {
        if (listName == list.name) {
            // Each registration loads its own texture, even of a shared file.
            for (const Entry& entry : list.entries) {
                resources.addTexture(entry.key, std::make_unique<GLTexture>(
                                                    entry.path, nullptr, GLTexture::KeepFullImage));
            }
            return true;
        }
    }
    return false;
}

void registerStartupFonts(ResourceManager& resources) {
    for (const Entry& entry : startupFonts()) {
        resources.addFont(entry.key, std::make_unique<AngelFont>(entry.path));
    }
}

void registerStartupTextures(ResourceManager& resources) {
    registerTextures(resources, "startup");
}
void registerWidescreenFrameTextures(ResourceManager& resources) {
    registerTextures(resources, "widescreenFrame");
}
void registerTransitionScreenTextures(ResourceManager& resources) {
    registerTextures(resources, "transitionScreen");
}
void registerFreeplayMenuTextures(ResourceManager& resources) {
    registerTextures(resources, "freeplayMenu");
}
void registerMiniGameTextures(ResourceManager& resources) {
    registerTextures(resources, "miniGame");
}
void registerMiniGame28Textures(ResourceManager& resources) {
    registerTextures(resources, "miniGame28");
}
void registerMiniGame5Textures(ResourceManager& resources) {
    registerTextures(resources, "miniGame5");
}
void registerMiniGame2Textures(ResourceManager& resources) {
    registerTextures(resources, "miniGame2");
}
void registerMiniGame10Textures(ResourceManager& resources) {
    registerTextures(resources, "miniGame10");
}
void registerSceneTextures(ResourceManager& resources) {
    registerTextures(resources, "scene");
}
void registerStoryTextures(ResourceManager& resources) {
    registerTextures(resources, "story");
}
void registerOptionsMenuTextures(ResourceManager& resources) {
    registerTextures(resources, "optionsMenu");
}
void registerProfilesMenuTextures(ResourceManager& resources) {
    registerTextures(resources, "profilesMenu");
}
void registerQuitDialogTextures(ResourceManager& resources) {
    registerTextures(resources, "quitDialog");
}
void registerMainMenuTextures(ResourceManager& resources) {
    registerTextures(resources, "mainMenu");
}

} // namespace resource_tables
