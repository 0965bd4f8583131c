#pragma once

#include "engine/ui/Widget.h"

#include <functional>
#include <string>
#include <vector>

// A widget that writes every notification it gets into a shared journal as
// "name:notification", so tests can check order across widgets.
class ProbeWidget : public Widget {
public:
    ProbeWidget(const std::string& name, const WidgetRect& rect, std::vector<std::string>* journal);
    ~ProbeWidget() override;

    void update(int elapsedMs, ScreenBase* screen) override;
    void render(Graphics& graphics, ScreenBase* screen) override;
    void renderOverlay(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;
    void mouseMoved(const MouseEvent& event) override;
    void mouseReleased(const MouseEvent& event) override;
    void keyEvent(const KeyEvent& event) override;
    void mouseLeft() override { note("left"); }
    void mouseEntered() override { note("entered"); }
    void onFocusGained() override { note("focusGained"); }
    void onFocusLost() override { note("focusLost"); }
    void onEnabled() override { note("enabled"); }
    void onDisabled() override { note("disabled"); }

    const std::string& name() const { return name_; }
    std::vector<MouseEvent> presses;
    std::vector<MouseEvent> moves;
    std::vector<MouseEvent> releases;
    int updates = 0;
    // Overlay priority requested while rendering; negative for none.
    int overlayPriority = -1;
    std::function<void(const MouseEvent&)> onPress;
    std::function<void(const MouseEvent&)> onRelease;
    std::function<void()> onUpdate;

private:
    void note(const std::string& what);

    std::string name_;
    std::vector<std::string>* journal_;
};
