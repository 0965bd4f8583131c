#pragma once

#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

// Direct control of the mixer for menu music and channel effects. A
// process-wide singleton created on first use. Every call is harmless without
// an open device.
class AudioEngine {
public:
    static constexpr int BusyChannels = 14;

    struct Spec {
        int channels = 16;
        int frequency = 44100;
        unsigned short format = 0x8010; // signed 16-bit little-endian
        int chunkSize = 1024;
    };

    static AudioEngine& instance();
    static void reset();

    virtual ~AudioEngine() = default;

    // A music stream owned by the caller; none when it cannot be loaded.
    _Mix_Music* loadMusic(const std::string& path);
    void fadeInMusic(_Mix_Music* music, int ms, int loops);
    _Mix_Music* loadAndFadeInMusic(const std::string& path, int ms, int loops);
    _Mix_Music* currentMusic() const { return currentMusic_; }
    // True while a music stream plays (or fades); false without an opened device.
    bool isMusicPlaying() const;

    // Opens the device; the empty text on success, else SDL's error.
    std::string open(const Spec& spec);
    void close();
    bool isOpened() const { return opened_; }
    int status() const { return status_; }
    const std::vector<std::string>& chunkDecoders() const { return chunkDecoders_; }
    const std::vector<std::string>& musicDecoders() const { return musicDecoders_; }

    void fadeInChunk(int channel, Mix_Chunk* chunk, int ms, int loops);
    // The chunk stays the caller's (free it with Mix_FreeChunk); none on failure.
    Mix_Chunk* loadAndFadeInChunk(const std::string& path, int channel, int ms, int loops);
    void fadeOutChannel(int channel, int ms);
    bool isChannelBusy(int channel) const;
    void setPanning(int channel, int left, int right);
    void setChunkVolume(Mix_Chunk* chunk, int volume);

private:
    bool opened_ = false;
    bool group1Ready_ = false;
    bool group2Ready_ = false;
    int status_ = 1000;
    bool busy_[BusyChannels] = {};
    int chunkDecoderCount_ = -1;
    int musicDecoderCount_ = -1;
    std::vector<std::string> chunkDecoders_;
    std::vector<std::string> musicDecoders_;
    _Mix_Music* currentMusic_ = nullptr;
};
