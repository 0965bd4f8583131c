// Every label key that the code asks for exists in every language's labels.
#include "engine/app/AppConfig.h"
#include "engine/persist/LabelManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

// Label keys are written in the code as the literal argument of getText(...)
// or of a helper named ...label(...) / ...Label(...).
std::set<std::string> labelKeysInCode() {
    const std::regex call(R"((?:getText|[lL]abel)\(\s*"([A-Z][A-Z0-9_]*)\")");
    std::set<std::string> keys;
    for (const char* folder : {"engine", "game"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") {
                continue;
            }
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string source = text.str();
            for (std::sregex_iterator it(source.begin(), source.end(), call), end; it != end;
                 ++it) {
                keys.insert((*it)[1].str());
            }
        }
    }
    return keys;
}

class ContentLabelsTest : public testing::Test {
protected:
    void SetUp() override {
        AppConfig::reset();
        ASSERT_TRUE(AppConfig::instance().load("content/config/config.xml"));
    }
    void TearDown() override { AppConfig::reset(); }
};

TEST_F(ContentLabelsTest, EveryKeyTheCodeUsesExistsInEveryLanguage) {
    const std::set<std::string> keys = labelKeysInCode();
    ASSERT_GE(keys.size(), 3u) << "the scan finds the keys the code asks for";
    const auto& languages = AppConfig::instance().languages();
    ASSERT_EQ(2u, languages.size());
    for (const auto& language : languages) {
        LabelManager labels;
        ASSERT_TRUE(labels.load(language.labels)) << language.labels;
        for (const std::string& key : keys) {
            EXPECT_TRUE(labels.hasText(key)) << key << " missing in " << language.labels;
        }
    }
}

TEST_F(ContentLabelsTest, LanguagesHoldTheSameKeysWithTextsForEach) {
    const auto& languages = AppConfig::instance().languages();
    ASSERT_EQ(2u, languages.size());
    LabelManager english;
    LabelManager german;
    ASSERT_TRUE(english.load(languages[0].labels));
    ASSERT_TRUE(german.load(languages[1].labels));
    EXPECT_EQ("EN", languages[0].code);
    EXPECT_EQ("DE", languages[1].code);
    ASSERT_GT(english.labels().size(), 50u);
    ASSERT_EQ(english.labels().size(), german.labels().size());
    for (const auto& [key, text] : english.labels()) {
        EXPECT_TRUE(german.hasText(key)) << key;
        EXPECT_FALSE(text.empty()) << key;
        EXPECT_FALSE(german.getText(key).empty()) << key;
    }
    EXPECT_NE(english.getText("PLAY"), german.getText("PLAY"));
}

} // namespace
