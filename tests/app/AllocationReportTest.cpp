#include "engine/app/AllocationReport.h"
#include "engine/app/AppConfig.h"
#include "engine/core/Log.h"
#include "tests/support/TestApp.h"
#include "tests/support/TestScreen.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct LogCapture {
    LogCapture() { setEngineLog(&out); }
    ~LogCapture() { setEngineLog(nullptr); }
    std::ostringstream out;
};

TEST(AllocationReport, DestroyedScreenReportsTrackedAllocationsAndClearsThem) {
    AppConfig::reset();
    TestApp app;
    LogCapture log;
    app.pushScreen(std::make_unique<TestScreen>());
    int block = 0;
    AllocationReport::track(&block, 64, "Widget.cpp", 12);
    app.popScreen();
    app.destroyRetiredScreens();
    const std::string text = log.out.str();
    EXPECT_NE(text.find("remove all widgets ! = 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Detected memory leaks\nLeak in, Filename: Widget.cpp line: 12"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(" size: 64\n"), std::string::npos);
    EXPECT_EQ(AllocationReport::count(), 0u) << "the list is cleared after the report";

    log.out.str("");
    app.pushScreen(std::make_unique<TestScreen>());
    app.popScreen();
    app.destroyRetiredScreens();
    EXPECT_NE(log.out.str().find("No memory leaks! Yeeeeej :)"), std::string::npos);
}

} // namespace
