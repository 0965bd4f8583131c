#include "engine/core/DeferableResource.h"

#include <algorithm>

namespace {

bool deferred = false;

std::vector<DeferableResource*>& pendingList() {
    static std::vector<DeferableResource*> list;
    return list;
}

} // namespace

DeferableResource::~DeferableResource() {
    // A pending resource deleted before it loaded must not stay listed.
    if (pending_) {
        auto& list = pendingList();
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void DeferableResource::setDeferredLoading(bool on) {
    deferred = on;
}

bool DeferableResource::deferredLoading() {
    return deferred;
}

const std::vector<DeferableResource*>& DeferableResource::pendingResources() {
    return pendingList();
}

int DeferableResource::loadPendingResources() {
    // `load` takes each resource off the list; work on a copy.
    const std::vector<DeferableResource*> waiting = pendingList();
    for (DeferableResource* resource : waiting) {
        resource->load();
    }
    return int(waiting.size());
}

int DeferableResource::loadPendingWhile(const std::function<bool()>& more) {
    int loaded = 0;
    // A resource's `load` takes it off the list, and may in principle add others.
    while (!pendingList().empty() && (loaded == 0 || more())) {
        DeferableResource* next = pendingList().front();
        next->load();
        if (!pendingList().empty() && pendingList().front() == next) {
            // A load that left itself listed must not hold up the rest.
            next->markLoaded();
        }
        ++loaded;
    }
    return loaded;
}

bool DeferableResource::deferIfRequested() {
    if (!deferred) {
        return false;
    }
    if (!pending_) {
        pending_ = true;
        pendingList().push_back(this);
    }
    return true;
}

void DeferableResource::markLoaded() {
    if (pending_) {
        pending_ = false;
        auto& list = pendingList();
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}
