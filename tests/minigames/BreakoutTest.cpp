// The breakout in the running game, on small levels written for each case:
// the ball against walls, bar and bricks at any frame time, the bar's steer,
// the last brick, and a lost ball.
#include "game/menus/StoryScreen.h"
#include "game/minigames/Ball.h"
#include "game/minigames/MG_Screen15.h"
#include "tests/support/PuzzleGame.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* Pictures = "content/images/minigames/screen15/";

struct Level {
    int ballX = 512, ballY = 400, ballVX = 0, ballVY = 400;
    std::string bar = std::string(Pictures) + "Bar";
    int barX = 448, barY = 680;
    std::vector<std::pair<int, int>> bricks;
    int simulationStep = 10;

    std::string xml() const {
        std::ostringstream out;
        out << "<Minigame imagePath=\"" << Pictures << "\" background=\"Bg\" numberOfLives=\"3\""
            << " simulationStep=\"" << simulationStep << "\" dumpingFactor=\"2\">"
            << "<Ball fileName=\"" << Pictures << "Ball\" positionX=\"" << ballX
            << "\" positionY=\"" << ballY << "\" velocityX=\"" << ballVX << "\" velocityY=\""
            << ballVY << "\"/>"
            << "<Bar fileName=\"" << bar << "\" positionX=\"" << barX << "\" positionY=\"" << barY
            << "\"/>";
        for (const auto& [x, y] : bricks) {
            out << "<Brick id=\"1\" positionX=\"" << x << "\" positionY=\"" << y << "\" fileName=\""
                << Pictures << "Brick1\"/>";
        }
        // The field of the game's own level: x 112..912 from y 100, lost below 798.
        out << "<Wall id=\"1\" startPointX=\"112\" startPointY=\"768\" endPointX=\"112\" "
               "endPointY=\"100\"/>"
            << "<Wall id=\"2\" startPointX=\"112\" startPointY=\"100\" endPointX=\"912\" "
               "endPointY=\"100\"/>"
            << "<Wall id=\"3\" startPointX=\"912\" startPointY=\"100\" endPointX=\"912\" "
               "endPointY=\"768\"/>"
            << "<Wall id=\"-1\" startPointX=\"912\" startPointY=\"798\" endPointX=\"112\" "
               "endPointY=\"798\"/></Minigame>";
        return out.str();
    }
};

class BreakoutTest : public PuzzleGame {
protected:
    // The level as the flow's breakout entry (position 11, before the ending).
    MG_Screen15* open(const Level& level, int position = 11) {
        const std::string path = userFolder.path() + "/level.xml";
        std::ofstream(path) << level.xml();
        // The ball waits while the puzzle fades in.
        return PuzzleGame::open(std::make_unique<MG_Screen15>(4, path), position, nullptr, 520);
    }
    // Runs the ball for `ms` and gives back its sideways speed.
    float velocityXAfter(const Level& level, int ms) {
        MG_Screen15* game = open(level);
        EXPECT_NE(nullptr, game);
        if (!game) {
            return 0;
        }
        frames(ms);
        EXPECT_LT(game->ball()->velocityY, 0) << "bounced off the bar";
        return game->ball()->velocityX;
    }
};

TEST_F(BreakoutTest, TheBallStaysInTheFieldAndOffTheBarWhateverTheFrameTime) {
    // A bar as wide as the window (the foam picture, 1024 x 48) under a fast
    // ball that starts behind the left wall.
    Level level;
    level.bar = "content/images/minigames/screen2/foam";
    level.barX = 0;
    level.ballX = 100;
    level.ballY = 400;
    level.ballVX = -900;
    level.bricks = {{3000, 3000}}; // out of reach: the level never ends
    // A slow ball is still within reach of the bar the step after its bounce.
    for (auto [frameMs, speed] :
         {std::pair{1, 1400}, {16, 300}, {45, 1400}, {250, 300}, {1000, 1400}}) {
        SCOPED_TRACE("frames of " + std::to_string(frameMs) + " ms, " + std::to_string(speed) +
                     " px/s");
        level.ballVY = speed;
        MG_Screen15* game = open(level);
        ASSERT_NE(nullptr, game);
        const Ball& ball = *game->ball();
        const float r = float(ball.radius);
        float lowest = 0;
        for (int n = 0; n < 150; ++n) {
            const int t = n * frameMs;
            frame(frameMs);
            ASSERT_EQ(game, top<MG_Screen15>()) << "the ball was lost at " << t << " ms";
            EXPECT_GE(ball.centreX, 112 + r - 0.01f);
            EXPECT_LE(ball.centreX, 912 - r + 0.01f);
            EXPECT_GE(ball.centreY, 100 + r - 0.01f);
            lowest = std::max(lowest, ball.centreY);
        }
        // One 10 ms step reaches at most speed / 100 px into the bar's band.
        EXPECT_LE(lowest, 680 - r + float(speed) / 100 + 0.01f);
        EXPECT_FLOAT_EQ(float(speed), std::fabs(ball.velocityY)) << "bounces keep the speed";
        EXPECT_EQ(3, game->lives());
    }
}

TEST_F(BreakoutTest, TheBarsLeftPartSlowsTheBallItsRightPartSpeedsItUp) {
    // The bar spans x 448..576, its middle at 512. The ball falls from y 600 at
    // 4 px a step and meets the bar's band (y 670) on its 18th step, having
    // drifted 18 px at 100 px/s.
    Level level;
    level.bricks = {{3000, 3000}}; // out of reach: the level goes on
    level.ballY = 600;
    level.ballVX = 100;
    level.ballX = 442; // met at 460, 52 px left: 100 * (1 + 0.2 * -52 / 128) = 91.875
    EXPECT_NEAR(91.875f, velocityXAfter(level, 400), 0.01f);
    level.ballX = 542; // met at 560, 48 px right: 100 * (1 + 0.2 * 48 / 128) = 107.5
    EXPECT_NEAR(107.5f, velocityXAfter(level, 400), 0.01f);
    level.ballX = 512;
    level.ballVX = -2; // a near-vertical ball leaves at +5 px/s
    EXPECT_FLOAT_EQ(5.0f, velocityXAfter(level, 400));

    // A ball already on its way up out of the bar's band is not turned back in.
    level.ballY = 675;
    level.ballVX = 0;
    level.ballVY = -300;
    MG_Screen15* game = open(level);
    ASSERT_NE(nullptr, game);
    frames(300);
    EXPECT_LT(game->ball()->centreY, 660);
    EXPECT_EQ(game, top<MG_Screen15>());
}

TEST_F(BreakoutTest, BricksVanishWhenHitAndTheLastOneSolvesThePuzzle) {
    Level level;
    level.bricks = {{480, 300}, {700, 300}}; // 88 x 28 each
    level.ballX = 524;
    level.ballY = 500;
    level.ballVY = -400;
    MG_Screen15* game = open(level);
    ASSERT_NE(nullptr, game);
    ASSERT_EQ(2, game->bricksLeft());
    frames(800); // up 320 px: the first brick's bottom at 328 is met
    EXPECT_FALSE(game->bricks()[0]->isVisible());
    EXPECT_EQ(1, game->bricksLeft());
    EXPECT_GT(game->ball()->velocityY, 0) << "turned back down";
    EXPECT_TRUE(game->bricks()[1]->isVisible());

    // With no bricks at all the puzzle is solved on its first update.
    game = open(Level{});
    ASSERT_NE(nullptr, game);
    EXPECT_TRUE(game->resultShown());
    EXPECT_FALSE(game->ball()->isVisible()) << "the ball stops for good";
}

TEST_F(BreakoutTest, ALostBallStartsThePuzzleAgainWithoutMovingTheFlow) {
    Level level;
    level.barX = 120; // far from the ball falling at x 800
    level.ballX = 800;
    level.ballY = 600;
    level.bricks = {{480, 300}};
    MG_Screen15* game = open(level);
    ASSERT_NE(nullptr, game);
    frames(600);
    EXPECT_EQ(2, game->lives());
    EXPECT_FALSE(game->ball()->isVisible());
    frames(1200); // out and in again
    MG_Screen15* again = top<MG_Screen15>();
    ASSERT_NE(nullptr, again) << "the flow's breakout, built anew";
    EXPECT_EQ(11, GameFlow::instance().position());
    EXPECT_EQ(24, again->bricksLeft()) << "the game's own level";

    // The bar follows the mouse's motion halved (dumpingFactor 2) and stops at the walls.
    game = open(level);
    ASSERT_NE(nullptr, game);
    sdl_input::pushMotion(*app, 500, 400);
    frame();
    const int barX = game->bar()->x();
    sdl_input::pushMotion(*app, 540, 400); // 40 px right: the bar 20
    frame();
    EXPECT_EQ(barX + 20, game->bar()->x());
    sdl_input::pushMotion(*app, 0, 400); // a long way left: up to the wall at 112
    frame();
    EXPECT_EQ(113, game->bar()->x());
}

} // namespace
