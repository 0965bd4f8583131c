#include "engine/platform/WindowHooks.h"

#include <gtest/gtest.h>

using platform::WindowHooks;

// The application polls the request once per frame; it must stay pending
// until handled, whatever other window calls happen in between.
TEST(WindowHooks, RestoreRequestStaysPendingUntilCleared) {
    WindowHooks hooks;
    hooks.installWindowProcHook();
    EXPECT_FALSE(hooks.restoreRequested());

    hooks.requestRestore();
    hooks.restoreWindow();
    hooks.addMaximiseBox();
    EXPECT_TRUE(hooks.restoreRequested());

    hooks.clearRestoreRequest();
    EXPECT_FALSE(hooks.restoreRequested());
}

TEST(WindowHooks, MaximiseBoxStartsRemovedAndFollowsRequests) {
    WindowHooks hooks;
    EXPECT_FALSE(hooks.hasMaximiseBox());
    hooks.addMaximiseBox();
    EXPECT_TRUE(hooks.hasMaximiseBox());
    hooks.removeMaximiseBox();
    EXPECT_FALSE(hooks.hasMaximiseBox());
}
