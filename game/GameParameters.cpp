#include "game/GameParameters.h"

#include "engine/app/ConfigFile.h"
#include "engine/core/Log.h"

namespace {

std::unique_ptr<GameParameters>& holder() {
    static std::unique_ptr<GameParameters> parameters;
    return parameters;
}

} // namespace

GameParameters& GameParameters::instance() {
    std::unique_ptr<GameParameters>& parameters = holder();
    if (!parameters) {
        parameters.reset(new GameParameters());
    }
    return *parameters;
}

void GameParameters::reset() {
    holder().reset();
}

GameParameters::GameParameters() = default;
GameParameters::~GameParameters() = default;

bool GameParameters::load(const std::string& path) {
    try {
        file_ = std::make_unique<ConfigFile>(path);
    } catch (const ConfigFile::file_not_found& error) {
        engineLog() << "Cannot open the parameters '" << error.fileName << "'\n";
        file_.reset();
        return false;
    }
    return true;
}

int GameParameters::intValue(const std::string& key, int fallback) const {
    if (file_ && !file_->contains(key) && missingSaid_.insert(key).second) {
        engineLog() << "Parameter '" << key << "' is not in '" << file_->fileName()
                    << "'; using the default " << fallback << "\n";
    }
    return file_ ? file_->read<int>(key, fallback) : fallback;
}

std::string GameParameters::stringValue(const std::string& key, const std::string& fallback) const {
    if (file_ && !file_->contains(key) && missingSaid_.insert(key).second) {
        engineLog() << "Parameter '" << key << "' is not in '" << file_->fileName()
                    << "'; using the default \"" << fallback << "\"\n";
    }
    return file_ ? file_->read(key, fallback) : fallback;
}
