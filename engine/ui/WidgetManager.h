#pragma once

#include "engine/ui/WidgetListeners.h"

#include <list>
#include <utility>
#include <vector>

class Graphics;
class ScreenBase;
class Widget;

// Keeps a screen's widgets ordered by depth (largest z first), updates and
// draws them, and turns the screen's mouse and key events into per-widget
// notifications: press, move, release, enter, leave and keyboard focus.
// The manager never owns its widgets. Its screen gives it the pointer position
// and, through `setOrigin`, where the screen sits in the window.
class WidgetManager : public InputListener {
public:
    explicit WidgetManager(ScreenBase* screen);
    ~WidgetManager() override;

    void addWidget(Widget* widget);
    void removeWidget(Widget* widget);
    void update(int elapsedMs, ScreenBase* screen);
    void render(Graphics& graphics, ScreenBase* screen);
    void requestOverlay(Widget* widget, int priority);
    Widget* widgetAt(int x, int y) const;
    bool isUnderMouse(const Widget* widget) const;
    void refreshPointed(Widget* widget, bool requireEnabled);
    void bringToFront(Widget* widget);
    int maxZ() const;
    void setFocus(Widget* widget);

    void keyEvent(const KeyEvent& event) override;
    void mouseEvent(const MouseEvent& event) override;

    void setInputEnabled(bool enabled) { inputEnabled_ = enabled; }
    bool isInputEnabled() const { return inputEnabled_; }
    // Marks the list as changed, as a removal does: walks stop and mouse
    // events are dropped until the next update, which then enters the widget
    // under the resting pointer.
    void markListChanged() { listChanged_ = true; }
    bool listChanged() const { return listChanged_; }
    void clearPointed() { pointed_ = nullptr; }
    // The widget under the pointer is told the pointer left (a screen
    // covered by another one sees the pointer no more). A press or release
    // whose handler covers the screen leaves nothing pointed behind it.
    void leavePointed();
    // The screen is uncovered or its input switched on: the widget under the
    // resting pointer is entered, as if the pointer had just moved onto it.
    void pointerReturned();
    void setOrigin(int x, int y) {
        originX_ = x;
        originY_ = y;
    }
    int originX() const { return originX_; }
    int originY() const { return originY_; }

    Widget* pointed() const { return pointed_; }
    Widget* leftWhilePressed() const { return leftWhilePressed_; }
    Widget* focused() const { return focused_; }
    const std::list<Widget*>& widgets() const { return widgets_; }
    bool contains(const Widget* widget) const;
    ScreenBase* screen() const { return screen_; }

private:
    void sortByDepth();
    // Translates the renderer to the widget and lets `draw` paint it.
    template <typename Draw> void drawAt(Graphics& graphics, Widget* widget, Draw draw);

    int originX_ = 0;
    int originY_ = 0;
    std::list<Widget*> widgets_;
    std::vector<std::pair<Widget*, int>> overlayRequests_;
    Widget* pointed_ = nullptr;
    Widget* leftWhilePressed_ = nullptr;
    Widget* focused_ = nullptr;
    bool listChanged_ = false;
    int leaves_ = 0;
    ScreenBase* screen_ = nullptr;
    bool inputEnabled_ = true;
};
