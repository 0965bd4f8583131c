#pragma once

#include <string>
#include <vector>

class ResourceManager;

// The game's fixed registration lists: which fonts and pictures each screen
// registers under which key. Screens call the list for themselves with their
// own resource manager; start-up calls the first two with the application's.
namespace resource_tables {

struct Entry {
    const char* key;
    const char* path;
};

// Every list by name, for tools and tests that check the content.
struct List {
    const char* name;
    std::vector<Entry> entries;
};
const std::vector<List>& textureLists();
const std::vector<Entry>& startupFonts();

// Registers the named texture list (e.g. "mainMenu"); false for an unknown name.
bool registerTextures(ResourceManager& resources, const std::string& listName);

void registerStartupFonts(ResourceManager& resources);
void registerStartupTextures(ResourceManager& resources);
void registerWidescreenFrameTextures(ResourceManager& resources);
void registerTransitionScreenTextures(ResourceManager& resources);
void registerFreeplayMenuTextures(ResourceManager& resources);
void registerMiniGameTextures(ResourceManager& resources);
void registerMiniGame28Textures(ResourceManager& resources);
void registerMiniGame5Textures(ResourceManager& resources);
void registerMiniGame2Textures(ResourceManager& resources);
void registerMiniGame10Textures(ResourceManager& resources);
void registerSceneTextures(ResourceManager& resources);
void registerStoryTextures(ResourceManager& resources);
void registerOptionsMenuTextures(ResourceManager& resources);
void registerProfilesMenuTextures(ResourceManager& resources);
void registerQuitDialogTextures(ResourceManager& resources);
void registerMainMenuTextures(ResourceManager& resources);

} // namespace resource_tables
