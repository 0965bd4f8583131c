#include "engine/app/CursorChoice.h"
#include "engine/app/AppConfig.h"
#include "engine/graphics/GLTexture.h"
#include "tests/support/AppFixture.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class CursorChoiceTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(openApp());
        ASSERT_TRUE(writePngPicture(folder / "Arrow.png", 16, 16, flat(Color(200, 150, 40))));
    }
    void configure(const std::string& picture) {
        TemporaryDirectory::writeFile(folder / "config.xml",
                                      "<Config version=\"1.1\"><MouseCursors folder=\"" +
                                          folder.path() + "/\"><Cursor id=\"0\" imageFile=\"" +
                                          picture + "\"/></MouseCursors></Config>");
        ASSERT_TRUE(AppConfig::instance().load(folder / "config.xml"));
    }

    TemporaryDirectory folder;
};

TEST_F(CursorChoiceTest, CustomCursorDrawsThePictureAndHidesTheSystemPointer) {
    configure("Arrow.png");
    SDL_Cursor* before = SDL_GetCursor();
    EXPECT_TRUE(applyCursorChoice(true, *app));
    ASSERT_NE(nullptr, app->cursorTexture());
    EXPECT_EQ(16, app->cursorTexture()->imageWidth());
    EXPECT_NE(before, SDL_GetCursor()) << "the system pointer is swapped for an invisible one";

    EXPECT_FALSE(applyCursorChoice(false, *app));
    EXPECT_EQ(nullptr, app->cursorTexture());
    EXPECT_EQ(before, SDL_GetCursor()) << "the system pointer is back";
}

TEST_F(CursorChoiceTest, MissingPictureFallsBackToTheSystemPointer) {
    configure("Gone.png");
    SDL_Cursor* before = SDL_GetCursor();
    StdoutCapture capture;
    EXPECT_FALSE(applyCursorChoice(true, *app));
    EXPECT_NE(std::string::npos, capture.finish().find("Gone.png"));
    EXPECT_EQ(nullptr, app->cursorTexture());
    EXPECT_EQ(before, SDL_GetCursor());
}

} // namespace
