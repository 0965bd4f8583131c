#pragma once

#include "engine/graphics/Types.h"
#include "engine/ui/WidgetListeners.h"

#include <string>

class Graphics;
class ScreenBase;
class WidgetManager;

// Every visible element of a screen. The owning screen keeps the widget alive;
// the widget manager orders, draws, updates and notifies it.
class Widget {
public:
    Widget() = default;
    explicit Widget(const WidgetRect& rect) : rect_(rect) {}
    virtual ~Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    virtual void onAttach() {}
    virtual void onDetach() {}
    virtual void update(int elapsedMs, ScreenBase* screen);
    // The manager has translated the renderer to (x, y): draw with (0, 0) at the top-left.
    virtual void render(Graphics& graphics, ScreenBase* screen);
    // Second pass, only after `requestOverlay` during `render`.
    virtual void renderOverlay(Graphics& graphics, ScreenBase* screen);
    virtual void mousePressed(const MouseEvent& event);
    virtual void mouseMoved(const MouseEvent& event);
    virtual void mouseReleased(const MouseEvent& event);
    virtual void keyEvent(const KeyEvent& event);
    virtual void mouseLeft() {}
    virtual void mouseEntered() {}
    virtual void onEnabled() {}
    virtual void onDisabled() {}
    virtual void onRectChanged(const WidgetRect& oldRect, const WidgetRect& newRect);
    virtual void onMoved(const WidgetRect& oldRect, const WidgetRect& newRect);
    virtual void onResized(const WidgetRect& oldRect, const WidgetRect& newRect);
    // Half-open on the right and bottom.
    virtual bool hitTest(int px, int py) const;
    virtual void onBroughtToFront() {}
    // Ends any running look change at once: a covered screen is not updated,
    // so a fade begun as it was covered would stand half-way until uncovered.
    virtual void settle() {}
    virtual void onFocusGained() {}
    virtual void onFocusLost() {}

    void setRect(const WidgetRect& rect);
    void setBounds(int x, int y, int width, int height);
    void setSize(int width, int height);
    void setPosition(int x, int y, bool silent = false);
    void setEnabled(bool enabled);
    void setVisible(bool visible) { visible_ = visible; }
    // What a player would call the control ("OK", "Music"); named widgets
    // are listed in the log with their place when their screen shows them.
    void setName(const std::string& name) { name_ = name; }
    const std::string& name() const { return name_; }
    void bringToFront();
    void requestFocus();

    const WidgetRect& rect() const { return rect_; }
    int x() const { return rect_.x; }
    int y() const { return rect_.y; }
    int z() const { return rect_.z; }
    int width() const { return rect_.width; }
    int height() const { return rect_.height; }
    bool isEnabled() const { return enabled_; }
    bool isVisible() const { return visible_; }
    WidgetManager* manager() const { return manager_; }

private:
    friend class WidgetManager;

    WidgetRect rect_;
    bool enabled_ = true;
    WidgetManager* manager_ = nullptr;
    bool visible_ = true;
    std::string name_;
};
