// The profile menu and the name entry on the running game, driven by real
// clicks and keys.
#include "engine/graphics/Font.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/SimpleImageButton.h"
#include "engine/ui/WidgetManager.h"
#include "game/PlayerProfile.h"
#include "game/menus/MainMenu.h"
#include "game/menus/PlayerNameEntry.h"
#include "game/menus/PlayerProfilesMenu.h"
#include "tests/support/RunningGame.h"

#include <SDL.h>

#include <algorithm>
#include <filesystem>

namespace {

class ProfileMenusTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Mira", "Tom"}; }

    static PlayerProfiles& profiles() { return PlayerProfiles::instance(); }
    // The save file as it is on the disk now, while the game runs.
    std::string savedBytes() const {
        return TemporaryDirectory::readFile(userFolder / "LanternInn/profiles.sav");
    }
    std::string currentName() const {
        const PlayerProfile* profile = profiles().currentProfile();
        return profile ? profile->name : "(none)";
    }
    // The main menu's profile button, then the menu's widgets once it has opened.
    PlayerProfilesMenu* openProfileMenu() {
        MainMenu* menu = waitFor<MainMenu>();
        if (!menu) {
            return nullptr;
        }
        frames(600);
        click(menu->button(MainMenu::ChangeProfile));
        PlayerProfilesMenu* profilesMenu = waitFor<PlayerProfilesMenu>();
        for (int t = 0; t < 2000 && profilesMenu && !profilesMenu->list(); t += 16) {
            frame();
        }
        settle();
        return profilesMenu;
    }
    // The name entry on top with its field built (a closing one does not count).
    PlayerNameEntry* nameEntryReady() {
        for (int t = 0; t < 3000; t += 16) {
            PlayerNameEntry* entry = top<PlayerNameEntry>();
            if (entry && entry->input()) {
                settle();
                return entry;
            }
            frame();
        }
        return nullptr;
    }
    void type(const char* text) {
        sdl_input::typeText(text);
        frame();
    }
    void key(int sym) {
        sdl_input::pushKeyStroke(sym);
        frame();
    }
    void erase(int characters) {
        for (int i = 0; i < characters; ++i) {
            sdl_input::pushKeyStroke(SDLK_BACKSPACE, 8);
        }
        frame();
    }
    // Steps until the main menu is on top again with nothing over it.
    MainMenu* backToMainMenu() {
        MainMenu* menu = waitFor<MainMenu>(4000);
        frames(100);
        return menu;
    }
    // The dialog of that kind on the screen once the button shows; none within 2 s.
    template <typename D> D* dialogOn(ScreenBase* screen, SimpleImageButton* (D::*button)() const) {
        for (int t = 0; t < 2000 && screen; t += 16) {
            for (Widget* widget : screen->widgetManager().widgets()) {
                auto* dialog = dynamic_cast<D*>(widget);
                if (dialog && (dialog->*button)()) {
                    settle();
                    return dialog;
                }
            }
            frame();
        }
        return nullptr;
    }
    MessageQuestionDialogSimple* question(ScreenBase* screen) {
        return dialogOn(screen, &MessageQuestionDialogSimple::yesButton);
    }
};

class FirstStartTest : public ProfileMenusTest {
protected:
    std::vector<std::string> initialProfiles() const override { return {}; }
};

TEST_F(FirstStartTest, NameEntryOpensByItselfAndReturnCreatesTheProfile) {
    PlayerNameEntry* entry = nameEntryReady();
    ASSERT_NE(nullptr, entry) << "main menu -> profile menu -> name entry, by themselves";
    EXPECT_EQ(3u, app->screenCount());
    EXPECT_FALSE(entry->okButton()->isEnabled()) << "nothing typed yet";
    EXPECT_TRUE(entry->input()->isActive()) << "the player types at once";
    EXPECT_EQ(PlayerNameEntry::DefaultMaxLength, entry->input()->maxLength());

    type("Zo\xC3\xAB");
    EXPECT_EQ("Zo\xC3\xAB", entry->input()->text());
    EXPECT_TRUE(entry->okButton()->isEnabled());
    key(SDLK_RETURN);
    MainMenu* menu = backToMainMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(1u, app->screenCount()) << "both menus closed";
    ASSERT_EQ(1, profiles().profileCount());
    EXPECT_EQ("Zo\xC3\xAB", currentName());
    EXPECT_EQ("Zo\xC3\xAB", menu->profileName());
    EXPECT_EQ(0, GameFlow::instance().position());

    // The name survives the program's end and the next start.
    endGame();
    startGame();
    menu = waitFor<MainMenu>();
    ASSERT_NE(nullptr, menu);
    frames(100);
    EXPECT_EQ(1u, app->screenCount()) << "a profile exists: no profile menu";
    EXPECT_EQ("Zo\xC3\xAB", menu->profileName());
}

// A save file the game cannot read: kept aside, and the player is told once,
// on the main menu, before naming a profile.
class DamagedSaveStartTest : public FirstStartTest {
protected:
    void SetUp() override {
        std::filesystem::create_directories(userFolder / "LanternInn");
        TemporaryDirectory::writeFile(userFolder / "LanternInn/profiles.sav", damaged);
        FirstStartTest::SetUp();
    }
    // The dialog on the main menu once its answer button is shown.
    MessageDialogSimple* notice(MainMenu* menu) {
        return dialogOn(menu, &MessageDialogSimple::answerButton);
    }
    const std::string damaged = std::string("\x0A\0\0\0OTHER_GAME", 14) + "garbage";
};

TEST_F(DamagedSaveStartTest, TheFileIsKeptAsideAndThePlayerToldOnce) {
    MainMenu* menu = waitFor<MainMenu>();
    MessageDialogSimple* dialog = notice(menu);
    ASSERT_NE(nullptr, dialog);
    std::string message = dialog->message();
    std::replace(message.begin(), message.end(), '\n', ' ');
    EXPECT_EQ(applicationLabel("SAVE_SET_ASIDE_MESSAGE"), message) << "wrapped to the dialog";
    EXPECT_EQ(damaged, TemporaryDirectory::readFile(userFolder / "LanternInn/profiles.sav.bak"));
    EXPECT_EQ(nullptr, top<PlayerProfilesMenu>()) << "the notice comes first";

    click(dialog->answerButton());
    ASSERT_NE(nullptr, nameEntryReady()) << "then the player names a profile";
    type("Ines");
    key(SDLK_RETURN);
    ASSERT_NE(nullptr, backToMainMenu());

    endGame();
    startGame();
    menu = waitFor<MainMenu>();
    frames(600);
    EXPECT_EQ(nullptr, notice(menu)) << "the new save reads: nothing to tell";
    EXPECT_EQ("Ines", currentName());
}

// What the player types must show in the profile list: letters the fonts do
// not have are refused, and the name stops where the list's row ends.
TEST_F(FirstStartTest, TheNameTakesOnlyDrawableLettersAndStopsAtTheRowsEnd) {
    PlayerNameEntry* entry = nameEntryReady();
    ASSERT_NE(nullptr, entry);
    type("A\xE5\xAD\x97\xE2\x9C\x93"
         "b"); // A, a CJK letter, a check mark, b
    EXPECT_EQ("Ab", entry->input()->text()) << "the fonts have no CJK letter or check mark";
    erase(2);
    type("WWWWWWWWWWWWWWWW");
    const std::string name = entry->input()->text();
    const Font* list = applicationFont(PlayerProfilesMenu::ListFont);
    ASSERT_NE(nullptr, list);
    EXPECT_LT(name.size(), 16u) << "sixteen W overflow the row";
    EXPECT_EQ(std::string(name.size(), 'W'), name);
    EXPECT_LE(list->textWidth(name), SimpleTextListWidget::ListWidth);
    EXPECT_GT(list->textWidth(name + "W"), SimpleTextListWidget::ListWidth)
        << "it stopped at the end";
}

TEST_F(FirstStartTest, CancelWithoutAnyProfileAsksForTheNameAgain) {
    PlayerNameEntry* entry = nameEntryReady();
    ASSERT_NE(nullptr, entry);
    type("Ab");
    click(entry->cancelButton());
    entry = nameEntryReady();
    ASSERT_NE(nullptr, entry) << "the game cannot go on without a profile";
    EXPECT_EQ("", entry->input()->text());
    EXPECT_EQ(0, profiles().profileCount());
    key(SDLK_ESCAPE);
    entry = nameEntryReady();
    ASSERT_NE(nullptr, entry) << "Escape cancels too, and asks again";
    type("Ines");
    click(entry->okButton());
    ASSERT_NE(nullptr, backToMainMenu());
    EXPECT_EQ("Ines", currentName());
}

TEST_F(ProfileMenusTest, ListShowsTheProfilesWithTheCurrentOneSelected) {
    profiles().selectProfile(1);
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    ASSERT_NE(nullptr, menu->list());
    EXPECT_EQ(2, menu->list()->itemCount());
    EXPECT_EQ("Mira", menu->list()->getItem(0));
    EXPECT_EQ(1, menu->list()->selected());
    EXPECT_EQ(PlayerProfilesMenu::VisibleRows, menu->list()->visibleRows());
    EXPECT_TRUE(menu->button(PlayerProfilesMenu::Rename)->isEnabled());
    EXPECT_TRUE(menu->button(PlayerProfilesMenu::Up)->isEnabled());
    EXPECT_FALSE(menu->button(PlayerProfilesMenu::Down)->isEnabled()) << "already the last row";

    click(menu->button(PlayerProfilesMenu::Up));
    EXPECT_EQ(0, menu->list()->selected());
    click(menu->button(PlayerProfilesMenu::Ok));
    ASSERT_NE(nullptr, backToMainMenu());
    EXPECT_EQ("Mira", currentName()) << "OK chooses the selected row";
}

TEST_F(ProfileMenusTest, CancelInCreateModeAddsNothingAndClosesTheMenu) {
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    click(menu->button(PlayerProfilesMenu::Create));
    PlayerNameEntry* entry = nameEntryReady();
    ASSERT_NE(nullptr, entry);
    type("Rosa");
    click(entry->cancelButton());
    ASSERT_NE(nullptr, backToMainMenu()) << "closed as if OK had been pressed";
    EXPECT_EQ(2, profiles().profileCount());
    EXPECT_EQ("Mira", currentName());
}

TEST_F(ProfileMenusTest, CreatingSelectsTheNewProfileFromTheStart) {
    profiles().currentProfile()->started = true;
    GameFlow::instance().setPosition(2);
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    click(menu->button(PlayerProfilesMenu::Create));
    ASSERT_NE(nullptr, nameEntryReady());
    EXPECT_EQ(std::string::npos, savedBytes().find("Jakob"));
    type("Jakob");
    key(SDLK_RETURN);
    ASSERT_NE(nullptr, backToMainMenu());
    EXPECT_NE(std::string::npos, savedBytes().find("Jakob")) << "on the disk at once";
    ASSERT_EQ(3, profiles().profileCount());
    EXPECT_EQ(2, profiles().current());
    EXPECT_EQ("Jakob", currentName());
    EXPECT_FALSE(profiles().currentProfile()->started);
    EXPECT_EQ(5, profiles().currentProfile()->hintCount);
    EXPECT_EQ(0, GameFlow::instance().position()) << "a new player starts at the beginning";
}

TEST_F(ProfileMenusTest, RenamingToAnotherProfilesNameIsRefused) {
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    click(menu->button(PlayerProfilesMenu::Rename));
    PlayerNameEntry* entry = nameEntryReady();
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ("Mira", entry->input()->text()) << "the selected name to edit";
    erase(4);
    type("Tom");
    key(SDLK_RETURN);
    frames(200);
    EXPECT_EQ(entry, top<PlayerNameEntry>()) << "refused: the entry stays open";
    click(entry->okButton());
    EXPECT_EQ(entry, top<PlayerNameEntry>());
    erase(3);
    type(applicationLabel("ENTER_YOUR_NAME").c_str());
    key(SDLK_RETURN);
    EXPECT_EQ(entry, top<PlayerNameEntry>()) << "the prompt is no name";

    erase(40);
    type("Zo\xC3\xAB");
    key(SDLK_RETURN);
    ASSERT_NE(nullptr, backToMainMenu());
    EXPECT_EQ("Zo\xC3\xAB", profiles().profileAt(0)->name);
    EXPECT_EQ("Tom", profiles().profileAt(1)->name);
    EXPECT_EQ("Zo\xC3\xAB", currentName());
}

TEST_F(ProfileMenusTest, DeletingTheCurrentProfileAndThenTheLastOne) {
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    click(menu->button(PlayerProfilesMenu::Delete));
    MessageQuestionDialogSimple* dialog = question(menu);
    ASSERT_NE(nullptr, dialog);
    ASSERT_NE(std::string::npos, savedBytes().find("Mira"));
    click(dialog->yesButton());
    frames(600);
    EXPECT_EQ(std::string::npos, savedBytes().find("Mira")) << "deleted on the disk at once";
    ASSERT_EQ(1, profiles().profileCount());
    EXPECT_EQ("Tom", profiles().profileAt(0)->name);
    ASSERT_EQ(1, menu->list()->itemCount());
    EXPECT_EQ(0, menu->list()->selected()) << "the next row takes the deleted one's place";

    click(menu->button(PlayerProfilesMenu::Delete));
    dialog = question(menu);
    ASSERT_NE(nullptr, dialog);
    click(dialog->yesButton());
    PlayerNameEntry* entry = nameEntryReady();
    ASSERT_NE(nullptr, entry) << "deleting the last profile asks for a new one";
    EXPECT_EQ(0, profiles().profileCount());
    EXPECT_FALSE(menu->button(PlayerProfilesMenu::Ok)->isEnabled());
    type("Rosa");
    key(SDLK_RETURN);
    ASSERT_NE(nullptr, backToMainMenu());
    EXPECT_EQ("Rosa", currentName());
}

TEST_F(ProfileMenusTest, NoOnTheDeleteQuestionKeepsTheProfile) {
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    click(menu->button(PlayerProfilesMenu::Delete));
    MessageQuestionDialogSimple* dialog = question(menu);
    ASSERT_NE(nullptr, dialog);
    click(dialog->noButton());
    frames(600);
    EXPECT_EQ(2, profiles().profileCount());
    EXPECT_EQ(2, menu->list()->itemCount());
}

class ManyProfilesTest : public ProfileMenusTest {
protected:
    std::vector<std::string> initialProfiles() const override {
        return {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    }
};

TEST_F(ManyProfilesTest, TheCurrentProfileIsScrolledIntoView) {
    profiles().selectProfile(8);
    PlayerProfilesMenu* menu = openProfileMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(8, menu->list()->selected());
    EXPECT_EQ(2, menu->list()->top()) << "rows 2 to 8 show, the last one selected";
    for (int i = 0; i < 8; ++i) {
        click(menu->button(PlayerProfilesMenu::Up));
    }
    EXPECT_EQ(0, menu->list()->selected());
    EXPECT_EQ(0, menu->list()->top());
    EXPECT_FALSE(menu->button(PlayerProfilesMenu::Up)->isEnabled());
}

} // namespace
