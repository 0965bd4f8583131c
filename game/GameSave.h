#pragma once

#include "engine/persist/GenericEntry.h"
#include "engine/persist/SaveGame.h"

#include <memory>
#include <string>

class AppConfig;
class FileSaveGame;

// The game's save file: its product id, its entries and the start-up path
// that opens it.
class GameSave {
public:
    static constexpr const char* ProductId = "VELT_RA001";
    static constexpr const char* SoundVolume = "SOUND_VOLUME";
    static constexpr const char* MusicVolume = "MUSIC_VOLUME";
    static constexpr const char* FullScreen = "FULL_SCREEN";
    static constexpr const char* HardwareCursor = "HARDWARE_CURSOR";
    static constexpr int DefaultVolume = 50;

    // Registers the volumes, the full-screen and cursor flags and the player
    // profiles. With a configuration, its volumes and full-screen mode are the
    // first-run values (a desktop game starts windowed when it says so).
    static void registerEntries(SaveGame& save, const AppConfig* config = nullptr);

    // Creates the save directory, registers the entries and loads the save
    // file of the configuration; a missing, foreign or damaged file is kept
    // as a backup and the current values are written at once.
    static std::unique_ptr<FileSaveGame> openAtStartup(const AppConfig& config);

    // Writes the application's save game at once, so that what the player
    // just did survives a crash. Nothing happens without a save game; a
    // failed write says so in one line and returns false.
    static bool saveNow();

    // One of the settings registered above (T int for the volumes, char for
    // the flags); none without a save game.
    template <typename T> static GenericEntry<T>* setting(const SaveGame* save, const char* key) {
        return save ? save->entry<GenericEntry<T>>(key) : nullptr;
    }
};
