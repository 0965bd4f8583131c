#include "engine/resources/ResourceManager.h"
#include "engine/audio/Music.h"
#include "engine/audio/Sound.h"
#include "engine/graphics/AngelFont.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "tests/support/GLWindowTest.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/PixelImage.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<GLTexture> picture(int width) {
    return GLTexture::fromKeptImage(std::make_unique<PixelImage>(width, 1));
}

// Counts the live instances, to see what the manager deletes.
struct CountedSound : Sound {
    explicit CountedSound(int& live) : live_(live) { ++live_; }
    ~CountedSound() override { --live_; }
    void load() override {}
    void play() override {}
    void play(int) override {}
    void fadeIn(int, int) override {}
    void fadeOut(int) override {}
    void halt() override {}
    bool isPlaying() const override { return false; }
    int& live_;
};

struct CountedMusic : Music {
    explicit CountedMusic(int& live) : live_(live) { ++live_; }
    ~CountedMusic() override { --live_; }
    void load() override {}
    void play(int) override {}
    int& live_;
};

TEST(ResourceManagerTest, ReplacingAKeyKeepsItsIndex) {
    ResourceManager resources;
    resources.addTexture("GTEX_BTN_PH_N", picture(1));
    GLTexture* first = resources.addTexture("GTEX_BTN_BASE", picture(2));
    resources.addTexture("GTEX_BRICKS", picture(3));
    ASSERT_EQ(1, resources.getTextureIndex("GTEX_BTN_BASE"));
    EXPECT_EQ(first, resources.getTexture("GTEX_BTN_BASE"));

    GLTexture* second = resources.addTexture("GTEX_BTN_BASE", picture(20));
    EXPECT_EQ(1, resources.getTextureIndex("GTEX_BTN_BASE"));
    EXPECT_EQ(second, resources.getTexture("GTEX_BTN_BASE"));
    EXPECT_EQ(20, resources.getTexture("GTEX_BTN_BASE")->imageWidth());
    EXPECT_EQ(3, resources.textureCount());
}

TEST(ResourceManagerTest, RemovingMovesTheLastTextureIntoTheHole) {
    ResourceManager resources;
    resources.addTexture("A", picture(1));
    resources.addTexture("B", picture(2));
    GLTexture* c = resources.addTexture("C", picture(3));

    std::unique_ptr<GLTexture> removed = resources.removeTexture("A");
    ASSERT_NE(nullptr, removed) << "handed back, not deleted";
    EXPECT_EQ(1, removed->imageWidth());
    EXPECT_EQ(2, resources.textureCount());
    EXPECT_EQ(0, resources.getTextureIndex("C"));
    EXPECT_EQ(c, resources.getTexture("C"));
    EXPECT_EQ(c, resources.textureAt(0));
    EXPECT_EQ(1, resources.getTextureIndex("B"));
    EXPECT_EQ(nullptr, resources.getTexture("A"));
    EXPECT_EQ(-1, resources.getTextureIndex("A"));

    resources.removeTexture("B");
    resources.removeTexture("C");
    EXPECT_EQ(0, resources.textureCount());
    EXPECT_EQ(nullptr, resources.removeTexture("C")) << "unregistered: nothing happens";
    EXPECT_EQ(nullptr, resources.textureAt(0));
}

TEST(ResourceManagerTest, NoTextureIsRefusedAndTheKeyKeepsItsTexture) {
    ResourceManager resources;
    GLTexture* kept = resources.addTexture("GTEX_A", picture(4));
    StdoutCapture capture;
    EXPECT_EQ(nullptr, resources.addTexture("GTEX_A", nullptr));
    EXPECT_EQ(nullptr, resources.addTexture("GTEX_B", nullptr));
    const std::string printed = capture.finish();
    EXPECT_EQ(2, StdoutCapture::lineCount(printed));
    EXPECT_NE(std::string::npos, printed.find("GTEX_B"));
    EXPECT_EQ(kept, resources.getTexture("GTEX_A"));
    EXPECT_EQ(1, resources.textureCount()) << "no empty slot for a later mode switch";
    resources.releaseAll(ResourceManager::Textures); // walks every slot
}

TEST(ResourceManagerTest, UnregisteredKeysGiveNone) {
    ResourceManager resources;
    EXPECT_EQ(nullptr, resources.getTexture("GTEX_NONE"));
    EXPECT_EQ(nullptr, resources.getFont("FONT_NONE"));
    EXPECT_EQ(nullptr, resources.getSound("NONE"));
    EXPECT_EQ(nullptr, resources.getMusic("NONE"));
    EXPECT_EQ(nullptr, resources.getMusicStream("MAIN_MUSIC"));
}

TEST(ResourceManagerTest, SoundsAndMusicAreReplacedAndFreedByTheManager) {
    int sounds = 0;
    int music = 0;
    {
        ResourceManager resources;
        resources.addSound("BUTTON_PRESS", std::make_unique<CountedSound>(sounds));
        Sound* replacement =
            resources.addSound("BUTTON_PRESS", std::make_unique<CountedSound>(sounds));
        EXPECT_EQ(1, sounds) << "the replaced sound is freed";
        EXPECT_EQ(replacement, resources.getSound("BUTTON_PRESS"));
        resources.addMusic("SCENE_MUSIC", std::make_unique<CountedMusic>(music));
        EXPECT_EQ(1, music);
        resources.releaseAudio();
        EXPECT_EQ(0, sounds);
        EXPECT_EQ(nullptr, resources.getSound("BUTTON_PRESS"));
        resources.addMusic("SCENE_MUSIC", std::make_unique<CountedMusic>(music));
    }
    EXPECT_EQ(0, music) << "the manager frees what it holds";
}

class ResourceManagerGLTest : public GLWindowTest {};

TEST_F(ResourceManagerGLTest, ReleasedAndReloadedTexturesAndFontsDrawAsBefore) {
    TemporaryDirectory folder;
    ASSERT_TRUE(writePngPicture(folder / "red.png", 4, 4, flat(Color(255, 0, 0))));
    ASSERT_TRUE(writePngPicture(folder / "page.png", 8, 8, flat(Color(0, 255, 0))));
    TemporaryDirectory::writeFile(folder / "f.fnt",
                                  "<font><common lineHeight=\"8\"/><pages><page file=\"page.png\"/>"
                                  "</pages><chars><char id=\"65\" x=\"0\" y=\"0\" width=\"8\" "
                                  "height=\"8\" xadvance=\"8\"/></chars></font>");
    ResourceManager resources;
    GLTexture* red = resources.addTexture("RED", std::make_unique<GLTexture>(folder / "red.png"));
    Font* font = resources.addFont("FONT", std::make_unique<AngelFont>(folder / "f.fnt"));
    const unsigned before = red->glName();

    resources.releaseAll(ResourceManager::Textures);
    EXPECT_FALSE(red->hasGLTexture());
    resources.releaseAll(ResourceManager::Fonts);
    graphics.drawTexture(0, 0, red, Color());
    font->drawText(graphics, 10, 0, "A", Color());
    EXPECT_TRUE(isBlack(pixelAt(1, 1)));
    EXPECT_TRUE(isBlack(pixelAt(11, 1)));

    resources.reloadAll(ResourceManager::Textures | ResourceManager::Fonts);
    EXPECT_TRUE(red->hasGLTexture());
    EXPECT_NE(0u, before);
    graphics.drawTexture(0, 0, red, Color());
    font->drawText(graphics, 10, 0, "A", Color());
    EXPECT_EQ(Color(255, 0, 0), pixelAt(1, 1));
    EXPECT_EQ(Color(0, 255, 0), pixelAt(11, 1));
}

TEST_F(ResourceManagerGLTest, TexturesSetAsideHoldNoPixelsKeepTheirSizesAndComeBackFromTheirFiles) {
    TemporaryDirectory folder;
    ASSERT_TRUE(writePngPicture(folder / "red.png", 4, 4, flat(Color(255, 0, 0))));
    ResourceManager resources;
    GLTexture* red = resources.addTexture("RED", std::make_unique<GLTexture>(folder / "red.png"));
    GLTexture* blue = resources.addTexture(
        "BLUE", std::make_unique<GLTexture>(paintedImage(2, 2, flat(Color(0, 0, 255)))));

    resources.setTexturesAside();
    EXPECT_TRUE(red->isSetAside());
    EXPECT_FALSE(red->hasGLTexture());
    EXPECT_EQ(nullptr, red->keptImage());
    EXPECT_FALSE(red->isOpaqueAt(1, 1));
    EXPECT_EQ(4, red->imageWidth()); // widgets keep their layout
    // Made in memory, it has no file to come back from: it stays.
    EXPECT_FALSE(blue->isSetAside());
    EXPECT_TRUE(blue->hasGLTexture());
    // A new GL context does not bring it back behind the screen's back.
    resources.releaseAll(ResourceManager::Textures);
    resources.reloadAll(ResourceManager::Textures);
    EXPECT_FALSE(red->hasGLTexture());

    resources.bringTexturesBack();
    EXPECT_FALSE(red->isSetAside());
    EXPECT_TRUE(red->isOpaqueAt(1, 1));
    graphics.drawTexture(0, 0, red, Color());
    graphics.drawTexture(10, 0, blue, Color());
    EXPECT_EQ(Color(255, 0, 0), pixelAt(1, 1));
    EXPECT_EQ(Color(0, 0, 255), pixelAt(11, 1));
}

} // namespace
