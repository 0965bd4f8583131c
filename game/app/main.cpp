#include "engine/app/AutoPlayer.h"
#include "engine/app/GameClock.h"
#include "engine/platform/Termination.h"
#include "game/app/CommandLine.h"
#include "game/app/MyApp.h"

#include <cstdio>

int main(int argc, char** argv) {
    // Diagnostics reach a log file line by line, so the last lines before a
    // crash or a kill are not lost in a buffer.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const CommandLine options = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "quill-game: %s (try --help)\n", options.error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(CommandLine::usage(), stdout);
        return 0;
    }
    platform::installTerminationHandler();
    MyApp app(options.fixedStep ? std::make_unique<SteppedTickSource>() : nullptr);
    app.init();
    if (!app.isReady()) {
        std::printf("The game window could not be opened.\n");
        return 1;
    }
    app.setDrawEvery(options.drawEvery);
    if (options.autoplay) {
        AutoPlayer::Options play;
        play.seed = app.seed();
        play.shotsFolder = options.shotsFolder;
        app.setAutoPlayer(std::make_unique<AutoPlayer>(app, play));
    }
    app.run();
    if (const AutoPlayer* player = app.autoPlayer()) {
        if (!player->hasEnded()) {
            std::printf("Autoplay: the game ended before the play did\n%s\n",
                        player->summary().c_str());
        }
        return player->exitCode();
    }
    return 0;
}
