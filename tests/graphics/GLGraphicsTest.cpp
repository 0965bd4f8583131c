#include "engine/graphics/GLGraphics.h"
#include "tests/support/GLWindowTest.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

const Color kRed(255, 0, 0);
const Color kGreen(0, 255, 0);
const Color kBlue(0, 0, 255);
const Color kOrange(200, 100, 50);

class GLGraphicsTest : public GLWindowTest {};

TEST_F(GLGraphicsTest, InitSetsUpTopLeftOrthographicTwoDimensionalDrawing) {
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ((std::array<GLint, 4>{0, 0, kWidth, kHeight}), viewport);
    EXPECT_TRUE(isEnabled(GL_BLEND));
    EXPECT_TRUE(isEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(isEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(isEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(isEnabled(GL_STENCIL_TEST));
    EXPECT_FALSE(isEnabled(GL_SCISSOR_TEST));
    EXPECT_FALSE(isEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(GL_SRC_ALPHA, intState(GL_BLEND_SRC));
    EXPECT_EQ(GL_ONE_MINUS_SRC_ALPHA, intState(GL_BLEND_DST));
    EXPECT_EQ(GL_ALWAYS, intState(GL_ALPHA_TEST_FUNC));
    EXPECT_EQ(GL_MODELVIEW, intState(GL_MATRIX_MODE));
    EXPECT_EQ(kWidth, graphics.windowWidth());
    EXPECT_EQ(kHeight, graphics.windowHeight());

    // (0, 0) is the top-left pixel: GL's last row.
    graphics.fillRect(0, 0, 4, 4, kRed);
    EXPECT_EQ(kRed, pixelAt(0, 0));
    EXPECT_TRUE(isBlack(pixelAt(0, kHeight - 1)));
    EXPECT_TRUE(isBlack(pixelAt(kWidth - 1, 0)));
    // Opposite corner: x grows right, y grows down.
    graphics.fillRect(kWidth - 4, kHeight - 4, 4, 4, kGreen);
    EXPECT_EQ(kGreen, pixelAt(kWidth - 1, kHeight - 1));
}

TEST_F(GLGraphicsTest, InitClearsTheColourBufferToBlack) {
    graphics.fillRect(0, 0, kWidth, kHeight, kOrange);
    graphics.init(kWidth, kHeight, kDepth);
    EXPECT_TRUE(isBlack(pixelAt(0, 0)));
    EXPECT_TRUE(isBlack(pixelAt(kWidth / 2, kHeight / 2)));
}

TEST_F(GLGraphicsTest, ClearErasesWhatWasDrawn) {
    graphics.fillRect(10, 10, 20, 20, kOrange);
    ASSERT_EQ(kOrange, pixelAt(15, 15));
    graphics.clear();
    EXPECT_TRUE(isBlack(pixelAt(15, 15)));
}

TEST_F(GLGraphicsTest, FillRectCoversExactlyItsAreaInItsColour) {
    graphics.fillRect(100, 50, 40, 30, kOrange);

    // Corners just inside.
    EXPECT_EQ(kOrange, pixelAt(100, 50));
    EXPECT_EQ(kOrange, pixelAt(139, 50));
    EXPECT_EQ(kOrange, pixelAt(100, 79));
    EXPECT_EQ(kOrange, pixelAt(139, 79));
    EXPECT_EQ(kOrange, pixelAt(120, 65));
    // Just outside each edge.
    EXPECT_TRUE(isBlack(pixelAt(99, 60)));
    EXPECT_TRUE(isBlack(pixelAt(140, 60)));
    EXPECT_TRUE(isBlack(pixelAt(120, 49)));
    EXPECT_TRUE(isBlack(pixelAt(120, 80)));
}

TEST_F(GLGraphicsTest, FillRectIgnoresTheColourOfThePreviousCall) {
    graphics.fillRect(0, 0, 10, 10, kRed);
    graphics.fillRect(20, 0, 10, 10, kBlue);
    EXPECT_EQ(kRed, pixelAt(5, 5));
    EXPECT_EQ(kBlue, pixelAt(25, 5));
}

TEST_F(GLGraphicsTest, HalfTransparentFillBlendsWithWhatIsBelow) {
    graphics.fillRect(0, 0, 50, 50, Color(255, 255, 255, 128));
    const Color overBlack = pixelAt(25, 25);
    EXPECT_NEAR(128, overBlack.r, 2);
    EXPECT_NEAR(128, overBlack.g, 2);
    EXPECT_NEAR(128, overBlack.b, 2);

    graphics.fillRect(100, 0, 50, 50, kRed);
    graphics.fillRect(100, 0, 50, 50, Color(0, 0, 255, 128));
    const Color overRed = pixelAt(125, 25);
    EXPECT_NEAR(127, overRed.r, 2);
    EXPECT_NEAR(0, overRed.g, 2);
    EXPECT_NEAR(128, overRed.b, 2);
}

TEST_F(GLGraphicsTest, FillRectDrawsAfterTexturedDrawingTurnedTexturingOn) {
    glEnable(GL_TEXTURE_2D);
    graphics.fillRect(0, 0, 10, 10, kGreen);
    EXPECT_EQ(kGreen, pixelAt(5, 5));
    EXPECT_FALSE(isEnabled(GL_TEXTURE_2D));
}

TEST_F(GLGraphicsTest, ClipRectSetsTheScissorBoxCountedFromTheBottom) {
    graphics.setClipRect(10, 20, 100, 50);
    std::array<GLint, 4> box{};
    glGetIntegerv(GL_SCISSOR_BOX, box.data());
    EXPECT_EQ((std::array<GLint, 4>{10, 698, 100, 50}), box);
}

TEST_F(GLGraphicsTest, ClippingMasksDrawingOutsideTheClipRect) {
    graphics.setClipRect(10, 20, 100, 50);
    graphics.setClipping(true);
    EXPECT_TRUE(isEnabled(GL_SCISSOR_TEST));
    graphics.fillRect(0, 0, kWidth, kHeight, kRed);

    EXPECT_EQ(kRed, pixelAt(10, 20));
    EXPECT_EQ(kRed, pixelAt(109, 69));
    EXPECT_TRUE(isBlack(pixelAt(9, 20)));
    EXPECT_TRUE(isBlack(pixelAt(10, 19)));
    EXPECT_TRUE(isBlack(pixelAt(110, 69)));
    EXPECT_TRUE(isBlack(pixelAt(109, 70)));

    graphics.setClipping(false);
    EXPECT_FALSE(isEnabled(GL_SCISSOR_TEST));
    graphics.fillRect(0, 0, kWidth, kHeight, kBlue);
    EXPECT_EQ(kBlue, pixelAt(500, 500));
}

TEST_F(GLGraphicsTest, TranslateMovesLaterDrawingAndPopRestoresIt) {
    graphics.pushTransform();
    graphics.translate(200, 100);
    graphics.fillRect(0, 0, 10, 10, kRed);
    graphics.pushTransform();
    graphics.translate(50, 25);
    graphics.fillRect(0, 0, 10, 10, kGreen);
    graphics.popTransform();
    graphics.fillRect(20, 0, 10, 10, kBlue);
    graphics.popTransform();
    graphics.fillRect(300, 300, 10, 10, kOrange);

    EXPECT_EQ(kRed, pixelAt(200, 100));
    EXPECT_EQ(kRed, pixelAt(209, 109));
    EXPECT_TRUE(isBlack(pixelAt(5, 5)));
    EXPECT_EQ(kGreen, pixelAt(250, 125));
    EXPECT_EQ(kBlue, pixelAt(220, 100));
    EXPECT_EQ(kOrange, pixelAt(300, 300));
    EXPECT_TRUE(isBlack(pixelAt(500, 400)));
}

TEST_F(GLGraphicsTest, ResetTransformDropsTheTranslation) {
    graphics.translate(300, 300);
    graphics.resetTransform();
    graphics.fillRect(0, 0, 10, 10, kRed);
    EXPECT_EQ(kRed, pixelAt(5, 5));
    EXPECT_TRUE(isBlack(pixelAt(305, 305)));
}

TEST_F(GLGraphicsTest, ScaleAndRotateTransformLaterDrawing) {
    graphics.pushTransform();
    graphics.scale(2, 3);
    graphics.fillRect(10, 10, 10, 10, kRed);
    graphics.popTransform();
    EXPECT_EQ(kRed, pixelAt(20, 30));
    EXPECT_EQ(kRed, pixelAt(39, 59));
    EXPECT_TRUE(isBlack(pixelAt(40, 45)));
    EXPECT_TRUE(isBlack(pixelAt(30, 60)));

    // A quarter turn about z maps (x, y) to (-y, x).
    graphics.pushTransform();
    graphics.translate(500, 100);
    graphics.rotate(90, 0, 0, 1);
    graphics.fillRect(0, 0, 40, 10, kGreen);
    graphics.popTransform();
    EXPECT_EQ(kGreen, pixelAt(495, 130));
    EXPECT_TRUE(isBlack(pixelAt(520, 105)));
}

TEST_F(GLGraphicsTest, PushAndPopAreCountedUntilReset) {
    graphics.pushTransform();
    graphics.pushTransform();
    graphics.popTransform();
    EXPECT_EQ(2, graphics.pushCount());
    EXPECT_EQ(1, graphics.popCount());
    EXPECT_EQ(2, intState(GL_MODELVIEW_STACK_DEPTH));
    graphics.popTransform();
    EXPECT_EQ(2, graphics.popCount());
    EXPECT_EQ(1, intState(GL_MODELVIEW_STACK_DEPTH));

    graphics.resetTransformCounters();
    EXPECT_EQ(0, graphics.pushCount());
    EXPECT_EQ(0, graphics.popCount());
}

TEST_F(GLGraphicsTest, FillTriangleCoversItsInsideOnly) {
    graphics.fillTriangle(Point(100, 100), Point(200, 100), Point(100, 200), kGreen);
    EXPECT_EQ(kGreen, pixelAt(133, 133));
    EXPECT_EQ(kGreen, pixelAt(101, 101));
    // Beyond the long edge, and outside the two short ones.
    EXPECT_TRUE(isBlack(pixelAt(160, 160)));
    EXPECT_TRUE(isBlack(pixelAt(150, 99)));
    EXPECT_TRUE(isBlack(pixelAt(99, 150)));
}

TEST_F(GLGraphicsTest, DrawLineLightsPixelsAlongTheLine) {
    graphics.drawLine(Point(10, 100.5f), Point(200, 100.5f), 1.0f, false, kRed);
    for (int x : {10, 50, 100, 150, 199}) {
        EXPECT_EQ(kRed, pixelAt(x, 100)) << "x = " << x;
    }
    EXPECT_TRUE(isBlack(pixelAt(100, 97)));
    EXPECT_TRUE(isBlack(pixelAt(100, 103)));
    EXPECT_TRUE(isBlack(pixelAt(220, 100)));

    graphics.drawLine(Point(300.5f, 10), Point(300.5f, 200), 1.0f, false, kBlue);
    for (int y : {10, 100, 199}) {
        EXPECT_EQ(kBlue, pixelAt(300, y)) << "y = " << y;
    }
    EXPECT_TRUE(isBlack(pixelAt(303, 100)));
}

TEST_F(GLGraphicsTest, DrawLineUsesTheWidthAndTurnsSmoothingOn) {
    graphics.drawLine(Point(10, 300), Point(200, 300), 6.0f, false, kGreen);
    EXPECT_FALSE(isEnabled(GL_LINE_SMOOTH));
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_FLOAT_EQ(6.0f, width);
    // Six rows thick around y = 300.
    EXPECT_EQ(kGreen, pixelAt(100, 297));
    EXPECT_EQ(kGreen, pixelAt(100, 302));
    EXPECT_TRUE(isBlack(pixelAt(100, 290)));

    graphics.drawLine(Point(10, 400), Point(200, 400), 2.0f, true, kGreen);
    EXPECT_TRUE(isEnabled(GL_LINE_SMOOTH));
    // Smoothing stays on for later lines.
    graphics.drawLine(Point(10, 500), Point(200, 500), 1.0f, false, kGreen);
    EXPECT_TRUE(isEnabled(GL_LINE_SMOOTH));
}

TEST_F(GLGraphicsTest, StrokeRectOutlinesTheRectangleAndLeavesItsInsideEmpty) {
    graphics.strokeRect(100, 100, 50, 40, kRed);
    // Each edge lies on a pixel boundary, so one of the two pixels beside it is lit.
    auto litNear = [](int x1, int y1, int x2, int y2) {
        return !isBlack(pixelAt(x1, y1)) || !isBlack(pixelAt(x2, y2));
    };
    EXPECT_TRUE(litNear(125, 99, 125, 100)) << "top";
    EXPECT_TRUE(litNear(125, 139, 125, 140)) << "bottom";
    EXPECT_TRUE(litNear(99, 120, 100, 120)) << "left";
    EXPECT_TRUE(litNear(149, 120, 150, 120)) << "right";
    EXPECT_TRUE(isBlack(pixelAt(125, 120)));
    EXPECT_TRUE(isBlack(pixelAt(125, 95)));
    EXPECT_TRUE(isBlack(pixelAt(155, 120)));
}

TEST_F(GLGraphicsTest, StrokeRectOfAWidgetRectIgnoresItsDepth) {
    graphics.strokeRect(WidgetRect(100, 100, 7, 50, 40), kRed);
    const bool topLit = !isBlack(pixelAt(125, 99)) || !isBlack(pixelAt(125, 100));
    EXPECT_TRUE(topLit);
    EXPECT_TRUE(isBlack(pixelAt(125, 120)));
}

TEST_F(GLGraphicsTest, BlendingCannotBeSwitchedOff) {
    graphics.setBlending(false);
    EXPECT_TRUE(isEnabled(GL_BLEND));

    glDisable(GL_BLEND);
    graphics.setBlending(true);
    EXPECT_TRUE(isEnabled(GL_BLEND));
}

TEST_F(GLGraphicsTest, WindowHasAnEightBitStencilBuffer) {
    EXPECT_GE(intState(GL_STENCIL_BITS), 8);
}

TEST_F(GLGraphicsTest, Begin3DSwitchesToPerspectiveWithDepthTesting) {
    graphics.begin3D(kWidth, kHeight, 0);
    EXPECT_TRUE(isEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(isEnabled(GL_COLOR_MATERIAL));
    EXPECT_TRUE(isEnabled(GL_POLYGON_SMOOTH));
    EXPECT_TRUE(isEnabled(GL_BLEND));
    EXPECT_TRUE(isEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(isEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(isEnabled(GL_STENCIL_TEST));
    EXPECT_FALSE(isEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(GL_MODELVIEW, intState(GL_MATRIX_MODE));

    std::array<GLfloat, 16> projection{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    const float focal = 1.0f / std::tan(30.0f * 3.14159265f / 180.0f);
    EXPECT_NEAR(focal, projection[5], 1e-4);
    EXPECT_NEAR(focal * kHeight / kWidth, projection[0], 1e-4);
    EXPECT_FLOAT_EQ(-1.0f, projection[11]);

    std::array<GLfloat, 2> range{};
    glGetFloatv(GL_DEPTH_RANGE, range.data());
    EXPECT_FLOAT_EQ(0.0f, range[0]);
    EXPECT_FLOAT_EQ(1.0f, range[1]);
}

TEST_F(GLGraphicsTest, AClearAfter3DDrawingResetsDepthSoTheNextFrameDrawsAgain) {
    graphics.begin3D(kWidth, kHeight, 0);
    glDepthFunc(GL_LESS);
    glDisable(GL_TEXTURE_2D);
    auto square = [](float z) { // a square in front of the camera at depth z
        glBegin(GL_QUADS);
        glVertex3f(-1, -1, z);
        glVertex3f(1, -1, z);
        glVertex3f(1, 1, z);
        glVertex3f(-1, 1, z);
        glEnd();
    };
    glColor4ub(255, 0, 0, 255);
    square(-3);
    graphics.clear();
    glColor4ub(0, 255, 0, 255);
    square(-3); // as near as the last frame's: hidden if the depth had stayed
    EXPECT_EQ(Color(0, 255, 0), pixelAt(kWidth / 2, kHeight / 2));
}

TEST_F(GLGraphicsTest, Begin2DRestoresTheOrthographicStateAfter3D) {
    graphics.begin3D(kWidth, kHeight, 0);
    graphics.translate(5, 5);
    graphics.begin2D(kWidth, kHeight, kDepth);

    EXPECT_FALSE(isEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(isEnabled(GL_COLOR_MATERIAL));
    EXPECT_TRUE(isEnabled(GL_ALPHA_TEST));
    EXPECT_TRUE(isEnabled(GL_BLEND));
    EXPECT_TRUE(isEnabled(GL_TEXTURE_2D));
    std::array<GLfloat, 16> projection{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    EXPECT_FLOAT_EQ(2.0f / kWidth, projection[0]);
    EXPECT_FLOAT_EQ(-2.0f / kHeight, projection[5]);

    graphics.fillRect(0, 0, 10, 10, kRed);
    EXPECT_EQ(kRed, pixelAt(0, 0));
    EXPECT_EQ(kRed, pixelAt(9, 9));
    EXPECT_TRUE(isBlack(pixelAt(10, 10)));
}

TEST_F(GLGraphicsTest, Begin2DUsesTheGivenSizeForItsCoordinates) {
    // Half-size logical coordinates stretched over the whole window.
    graphics.begin2D(kWidth / 2, kHeight / 2, kDepth);
    graphics.fillRect(10, 10, 10, 10, kRed);
    EXPECT_EQ(kRed, pixelAt(20, 20));
    EXPECT_EQ(kRed, pixelAt(39, 39));
    EXPECT_TRUE(isBlack(pixelAt(40, 40)));
}

} // namespace
