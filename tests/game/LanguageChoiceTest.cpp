// The language the game starts in: the player's kept choice, else the
// desktop's, else the configuration's starting one.
#include "game/LanguageChoice.h"

#include "engine/ui/QuillButton.h"
#include "game/menus/MainMenu.h"
#include "tests/support/RunningGame.h"

namespace {

TEST(LanguageChoiceTest, TheDesktopLocaleGivesTheCodeAndLcAllComesFirst) {
    EXPECT_EQ("DE", language_choice::codeOfLocale("de_DE.UTF-8"));
    EXPECT_EQ("DE", language_choice::codeOfLocale("de_AT@euro"));
    EXPECT_EQ("EN", language_choice::codeOfLocale("en"));
    EXPECT_EQ("", language_choice::codeOfLocale("C"));
    EXPECT_EQ("", language_choice::codeOfLocale("POSIX"));

    ScopedEnvironment environment({"LC_ALL", "LC_MESSAGES", "LANG"});
    environment.set("LANG", "de_DE.UTF-8");
    environment.set("LC_MESSAGES", "fr_FR.UTF-8");
    environment.set("LC_ALL", "");
    EXPECT_EQ("fr_FR.UTF-8", language_choice::desktopLocale()) << "an empty LC_ALL counts as unset";
    environment.set("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ("en_GB.UTF-8", language_choice::desktopLocale());
    environment.unset("LC_ALL");
    environment.unset("LC_MESSAGES");
    EXPECT_EQ("de_DE.UTF-8", language_choice::desktopLocale());
}

// The credits' pictures have their text painted in: German players get the
// German slides file where there is one.
TEST(LanguageChoiceTest, ALanguagesOwnFileStandsInForTheFileWhereThereIsOne) {
    TemporaryDirectory folder;
    const std::string slides = folder.path() + "/slides.xml";
    TemporaryDirectory::writeFile(slides, "<Slides/>");
    TemporaryDirectory::writeFile(folder.path() + "/slidesDE.xml", "<Slides/>");
    EXPECT_EQ(folder.path() + "/slidesDE.xml", language_choice::localisedFile(slides, "DE"));
    EXPECT_EQ(slides, language_choice::localisedFile(slides, "EN"));
    EXPECT_EQ(slides, language_choice::localisedFile(slides, "FR")) << "no file of its own";
}

class LanguageAtStartTest : public RunningGame {
protected:
    std::vector<std::string> initialProfiles() const override { return {"Mira"}; }
    void SetUp() override {
        environment.unset("LC_ALL");
        environment.unset("LC_MESSAGES");
        environment.set("LANG", "de_DE.UTF-8");
        RunningGame::SetUp();
    }
    std::string playText() {
        MainMenu* menu = waitFor<MainMenu>();
        return menu && menu->button(MainMenu::Play) ? menu->button(MainMenu::Play)->label() : "";
    }
    void restart() {
        endGame();
        startGame(false, initialProfiles());
    }
    std::string choiceFile() const {
        return userFolder.path() + "/LanternInn/" + language_choice::FileName;
    }

    ScopedEnvironment environment{{"LC_ALL", "LC_MESSAGES", "LANG"}};
};

TEST_F(LanguageAtStartTest, AGermanDesktopGetsGermanUnlessTheKeptChoiceIsAnotherLanguage) {
    EXPECT_EQ("Spielen", playText()) << "a fresh user folder on a German desktop";

    ASSERT_TRUE(language_choice::remember(choiceFile(), "EN"));
    restart();
    EXPECT_EQ("Play", playText()) << "the player's choice wins";

    // Kept choices that cannot be used: the desktop's language again, with a line.
    for (const std::string& kept : {std::string("FR\n"), std::string("\x01\xff\x13garbage")}) {
        TemporaryDirectory::writeFile(choiceFile(), kept);
        StdoutCapture lines;
        EXPECT_EQ("DE", language_choice::startingCode(AppConfig::instance(), choiceFile()));
        EXPECT_NE(std::string::npos, lines.finish().find("passed over")) << kept;
    }
    restart();
    EXPECT_EQ("Spielen", playText());

    environment.set("LANG", "C.UTF-8");
    std::filesystem::remove(choiceFile());
    restart();
    EXPECT_EQ("Play", playText()) << "the configuration's starting language";
}

} // namespace
