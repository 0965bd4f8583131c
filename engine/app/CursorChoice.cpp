#include "engine/app/CursorChoice.h"

#include "engine/app/SDLGameApp.h"
#include "engine/graphics/GLTexture.h"

bool applyCursorChoice(bool customCursor, SDLGameApp& app) {
    if (customCursor && app.selectCursor(0)) {
        app.showSystemPointer(false);
        return true;
    }
    app.setCursorTexture(nullptr);
    app.showSystemPointer(true);
    return false;
}
