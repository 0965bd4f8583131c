#pragma once

#include "engine/ui/Widget.h"

// Passes its presses, moves and releases to a listener; screens use one
// covering the whole window to hear the clicks no other widget took.
class MouseListeningWidget : public Widget {
public:
    explicit MouseListeningWidget(MouseListener* listener) : listener_(listener) {}

    void mousePressed(const MouseEvent& event) override {
        if (listener_) {
            listener_->mousePressed(event);
        }
    }
    void mouseMoved(const MouseEvent& event) override {
        if (listener_) {
            listener_->mouseMoved(event);
        }
    }
    void mouseReleased(const MouseEvent& event) override {
        if (listener_) {
            listener_->mouseReleased(event);
        }
    }

private:
    MouseListener* listener_;
};
