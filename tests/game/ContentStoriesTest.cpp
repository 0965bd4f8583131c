// Every story and the credits the game flow names: their slides read, each
// picture is a whole 1024 x 768 screen, and each caption and chapter-card
// caption has a text in every language.
#include "engine/app/AppConfig.h"
#include "engine/graphics/SDLSurfaceImage.h"
#include "engine/persist/LabelManager.h"
#include "game/GameFlow.h"
#include "game/menus/Slides.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class ContentStoriesTest : public testing::Test {
protected:
    void SetUp() override {
        GameFlow::reset();
        ASSERT_TRUE(GameFlow::instance().load("content/config/GameFlow.xml"))
            << "run from the repository root";
        AppConfig::reset();
        ASSERT_TRUE(AppConfig::instance().load("content/config/config.xml"));
        for (const AppConfig::Language& language : AppConfig::instance().languages()) {
            ASSERT_TRUE(labels[language.code].load(language.labels)) << language.code;
        }
        ASSERT_GE(labels.size(), 2u) << "English and German";
    }
    void TearDown() override {
        GameFlow::reset();
        AppConfig::reset();
    }

    // Expects the slides of the file to be whole screens with known captions.
    void expectSlides(const std::string& folder, const std::string& file, std::size_t atLeast) {
        const std::vector<Slide> slides = readSlides(pathIn(folder, file));
        EXPECT_GE(slides.size(), atLeast) << folder;
        for (const Slide& slide : slides) {
            SCOPED_TRACE(folder + " slide " + slide.id);
            ASSERT_TRUE(slide.has("file"));
            const SDLSurfaceImage picture(pathIn(folder, slide.attribute("file")));
            EXPECT_EQ(1024, picture.width());
            EXPECT_EQ(768, picture.height());
            if (slide.has("caption")) {
                for (const auto& [code, table] : labels) {
                    EXPECT_TRUE(table.hasText(slide.attribute("caption"))) << code;
                }
            }
        }
    }

    std::map<std::string, LabelManager> labels;
};

TEST_F(ContentStoriesTest, EveryStoryCreditsAndChapterCardOfTheFlowIsComplete) {
    int stories = 0;
    int credits = 0;
    int cards = 0;
    for (const GameFlow::Entry& entry : GameFlow::instance().entries()) {
        if (entry.type == "story") {
            ++stories;
            // Every story slide carries its caption.
            expectSlides(GameFlow::attribute(entry.attributes, "pathStory"), "slides.xml", 2);
        } else if (entry.type == "OpeningCredits") {
            ++credits;
            expectSlides(GameFlow::attribute(entry.attributes, "path"),
                         GameFlow::attribute(entry.attributes, "fileName"), 4);
        } else if (entry.type == "TransitionScreen") {
            ++cards;
            for (const auto& [code, table] : labels) {
                EXPECT_TRUE(table.hasText(GameFlow::attribute(entry.attributes, "caption")))
                    << code;
            }
        }
    }
    // The intro, the safe and the ending; the credits; chapters 1 and 2.
    EXPECT_EQ(3, stories);
    EXPECT_EQ(1, credits);
    EXPECT_EQ(2, cards);
}

} // namespace
