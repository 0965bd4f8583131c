#include "tests/persist/SaveFileFixture.h"
#include "tests/support/StdoutCapture.h"

namespace {

class PlayerProfilesTest : public SaveFileFixture {
protected:
    PlayerProfiles& profiles = PlayerProfiles::instance();
    ItemRegistry& registry = ItemRegistry::instance();

    // The profile block: the save file between the two flags plus the music
    // volume and the sound volume.
    std::string profileBlock() {
        auto save = gameSave(savePath);
        EXPECT_TRUE(save->save());
        const std::string bytes = TemporaryDirectory::readFile(savePath);
        return bytes.substr(20, bytes.size() - 24);
    }

    // Saves, forgets everything and loads the file again.
    bool reload() {
        auto save = gameSave(savePath);
        EXPECT_TRUE(save->save());
        profiles.clear();
        registry.clear();
        GameFlow::instance().setPosition(-99);
        auto loaded = gameSave(savePath);
        EXPECT_TRUE(loaded->load());
        return !loaded->damaged();
    }

    void addItem(int group, int index, int sceneId, int slot) {
        registry.addItem(group, std::make_unique<Item>(index, sceneId, slot));
    }
};

TEST_F(PlayerProfilesTest, ThreeLetterProfileGivesA27ByteRecordInA39ByteBlock) {
    profiles.addProfile("Ann");
    PlayerProfile& ann = *profiles.currentProfile();
    ann.started = true;
    ann.counterA = 3;
    ann.counterB = -1;
    ann.hintCount = 5;
    ann.resumeStep = 2;
    ann.hintFlags = 1;
    ann.completedScenes = 4;
    GameFlow::instance().setPosition(7);
    const std::string block = profileBlock();
    ASSERT_EQ(39u, block.size());
    const std::string expected("\x01\0\0\0"   // one profile
                               "\x1B\0\0\0"   // record length 27
                               "Ann\0\0"      // name and terminator
                               "\x01\x00"     // started, finished
                               "\xFF\x03\x05" // counterB, counterA, hintCount
                               "\x07\0\0\0"   // flow position from the game flow
                               "\x02\0\0\0"   // resume step
                               "\x01\0\0\0"   // hint flags
                               "\x00"         // no item-group blocks
                               "\x04\0\0\0"   // completed scenes
                               "\0\0\0\0",    // current
                               39);
    EXPECT_EQ(expected, block);
}

TEST_F(PlayerProfilesTest, FieldsAndByteCountersSurviveTheFile) {
    profiles.addProfile("Zo\xC3\xAB");
    profiles.addProfile("Bo");
    PlayerProfile& zoe = *profiles.profileAt(0);
    zoe.finished = true;
    zoe.hintFlags = 0x80000001u;
    zoe.completedScenes = -1;
    PlayerProfile& bo = *profiles.profileAt(1);
    bo.counterA = 127;
    bo.counterB = -128;
    bo.hintCount = 300; // beyond a byte: kept at the limit, not wrapped
    bo.flowPosition = 12;
    bo.resumeStep = -3;
    ASSERT_TRUE(reload());

    ASSERT_EQ(2, profiles.profileCount());
    EXPECT_EQ(0, profiles.current());
    const PlayerProfile& zoe2 = *profiles.profileAt(0);
    EXPECT_EQ("Zo\xC3\xAB", zoe2.name);
    EXPECT_EQ(-1, zoe2.counterA);
    EXPECT_EQ(-1, zoe2.counterB);
    EXPECT_EQ(5, zoe2.hintCount);
    EXPECT_TRUE(zoe2.finished);
    EXPECT_FALSE(zoe2.started);
    EXPECT_EQ(0x80000001u, zoe2.hintFlags);
    EXPECT_EQ(-1, zoe2.completedScenes);
    const PlayerProfile& bo2 = *profiles.profileAt(1);
    EXPECT_EQ("Bo", bo2.name);
    EXPECT_EQ(127, bo2.counterA);
    EXPECT_EQ(-128, bo2.counterB);
    EXPECT_EQ(127, bo2.hintCount);
    EXPECT_EQ(12, bo2.flowPosition);
    EXPECT_EQ(-3, bo2.resumeStep);

    profiles.profileAt(1)->reset();
    EXPECT_EQ("Bo", bo2.name) << "a reset keeps the name";
    EXPECT_EQ(-1, bo2.counterA);
    EXPECT_EQ(5, bo2.hintCount);
    EXPECT_EQ(0, bo2.flowPosition);

    // A new game after the end: free play stays open, the story starts anew.
    profiles.profileAt(0)->reset();
    EXPECT_TRUE(zoe2.finished);
    EXPECT_EQ(0u, zoe2.hintFlags) << "the rest is a new profile's";
}

TEST_F(PlayerProfilesTest, AddingAndRemovingKeepsTheCurrentProfile) {
    profiles.addProfile("A");
    EXPECT_EQ(0, profiles.current()) << "the first profile becomes current";
    profiles.addProfile("B");
    profiles.addProfile("C");
    profiles.addProfile("D");
    profiles.selectProfile(2);
    EXPECT_EQ(2, profiles.current());
    profiles.removeProfile(0);
    EXPECT_EQ(1, profiles.current()) << "a profile before it shifts current down";
    EXPECT_EQ("C", profiles.currentProfile()->name);
    profiles.removeProfile(2);
    EXPECT_EQ(1, profiles.current()) << "a profile after it changes nothing";
    profiles.removeProfile(5);
    profiles.removeProfile(-1);
    EXPECT_EQ(2, profiles.profileCount());
    profiles.removeProfile(1);
    EXPECT_EQ(-1, profiles.current()) << "removing the current one leaves none";
    EXPECT_EQ(nullptr, profiles.currentProfile());
    profiles.addProfile("E");
    EXPECT_EQ(1, profiles.current());
    profiles.clear();
    EXPECT_EQ(0, profiles.profileCount());
    EXPECT_EQ(-1, profiles.current());
}

TEST_F(PlayerProfilesTest, SelectingProfilesSwapsRegistryAndFlowPosition) {
    profiles.addProfile("A");
    profiles.addProfile("B");
    addItem(GROUP_SCENE, 0, 3, 0);
    addItem(GROUP_GOAL, 1, 3, 4);
    addItem(GROUP_REMOVED, 2, 3, -1);
    GameFlow::instance().setPosition(6);

    profiles.selectProfile(1);
    EXPECT_EQ(0u, registry.itemCount()) << "B has played nothing yet";
    EXPECT_EQ(0, GameFlow::instance().position());
    EXPECT_EQ(6, profiles.profileAt(0)->flowPosition);
    addItem(GROUP_BONUS, 9, 5, 9);
    GameFlow::instance().setPosition(2);

    profiles.selectProfile(0);
    EXPECT_EQ(6, GameFlow::instance().position());
    ASSERT_EQ(3u, registry.itemCount());
    EXPECT_EQ(GROUP_SCENE, registry.groupOf(0, 3));
    EXPECT_EQ(GROUP_GOAL, registry.groupOf(1, 3));
    ASSERT_NE(nullptr, registry.findItem(GROUP_GOAL, 1, 3));
    EXPECT_EQ(4, registry.findItem(GROUP_GOAL, 1, 3)->slot);
    EXPECT_EQ(-1, registry.findItem(GROUP_REMOVED, 2, 3)->slot);
    EXPECT_EQ(-1, registry.groupOf(9, 5));

    profiles.selectProfile(7);
    EXPECT_EQ(0, profiles.current()) << "an index outside the list is ignored";
    profiles.selectProfile(1);
    EXPECT_EQ(GROUP_BONUS, registry.groupOf(9, 5));
    EXPECT_EQ(2, GameFlow::instance().position());
}

TEST_F(PlayerProfilesTest, RegistryBlocksTravelThroughTheFile) {
    profiles.addProfile("A");
    addItem(GROUP_GOAL, 0, 3, -1);
    addItem(GROUP_GOAL, 5, 3, 2);
    addItem(GROUP_NONE, 127, 127, 127);
    registry.itemsOf(GROUP_DISPLAY_6, -1); // an empty group is kept as an empty block
    GameFlow::instance().setPosition(11);
    ASSERT_TRUE(reload());

    EXPECT_EQ(0, profiles.current());
    EXPECT_EQ(11, GameFlow::instance().position()) << "loading restores the flow position";
    EXPECT_EQ((std::vector<int>{GROUP_NONE, GROUP_GOAL, GROUP_DISPLAY_6}), registry.groupKeys());
    const auto goals = registry.itemsOf(GROUP_GOAL, 3);
    ASSERT_EQ(2u, goals.size());
    EXPECT_EQ(0, goals[0]->index);
    EXPECT_EQ(-1, goals[0]->slot) << "slot -1 survives as a signed byte";
    EXPECT_EQ(5, goals[1]->index);
    EXPECT_EQ(2, goals[1]->slot);
    ASSERT_NE(nullptr, registry.findItem(GROUP_NONE, 127, 127));
    EXPECT_EQ(127, registry.findItem(GROUP_NONE, 127, 127)->slot);
    EXPECT_EQ(3u, profiles.currentProfile()->sceneStates.size());
    EXPECT_EQ(8u + 2 * 3, profiles.currentProfile()->sceneStates[1].size());
}

class DamagedProfilesTest : public PlayerProfilesTest {
protected:
    // A file with the given profile block and intact settings around it:
    // the sound volume, stored after the profiles, is 20.
    bool loadBlock(const std::string& block) {
        TemporaryDirectory::writeFile(savePath, header() + std::string("\x01\x01\x32\0\0\0", 6) +
                                                    block + std::string("\x14\0\0\0", 4));
        auto save = gameSave(savePath);
        StdoutCapture capture;
        const bool loaded = save->load();
        damage = save->lastError();
        log = capture.finish();
        soundVolume = intValue(*save, GameSave::SoundVolume);
        return loaded;
    }
    static std::string record(const std::string& name, const std::string& blocks = "",
                              char blockCount = 0) {
        return name + std::string("\0\0\0\0\xFF\xFF\x05", 7) + std::string(12, '\0') +
               std::string(1, blockCount) + blocks + std::string("\x02\0\0\0", 4);
    }
    static std::string u32(std::uint32_t v) {
        std::string s(4, '\0');
        for (int i = 0; i < 4; ++i) {
            s[i] = char(v >> (8 * i));
        }
        return s;
    }
    std::string damage;
    std::string log;
    int soundVolume = -1;
};

TEST_F(DamagedProfilesTest, WellFormedBlockLoadsCleanly) {
    const std::string group = u32(1) + u32(2) + std::string("\x04\x03\xFF", 3);
    const std::string ann = record("Ann", u32(11) + group, 1);
    ASSERT_TRUE(loadBlock(u32(1) + u32(std::uint32_t(ann.size())) + ann + u32(0)));
    EXPECT_TRUE(damage.empty()) << damage;
    EXPECT_TRUE(log.empty()) << log;
    EXPECT_EQ(2, PlayerProfiles::instance().currentProfile()->completedScenes);
    EXPECT_EQ(-1, ItemRegistry::instance().findItem(2, 4, 3)->slot);
}

TEST_F(DamagedProfilesTest, RecordClaimingMoreThanRemainsEndsTheListCleanly) {
    ASSERT_TRUE(loadBlock(u32(2) + u32(27) + record("Ann") + u32(0x7FFFFFF0) + "Bob"));
    EXPECT_NE(std::string::npos, damage.find("claims 2147483632 bytes")) << damage;
    ASSERT_EQ(1, PlayerProfiles::instance().profileCount()) << "the profile before is kept";
    EXPECT_EQ("Ann", PlayerProfiles::instance().profileAt(0)->name);
    // Where the sound volume starts is unknown now: it keeps its first-run 50.
    EXPECT_EQ(50, soundVolume);
    EXPECT_NE(std::string::npos, log.find("\"SOUND_VOLUME\" is not read after the damage")) << log;
}

TEST_F(DamagedProfilesTest, HugeProfileCountStopsWhereTheBytesEnd) {
    ASSERT_TRUE(loadBlock(u32(0xFFFFFFFF) + u32(27) + record("Ann") + u32(0)));
    EXPECT_FALSE(damage.empty());
    EXPECT_EQ(1, PlayerProfiles::instance().profileCount()) << "no empty profiles made up";
}

TEST_F(DamagedProfilesTest, BlockClaimingMoreThanItsRecordEndsTheRecordCleanly) {
    const std::string blocks = u32(1000) + u32(1) + u32(2) + std::string("\x04\x03\x01", 3);
    const std::string ann = record("Ann", blocks, 2);
    ASSERT_TRUE(loadBlock(u32(1) + u32(std::uint32_t(ann.size())) + ann + u32(0)));
    EXPECT_NE(std::string::npos, damage.find("claims 1000 bytes")) << damage;
    const PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
    ASSERT_NE(nullptr, profile);
    EXPECT_EQ("Ann", profile->name);
    EXPECT_EQ(2, profile->completedScenes) << "read from the end of its record";
    EXPECT_TRUE(profile->sceneStates.empty());
    EXPECT_EQ(20, soundVolume) << "the record's length kept the reading in place";
}

TEST_F(DamagedProfilesTest, BlockWithTooFewTriplesAddsOnlyThoseItHolds) {
    const std::string group = u32(40) + u32(2) + std::string("\x04\x03\x01\x05", 4);
    const std::string ann = record("Ann", u32(12) + group, 1);
    ASSERT_TRUE(loadBlock(u32(1) + u32(std::uint32_t(ann.size())) + ann + u32(0)));
    EXPECT_NE(std::string::npos, damage.find("does not match its item count 40")) << damage;
    EXPECT_EQ(1u, ItemRegistry::instance().itemCount());
    EXPECT_NE(nullptr, ItemRegistry::instance().findItem(2, 4, 3));
}

TEST_F(DamagedProfilesTest, RecordTooShortForAProfileIsSkipped) {
    ASSERT_TRUE(loadBlock(u32(2) + u32(3) + "Bob" + u32(27) + record("Ann") + u32(0)));
    EXPECT_NE(std::string::npos, damage.find("too short for a profile")) << damage;
    ASSERT_EQ(1, PlayerProfiles::instance().profileCount());
    EXPECT_EQ("Ann", PlayerProfiles::instance().profileAt(0)->name);
    EXPECT_EQ(20, soundVolume);
}

TEST_F(DamagedProfilesTest, RecordCutInsideItsFieldsKeepsItsName) {
    const std::string name(30, 'N');
    ASSERT_TRUE(loadBlock(u32(1) + u32(30) + name + u32(0)));
    EXPECT_NE(std::string::npos, damage.find("fields need 54")) << damage;
    ASSERT_EQ(1, PlayerProfiles::instance().profileCount());
    EXPECT_EQ(name, PlayerProfiles::instance().profileAt(0)->name);
}

TEST_F(DamagedProfilesTest, CurrentOutsideTheListSelectsNone) {
    ASSERT_TRUE(loadBlock(u32(1) + u32(27) + record("Ann") + u32(5)));
    EXPECT_NE(std::string::npos, damage.find("current profile 5")) << damage;
    EXPECT_EQ(-1, PlayerProfiles::instance().current());
    EXPECT_EQ(20, soundVolume);
}

// A flow position the flow does not have (a damaged value, or a game whose
// flow got shorter) would leave Play with nothing to start.
TEST_F(DamagedProfilesTest, AFlowPositionOutsideTheFlowStartsTheStoryAgain) {
    TemporaryDirectory::writeFile(folder / "flow.xml",
                                  "<GameFlow><Screen type=\"story\"/><Screen type=\"ho_scene\"/>"
                                  "</GameFlow>");
    ASSERT_TRUE(GameFlow::instance().load(folder / "flow.xml"));
    std::string ann = record("Ann");
    ann[3 + 7] = '\x09'; // the flow position's low byte: 9 of 2 screens
    ASSERT_TRUE(loadBlock(u32(1) + u32(std::uint32_t(ann.size())) + ann + u32(0)));
    EXPECT_EQ(0, GameFlow::instance().position());
    EXPECT_EQ(0, PlayerProfiles::instance().currentProfile()->flowPosition) << "saved so";
    EXPECT_NE(std::string::npos, log.find("flow position 9 is outside the flow of 2")) << log;
}

} // namespace
