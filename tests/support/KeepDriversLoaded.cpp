#include "tests/support/KeepDriversLoaded.h"

#include "engine/platform/GraphicsDrivers.h"

void keepGraphicsDriversLoaded() {
    platform::keepGraphicsDriversLoaded();
}
