#include "engine/platform/Termination.h"
#include "game/app/MyApp.h"

#include <cstdio>

int main(int, char**) {
    // Diagnostics reach a log file line by line, so the last lines before a
    // crash or a kill are not lost in a buffer.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    platform::installTerminationHandler();
    MyApp app;
    app.init();
    if (!app.isReady()) {
        std::printf("The game window could not be opened.\n");
        return 1;
    }
    app.run();
    return 0;
}
