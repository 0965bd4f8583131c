#include "engine/graphics/GLCheck.h"
#include "tests/support/GLWindowTest.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Not a capability glEnable knows.
constexpr GLenum kNotACapability = 0x1234;

int lineCount(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

class GLCheckTest : public GLWindowTest {};

TEST_F(GLCheckTest, ReportNamesTheCallTheErrorAndThePlace) {
    glEnable(kNotACapability);
    testing::internal::CaptureStdout();
    const bool failed = checkGlErrors("glEnable(kNotACapability)", "game/Thing.cpp", 42);
    const std::string output = testing::internal::GetCapturedStdout();
    acceptReportedGlErrors();

    EXPECT_TRUE(failed);
    EXPECT_EQ(1, lineCount(output)) << output;
    EXPECT_NE(std::string::npos, output.find("glEnable(kNotACapability)")) << output;
    EXPECT_NE(std::string::npos, output.find("GL_INVALID_ENUM")) << output;
    EXPECT_NE(std::string::npos, output.find("game/Thing.cpp:42")) << output;
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError()) << "the error is consumed";
}

TEST_F(GLCheckTest, ReportIsSilentWithoutError) {
    const int before = reportedGlErrorCount();
    testing::internal::CaptureStdout();
    const bool failed = checkGlErrors("glEnable(GL_BLEND)", "game/Thing.cpp", 42);
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    EXPECT_FALSE(failed);
    EXPECT_EQ(before, reportedGlErrorCount());
}

TEST_F(GLCheckTest, MacroRunsTheCall) {
    glDisable(GL_BLEND);
    GL_CHECK(glEnable(GL_BLEND));
    EXPECT_TRUE(isEnabled(GL_BLEND));

    GLint value = 0;
    GL_CHECK(glGetIntegerv(GL_MATRIX_MODE, &value));
    EXPECT_EQ(GL_MODELVIEW, value);
}

#ifdef QUILL_GL_CHECKS

TEST_F(GLCheckTest, CheckedBuildReportsAFailingCallWithItsSourceLine) {
    const int before = reportedGlErrorCount();
    testing::internal::CaptureStdout();
    GL_CHECK(glEnable(kNotACapability));
    const int line = __LINE__ - 1;
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(1, lineCount(output)) << output;
    EXPECT_NE(std::string::npos, output.find("glEnable(kNotACapability)")) << output;
    EXPECT_NE(std::string::npos, output.find("GL_INVALID_ENUM")) << output;
    EXPECT_NE(std::string::npos, output.find(std::string(__FILE__) + ":" + std::to_string(line)))
        << output;
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
    EXPECT_EQ(before + 1, reportedGlErrorCount());
    acceptReportedGlErrors();
}

TEST_F(GLCheckTest, CheckedBuildStaysSilentForGoodCalls) {
    testing::internal::CaptureStdout();
    GL_CHECK(glEnable(GL_BLEND));
    GL_CHECK(glDisable(GL_BLEND));
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
}

#else

TEST_F(GLCheckTest, UncheckedBuildLeavesErrorsPendingAndPrintsNothing) {
    testing::internal::CaptureStdout();
    GL_CHECK(glEnable(kNotACapability));
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    EXPECT_EQ(GLenum(GL_INVALID_ENUM), glGetError());
}

#endif

} // namespace
