#include "engine/app/GlobalEventManager.h"

#include <vector>

int GlobalEventManager::registerListener(GlobalEventListener* listener) {
    listeners_[++lastId_].listener = listener;
    return lastId_;
}

void GlobalEventManager::subscribe(int id, int event) {
    auto found = listeners_.find(id);
    if (found != listeners_.end()) {
        found->second.events.insert(event);
    }
}

void GlobalEventManager::unregisterListener(int id) {
    listeners_.erase(id);
}

void GlobalEventManager::notifyAll(int event) {
    std::vector<int> ids;
    for (const auto& [id, entry] : listeners_) {
        if (entry.events.count(event)) {
            ids.push_back(id);
        }
    }
    for (int id : ids) {
        auto found = listeners_.find(id);
        if (found != listeners_.end() && found->second.listener) {
            found->second.listener->onGlobalEvent(event, 0);
        }
    }
}
