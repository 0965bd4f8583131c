#pragma once

#include "engine/app/InputEvents.h"
#include "engine/app/SdlInput.h"
#include "engine/ui/Widget.h"
#include "tests/support/TestApp.h"

#include <SDL.h>

#include <initializer_list>
#include <utility>

// Pointer and key input scripted for a running TestApp. Each call queues real
// SDL events; the application's next step() delivers them in order.
class InputScript {
public:
    using At = std::pair<int, int>;

    explicit InputScript(TestApp& app) : app_(app) {}

    // The pointer moves to (x, y) with no button held.
    InputScript& moveTo(int x, int y) {
        app_.pushMotion(x, y);
        return *this;
    }
    // The pointer moves to (x, y) and the left button goes down there.
    InputScript& pressAt(int x, int y) {
        app_.pushMotion(x, y);
        app_.pushButton(true, SDL_BUTTON_LEFT, x, y);
        return *this;
    }
    // A move with the left button held.
    InputScript& dragTo(int x, int y) {
        app_.pushMotion(x, y, MouseEvent::Left);
        return *this;
    }
    InputScript& releaseAt(int x, int y) {
        app_.pushButton(false, SDL_BUTTON_LEFT, x, y);
        return *this;
    }
    // Press at the first point (there must be one), held moves through the
    // others, release at the last.
    InputScript& drag(std::initializer_list<At> path) {
        const At* point = path.begin();
        pressAt(point->first, point->second);
        for (++point; point != path.end(); ++point) {
            dragTo(point->first, point->second);
        }
        return releaseAt(path.end()[-1].first, path.end()[-1].second);
    }
    // Moves onto (x, y), then presses and releases the left button there.
    InputScript& clickAt(int x, int y) { return pressAt(x, y).releaseAt(x, y); }
    // The pointer rests on the widget's middle for one frame, so the widget is
    // entered as under a hand, then a click there is queued. Widget positions
    // are taken as the screen's: for screens without an offset.
    InputScript& clickOn(const Widget& widget) {
        const int x = widget.x() + widget.width() / 2;
        const int y = widget.y() + widget.height() / 2;
        moveTo(x, y);
        app_.step();
        return clickAt(x, y);
    }
    // A key pressed and released; the press carries the character.
    InputScript& typeKey(int sym, int unicode = 0, int modifiers = 0) {
        sdl_input::pushKeyStroke(sym, unicode, modifiers);
        return *this;
    }

private:
    TestApp& app_;
};
