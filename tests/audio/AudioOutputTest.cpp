// What the mixer really outputs: SDL's disk driver writes the mixed stream
// (signed 16-bit stereo at 44.1 kHz) to a file.
#include "engine/audio/SDLSoundSystem.h"
#include "engine/audio/SfxContainer.h"
#include "tests/audio/AudioDevice.h"
#include "tests/support/Subprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

class DiskAudioTest : public testing::Test {
protected:
    void SetUp() override {
        SfxContainer::reset();
        writeToneWav(folder / "chime.wav", 120, 880);
        TemporaryDirectory::writeFile(folder / "sfx.xml",
                                      "<SFX defaultPath=\"" + folder.path() +
                                          "/\"><Sound name=\"CHIME\" path=\"chime.wav\"/></SFX>");
        ::setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
        // A few ms between buffers: fast, without writing tens of MB.
        ::setenv("SDL_DISKAUDIODELAY", "5", 1);
    }
    void TearDown() override { SfxContainer::reset(); }

    std::string output() const { return folder / "mixed.raw"; }

    std::size_t outputSize() const {
        std::error_code error;
        const auto size = std::filesystem::file_size(output(), error);
        return error ? 0 : std::size_t(size);
    }

    // The largest sample magnitude written after the first `from` bytes.
    int peakFrom(std::size_t from = 0) const {
        const std::string data = TemporaryDirectory::readFile(output());
        int largest = 0;
        for (std::size_t i = from & ~std::size_t(1); i + 1 < data.size(); i += 2) {
            const auto sample =
                std::int16_t(std::uint8_t(data[i]) | std::uint8_t(data[i + 1]) << 8);
            largest = std::max(largest, std::abs(int(sample)));
        }
        return largest;
    }

    // Lets the mixer run until the driver has written `ms` more of output,
    // however slowly the machine runs it.
    ::testing::AssertionResult mixFor(int ms) const {
        // 44.1 kHz, two channels of two bytes.
        const std::size_t target = outputSize() + std::size_t(44100 * 4) * std::size_t(ms) / 1000;
        if (waitUntil([&] { return outputSize() >= target; }, std::chrono::seconds(20))) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "the driver wrote " << outputSize() << " of " << target << " bytes";
    }

    ScopedEnvironment saved{{"SDL_DISKAUDIOFILE", "SDL_DISKAUDIODELAY"}};
    TemporaryDirectory folder;
};

TEST_F(DiskAudioTest, AnEffectPlayedThroughTheCatalogueReachesTheOutput) {
    OpenMixer mixer("disk");
    ASSERT_TRUE(mixer.isOpen()) << mixer.error();
    ASSERT_TRUE(SfxContainer::instance().load(folder / "sfx.xml"));
    ASSERT_TRUE(mixFor(50));
    EXPECT_EQ(0, peakFrom()) << "silence before anything plays";
    SfxContainer::instance().play("CHIME", false);
    // The tone lasts 120 ms.
    ASSERT_TRUE(mixFor(400));
    EXPECT_GT(peakFrom(), 3000) << "the tone's amplitude is 12000";
}

TEST_F(DiskAudioTest, SwitchedOffEffectsStaySilentAndVolumeZeroMutes) {
    OpenMixer mixer("disk");
    ASSERT_TRUE(mixer.isOpen()) << mixer.error();
    ASSERT_TRUE(SfxContainer::instance().load(folder / "sfx.xml"));
    SfxContainer::instance().setEnabled(false);
    playSoundEffect("CHIME");
    ASSERT_TRUE(mixFor(400));
    EXPECT_EQ(0, peakFrom()) << "nothing is played while effects are off";

    // The same call is heard once they are on again.
    SfxContainer::instance().setEnabled(true);
    std::size_t from = outputSize();
    playSoundEffect("CHIME");
    ASSERT_TRUE(mixFor(400));
    EXPECT_GT(peakFrom(from), 3000);

    SDLSoundSystem().setChannelVolume(-1, 0);
    from = outputSize();
    playSoundEffect("CHIME");
    ASSERT_TRUE(mixFor(400));
    EXPECT_EQ(0, peakFrom(from)) << "volume 0 mutes";
}

TEST(SoundSystemTest, VolumesReachTheMixerUnchanged) {
    OpenMixer mixer;
    ASSERT_TRUE(mixer.isOpen()) << mixer.error();
    SDLSoundSystem sound;
    sound.setMusicVolume(100);
    EXPECT_EQ(100, Mix_VolumeMusic(-1)) << "0..100 is passed as it is, not scaled to 128";
    sound.setChannelVolume(-1, 100);
    for (int channel = 0; channel < 16; ++channel) {
        EXPECT_EQ(100, Mix_Volume(channel, -1)) << channel;
    }
    sound.setChannelVolume(3, 50);
    EXPECT_EQ(50, Mix_Volume(3, -1));
    EXPECT_EQ(100, Mix_Volume(4, -1));
}

TEST(SoundSystemTest, ChannelVolumesWithoutAnOpenDeviceAreIgnored) {
    {
        OpenMixer mixer;
        ASSERT_TRUE(mixer.isOpen()) << mixer.error();
    }
    // The mixer is closed again: SDL_mixer itself would walk a freed channel table.
    SDLSoundSystem sound;
    sound.setChannelVolume(-1, 0);
    sound.setChannelVolume(2, 40);
    sound.setMusicVolume(30);
    EXPECT_EQ(30, Mix_VolumeMusic(-1));
}

} // namespace
