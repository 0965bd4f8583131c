#include "engine/app/AppConfig.h"
#include "engine/app/AutoPlayer.h"
#include "engine/app/FrameTimings.h"
#include "engine/app/GameClock.h"
#include "engine/app/InputJournal.h"
#include "engine/persist/FileSaveGame.h"
#include "engine/platform/FileSystem.h"
#include "engine/platform/GraphicsDrivers.h"
#include "engine/platform/Memory.h"
#include "engine/platform/Termination.h"
#include "game/app/CommandLine.h"
#include "game/app/GameFolder.h"
#include "game/app/MyApp.h"

#include <cstdio>

int main(int argc, char** argv) {
    // Before the first picture is read: a large block once in the heap
    // would serve the next ones there.
    platform::keepLargeBlocksApart();
    // Diagnostics reach a log file line by line, so the last lines before a
    // crash or a kill are not lost in a buffer.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // Started first, so that the timings count from the program's start.
    auto timings = std::make_unique<FrameTimings>();
    CommandLine options = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "quill-game: %s (try --help)\n", options.error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(CommandLine::usage(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", CommandLine::versionLine().c_str());
        return 0;
    }
    // Every file is read relative to the game's folder, wherever the game was
    // started from.
    const std::string working = platform::currentDirectory();
    options.anchorPaths(working);
    const std::string executable = platform::executableDirectory();
    std::string gameFolder = GameFolder::find(working, executable);
    if (gameFolder.empty()) {
        std::string looked;
        for (const std::string& folder : GameFolder::candidates(working, executable)) {
            looked += (looked.empty() ? "" : ", ") + folder;
        }
        std::printf("The game's files were not found: no %s in %s; the game starts without them\n",
                    GameFolder::Marker, looked.c_str());
        gameFolder = working;
    } else if (gameFolder != working && !platform::changeDirectory(gameFolder)) {
        gameFolder = working;
    }
    std::unique_ptr<InputJournal> replay;
    std::string contentDigest;
    if (!options.replayPath.empty() || !options.recordPath.empty()) {
        contentDigest = InputJournal::folderDigest("content");
    }
    if (!options.replayPath.empty()) {
        std::string error;
        replay = InputJournal::replay(options.replayPath, error);
        if (!replay) {
            std::fprintf(stderr, "quill-game: %s\n", error.c_str());
            return 2;
        }
        // The first line says whether the replay can repeat the run.
        if (replay->header().contentDigest != contentDigest) {
            std::printf("Replay: the content has changed since the recording (digest %s then, %s "
                        "now); the run may differ\n",
                        replay->header().contentDigest.c_str(), contentDigest.c_str());
        } else {
            std::printf("Replay: \"%s\", seed %u, %zu events, %llu frames, on the same content\n",
                        options.replayPath.c_str(), replay->header().seed, replay->eventCount(),
                        static_cast<unsigned long long>(replay->endFrame()));
        }
    }
#if defined(__SANITIZE_ADDRESS__)
    // The leak check at exit then names what the driver keeps.
    platform::keepGraphicsDriversLoaded();
#endif
    platform::installTerminationHandler();
    const bool fixedStep = options.fixedStep || replay;
    MyApp app(fixedStep ? std::make_unique<SteppedTickSource>() : nullptr);
    // So that a player reporting a problem can say where things are.
    std::printf("Content folder: %s/content; save folder: %s/%s\n", gameFolder.c_str(),
                platform::userFolder().c_str(), AppConfig::instance().saveFolder().c_str());
    if (replay) {
        app.useSeed(replay->header().seed);
    }
    if (options.timings) {
        app.setFrameTimings(std::move(timings));
    }
    app.init();
    if (!app.isReady()) {
        std::printf("The game window could not be opened.\n");
        return 1;
    }
    const auto* save = dynamic_cast<const FileSaveGame*>(app.getSaveGame());
    const std::string saveDigest =
        save ? InputJournal::fileDigest(save->path()) : std::string("none");
    if (replay) {
        if (replay->header().saveDigest != saveDigest) {
            std::printf("Replay: the save file differs from the one the recording started "
                        "from; the run may differ\n");
        }
        app.setInputJournal(std::move(replay));
    } else if (!options.recordPath.empty()) {
        std::string error;
        std::unique_ptr<InputJournal> journal = InputJournal::record(
            options.recordPath, {app.seed(), contentDigest, saveDigest}, error);
        if (!journal) {
            std::fprintf(stderr, "quill-game: %s\n", error.c_str());
            return 2;
        }
        app.setInputJournal(std::move(journal));
    }
    if (options.author) {
        app.enableAuthorMode();
    }
    app.setDrawEvery(options.drawEvery);
    if (options.frameShotEvery > 0) {
        app.setFrameShots(options.frameShotEvery, options.frameShotFolder);
    }
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
