#pragma once

#include <map>
#include <set>

// Receives application-wide events, such as a change of the video mode.
class GlobalEventListener {
public:
    virtual ~GlobalEventListener() = default;
    virtual void onGlobalEvent(int event, int argument) = 0;
};

// Listeners registered by id, each with the event numbers it subscribed to.
// The application notifies event 0 after every video-mode change.
class GlobalEventManager {
public:
    static constexpr int VideoModeChanged = 0;

    virtual ~GlobalEventManager() = default;

    // The new listener's id; ids count up from 0 and are never reused.
    int registerListener(GlobalEventListener* listener);
    void subscribe(int id, int event);
    void unregisterListener(int id);
    // Every listener subscribed to the event, in id order. A listener may
    // unregister itself or others while it is called.
    void notifyAll(int event);
    std::size_t listenerCount() const { return listeners_.size(); }

private:
    struct Entry {
        GlobalEventListener* listener = nullptr;
        std::set<int> events;
    };
    std::map<int, Entry> listeners_;
    int lastId_ = -1;
};
