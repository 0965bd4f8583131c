#include "game/GameSave.h"

#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "engine/persist/Paths.h"
#include "game/PlayerProfiles.h"

void GameSave::registerEntries(SaveGame& save, const AppConfig* config) {
    int soundVolume = DefaultVolume;
    int musicVolume = DefaultVolume;
    char fullScreen = 1;
    if (config) {
        soundVolume = config->soundVolume();
        musicVolume = config->musicVolume();
        if (config->fullscreenMode() != AppConfig::ModeUnset) {
            fullScreen = config->fullscreenMode() == AppConfig::ModeWindowed ? 0 : 1;
        }
    }
    save.registerEntry(SoundVolume, std::make_unique<GenericEntry<int>>(soundVolume, 0, 100));
    save.registerEntry(MusicVolume, std::make_unique<GenericEntry<int>>(musicVolume, 0, 100));
    save.registerEntry(FullScreen, std::make_unique<GenericEntry<char>>(fullScreen, 0, 1));
    save.registerEntry(HardwareCursor, std::make_unique<GenericEntry<char>>(1, 0, 1));
    save.registerEntry(PlayerProfiles::EntryKey, PlayerProfiles::saveEntry());
}

std::unique_ptr<FileSaveGame> GameSave::openAtStartup(const AppConfig& config) {
    paths::makeDirectories(paths::saveDirectory(config.saveFolder()));
    auto save = std::make_unique<FileSaveGame>(
        paths::saveFilePath(config.saveFolder(), config.saveFileName()), ProductId);
    registerEntries(*save, &config);
    save->loadAtStartup();
    return save;
}

bool GameSave::saveNow() {
    GameApp* app = GameApp::instance();
    SaveGame* save = app ? app->getSaveGame() : nullptr;
    if (!save) {
        return false;
    }
    if (!save->save()) {
        engineLog() << "The save game could not be written\n";
        return false;
    }
    return true;
}
