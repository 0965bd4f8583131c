#pragma once

#include "engine/persist/FileSaveGame.h"
#include "engine/persist/GenericEntry.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/PlayerProfiles.h"
#include "game/scene/data/ItemRegistry.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <string>

// A temporary user folder and fresh singletons, with the game's save entries.
class SaveFileFixture : public testing::Test {
protected:
    SaveFileFixture() {
        environment.set("APPDATA", folder.path());
        resetSingletons();
        // Restored items find no scene files in these tests.
        PlayerProfiles::instance().setSceneLoader([](int) { return ItemDescriptions(); });
    }
    ~SaveFileFixture() override { resetSingletons(); }

    static void resetSingletons() {
        PlayerProfiles::reset();
        ItemRegistry::reset();
        GameFlow::reset();
    }

    std::unique_ptr<FileSaveGame> gameSave(const std::string& path) const {
        auto save = std::make_unique<FileSaveGame>(path, GameSave::ProductId);
        GameSave::registerEntries(*save);
        return save;
    }

    static int intValue(const SaveGame& save, const char* key) {
        return save.entry<GenericEntry<int>>(key)->value();
    }
    static char charValue(const SaveGame& save, const char* key) {
        return save.entry<GenericEntry<char>>(key)->value();
    }

    static std::string header() { return std::string("\x0A\0\0\0", 4) + GameSave::ProductId; }

    TemporaryDirectory folder;
    ScopedEnvironment environment{{"APPDATA"}};
    std::string savePath = folder / "profiles.sav";
};
