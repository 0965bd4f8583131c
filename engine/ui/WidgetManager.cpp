#include "engine/ui/WidgetManager.h"

#include "engine/core/Log.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/Widget.h"

#include <algorithm>

WidgetManager::WidgetManager(ScreenBase* screen) : screen_(screen) {}

WidgetManager::~WidgetManager() {
    for (Widget* widget : widgets_) {
        widget->manager_ = nullptr;
    }
}

bool WidgetManager::contains(const Widget* widget) const {
    return std::find(widgets_.begin(), widgets_.end(), widget) != widgets_.end();
}

void WidgetManager::sortByDepth() {
    // std::list::sort is stable: among equal z the most recently inserted
    // (front) widget stays first, so it is hit first and drawn last.
    widgets_.sort([](const Widget* a, const Widget* b) { return a->z() > b->z(); });
}

void WidgetManager::addWidget(Widget* widget) {
    if (!widget) {
        return;
    }
    if (widget->z() < 1) {
        WidgetRect rect = widget->rect();
        rect.z = maxZ() + 1;
        widget->setRect(rect);
    }
    widgets_.push_front(widget);
    sortByDepth();
    widget->manager_ = this;
    widget->onAttach();
    engineLog() << "widgets manager adds NEW widget= " << static_cast<const void*>(widget)
                << ", new size = " << widgets_.size() << '\n';
    refreshPointed(widget, false);
}

void WidgetManager::removeWidget(Widget* widget) {
    if (!widget) {
        listChanged_ = true;
        return;
    }
    if (focused_ == widget) {
        setFocus(nullptr);
    }
    widget->onDetach();
    widget->manager_ = nullptr;
    widgets_.remove(widget);
    listChanged_ = true;
    if (pointed_ == widget) {
        pointed_ = nullptr;
    }
    if (leftWhilePressed_ == widget) {
        leftWhilePressed_ = nullptr;
    }
    engineLog() << "widgets manager removes widget := " << static_cast<const void*>(widget)
                << ", new size = " << widgets_.size() << '\n';
}

void WidgetManager::update(int elapsedMs, ScreenBase* screen) {
    if (listChanged_) {
        listChanged_ = false;
        // Moves dropped since the change may have brought the pointer onto a
        // widget that was never told.
        if (inputEnabled_) {
            pointerReturned();
        }
    }
    for (auto it = widgets_.rbegin(); it != widgets_.rend(); ++it) {
        (*it)->update(elapsedMs, screen);
        if (listChanged_) {
            // The removal may have invalidated the walk.
            pointed_ = nullptr;
            return;
        }
    }
}

template <typename Draw> void WidgetManager::drawAt(Graphics& graphics, Widget* widget, Draw draw) {
    graphics.pushTransform();
    graphics.translate(float(widget->x()), float(widget->y()));
    draw(widget);
    graphics.popTransform();
}

void WidgetManager::render(Graphics& graphics, ScreenBase* screen) {
    overlayRequests_.clear();
    // Copy the order: a widget's render must not invalidate the walk.
    const std::vector<Widget*> order(widgets_.rbegin(), widgets_.rend());
    for (Widget* widget : order) {
        if (widget->isVisible()) {
            drawAt(graphics, widget, [&](Widget* w) { w->render(graphics, screen); });
        }
    }
    std::stable_sort(overlayRequests_.begin(), overlayRequests_.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto requests = overlayRequests_;
    for (const auto& request : requests) {
        Widget* widget = request.first;
        if (contains(widget) && widget->isVisible()) {
            drawAt(graphics, widget, [&](Widget* w) { w->renderOverlay(graphics, screen); });
        }
    }
    overlayRequests_.clear();
}

void WidgetManager::requestOverlay(Widget* widget, int priority) {
    overlayRequests_.emplace_back(widget, priority);
}

Widget* WidgetManager::widgetAt(int x, int y) const {
    for (Widget* widget : widgets_) {
        if (widget->hitTest(x, y) && widget->isEnabled()) {
            return widget;
        }
    }
    return nullptr;
}

bool WidgetManager::isUnderMouse(const Widget* widget) const {
    int x = 0;
    int y = 0;
    if (!screen_ || !screen_->pointerPosition(x, y)) {
        return false;
    }
    return widgetAt(x - originX_, y - originY_) == widget;
}

void WidgetManager::refreshPointed(Widget* widget, bool requireEnabled) {
    int x = 0;
    int y = 0;
    if (!widget || !screen_ || !screen_->pointerPosition(x, y)) {
        return;
    }
    if (widgetAt(x - originX_, y - originY_) != widget) {
        return;
    }
    if (requireEnabled && !widget->isEnabled()) {
        return;
    }
    if (leftWhilePressed_) {
        Widget* left = leftWhilePressed_;
        pointed_ = nullptr;
        leftWhilePressed_ = nullptr;
        MouseEvent fresh;
        fresh.type = MouseEvent::Motion;
        left->mouseLeft();
        left->mouseReleased(fresh);
    }
    if (pointed_) {
        Widget* old = pointed_;
        pointed_ = nullptr;
        old->mouseLeft();
    }
    widget->mouseEntered();
    pointed_ = widget;
}

void WidgetManager::leavePointed() {
    ++leaves_;
    if (Widget* old = pointed_) {
        pointed_ = nullptr;
        old->mouseLeft();
    }
}

void WidgetManager::pointerReturned() {
    int x = 0;
    int y = 0;
    if (!screen_ || !screen_->pointerPosition(x, y)) {
        return;
    }
    Widget* hit = widgetAt(x - originX_, y - originY_);
    if (hit && hit != pointed_ && !leftWhilePressed_) {
        refreshPointed(hit, true);
    }
}

void WidgetManager::bringToFront(Widget* widget) {
    if (!contains(widget)) {
        return;
    }
    WidgetRect rect = widget->rect();
    rect.z = maxZ() + 1;
    widget->setRect(rect);
    sortByDepth();
    refreshPointed(widget, true);
}

int WidgetManager::maxZ() const {
    return widgets_.empty() ? 0 : widgets_.front()->z();
}

void WidgetManager::setFocus(Widget* widget) {
    if (focused_ == widget) {
        return;
    }
    Widget* old = focused_;
    focused_ = widget;
    if (old) {
        old->onFocusLost();
    }
    if (focused_ && !contains(focused_)) {
        focused_ = nullptr;
    } else if (focused_) {
        focused_->onFocusGained();
    }
}

void WidgetManager::keyEvent(const KeyEvent& event) {
    if (focused_) {
        focused_->keyEvent(event);
    }
}

void WidgetManager::mouseEvent(const MouseEvent& original) {
    if (!inputEnabled_ || listChanged_) {
        return;
    }
    MouseEvent event = original;
    event.x -= originX_;
    event.y -= originY_;
    Widget* hit = widgetAt(event.x, event.y);

    if (!hit) {
        if (pointed_ && pointed_->isEnabled()) {
            pointed_->mouseLeft();
        }
        pointed_ = nullptr;
        return;
    }

    switch (event.type) {
    case MouseEvent::ButtonDown: {
        const int leaves = leaves_;
        if (hit != pointed_ && !leftWhilePressed_) {
            // The move that brought the pointer here was not seen (it came
            // while input was off, or the widget appeared under the pointer):
            // the pointer enters the widget before pressing it.
            if (pointed_ && pointed_->isEnabled()) {
                Widget* previous = pointed_;
                pointed_ = nullptr;
                previous->mouseLeft();
            }
            pointed_ = hit;
            hit->mouseEntered();
            if (listChanged_ || leaves_ != leaves || pointed_ != hit) {
                return;
            }
        }
        hit->mousePressed(event);
        // A handler that covered the screen made the pointer leave it.
        if (listChanged_ || leaves_ != leaves) {
            return;
        }
        pointed_ = hit;
        setFocus(hit);
        break;
    }
    case MouseEvent::ButtonUp: {
        leftWhilePressed_ = nullptr;
        Widget* target = pointed_ ? pointed_ : hit;
        const int leaves = leaves_;
        target->mouseReleased(event);
        if (listChanged_ || leaves_ != leaves) {
            return;
        }
        pointed_ = event.consumed == 1 ? nullptr : hit;
        break;
    }
    case MouseEvent::Motion:
        if (hit == pointed_) {
            if (leftWhilePressed_) {
                Widget* back = leftWhilePressed_;
                leftWhilePressed_ = nullptr;
                back->mouseEntered();
                if (listChanged_) {
                    return;
                }
            }
            pointed_->mouseMoved(event);
            break;
        }
        if (pointed_ && pointed_->isEnabled()) {
            Widget* previous = pointed_;
            previous->mouseLeft();
            if (listChanged_) {
                return;
            }
            if (event.buttons > 0) {
                // A held button keeps the pressed widget pointed: it goes on
                // receiving moves and gets the release.
                previous->mouseMoved(event);
                leftWhilePressed_ = previous;
                break;
            }
        }
        engineLog() << " pointed widget = " << static_cast<const void*>(hit) << '\n';
        if (listChanged_) {
            return;
        }
        if (hit->isEnabled()) {
            hit->mouseEntered();
        }
        pointed_ = hit;
        hit->mouseMoved(event);
        break;
    default:
        break;
    }
}
