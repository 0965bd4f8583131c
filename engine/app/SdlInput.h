#pragma once

#include <SDL.h>

#include <cstdint>

class SDLGameApp;

// Real SDL events put on SDL's queue, as the window system would deliver
// them; the application's next frame pumps them.
namespace sdl_input {

// The events themselves, for a caller that queues them for later.
// heldButtons: 1 left, 2 right, 4 middle.
SDL_Event motionEvent(int x, int y, int dx, int dy, int heldButtons = 0);
SDL_Event buttonEvent(bool down, int button, int x, int y);
SDL_Event keyEvent(bool down, int sym, int modifiers = 0, int unicode = 0);
// The key a keyboard would send with the character (a code point).
int keyForCharacter(std::uint32_t code);

// The relative motion is taken from the application's last mouse position.
void pushMotion(const SDLGameApp& app, int x, int y, int heldButtons = 0);
// button: SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP...
void pushButton(bool down, int button, int x, int y);
// Press and release of the left button at (x, y).
void pushClick(int x, int y);
void pushKey(bool down, int sym, int modifiers = 0, int unicode = 0);
// A press and release; the press carries the character.
void pushKeyStroke(int sym, int unicode = 0, int modifiers = 0);
// Each code point of the UTF-8 text as one keystroke with its character.
void typeText(const char* utf8);
void pushQuit();
void pushFocus(bool gained);
void pushResize(int width, int height);

} // namespace sdl_input
