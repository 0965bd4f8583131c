#include "engine/app/AppConfig.h"
#include "tests/persist/SaveFileFixture.h"
#include "tests/support/StdoutCapture.h"

#include <filesystem>

namespace {

class FileSaveGameTest : public SaveFileFixture {};

TEST_F(FileSaveGameTest, FreshSaveHasTheFixedLayout) {
    auto save = gameSave(savePath);
    ASSERT_TRUE(save->save());
    const std::string bytes = TemporaryDirectory::readFile(savePath);
    ASSERT_EQ(10u + 4 + 1 + 1 + 4 + 8 + 4, bytes.size());
    const std::string expected = header() + std::string("\x01"             // FULL_SCREEN
                                                        "\x01"             // HARDWARE_CURSOR
                                                        "\x32\0\0\0"       // MUSIC_VOLUME
                                                        "\0\0\0\0"         // no profiles
                                                        "\xFF\xFF\xFF\xFF" // none current
                                                        "\x32\0\0\0",      // SOUND_VOLUME
                                                        18);
    EXPECT_EQ(expected, bytes);
    EXPECT_FALSE(std::filesystem::exists(save->temporaryPath()));
}

TEST_F(FileSaveGameTest, ChangingTheMusicVolumeChangesOnlyItsFourBytes) {
    auto save = gameSave(savePath);
    ASSERT_TRUE(save->save());
    const std::string before = TemporaryDirectory::readFile(savePath);
    save->entry<GenericEntry<int>>(GameSave::MusicVolume)->setValue(80);
    ASSERT_TRUE(save->save());
    const std::string after = TemporaryDirectory::readFile(savePath);
    ASSERT_EQ(before.size(), after.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            changed.push_back(i);
        }
    }
    // Header (14), the two flag bytes, then the music volume.
    ASSERT_EQ(std::vector<std::size_t>{16}, changed) << "80 and 50 differ in the low byte only";
    EXPECT_EQ(std::string("\x50\0\0\0", 4), after.substr(16, 4));
}

TEST_F(FileSaveGameTest, ValuesComeBackFromTheFileWithinTheirRanges) {
    {
        auto save = gameSave(savePath);
        save->entry<GenericEntry<int>>(GameSave::SoundVolume)->setValue(-7);
        save->entry<GenericEntry<int>>(GameSave::MusicVolume)->setValue(100);
        save->entry<GenericEntry<char>>(GameSave::FullScreen)->setValue(0);
        save->entry<GenericEntry<char>>(GameSave::HardwareCursor)->setValue(5);
        ASSERT_TRUE(save->save());
    }
    auto loaded = gameSave(savePath);
    StdoutCapture capture;
    ASSERT_TRUE(loaded->load());
    const std::string log = capture.finish();
    EXPECT_FALSE(loaded->damaged()) << loaded->lastError();
    EXPECT_EQ(0, intValue(*loaded, GameSave::SoundVolume)) << "volumes are 0..100";
    EXPECT_EQ(100, intValue(*loaded, GameSave::MusicVolume));
    EXPECT_EQ(0, charValue(*loaded, GameSave::FullScreen));
    EXPECT_EQ(1, charValue(*loaded, GameSave::HardwareCursor)) << "flags are 0 or 1";
    EXPECT_NE(std::string::npos, log.find("\"SOUND_VOLUME\" held a value out of its range"));
    EXPECT_NE(std::string::npos, log.find("\"HARDWARE_CURSOR\" held a value out of its range"));
    EXPECT_EQ(2, StdoutCapture::lineCount(log)) << log;
}

TEST_F(FileSaveGameTest, ForeignProductIsIgnoredAndKeptAsBackup) {
    const std::string foreign = std::string("\x0A\0\0\0OTHER_0001\x00\x00\x07\0\0\0", 20);
    TemporaryDirectory::writeFile(savePath, foreign);
    auto save = gameSave(savePath);
    StdoutCapture capture;
    EXPECT_FALSE(save->loadAtStartup());
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("OTHER_0001")) << out;
    EXPECT_EQ(1, charValue(*save, GameSave::FullScreen)) << "no entry was touched";
    EXPECT_EQ(50, intValue(*save, GameSave::MusicVolume));
    EXPECT_EQ(savePath + ".bak", save->backupPath());
    EXPECT_EQ(foreign, TemporaryDirectory::readFile(savePath + ".bak"));
    EXPECT_EQ(header(), TemporaryDirectory::readFile(savePath).substr(0, 14))
        << "the defaults were written at once";

    // A second bad file gets its own backup: the first one is never replaced.
    TemporaryDirectory::writeFile(savePath, "garbage");
    auto again = gameSave(savePath);
    StdoutCapture quiet;
    EXPECT_FALSE(again->loadAtStartup());
    EXPECT_EQ(savePath + ".bak2", again->backupPath());
    EXPECT_EQ(foreign, TemporaryDirectory::readFile(savePath + ".bak"));
    EXPECT_EQ("garbage", TemporaryDirectory::readFile(savePath + ".bak2"));
}

// A save cut short at any length: never a crash, the cut file always kept
// aside as it was, and what is written in its place always reads back cleanly.
TEST_F(FileSaveGameTest, ASaveCutAtEveryLengthIsKeptAsideAndReplacedByAGoodOne) {
    {
        PlayerProfiles::instance().addProfile("Zo\xC3\xAB");
        PlayerProfiles::instance().addProfile("Bo");
        PlayerProfiles::instance().selectProfile(1);
        ItemRegistry::instance().addItem(GROUP_GOAL, std::make_unique<Item>(4, 3, -1));
        auto save = gameSave(savePath);
        save->entry<GenericEntry<int>>(GameSave::SoundVolume)->setValue(20);
        ASSERT_TRUE(save->save());
    }
    const std::string whole = TemporaryDirectory::readFile(savePath);
    ASSERT_GT(whole.size(), 60u);
    const auto fresh = [] {
        resetSingletons();
        PlayerProfiles::instance().setSceneLoader([](int) { return ItemDescriptions(); });
    };
    for (std::size_t length = 0; length < whole.size(); ++length) {
        fresh();
        std::filesystem::remove(savePath + ".bak");
        const std::string cut = whole.substr(0, length);
        TemporaryDirectory::writeFile(savePath, cut);
        StdoutCapture quiet;
        auto save = gameSave(savePath);
        save->loadAtStartup();
        EXPECT_EQ(savePath + ".bak", save->backupPath()) << length;
        EXPECT_EQ(cut, TemporaryDirectory::readFile(savePath + ".bak")) << length;
        const int sound = intValue(*save, GameSave::SoundVolume);
        EXPECT_TRUE(sound >= 0 && sound <= 100) << length;

        fresh();
        auto reread = gameSave(savePath);
        EXPECT_TRUE(reread->load()) << length;
        EXPECT_FALSE(reread->damaged()) << length << ": " << reread->lastError();
    }
}

TEST_F(FileSaveGameTest, FirstStartWritesDefaultsWithoutBackup) {
    auto save = gameSave(savePath);
    EXPECT_FALSE(save->loadAtStartup());
    EXPECT_TRUE(save->backupPath().empty());
    EXPECT_EQ(32u, TemporaryDirectory::readFile(savePath).size());
    auto next = gameSave(savePath);
    EXPECT_TRUE(next->loadAtStartup());
    EXPECT_TRUE(next->backupPath().empty()) << "a good file is not backed up";
}

struct CountedEntry : SaveGameEntry {
    explicit CountedEntry(int& deleted) : deleted(deleted) {}
    ~CountedEntry() override { ++deleted; }
    bool load(SaveGame&) override { return true; }
    bool save(SaveGame&) override { return true; }
    int& deleted;
};

TEST_F(FileSaveGameTest, RegisteringAKeyTwiceDeletesTheFirstEntry) {
    int deleted = 0;
    FileSaveGame save(savePath, GameSave::ProductId);
    save.registerEntry("A", std::make_unique<CountedEntry>(deleted));
    auto* second = new CountedEntry(deleted);
    save.registerEntry("A", std::unique_ptr<SaveGameEntry>(second));
    EXPECT_EQ(1, deleted);
    EXPECT_EQ(second, save.getEntry("A"));
    EXPECT_EQ(1u, save.entryCount());
    StdoutCapture capture;
    EXPECT_EQ(nullptr, save.getEntry("B"));
    EXPECT_EQ(1, StdoutCapture::lineCount(capture.finish()));
}

TEST_F(FileSaveGameTest, TruncatedFileLoadsWithZerosAndIsReportedDamaged) {
    // Header, the two flags and half of the music volume.
    TemporaryDirectory::writeFile(savePath, header() + std::string("\x00\x01\x50\x00", 4));
    auto save = gameSave(savePath);
    StdoutCapture capture;
    ASSERT_TRUE(save->loadAtStartup()) << "the header matches";
    EXPECT_NE(std::string::npos, capture.finish().find("damaged"));
    EXPECT_TRUE(save->damaged());
    EXPECT_EQ(0, charValue(*save, GameSave::FullScreen));
    EXPECT_EQ(0x50, intValue(*save, GameSave::MusicVolume));
    EXPECT_EQ(50, intValue(*save, GameSave::SoundVolume)) << "not read after the damage";
    EXPECT_EQ(0, PlayerProfiles::instance().profileCount());
    EXPECT_EQ(savePath + ".bak", save->backupPath()) << "the damaged file is kept";
    EXPECT_EQ(18u, TemporaryDirectory::readFile(savePath + ".bak").size());
}

TEST_F(FileSaveGameTest, HeaderLengthBeyondTheFileFailsTheCheck) {
    for (const std::string& length :
         {std::string("\xFF\xFF\xFF\xFF", 4), std::string("\x0B\0\0\0", 4)}) {
        TemporaryDirectory::writeFile(savePath, length + GameSave::ProductId);
        auto save = gameSave(savePath);
        save->entry<GenericEntry<int>>(GameSave::SoundVolume)->setValue(33);
        StdoutCapture capture;
        EXPECT_FALSE(save->load());
        EXPECT_NE(std::string::npos, save->lastError().find("claims a product id of"));
        EXPECT_EQ(1, StdoutCapture::lineCount(capture.finish()));
        EXPECT_EQ(33, intValue(*save, GameSave::SoundVolume));
    }
    TemporaryDirectory::writeFile(savePath, "\x0A\0");
    auto shortFile = gameSave(savePath);
    StdoutCapture capture;
    EXPECT_FALSE(shortFile->load());
}

// Writes half of the file, then fails, as a full disk or a crash would.
class InterruptedSave : public FileSaveGame {
public:
    using FileSaveGame::FileSaveGame;
    bool interrupt = true;

protected:
    bool writeFile(const std::string& path, const std::uint8_t* bytes,
                   std::size_t length) override {
        if (!interrupt) {
            return FileSaveGame::writeFile(path, bytes, length);
        }
        TemporaryDirectory::writeFile(
            path, std::string(reinterpret_cast<const char*>(bytes), length / 2));
        return false;
    }
};

TEST_F(FileSaveGameTest, InterruptedSaveLeavesThePreviousFileIntact) {
    InterruptedSave save(savePath, GameSave::ProductId);
    GameSave::registerEntries(save);
    save.interrupt = false;
    ASSERT_TRUE(save.save());
    const std::string previous = TemporaryDirectory::readFile(savePath);

    PlayerProfiles::instance().addProfile("Ann");
    save.interrupt = true;
    StdoutCapture capture;
    EXPECT_FALSE(save.save());
    capture.finish();
    EXPECT_EQ(previous, TemporaryDirectory::readFile(savePath));
    EXPECT_FALSE(std::filesystem::exists(save.temporaryPath())) << "the half file is removed";

    // A temporary file left by a crash does not stand in the way.
    TemporaryDirectory::writeFile(save.temporaryPath(), "half");
    save.interrupt = false;
    ASSERT_TRUE(save.save());
    EXPECT_EQ(previous.size() + 4 + 27, TemporaryDirectory::readFile(savePath).size());
}

struct ReentrantEntry : SaveGameEntry {
    bool load(SaveGame& store) override { return store.load(); }
    bool save(SaveGame& store) override { return store.save(); }
};

TEST_F(FileSaveGameTest, SaveOrLoadStartedByAnEntryGivesUp) {
    TemporaryDirectory::writeFile(savePath, "old");
    FileSaveGame save(savePath, GameSave::ProductId);
    save.registerEntry("A", std::make_unique<ReentrantEntry>());
    StdoutCapture capture;
    EXPECT_FALSE(save.save());
    capture.finish();
    EXPECT_EQ("old", TemporaryDirectory::readFile(savePath));
}

TEST_F(FileSaveGameTest, EmptyPathNeitherSavesNorLoads) {
    FileSaveGame save("", GameSave::ProductId);
    EXPECT_FALSE(save.save());
    EXPECT_FALSE(save.load());
}

TEST_F(FileSaveGameTest, StartUpPathUsesTheConfiguredLocationAndFirstRunValues) {
    const std::string config = folder / "config.xml";
    TemporaryDirectory::writeFile(config, R"(<Config>
  <Savegame folder="Inn/Saves" filename="game.sav"/>
  <Volume soundVolume="70" musicVolume="40"/>
  <FullscreenMode mode="windowed"/>
</Config>)");
    AppConfig::reset();
    ASSERT_TRUE(AppConfig::instance().load(config));
    auto save = GameSave::openAtStartup(AppConfig::instance());
    AppConfig::reset();
    EXPECT_EQ(folder / "Inn/Saves/game.sav", save->path());
    EXPECT_EQ(70, intValue(*save, GameSave::SoundVolume));
    EXPECT_EQ(40, intValue(*save, GameSave::MusicVolume));
    EXPECT_EQ(0, charValue(*save, GameSave::FullScreen));
    EXPECT_EQ(32u, TemporaryDirectory::readFile(save->path()).size());
}

} // namespace
