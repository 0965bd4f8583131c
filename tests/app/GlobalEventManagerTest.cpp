#include "engine/app/GlobalEventManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Recorder : GlobalEventListener {
    Recorder(std::vector<int>* log, int tag) : log(log), tag(tag) {}
    void onGlobalEvent(int event, int argument) override {
        log->push_back(tag);
        lastEvent = event;
        lastArgument = argument;
        if (manager && removeId >= 0) {
            manager->unregisterListener(removeId);
        }
    }
    std::vector<int>* log;
    int tag;
    int lastEvent = -1;
    int lastArgument = -1;
    GlobalEventManager* manager = nullptr;
    int removeId = -1;
};

TEST(GlobalEventManagerTest, OnlySubscribersHearAnEventInIdOrder) {
    GlobalEventManager manager;
    std::vector<int> log;
    Recorder a(&log, 1), b(&log, 2), c(&log, 3);
    const int idA = manager.registerListener(&a);
    const int idB = manager.registerListener(&b);
    const int idC = manager.registerListener(&c);
    EXPECT_EQ(0, idA) << "ids count up from 0";
    EXPECT_EQ(2, idC);
    manager.subscribe(idC, 0);
    manager.subscribe(idA, 0);
    manager.subscribe(idB, 5);
    manager.notifyAll(0);
    EXPECT_EQ((std::vector<int>{1, 3}), log);
    EXPECT_EQ(0, a.lastEvent);
    EXPECT_EQ(0, a.lastArgument);
    EXPECT_EQ(-1, b.lastEvent);

    manager.unregisterListener(idA);
    EXPECT_EQ(3, manager.registerListener(&a)) << "ids are never reused";
    log.clear();
    manager.notifyAll(0);
    EXPECT_EQ((std::vector<int>{3}), log) << "a new registration starts without subscriptions";
    manager.subscribe(42, 0); // unknown id: ignored
    manager.unregisterListener(42);
}

TEST(GlobalEventManagerTest, AListenerMayUnregisterAnotherWhileNotified) {
    GlobalEventManager manager;
    std::vector<int> log;
    Recorder first(&log, 1), second(&log, 2);
    const int idFirst = manager.registerListener(&first);
    const int idSecond = manager.registerListener(&second);
    manager.subscribe(idFirst, 0);
    manager.subscribe(idSecond, 0);
    first.manager = &manager;
    first.removeId = idSecond;
    manager.notifyAll(0);
    EXPECT_EQ((std::vector<int>{1}), log) << "the removed listener is not called any more";
    EXPECT_EQ(1u, manager.listenerCount());
}

} // namespace
