#pragma once

#include <functional>
#include <string>
#include <vector>

// Base of the resources that are loaded from a file (textures, fonts). A
// resource normally loads in its constructor; while deferred loading is
// switched on, the constructor only records the path and joins the pending
// list, and `load` does the work later.
class DeferableResource {
public:
    virtual ~DeferableResource();
    DeferableResource(const DeferableResource&) = delete;
    DeferableResource& operator=(const DeferableResource&) = delete;

    // Loads a pending resource from its path and clears the pending flag.
    virtual void load() = 0;

    bool isPending() const { return pending_; }
    const std::string& path() const { return path_; }

    static void setDeferredLoading(bool deferred);
    static bool deferredLoading();
    // Resources still waiting for `load`, in the order they were created.
    static const std::vector<DeferableResource*>& pendingResources();
    // Loads every pending resource; returns how many were loaded.
    static int loadPendingResources();
    // Loads pending resources in order, the first always and each further
    // one while `more` says so (a time budget); returns how many were loaded.
    static int loadPendingWhile(const std::function<bool()>& more);

protected:
    DeferableResource() = default;
    explicit DeferableResource(std::string path) : path_(std::move(path)) {}

    // Called by constructors: true when the resource must wait (it is then
    // pending and listed), false when it must load now.
    bool deferIfRequested();
    // Called by `load` implementations once the resource is loaded.
    void markLoaded();

    std::string path_;

private:
    bool pending_ = false;
};
