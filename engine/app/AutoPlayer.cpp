#include "engine/app/AutoPlayer.h"

#include "engine/app/GameState.h"
#include "engine/app/SDLGameApp.h"
#include "engine/app/SdlInput.h"
#include "engine/core/Log.h"
#include "engine/platform/FileSystem.h"

#include <utf8.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

std::string seconds(std::uint32_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", double(ms) / 1000.0);
    return text;
}

std::string describe(const PlayerMove& move) {
    switch (move.kind) {
    case PlayerMove::Click:
        return "click \"" + move.what + "\" at " + std::to_string(move.x) + "," +
               std::to_string(move.y);
    case PlayerMove::Point:
        return "move \"" + move.what + "\" to " + std::to_string(move.x) + "," +
               std::to_string(move.y);
    case PlayerMove::Drag:
        return "drag \"" + move.what + "\" from " + std::to_string(move.x) + "," +
               std::to_string(move.y) + " to " + std::to_string(move.toX) + "," +
               std::to_string(move.toY);
    case PlayerMove::Type:
        return "type \"" + move.what + "\"";
    case PlayerMove::Press:
        return "press " + move.what;
    default:
        return "wait";
    }
}

// A file name made of the screen's name: letters, digits and '-' only.
std::string fileNamePart(const std::string& name) {
    std::string part;
    for (char c : name) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        part += plain ? c : '_';
    }
    return part;
}

} // namespace

AutoPlayer::AutoPlayer(SDLGameApp& app, Options options)
    : app_(app), options_(std::move(options)), random_(options_.seed) {
    app_.getMousePosition(pointerX_, pointerY_);
    // The game clock counts from before the window opened: the play's own
    // time starts now.
    startedAt_ = app_.getClock().now();
    progressAt_ = now();
    if (!options_.shotsFolder.empty() && !platform::makeDirectories(options_.shotsFolder)) {
        engineLog() << "Autoplay: the screenshot folder \"" << options_.shotsFolder
                    << "\" cannot be made; no screenshots\n";
        options_.shotsFolder.clear();
    }
    engineLog() << "Autoplay: seed " << options_.seed << '\n';
}

std::uint32_t AutoPlayer::now() const {
    return app_.getClock().now() - startedAt_;
}

int AutoPlayer::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, std::max(low, high))(random_);
}

void AutoPlayer::beforeFrame() {
    if (ended_) {
        return;
    }
    ++frames_;
    const std::uint32_t time = now();
    bool pushed = false;
    while (!queue_.empty() && queue_.front().due <= time) {
        // The screen as the player saw it before the hand moved.
        takeShot(topName_);
        SDL_PushEvent(&queue_.front().event);
        queue_.pop_front();
        pushed = true;
    }
    GameState* top = app_.topScreen();
    observeTop(top, time);
    if (queue_.empty() && time - topSince_ >= ShotAfterMs) {
        // A screen the player only waits on is shown once it has settled.
        takeShot(topName_);
    }
    if (time - progressAt_ >= std::uint32_t(options_.stallLimitMs)) {
        end(Stuck, "Autoplay: stuck on " + topName_ + ": no progress in " +
                       seconds(time - progressAt_) + " s of game time" +
                       (lastMoveOnThisScreen_
                            ? "; the last move (" + describe(lastMove_) + ") changed nothing"
                            : "; the screen only asked to wait"));
        return;
    }
    // The screen answers again once the last input has reached it.
    if (pushed || !queue_.empty()) {
        return;
    }
    const PlayerMove move = top ? top->suggestMove() : PlayerMove::wait();
    switch (move.kind) {
    case PlayerMove::Done:
        takeShot(topName_);
        end(Finished,
            "Autoplay: the game is played to its end on " + topName_ + " (" + move.what + ")");
        return;
    case PlayerMove::Blocked:
        takeShot(topName_);
        end(CannotGoOn, "Autoplay: the game cannot go on from " + topName_ + ": " + move.what);
        return;
    case PlayerMove::Wait:
        break;
    default:
        act(move, time);
        break;
    }
}

bool AutoPlayer::observeTop(GameState* top, std::uint32_t time) {
    if (top == top_ && !screens_.empty()) {
        return false;
    }
    top_ = top;
    topName_ = top ? top->screenName() : std::string("no screen");
    screens_.push_back(topName_);
    engineLog() << "Autoplay: screen " << screens_.size() << ": " << topName_ << " at "
                << seconds(time) << " s\n";
    progressAt_ = time;
    topSince_ = time;
    lastMoveOnThisScreen_ = false;
    shotPending_ = !options_.shotsFolder.empty();
    return true;
}

void AutoPlayer::act(const PlayerMove& move, std::uint32_t time) {
    if (move.kind == PlayerMove::Point) {
        // Steering goes on every frame: no pause, no log line, always progress.
        progressAt_ = time;
        const int x = std::clamp(move.x, 0, std::max(0, app_.width() - 1));
        const int y = std::clamp(move.y, 0, std::max(0, app_.height() - 1));
        queue_.push_back(
            {time, sdl_input::motionEvent(x, y, move.x - pointerX_, move.y - pointerY_)});
        pointerX_ = x;
        pointerY_ = y;
        ++pointerMoves_;
        return;
    }
    const bool repeated = lastMoveOnThisScreen_ && move.sameAs(lastMove_);
    if (repeated) {
        // Asked again for what was just done: it did not take.
        ++misses_;
    } else {
        progressAt_ = time;
    }
    lastMove_ = move;
    lastMoveOnThisScreen_ = true;
    engineLog() << "Autoplay: " << describe(move) << " on " << topName_
                << (repeated ? " (again)" : "") << '\n';
    // A player looks before acting, and longer when the last try did nothing.
    const std::uint32_t start =
        time + std::uint32_t(repeated ? between(900, 1800) : between(350, 1100));
    if (move.kind == PlayerMove::Click) {
        planClick(move, start);
    } else if (move.kind == PlayerMove::Drag) {
        planDrag(move, start);
    } else {
        planKeys(move, start);
    }
}

void AutoPlayer::planClick(const PlayerMove& move, std::uint32_t start) {
    const int x =
        std::clamp(move.x + between(-move.slackX, move.slackX), 0, std::max(0, app_.width() - 1));
    const int y =
        std::clamp(move.y + between(-move.slackY, move.slackY), 0, std::max(0, app_.height() - 1));
    std::uint32_t due = planStrides(x, y, start, 0);
    due += std::uint32_t(between(50, 150));
    queue_.push_back({due, sdl_input::buttonEvent(true, SDL_BUTTON_LEFT, x, y)});
    due += std::uint32_t(between(60, 140));
    queue_.push_back({due, sdl_input::buttonEvent(false, SDL_BUTTON_LEFT, x, y)});
    ++clicks_;
}

std::uint32_t AutoPlayer::planStrides(int x, int y, std::uint32_t due, int heldButtons) {
    // The hand moves in a few strides, slowing down as it arrives; the last
    // one lands exactly.
    const int strides = between(4, 9);
    int lastX = pointerX_;
    int lastY = pointerY_;
    for (int i = 1; i <= strides; ++i) {
        const double t = double(i) / strides;
        const double eased = 1.0 - (1.0 - t) * (1.0 - t);
        const int px = pointerX_ + int((x - pointerX_) * eased);
        const int py = pointerY_ + int((y - pointerY_) * eased);
        due += std::uint32_t(between(12, 35));
        queue_.push_back(
            {due, sdl_input::motionEvent(px, py, px - lastX, py - lastY, heldButtons)});
        lastX = px;
        lastY = py;
    }
    pointerX_ = x;
    pointerY_ = y;
    return due;
}

void AutoPlayer::planDrag(const PlayerMove& move, std::uint32_t start) {
    const int right = std::max(0, app_.width() - 1);
    const int bottom = std::max(0, app_.height() - 1);
    std::uint32_t due =
        planStrides(std::clamp(move.x, 0, right), std::clamp(move.y, 0, bottom), start, 0);
    due += std::uint32_t(between(50, 150));
    queue_.push_back({due, sdl_input::buttonEvent(true, SDL_BUTTON_LEFT, pointerX_, pointerY_)});
    due = planStrides(std::clamp(move.toX, 0, right), std::clamp(move.toY, 0, bottom),
                      due + std::uint32_t(between(80, 160)), 1);
    due += std::uint32_t(between(60, 140));
    queue_.push_back({due, sdl_input::buttonEvent(false, SDL_BUTTON_LEFT, pointerX_, pointerY_)});
    ++drags_;
}

void AutoPlayer::planKeys(const PlayerMove& move, std::uint32_t start) {
    std::vector<std::pair<int, int>> strokes; // key, character
    if (move.kind == PlayerMove::Press) {
        strokes.emplace_back(move.key, move.key < 128 ? move.key : 0);
    } else {
        const std::string& text = move.what;
        auto it = text.begin();
        while (it != text.end()) {
            std::uint32_t code = 0;
            try {
                code = utf8::next(it, text.end());
            } catch (const utf8::exception&) {
                break; // a screen's own text; the valid part is typed
            }
            strokes.emplace_back(sdl_input::keyForCharacter(code), int(code));
        }
    }
    std::uint32_t due = start;
    for (const auto& [key, character] : strokes) {
        queue_.push_back({due, sdl_input::keyEvent(true, key, 0, character)});
        queue_.push_back(
            {due + std::uint32_t(between(40, 90)), sdl_input::keyEvent(false, key, 0, 0)});
        due += std::uint32_t(between(100, 230));
        ++keystrokes_;
    }
}

void AutoPlayer::takeShot(const std::string& screen) {
    if (!shotPending_) {
        return;
    }
    shotPending_ = false;
    char number[16];
    std::snprintf(number, sizeof number, "%03zu", screens_.size());
    app_.screenshotTo(options_.shotsFolder + "/" + number + "-" + fileNamePart(screen) + ".png");
}

void AutoPlayer::end(Ending ending, const std::string& line) {
    ended_ = true;
    ending_ = ending;
    queue_.clear();
    engineLog() << line << '\n' << summary() << '\n';
    app_.setExitNow();
}

std::string AutoPlayer::summary() const {
    std::ostringstream out;
    out << "Autoplay: " << screens_.size() << " screens, " << clicks_ << " clicks, " << drags_
        << " drags, " << pointerMoves_ << " steering moves, " << misses_ << " misses, "
        << keystrokes_ << " keystrokes, " << seconds(now()) << " s of game time in " << frames_
        << " frames (seed " << options_.seed << ")";
    return out.str();
}
