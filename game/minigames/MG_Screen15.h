#pragma once

#include "game/minigames/Brick.h"
#include "game/minigames/MiniGameBase.h"

#include <string>
#include <vector>

class Ball;

// Breakout: the ball bounces between walls, the bar the mouse moves and the
// bricks, which vanish when hit. Clearing every brick solves the puzzle;
// losing the ball past the bottom line starts it again. The physics runs in
// fixed steps of circle-against-line tests.
class MG_Screen15 : public MiniGameBase {
public:
    static constexpr const char* DefaultFile = "content/config/minigames/screen15.xml";
    static constexpr int BarId = -100;

    explicit MG_Screen15(int musicSceneId, std::string file = DefaultFile);
    ~MG_Screen15() override;

    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void onUpdate(int elapsedMs) override;
    void mouseMoved(const MouseEvent& event) override;
    PlayerMove suggestMove() override;

    Ball* ball() const { return ball_; }
    Brick* bar() const { return bar_; }
    const std::vector<Brick*>& bricks() const { return bricks_; }
    const std::vector<BreakoutEdge>& walls() const { return walls_; }
    int bricksLeft() const { return bricksLeft_; }
    int lives() const { return lives_; }
    int simulationStep() const { return simulationStep_; }
    int dumpingFactor() const { return dumpingFactor_; }
    int leftLimit() const { return leftLimit_; }
    int rightLimit() const { return rightLimit_; }

    // One collision test, as a sub-step makes it: true on a hit.
    bool hitWall(const BreakoutEdge& edge);
    bool hitBrick(Brick& brick);

private:
    void readFile();
    // One fixed step of the ball; false when the ball was lost.
    bool step();
    // Where the ball will cross the bar's top line, walls taken into account.
    float landingX() const;
    float aimFor(float landing) const;

    std::string file_;
    const GLTexture* background_ = nullptr;
    Ball* ball_ = nullptr;
    std::vector<Brick*> bricks_;
    std::vector<BreakoutEdge> walls_;
    BreakoutEdge bottom_;
    Brick* bar_ = nullptr;
    int rightLimit_ = -1;
    int leftLimit_ = 0;
    int barSpeedStep_ = -1;
    int barSpeedInitialStep_ = -1;
    int lives_ = -1;
    int bricksLeft_ = 0;
    int simulationStep_ = -1;
    int dumpingFactor_ = -1;
    // The automated player lets this ball go on purpose.
    bool missing_ = false;
};
