#pragma once

class SDLGameApp;

// The mouse pointer the player chose. With the custom cursor on, the
// configuration's cursor 0 becomes the software cursor that the frame loop
// draws, and the system pointer is hidden; when that picture cannot be
// loaded, or with the option off, the system pointer shows and no software
// cursor is drawn. Returns whether the custom cursor is in use.
bool applyCursorChoice(bool customCursor, SDLGameApp& app);
