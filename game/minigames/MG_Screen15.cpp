#include "game/minigames/MG_Screen15.h"

#include "engine/app/AppConfig.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Graphics.h"
#include "game/minigames/Ball.h"
#include "game/minigames/PuzzlePlan.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this the ball would cross most of the field in one frame.
constexpr float MaxSpeedX = 1000.0f;
// A level is a screenful: more bricks than this is a damaged file.
constexpr int MaxBricks = 400;
constexpr int MaxWalls = 64;

} // namespace

MG_Screen15::MG_Screen15(int musicSceneId, std::string file)
    : MiniGameBase(false, musicSceneId), file_(std::move(file)) {
    setTypeName("MG_Screen15");
    setCaption("MG_SCREEN15_CAPTION");
    const AppConfig& config = AppConfig::instance();
    const float width = float(config.width());
    const float height = float(config.height());
    bottom_ = BreakoutEdge(width + 100, height + 100, -100, height + 100);
    leftLimit_ = config.width();
}

MG_Screen15::~MG_Screen15() = default;

void MG_Screen15::createWidgets() {
    MiniGameBase::createWidgets();
    readFile();
    moveButtonsToTop();
}

void MG_Screen15::readFile() {
    TiXmlDocument document;
    const TiXmlElement* game = readPuzzleFile(document, file_, "Minigame");
    if (!game) {
        return;
    }
    xml::NumberReader numbers(file_, "breakout");
    const std::string extension = pictureExtension();
    const std::string background = textOf(game, "background");
    if (!background.empty()) {
        background_ = loadPicture(textOf(game, "imagePath") + background + extension);
    }
    barSpeedInitialStep_ = numbers.integer(game, "barSpeedInitialStep", -1);
    barSpeedStep_ = numbers.integer(game, "barSpeedStep", -1);
    lives_ = numbers.integer(game, "numberOfLives", -1);
    simulationStep_ = numbers.integer(game, "simulationStep", -1);
    dumpingFactor_ = numbers.integer(game, "dumpingFactor", -1);
    if (simulationStep_ <= 0) {
        // A step that does not advance time would never end a frame.
        engineLog() << "Puzzle \"" << file_ << "\": simulationStep " << simulationStep_
                    << " is not positive; 10 ms are used\n";
        simulationStep_ = 10;
    }
    if (dumpingFactor_ <= 0) {
        engineLog() << "Puzzle \"" << file_ << "\": dumpingFactor " << dumpingFactor_
                    << " is not positive; 1 is used\n";
        dumpingFactor_ = 1;
    }

    int bricks = 0;
    int walls = 0;
    for (const TiXmlElement* e = game->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string kind = e->ValueStr();
        if (kind == "Ball" && !ball_) {
            ball_ = addWidget(std::make_unique<Ball>(loadPicture(textOf(e, "fileName") + extension),
                                                     float(numbers.integer(e, "positionX", -1)),
                                                     float(numbers.integer(e, "positionY", -1)),
                                                     float(numbers.integer(e, "velocityX", -1)),
                                                     float(numbers.integer(e, "velocityY", -1))));
        } else if (kind == "Bar" && !bar_) {
            bar_ = addWidget(std::make_unique<Brick>(loadPicture(textOf(e, "fileName") + extension),
                                                     numbers.integer(e, "positionX", -1),
                                                     numbers.integer(e, "positionY", -1), BarId));
        } else if (kind == "Brick" && ++bricks <= MaxBricks) {
            bricks_.push_back(addWidget(std::make_unique<Brick>(
                loadPicture(textOf(e, "fileName") + extension), numbers.integer(e, "positionX", -1),
                numbers.integer(e, "positionY", -1), numbers.integer(e, "id", -1))));
        } else if (kind == "Wall" && ++walls <= MaxWalls) {
            const int startX = numbers.integer(e, "startPointX", -1);
            const BreakoutEdge edge(float(startX), float(numbers.integer(e, "startPointY", -1)),
                                    float(numbers.integer(e, "endPointX", -1)),
                                    float(numbers.integer(e, "endPointY", -1)));
            if (edge.normalX == 0 && edge.normalY == 0) {
                engineLog() << "Puzzle \"" << file_ << "\", line " << e->Row()
                            << ": a wall whose ends meet is left out\n";
                continue;
            }
            if (numbers.integer(e, "id", 0) == -1) {
                bottom_ = edge;
            } else {
                walls_.push_back(edge);
            }
            rightLimit_ = std::max(rightLimit_, startX);
            leftLimit_ = std::min(leftLimit_, startX);
        }
    }
    if (bricks > MaxBricks || walls > MaxWalls) {
        engineLog() << "Puzzle \"" << file_ << "\": only the first " << MaxBricks << " bricks and "
                    << MaxWalls << " walls are played\n";
    }
    bricksLeft_ = int(bricks_.size());
    if (!ball_ || !bar_) {
        engineLog() << "Puzzle \"" << file_ << "\": no " << (ball_ ? "Bar" : "Ball")
                    << " element; the puzzle cannot be played and can be skipped\n";
    }
}

const GLTexture* MG_Screen15::backdrop() const {
    return background_;
}

void MG_Screen15::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    drawPicture(graphics, background_);
}

void MG_Screen15::mouseMoved(const MouseEvent& event) {
    if (!bar_ || phase() != Shown) {
        return;
    }
    const int q = event.dx / dumpingFactor_;
    if (q == 0) {
        return;
    }
    // The bar stops at the walls: a fast move takes it to the wall, not short of it.
    const int lowest = leftLimit_ + 1;
    const int highest = rightLimit_ - bar_->width() - 1;
    if (highest < lowest) {
        return;
    }
    const int x = std::clamp(bar_->x() + q, lowest, highest);
    bar_->setPosition(x, bar_->y());
}

bool MG_Screen15::hitWall(const BreakoutEdge& edge) {
    const float r = float(ball_->radius);
    const float d = edge.distance(ball_->centreX, ball_->centreY);
    if (d > r + 0.001f) {
        return false;
    }
    // The edge counts as a whole line: a ball that got behind it comes back.
    const float along = ball_->velocityX * edge.normalX + ball_->velocityY * edge.normalY;
    ball_->centreX += (r - d) * edge.normalX;
    ball_->centreY += (r - d) * edge.normalY;
    if (along >= 0) {
        return false; // already leaving: pushed out, not turned back in
    }
    ball_->velocityX -= 2 * along * edge.normalX;
    ball_->velocityY -= 2 * along * edge.normalY;
    return true;
}

bool MG_Screen15::hitBrick(Brick& brick) {
    const float r = float(ball_->radius);
    const BreakoutEdge* face = nullptr;
    bool touching = false;
    for (const BreakoutEdge& edge : brick.outline()) {
        const float d = edge.distance(ball_->centreX, ball_->centreY);
        if (d > r) {
            return false;
        }
        if (d >= -r) {
            touching = true;
            // The last face the ball moves into turns it.
            if (ball_->velocityX * edge.normalX + ball_->velocityY * edge.normalY < 0) {
                face = &edge;
            }
        }
    }
    if (touching && !face) {
        return false; // on its way out after the last bounce
    }
    if (face) {
        const float along = ball_->velocityX * face->normalX + ball_->velocityY * face->normalY;
        ball_->velocityX -= 2 * along * face->normalX;
        ball_->velocityY -= 2 * along * face->normalY;
    }
    --brick.hitsLeft;
    return true;
}

void MG_Screen15::onUpdate(int elapsedMs) {
    if (!ball_ || !ball_->isVisible()) {
        return;
    }
    if (bricksLeft_ == 0) {
        ball_->setVisible(false);
        showResultDialog(SolvedAndLeave);
        return;
    }
    if (!bar_ || elapsedMs <= 0 || phase() != Shown) {
        return;
    }
    for (int t = 0; t < elapsedMs; t += simulationStep_) {
        if (!step()) {
            return;
        }
    }
}

bool MG_Screen15::step() {
    ball_->advance();
    if (bottom_.distance(ball_->centreX, ball_->centreY) <= float(ball_->radius) + 0.001f) {
        --lives_;
        ball_->setVisible(false);
        close(Replay, true);
        return false;
    }
    if (hitBrick(*bar_)) {
        playSoundEffect("BREAKOUT_BAR");
        // Off the bar's middle the ball goes on faster, off its left part slower.
        const float width = float(std::max(1, bar_->width()));
        const float middle = float(bar_->x()) + width * 0.5f;
        float vx = ball_->velocityX * (1.0f + 0.2f * std::trunc(ball_->centreX - middle) / width);
        if (vx > -5.0f && vx < 5.0f) {
            vx = 5.0f;
        }
        ball_->velocityX = std::clamp(vx, -MaxSpeedX, MaxSpeedX);
        return true;
    }
    for (const BreakoutEdge& wall : walls_) {
        if (hitWall(wall)) {
            playSoundEffect("BREAKOUT_WALL");
        }
    }
    for (Brick* brick : bricks_) {
        if (!brick->alive || !hitBrick(*brick)) {
            continue;
        }
        if (brick->hitsLeft <= 0) {
            playSoundEffect("BREAKOUT_BRICK");
            brick->alive = false;
            brick->setVisible(false);
            --bricksLeft_;
        }
        break;
    }
    ball_->placeWidget();
    return true;
}

float MG_Screen15::landingX() const {
    // The ball's straight path unfolded between the side walls.
    const float r = float(ball_->radius);
    const float left = float(leftLimit_) + r;
    const float right = float(rightLimit_) - r;
    const float line = float(bar_->y()) - r;
    if (ball_->velocityY <= 0 || right <= left) {
        return ball_->centreX;
    }
    float x = ball_->centreX + ball_->velocityX * (line - ball_->centreY) / ball_->velocityY;
    const float span = right - left;
    float folded = std::fmod(x - left, 2 * span);
    if (folded < 0) {
        folded += 2 * span;
    }
    x = folded <= span ? left + folded : right - (folded - span);
    return x;
}

float MG_Screen15::aimFor(float landing) const {
    // Tilt the return towards the lowest brick still standing: off the bar's
    // middle the ball's sideways speed grows or shrinks by up to a tenth.
    const Brick* target = nullptr;
    for (const Brick* brick : bricks_) {
        if (brick->alive && (!target || brick->y() > target->y() ||
                             (brick->y() == target->y() && std::fabs(brick->x() - landing) <
                                                               std::fabs(target->x() - landing)))) {
            target = brick;
        }
    }
    if (!target || ball_->velocityY == 0) {
        return 0;
    }
    const float rise = float(bar_->y()) - float(target->y() + target->height());
    const float goal = float(target->x()) + float(target->width()) * 0.5f;
    const float wall = ball_->velocityX > 0 ? float(rightLimit_) : float(leftLimit_);
    // Straight there, or there by the wall the ball heads for.
    const float direct = goal - landing;
    const float mirrored = 2 * wall - goal - landing;
    const float travel = (direct > 0) == (ball_->velocityX > 0) ? direct : mirrored;
    const float wanted = travel * std::fabs(ball_->velocityY) / std::max(1.0f, rise);
    const float factor = std::clamp(wanted / ball_->velocityX, 0.9f, 1.1f);
    // factor = 1 + 0.2 * offset / width
    return (factor - 1.0f) / 0.2f * float(bar_->width()) * 0.8f;
}

PlayerMove MG_Screen15::suggestMove() {
    if (!acceptsPlay() || plannedSkip() || !ball_ || !bar_ || !ball_->isVisible()) {
        return leaveMove();
    }
    int px = 0;
    int py = 0;
    if (!pointerPosition(px, py)) {
        return PlayerMove::wait();
    }
    float target = ball_->centreX;
    if (ball_->velocityY > 0) {
        // Once in a whole game the player lets the ball go (the puzzle starts over).
        if (PuzzlePlan::instance().mistakeOnce && ball_->centreY > float(bar_->y()) - 150 &&
            PuzzlePlan::instance().takeMistake(screenName())) {
            missing_ = true;
        }
        const float landing = landingX();
        target =
            missing_ ? (landing < 512 ? landing + 300 : landing - 300) : landing - aimFor(landing);
    }
    const int barX = int(target) - bar_->width() / 2;
    const int lowest = leftLimit_ + 1;
    const int highest = rightLimit_ - bar_->width() - 1;
    int shift = std::clamp(barX, lowest, std::max(lowest, highest)) - bar_->x();
    // A hand moves the bar a good way each frame, not across the field at once.
    shift = std::clamp(shift, -40, 40);
    if (shift == 0) {
        return PlayerMove::wait();
    }
    return PlayerMove::point("bar", px + shift * dumpingFactor_, py);
}
