// Every picture the game registers, and the ones config.xml names, exist and load.
#include "engine/app/AppConfig.h"
#include "engine/graphics/GLTexture.h"
#include "engine/resources/ResourceManager.h"
#include "game/ResourceTables.h"
#include "tests/support/GLWindowTest.h"
#include "tests/support/StdoutCapture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class ContentPicturesTest : public GLWindowTest {
protected:
    void TearDown() override {
        AppConfig::reset();
        GLWindowTest::TearDown();
    }

    static void expectLoads(const std::string& path) {
        StdoutCapture capture;
        const GLTexture texture(path);
        EXPECT_EQ("", capture.finish()) << path;
        EXPECT_TRUE(texture.hasGLTexture()) << path;
        EXPECT_GT(texture.imageWidth(), 0) << path;
    }
};

TEST_F(ContentPicturesTest, EveryRegisteredPictureLoads) {
    std::set<std::string> paths;
    std::set<std::string> keys;
    for (const auto& list : resource_tables::textureLists()) {
        for (const auto& entry : list.entries) {
            paths.insert(entry.path);
            keys.insert(std::string(list.name) + "/" + entry.key);
        }
    }
    ASSERT_GT(paths.size(), 40u);
    for (const std::string& path : paths) {
        expectLoads(path);
    }
}

TEST_F(ContentPicturesTest, EveryListRegistersEachKeyOnce) {
    for (const auto& list : resource_tables::textureLists()) {
        ResourceManager resources;
        ASSERT_TRUE(resource_tables::registerTextures(resources, list.name));
        EXPECT_EQ(int(list.entries.size()), resources.textureCount()) << list.name;
        for (const auto& entry : list.entries) {
            ASSERT_NE(nullptr, resources.getTexture(entry.key)) << entry.key;
            EXPECT_TRUE(resources.getTexture(entry.key)->hasGLTexture()) << entry.key;
        }
    }
    ResourceManager resources;
    EXPECT_FALSE(resource_tables::registerTextures(resources, "noSuchScreen"));
    EXPECT_EQ(0, resources.textureCount());
}

TEST_F(ContentPicturesTest, ConfigurationPicturesLoad) {
    AppConfig& config = AppConfig::instance();
    ASSERT_TRUE(config.load("content/config/config.xml"));
    ASSERT_FALSE(config.cursors().empty());
    expectLoads(config.cursorPath(0));
    for (const auto& language : config.languages()) {
        expectLoads(language.flag);
    }
    expectLoads("content/Icon/Icon.png");
}

TEST_F(ContentPicturesTest, WidescreenFrameCoversWideScreensAroundTheGame) {
    const GLTexture frame("content/images/menus/bricks.png");
    EXPECT_GE(frame.imageWidth(), 1920);
    EXPECT_GE(frame.imageHeight(), 1200);
}

} // namespace
