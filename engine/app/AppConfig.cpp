#include "engine/app/AppConfig.h"

namespace {
std::unique_ptr<AppConfig>& holder() {
    static std::unique_ptr<AppConfig> config;
    return config;
}
} // namespace

AppConfig& AppConfig::instance() {
    auto& config = holder();
    if (!config) {
        config.reset(new AppConfig());
    }
    return *config;
}

void AppConfig::reset() {
    holder().reset();
}
