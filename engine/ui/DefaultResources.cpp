#include "engine/ui/DefaultResources.h"

#include "engine/app/GameApp.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"

Font* applicationFont(const std::string& key) {
    GameApp* app = GameApp::instance();
    return app ? app->getResources().getFont(key) : nullptr;
}

GLTexture* applicationTexture(const std::string& key) {
    GameApp* app = GameApp::instance();
    return app ? app->getResources().getTexture(key) : nullptr;
}

std::string applicationLabel(const std::string& key) {
    GameApp* app = GameApp::instance();
    return app ? app->getLabels().getText(key) : key;
}
