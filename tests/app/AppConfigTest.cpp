#include "engine/app/AppConfig.h"
#include "engine/graphics/GLTexture.h"
#include "engine/persist/LabelManager.h"
#include "tests/support/AppFixture.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

const char* const kFullConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<Config version="1.1">
  <Application>
    <ScreenResolution width="1024" height="768" bitDepth="32"/>
    <WindowCaption name="Lantern Inn: The Broken Locket"/>
  </Application>
  <Savegame folder="LanternInn" filename="profiles.sav"/>
  <Credits filename="content/credits/slides.xml"/>
  <SurveyURL URL="https://example.org/survey"/>
  <SupportedLanguages startingLanguage="DE">
    <Language active="EN" labels="LABELS_EN" flag="en.png"/>
    <Language active="DE" labels="LABELS_DE" flag="de.png"/>
  </SupportedLanguages>
  <LogoScreens>
    <Screen type="ANIMATION" folder="content/animations/Logo/" filename="Quill.xml"/>
    <Screen type="IMAGE" folder="content/images/logo/" filename="Other.png"/>
  </LogoScreens>
  <MouseCursors folder="CURSORS/">
    <Cursor id="0" imageFile="Arrow.png"/>
    <Cursor id="7" imageFile="Hand.png"/>
  </MouseCursors>
  <Volume soundVolume="80" musicVolume="60"/>
  <FullscreenMode mode="windowed"/>
</Config>
)";

class AppConfigTest : public testing::Test {
protected:
    void SetUp() override { AppConfig::reset(); }
    void TearDown() override { AppConfig::reset(); }

    AppConfig& load(const std::string& xml) {
        const std::string path = folder / "config.xml";
        TemporaryDirectory::writeFile(path, xml);
        AppConfig& config = AppConfig::instance();
        loaded = config.load(path);
        return config;
    }

    TemporaryDirectory folder;
    bool loaded = false;
};

TEST_F(AppConfigTest, DefaultsBeforeAnyFileIsRead) {
    const AppConfig& config = AppConfig::instance();
    EXPECT_EQ(0, config.width());
    EXPECT_EQ(75, config.soundVolume());
    EXPECT_EQ(50, config.musicVolume());
    EXPECT_EQ(-1, config.fullscreenMode());
    EXPECT_EQ(1, config.versionMajor());
    EXPECT_EQ(0, config.versionMinor());
    EXPECT_TRUE(config.labelsFile().empty());
}

TEST_F(AppConfigTest, ReadsEveryElementOfAVersionOnePointOneFile) {
    const AppConfig& config = load(kFullConfig);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(1024, config.width());
    EXPECT_EQ(768, config.height());
    EXPECT_EQ(32, config.bitDepth());
    EXPECT_EQ("Lantern Inn: The Broken Locket", config.caption());
    EXPECT_EQ("LanternInn", config.saveFolder());
    EXPECT_EQ("profiles.sav", config.saveFileName());
    EXPECT_EQ("content/credits/slides.xml", config.creditsFileName());
    EXPECT_EQ("https://example.org/survey", config.surveyUrl());
    EXPECT_EQ(1, config.versionMajor());
    EXPECT_EQ(1, config.versionMinor());
    ASSERT_EQ(2u, config.languages().size());
    EXPECT_EQ("EN", config.languages()[0].code);
    EXPECT_EQ("de.png", config.languages()[1].flag);
    EXPECT_EQ("DE", config.startingLanguage());
    EXPECT_EQ("DE", config.activeLanguage());
    EXPECT_EQ("LABELS_DE", config.labelsFile()) << "the listed starting language's labels";
    ASSERT_EQ(2u, config.logoScreens().size());
    EXPECT_EQ("Quill.xml", config.logoScreens()[0].fileName);
    EXPECT_EQ("IMAGE", config.logoScreens()[1].type);
    EXPECT_EQ("CURSORS/", config.cursorFolder());
    ASSERT_EQ(2u, config.cursors().size());
    EXPECT_EQ(7, config.cursors()[1].id);
    EXPECT_EQ("CURSORS/Hand.png", config.cursorPath(1)) << "joined without a separator";
    EXPECT_EQ("", config.cursorPath(2));
    EXPECT_EQ(80, config.soundVolume());
    EXPECT_EQ(60, config.musicVolume());
    EXPECT_EQ(AppConfig::ModeWindowed, config.fullscreenMode());
}

TEST_F(AppConfigTest, UnlistedStartingLanguageLeavesNoLabelsFile) {
    StdoutCapture capture;
    const AppConfig& config = load(R"(<Config version="1.1">
      <SupportedLanguages startingLanguage="FR">
        <Language active="EN" labels="LABELS_EN" flag=""/>
      </SupportedLanguages></Config>)");
    EXPECT_NE(std::string::npos, capture.finish().find("FR"));
    EXPECT_EQ("", config.labelsFile());
    EXPECT_EQ("FR", config.startingLanguage());
    EXPECT_EQ(1u, config.languages().size());
}

TEST_F(AppConfigTest, VersionOnePointZeroReadsTheSingleLanguage) {
    const AppConfig& config = load(R"(<Config version="1.0">
      <Language active="EN" labels="content/labels.xml"/>
      <SupportedLanguages startingLanguage="DE"><Language active="DE" labels="x"/></SupportedLanguages>
      <FullscreenMode mode="fullScreen"/></Config>)");
    EXPECT_EQ("EN", config.activeLanguage());
    EXPECT_EQ("content/labels.xml", config.labelsFile());
    EXPECT_TRUE(config.languages().empty()) << "the 1.1 list is not read for 1.0";
    EXPECT_EQ(AppConfig::ModeFullScreen, config.fullscreenMode());
}

TEST_F(AppConfigTest, OtherVersionsReadNoLanguageAndOddModesChangeNothing) {
    StdoutCapture capture;
    const AppConfig& config = load(R"(<Config version="2.0">
      <Language active="EN" labels="content/labels.xml"/>
      <FullscreenMode mode="Windowed"/>
      <Volume soundVolume="x"/></Config>)");
    capture.finish();
    EXPECT_EQ(2, config.versionMajor());
    EXPECT_EQ("", config.labelsFile());
    EXPECT_EQ(-1, config.fullscreenMode()) << "mode names are case-sensitive";
    EXPECT_EQ(0, config.soundVolume()) << "a present element with a bad number reads 0";
    EXPECT_EQ(0, config.musicVolume()) << "and a missing attribute too";
}

TEST_F(AppConfigTest, MissingOrBrokenFileKeepsTheDefaultsAndSaysSo) {
    for (const std::string& content : {std::string("<Config><Application>"), std::string()}) {
        AppConfig::reset();
        StdoutCapture capture;
        const std::string path = folder / (content.empty() ? "absent.xml" : "broken.xml");
        if (!content.empty()) {
            TemporaryDirectory::writeFile(path, content);
        }
        AppConfig& config = AppConfig::instance();
        EXPECT_FALSE(config.load(path));
        const std::string out = capture.finish();
        EXPECT_EQ(1, StdoutCapture::lineCount(out)) << out;
        EXPECT_NE(std::string::npos, out.find(path)) << out;
        EXPECT_EQ(0, config.width());
        EXPECT_EQ(75, config.soundVolume());
    }
}

TEST_F(AppConfigTest, VersionWithoutMinorNumberIsReadAsPointZero) {
    StdoutCapture capture;
    const AppConfig& config = load(R"(<Config version="1">
      <Language active="EN" labels="L"/></Config>)");
    EXPECT_EQ(1, StdoutCapture::lineCount(capture.finish()));
    EXPECT_EQ(1, config.versionMajor());
    EXPECT_EQ(0, config.versionMinor());
    EXPECT_EQ("L", config.labelsFile());
}

TEST_F(AppConfigTest, LanguageCodesByIndex) {
    const AppConfig& config = load(kFullConfig);
    EXPECT_EQ("EN", config.languageCode(0));
    EXPECT_EQ("DE", config.languageCode(1));
    EXPECT_EQ("EN", config.languageCode(2)) << "one past the list";
    EXPECT_EQ("EN", config.languageCode(-1));
}

// Language switching reloads the application's labels.
class AppConfigWithAppTest : public AppFixture {
protected:
    std::string labelFile(const std::string& name, const std::string& play) {
        const std::string path = folder / name;
        TemporaryDirectory::writeFile(path, "<Strings><String PLAY=\"" + play + "\"/></Strings>");
        return path;
    }

    TemporaryDirectory folder;
};

TEST_F(AppConfigWithAppTest, SelectingALanguageLoadsItsLabels) {
    const std::string en = labelFile("en.xml", "Play");
    const std::string de = labelFile("de.xml", "Spielen");
    std::string xml = kFullConfig;
    xml.replace(xml.find("LABELS_EN"), 9, en);
    xml.replace(xml.find("LABELS_DE"), 9, de);
    xml.replace(xml.find("startingLanguage=\"DE\""), 21, "startingLanguage=\"EN\"");
    TemporaryDirectory::writeFile(folder / "config.xml", xml);

    makeApp();
    AppConfig& config = AppConfig::instance();
    ASSERT_TRUE(config.load(folder / "config.xml"));
    ASSERT_TRUE(app->getLabels().load(config.labelsFile()));
    EXPECT_EQ("Play", app->getLabels().getText("PLAY"));

    EXPECT_FALSE(app->selectLanguage("EN")) << "the current language";
    EXPECT_EQ("Play", app->getLabels().getText("PLAY"));
    app->getLabels().clear();
    app->selectLanguage("EN");
    EXPECT_FALSE(app->getLabels().hasText("PLAY")) << "the current language is not reloaded";

    EXPECT_TRUE(app->selectLanguage("DE"));
    EXPECT_EQ("Spielen", app->getLabels().getText("PLAY"));
    EXPECT_EQ("DE", config.startingLanguage());
    EXPECT_EQ("DE", config.activeLanguage());
    EXPECT_EQ(de, config.labelsFile());

    EXPECT_FALSE(app->selectLanguage("FR"));
    EXPECT_EQ("DE", config.activeLanguage()) << "unlisted codes change nothing";
    EXPECT_EQ("Spielen", app->getLabels().getText("PLAY"));

    EXPECT_TRUE(app->selectLanguageByIndex(0));
    EXPECT_EQ("Play", app->getLabels().getText("PLAY"));
    EXPECT_EQ("EN", config.activeLanguage());
    EXPECT_FALSE(app->selectLanguageByIndex(5));
    EXPECT_EQ("EN", config.activeLanguage());

    // Without an application the configuration alone switches: what the
    // tools do to read another language's scene files.
    AppConfig::reset();
    AppConfig& bare = AppConfig::instance();
    ASSERT_TRUE(bare.load(folder / "config.xml"));
    EXPECT_TRUE(bare.selectLanguage("DE"));
    EXPECT_EQ(de, bare.labelsFile());
    EXPECT_EQ("Play", app->getLabels().getText("PLAY")) << "the labels are the application's";
}

TEST_F(AppConfigWithAppTest, SelectingACursorNeedsAnAppAListedIndexAndAPicture) {
    ASSERT_TRUE(writePngPicture(folder / "Arrow.png", 8, 8, flat(Color(200, 150, 40))));
    TemporaryDirectory::writeFile(
        folder / "config.xml", "<Config version=\"1.1\"><MouseCursors folder=\"" + folder.path() +
                                   "/\"><Cursor id=\"0\" imageFile=\"Arrow.png\"/>"
                                   "<Cursor id=\"1\" imageFile=\"Gone.png\"/>"
                                   "</MouseCursors></Config>");
    ASSERT_TRUE(openApp());
    AppConfig& config = AppConfig::instance();
    ASSERT_TRUE(config.load(folder / "config.xml"));
    EXPECT_EQ(-1, app->currentCursor());
    EXPECT_FALSE(app->selectCursor(2));
    EXPECT_FALSE(app->reselectCursor()) << "nothing selected yet";

    EXPECT_TRUE(app->selectCursor(0));
    EXPECT_EQ(0, app->currentCursor());
    ASSERT_NE(nullptr, app->cursorTexture());
    EXPECT_EQ(8, app->cursorTexture()->imageWidth());
    EXPECT_TRUE(app->reselectCursor());

    StdoutCapture capture;
    EXPECT_FALSE(app->selectCursor(1)) << "its picture is missing";
    EXPECT_NE(std::string::npos, capture.finish().find("Gone.png"));
    EXPECT_EQ(0, app->currentCursor()) << "the working cursor stays";
    EXPECT_EQ(8, app->cursorTexture()->imageWidth());
}

} // namespace
