#include "tests/support/ProbeWidget.h"

#include "engine/graphics/Graphics.h"
#include "engine/ui/WidgetManager.h"

ProbeWidget::ProbeWidget(const std::string& name, const WidgetRect& rect,
                         std::vector<std::string>* journal)
    : Widget(rect), name_(name), journal_(journal) {}

ProbeWidget::~ProbeWidget() {
    note("deleted");
}

void ProbeWidget::note(const std::string& what) {
    if (journal_) {
        journal_->push_back(name_ + ":" + what);
    }
}

void ProbeWidget::update(int, ScreenBase*) {
    ++updates;
    note("update");
    if (onUpdate) {
        onUpdate();
    }
}

void ProbeWidget::render(Graphics& graphics, ScreenBase*) {
    note("render");
    graphics.fillRect(0, 0, width(), height(), Color(10, 200, 10));
    if (overlayPriority >= 0 && manager()) {
        manager()->requestOverlay(this, overlayPriority);
    }
}

void ProbeWidget::renderOverlay(Graphics&, ScreenBase*) {
    note("overlay");
}

void ProbeWidget::mousePressed(const MouseEvent& event) {
    presses.push_back(event);
    note("pressed");
    if (onPress) {
        onPress(event);
    }
}

void ProbeWidget::mouseMoved(const MouseEvent& event) {
    moves.push_back(event);
    note("moved");
}

void ProbeWidget::mouseReleased(const MouseEvent& event) {
    releases.push_back(event);
    note("released");
    if (onRelease) {
        onRelease(event);
    }
}

void ProbeWidget::keyEvent(const KeyEvent&) {
    note("key");
}
