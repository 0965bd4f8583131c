#include "engine/audio/MixSound.h"
#include "engine/audio/SceneMusic.h"
#include "engine/audio/SfxContainer.h"
#include "tests/audio/AudioDevice.h"
#include "tests/support/StdoutCapture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class SfxContainerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mixer.isOpen()) << mixer.error();
        SfxContainer::reset();
        for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
            writeToneWav(folder / name, 60);
        }
    }
    void TearDown() override { SfxContainer::reset(); }

    bool load(const std::string& xml) {
        TemporaryDirectory::writeFile(folder / "sfx.xml", xml);
        return SfxContainer::instance().load(folder / "sfx.xml");
    }

    static int playingChannels() { return Mix_Playing(-1); }

    OpenMixer mixer;
    TemporaryDirectory folder;
};

TEST_F(SfxContainerTest, VariantsGetNumberedKeysAndEmptyEntriesAreIgnored) {
    ASSERT_TRUE(load("<SFX defaultPath=\"" + folder.path() +
                     "/\">"
                     "  <RandomSound name=\"BUTTON_PRESS\">"
                     "    <Sound path=\"a.wav\"/><Sound path=\"\"/><Sound path=\"b.wav\"/>"
                     "    <Sound path=\"c.wav\"/>"
                     "  </RandomSound>"
                     "  <Sound name=\"PIPE_CLICK\" path=\"d.wav\"/>"
                     "  <Sound name=\"PIPE_CLICK\" path=\"a.wav\"/>"
                     "  <Sound name=\"\" path=\"a.wav\"/>"
                     "  <Sound name=\"NO_PATH\" path=\"\"/>"
                     "  <RandomSound name=\"\"><Sound path=\"a.wav\"/></RandomSound>"
                     "  <Other name=\"X\" path=\"a.wav\"/>"
                     "</SFX>"));
    const SfxContainer& sfx = SfxContainer::instance();
    EXPECT_TRUE(sfx.isLoaded());
    EXPECT_EQ((std::vector<std::string>{"BUTTON_PRESS_0", "BUTTON_PRESS_1", "BUTTON_PRESS_2"}),
              sfx.keysOf("BUTTON_PRESS"));
    EXPECT_EQ((std::vector<std::string>{"PIPE_CLICK_0", "PIPE_CLICK_1"}), sfx.keysOf("PIPE_CLICK"))
        << "a repeated Sound name adds a variant";
    EXPECT_EQ(2u, sfx.names().size());
    auto* third = dynamic_cast<MixSound*>(sfx.sound("BUTTON_PRESS_2"));
    ASSERT_NE(nullptr, third);
    EXPECT_EQ(folder / "c.wav", third->path()) << "default path + path";
    EXPECT_TRUE(third->isLoaded());
}

TEST_F(SfxContainerTest, PlayPicksEveryVariantInTimeAndObeysTheSwitch) {
    ASSERT_TRUE(load("<SFX defaultPath=\"" + folder.path() +
                     "/\"><RandomSound name=\"CHIME\"><Sound path=\"a.wav\"/>"
                     "<Sound path=\"b.wav\"/><Sound path=\"c.wav\"/></RandomSound></SFX>"));
    SfxContainer& sfx = SfxContainer::instance();
    std::set<int> played;
    std::srand(7);
    for (int i = 0; i < 60 && played.size() < 3; ++i) {
        sfx.play("CHIME", false);
        for (int v = 0; v < 3; ++v) {
            auto* sound = dynamic_cast<MixSound*>(sfx.sound("CHIME_" + std::to_string(v)));
            if (sound->isPlaying()) {
                played.insert(v);
            }
        }
        Mix_HaltChannel(-1);
    }
    EXPECT_EQ(3u, played.size()) << "each of the three variants gets its turn";

    sfx.setEnabled(false);
    sfx.play("CHIME", false);
    playSoundEffect("CHIME");
    EXPECT_EQ(0, playingChannels());
    sfx.setEnabled(true);
    sfx.play("UNKNOWN", false);
    sfx.play("", false);
    EXPECT_EQ(0, playingChannels());
    playSoundEffect("CHIME");
    EXPECT_EQ(1, playingChannels());
    sfx.play("CHIME", true);
    EXPECT_EQ(2, playingChannels());
}

TEST_F(SfxContainerTest, UnreadableCatalogueStaysUnloadedAndSilent) {
    StdoutCapture capture;
    EXPECT_FALSE(load("<Effects><Sound name=\"A\" path=\"a.wav\"/></Effects>"));
    EXPECT_FALSE(SfxContainer::instance().load(folder / "absent.xml"));
    EXPECT_EQ(2, StdoutCapture::lineCount(capture.finish()));
    EXPECT_FALSE(SfxContainer::instance().isLoaded());
    SfxContainer::instance().play("A", false);
    EXPECT_EQ(0, playingChannels());
}

TEST_F(SfxContainerTest, UndecodableVariantSaysSoAndPlaysNothing) {
    TemporaryDirectory::writeFile(folder / "broken.wav", "RIFF but not really");
    StdoutCapture capture;
    ASSERT_TRUE(load("<SFX defaultPath=\"" + folder.path() +
                     "/\"><Sound name=\"BAD\" path=\"broken.wav\"/></SFX>"));
    const std::string out = capture.finish();
    EXPECT_NE(std::string::npos, out.find("Mix_LoadWAV: ")) << out;
    EXPECT_NE(std::string::npos, out.find("broken.wav")) << out;
    SfxContainer::instance().play("BAD", false);
    EXPECT_EQ(0, playingChannels());
}

TEST(MixSoundTest, LengthFollowsTheMixerFormat) {
    OpenMixer mixer;
    ASSERT_TRUE(mixer.isOpen()) << mixer.error();
    EXPECT_EQ(500, MixSound::lengthMsOf(88200)) << "44.1 kHz, 2 bytes, 2 channels";
    EXPECT_EQ(0, MixSound::lengthMsOf(0));
    TemporaryDirectory folder;
    writeToneWav(folder / "tone.wav", 250);
    MixSound tone(folder / "tone.wav");
    EXPECT_NEAR(250, tone.lengthMs(), 1);
    mixer.close();
    EXPECT_EQ(0, MixSound::lengthMsOf(88200)) << "no device, no length";
}

TEST(MixSoundTest, WithoutADeviceNothingLoadsAndNothingHappens) {
    TemporaryDirectory folder;
    writeToneWav(folder / "tone.wav", 50);
    StdoutCapture capture;
    MixSound tone(folder / "tone.wav");
    tone.play();
    tone.fadeOut(10);
    tone.halt();
    EXPECT_EQ("", capture.finish()) << "the silent game does not complain per sound";
    EXPECT_FALSE(tone.isLoaded());
    EXPECT_FALSE(tone.isPlaying());
    EXPECT_EQ(0, tone.lengthMs());
}

TEST(MixSoundTest, HaltLeavesAChannelThatAnotherSoundTookOver) {
    OpenMixer mixer;
    ASSERT_TRUE(mixer.isOpen()) << mixer.error();
    Mix_AllocateChannels(1);
    TemporaryDirectory folder;
    writeToneWav(folder / "a.wav", 400);
    writeToneWav(folder / "b.wav", 400, 660);
    MixSound first(folder / "a.wav");
    MixSound second(folder / "b.wav");
    first.play();
    EXPECT_TRUE(first.isPlaying());
    Mix_HaltChannel(0);
    second.playOnChannel(0);
    EXPECT_EQ(0, second.channel());
    EXPECT_FALSE(first.isPlaying()) << "its channel plays another sound now";
    first.halt();
    EXPECT_TRUE(second.isPlaying()) << "the other sound goes on";
}

TEST(SceneMusicTest, IndexListsShareTheirFilesAndUnlistedIndicesHaveNone) {
    SceneMusic::reset();
    TemporaryDirectory folder;
    TemporaryDirectory::writeFile(folder / "music.xml", R"(<SceneMusic path="content/music/">
      <Scene index="1,2,,5"><Music file="One.ogg"/><Music file="Two.ogg"/><Music/></Scene>
      <Scene index="9999"><Music file="Menu.ogg"/></Scene>
      <Scene index=""><Music file="Nowhere.ogg"/></Scene>
    </SceneMusic>)");
    SceneMusic& music = SceneMusic::instance();
    ASSERT_TRUE(music.load(folder / "music.xml"));
    EXPECT_EQ((std::vector<int>{1, 2, 5, 9999}), [&] {
        std::vector<int> indices;
        for (const auto& entry : music.files()) {
            indices.push_back(entry.first);
        }
        return indices;
    }());
    for (int index : {1, 2, 5}) {
        EXPECT_EQ((std::vector<std::string>{"One.ogg", "Two.ogg"}), music.files().at(index));
    }
    EXPECT_EQ("content/music/Menu.ogg", music.musicFor(9999));
    EXPECT_EQ("", music.musicFor(3));
    EXPECT_EQ("", music.musicFor(0));
    std::set<std::string> picks;
    for (int i = 0; i < 50; ++i) {
        picks.insert(music.musicFor(2));
    }
    EXPECT_EQ((std::set<std::string>{"content/music/One.ogg", "content/music/Two.ogg"}), picks);
    SceneMusic::reset();
}

TEST(SceneMusicTest, FileWithoutItsRootGivesNoMusic) {
    SceneMusic::reset();
    TemporaryDirectory folder;
    TemporaryDirectory::writeFile(folder / "music.xml", "<Music><Scene index=\"1\"/></Music>");
    StdoutCapture capture;
    EXPECT_FALSE(SceneMusic::instance().load(folder / "music.xml"));
    EXPECT_EQ(1, StdoutCapture::lineCount(capture.finish()));
    EXPECT_EQ("", SceneMusic::instance().musicFor(1));
    SceneMusic::reset();
}

} // namespace
