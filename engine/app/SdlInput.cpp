#include "engine/app/SdlInput.h"

#include "engine/app/SDLGameApp.h"

#include <utf8.h>

#include <SDL.h>

#include <cstring>
#include <iterator>

namespace sdl_input {

SDL_Event motionEvent(int x, int y, int dx, int dy, int heldButtons) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = Uint16(x);
    event.motion.y = Uint16(y);
    event.motion.xrel = Sint16(dx);
    event.motion.yrel = Sint16(dy);
    Uint8 state = 0;
    if (heldButtons & 1) {
        state |= SDL_BUTTON(SDL_BUTTON_LEFT);
    }
    if (heldButtons & 2) {
        state |= SDL_BUTTON(SDL_BUTTON_RIGHT);
    }
    if (heldButtons & 4) {
        state |= SDL_BUTTON(SDL_BUTTON_MIDDLE);
    }
    event.motion.state = state;
    return event;
}

SDL_Event buttonEvent(bool down, int button, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.type = event.type;
    event.button.button = Uint8(button);
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = Uint16(x);
    event.button.y = Uint16(y);
    return event;
}

SDL_Event keyEvent(bool down, int sym, int modifiers, int unicode) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = SDLKey(sym);
    event.key.keysym.mod = SDLMod(modifiers);
    event.key.keysym.unicode = Uint16(unicode);
    return event;
}

void pushMotion(const SDLGameApp& app, int x, int y, int heldButtons) {
    int previousX = 0;
    int previousY = 0;
    app.getMousePosition(previousX, previousY);
    SDL_Event event = motionEvent(x, y, x - previousX, y - previousY, heldButtons);
    SDL_PushEvent(&event);
}

void pushButton(bool down, int button, int x, int y) {
    SDL_Event event = buttonEvent(down, button, x, y);
    SDL_PushEvent(&event);
}

void pushClick(int x, int y) {
    pushButton(true, SDL_BUTTON_LEFT, x, y);
    pushButton(false, SDL_BUTTON_LEFT, x, y);
}

void pushKey(bool down, int sym, int modifiers, int unicode) {
    SDL_Event event = keyEvent(down, sym, modifiers, unicode);
    SDL_PushEvent(&event);
}

int keyForCharacter(std::uint32_t code) {
    // Characters of the ASCII range have a key of their own; others come
    // with the character only, as from a composed key.
    return code < 128 ? int(code) : int(SDLK_WORLD_0);
}

void pushKeyStroke(int sym, int unicode, int modifiers) {
    pushKey(true, sym, modifiers, unicode);
    pushKey(false, sym, modifiers, 0);
}

void typeText(const char* utf8) {
    const char* end = utf8 + std::strlen(utf8);
    for (const char* it = utf8; it != end;) {
        const std::uint32_t code = utf8::next(it, end);
        pushKeyStroke(keyForCharacter(code), int(code));
    }
}

void pushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    event.quit.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void pushFocus(bool gained) {
    SDL_Event event{};
    event.type = SDL_ACTIVEEVENT;
    event.active.type = SDL_ACTIVEEVENT;
    event.active.gain = gained ? 1 : 0;
    event.active.state = SDL_APPINPUTFOCUS;
    SDL_PushEvent(&event);
}

void pushResize(int width, int height) {
    SDL_Event event{};
    event.type = SDL_VIDEORESIZE;
    event.resize.type = SDL_VIDEORESIZE;
    event.resize.w = width;
    event.resize.h = height;
    SDL_PushEvent(&event);
}

} // namespace sdl_input
