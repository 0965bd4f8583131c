// Ordering, drawing and the bookkeeping of the widget manager.
#include "engine/ui/WidgetManager.h"
#include "engine/app/AppConfig.h"
#include "tests/support/ProbeWidget.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/TestApp.h"

#include <gtest/gtest.h>

namespace {

class WidgetManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppConfig::reset();
        app = std::make_unique<TestApp>();
        app->setMousePosition(-100, -100);
    }
    ProbeWidget* make(const std::string& name, const WidgetRect& rect) {
        owned.push_back(std::make_unique<ProbeWidget>(name, rect, &journal));
        return owned.back().get();
    }
    std::vector<std::string> only(const std::string& suffix) const {
        std::vector<std::string> out;
        for (const std::string& e : journal) {
            if (e.size() > suffix.size() &&
                e.compare(e.size() - suffix.size(), suffix.size(), suffix) == 0) {
                out.push_back(e.substr(0, e.size() - suffix.size()));
            }
        }
        return out;
    }

    std::unique_ptr<TestApp> app;
    std::vector<std::string> journal;
    // Declared before the manager so the manager goes first.
    std::vector<std::unique_ptr<ProbeWidget>> owned;
    WidgetManager manager{nullptr};
};

TEST_F(WidgetManagerTest, DepthAssignmentAndOrderOfHitsDrawingAndUpdates) {
    ProbeWidget* a = make("a", WidgetRect(0, 0, 0, 10, 10));
    ProbeWidget* b = make("b", WidgetRect(0, 0, 0, 10, 10));
    ProbeWidget* c = make("c", WidgetRect(0, 0, 2, 10, 10));
    manager.addWidget(a);
    manager.addWidget(b);
    manager.addWidget(c);
    EXPECT_EQ(a->z(), 1);
    EXPECT_EQ(b->z(), 2);
    EXPECT_EQ(c->z(), 2) << "an explicit depth is kept";
    EXPECT_EQ(manager.maxZ(), 2);
    EXPECT_EQ(manager.widgetAt(5, 5), c) << "among equal z the one added last is hit first";

    RecordingGraphics graphics;
    manager.render(graphics, nullptr);
    EXPECT_EQ(only(":render"), (std::vector<std::string>{"a", "b", "c"}));
    manager.update(16, nullptr);
    EXPECT_EQ(only(":update"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(graphics.count("pushTransform"), 3);
    EXPECT_EQ(graphics.count("popTransform"), 3);
}

TEST_F(WidgetManagerTest, WidgetsDrawInTheirOwnCoordinates) {
    ProbeWidget* w = make("w", WidgetRect(30, 40, 0, 10, 10));
    manager.addWidget(w);
    RecordingGraphics graphics;
    manager.render(graphics, nullptr);
    const RecordedCall* fill = graphics.find("fillRect");
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->intArg(0), 0);
    EXPECT_EQ(fill->tx, 30);
    EXPECT_EQ(fill->ty, 40);
}

TEST_F(WidgetManagerTest, OverlayPassRunsAfterAllWidgetsByPriority) {
    ProbeWidget* a = make("a", WidgetRect(0, 0, 0, 10, 10));
    ProbeWidget* b = make("b", WidgetRect(0, 0, 0, 10, 10));
    ProbeWidget* c = make("c", WidgetRect(0, 0, 0, 10, 10));
    a->overlayPriority = 5;
    b->overlayPriority = 1;
    manager.addWidget(a);
    manager.addWidget(b);
    manager.addWidget(c);
    RecordingGraphics graphics;
    manager.render(graphics, nullptr);
    const std::vector<std::string> expected{"a:render", "b:render", "c:render", "b:overlay",
                                            "a:overlay"};
    std::vector<std::string> drawn;
    for (const auto& e : journal) {
        if (e.find(":render") != std::string::npos || e.find(":overlay") != std::string::npos) {
            drawn.push_back(e);
        }
    }
    EXPECT_EQ(drawn, expected);

    journal.clear();
    a->setVisible(false);
    manager.render(graphics, nullptr);
    EXPECT_EQ(only(":overlay"), std::vector<std::string>{"b"});
}

TEST_F(WidgetManagerTest, RemovalClearsPointedFocusAndLeftWhilePressed) {
    ProbeWidget* floor = make("floor", WidgetRect(0, 0, 0, 100, 100));
    ProbeWidget* w = make("w", WidgetRect(0, 0, 0, 10, 10));
    manager.addWidget(floor);
    manager.addWidget(w);
    MouseEvent press;
    press.type = MouseEvent::ButtonDown;
    press.x = press.y = 5;
    manager.mouseEvent(press);
    MouseEvent drag;
    drag.type = MouseEvent::Motion;
    drag.buttons = MouseEvent::Left;
    drag.x = drag.y = 50;
    manager.mouseEvent(drag);
    EXPECT_EQ(manager.leftWhilePressed(), w);
    EXPECT_EQ(manager.pointed(), w);
    EXPECT_EQ(manager.focused(), w);

    manager.removeWidget(w);
    EXPECT_EQ(manager.pointed(), nullptr);
    EXPECT_EQ(manager.leftWhilePressed(), nullptr);
    EXPECT_EQ(manager.focused(), nullptr);
    EXPECT_EQ(w->manager(), nullptr);
    EXPECT_TRUE(manager.listChanged());
    manager.mouseEvent(press);
    EXPECT_TRUE(floor->presses.empty()) << "events wait for the next update";
    manager.update(0, nullptr);
    manager.mouseEvent(press);
    EXPECT_EQ(floor->presses.size(), 1u);
}

TEST_F(WidgetManagerTest, FocusOnAWidgetOutsideTheListIsRefused) {
    ProbeWidget* inside = make("inside", WidgetRect(0, 0, 0, 10, 10));
    ProbeWidget* outside = make("outside", WidgetRect(0, 0, 0, 10, 10));
    manager.addWidget(inside);
    inside->requestFocus();
    EXPECT_EQ(manager.focused(), inside);
    manager.setFocus(outside);
    EXPECT_EQ(manager.focused(), nullptr);
    EXPECT_EQ(journal.back(), "inside:focusLost");
}

TEST_F(WidgetManagerTest, ConsumedReleaseForgetsThePointedWidget) {
    ProbeWidget* w = make("w", WidgetRect(0, 0, 0, 10, 10));
    manager.addWidget(w);
    w->onRelease = [](const MouseEvent&) {};
    MouseEvent e;
    e.type = MouseEvent::ButtonDown;
    e.x = e.y = 2;
    manager.mouseEvent(e);
    e.type = MouseEvent::ButtonUp;
    e.consumed = 1;
    manager.mouseEvent(e);
    EXPECT_EQ(manager.pointed(), nullptr);
    e.consumed = 0;
    manager.mouseEvent(e);
    EXPECT_EQ(manager.pointed(), w);
}

} // namespace
