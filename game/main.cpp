#include "engine/platform/Termination.h"
#include "game/DemoApp.h"

#include <cstdio>

int main(int, char**) {
    platform::installTerminationHandler();
    DemoApp app;
    app.init();
    if (!app.isReady()) {
        std::printf("The game window could not be opened.\n");
        return 1;
    }
    app.run();
    return 0;
}
