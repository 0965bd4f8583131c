#include "engine/platform/Environment.h"

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/StdoutCapture.h"

#include <climits>
#include <ctime>
#include <gtest/gtest.h>

using platform::environmentValue;
using platform::randomSeed;

TEST(EnvironmentValue, DistinguishesUnsetEmptyAndSet) {
    ScopedEnvironment env({"QUILL_PLATFORM_TEST_VALUE"});

    env.unset("QUILL_PLATFORM_TEST_VALUE");
    EXPECT_EQ(environmentValue("QUILL_PLATFORM_TEST_VALUE"), std::nullopt);

    env.set("QUILL_PLATFORM_TEST_VALUE", "");
    EXPECT_EQ(environmentValue("QUILL_PLATFORM_TEST_VALUE"), std::optional<std::string>(""));

    env.set("QUILL_PLATFORM_TEST_VALUE", "a b=c");
    EXPECT_EQ(environmentValue("QUILL_PLATFORM_TEST_VALUE"), std::optional<std::string>("a b=c"));
}

TEST(RandomSeed, UsesWholeIntegerFromQuillSeed) {
    ScopedEnvironment env({"QUILL_SEED"});
    const struct {
        const char* text;
        unsigned seed;
    } cases[] = {{"42", 42u}, {"0", 0u}, {"+7", 7u}, {"4294967295", UINT_MAX}, {"-1", UINT_MAX}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        env.set("QUILL_SEED", c.text);
        StdoutCapture capture;
        EXPECT_EQ(randomSeed(), c.seed);
        EXPECT_EQ(capture.finish(), "");
    }
}

TEST(RandomSeed, MalformedQuillSeedFallsBackToTimeWithOneLine) {
    ScopedEnvironment env({"QUILL_SEED"});
    for (const char* text : {"4x2", "42 ", " 42", "-", "abc", "4294967296", "1e3"}) {
        SCOPED_TRACE(text);
        env.set("QUILL_SEED", text);
        StdoutCapture capture;
        const auto before = static_cast<unsigned>(std::time(nullptr));
        const unsigned seed = randomSeed();
        const auto after = static_cast<unsigned>(std::time(nullptr));
        const std::string output = capture.finish();
        EXPECT_GE(seed, before);
        EXPECT_LE(seed, after);
        EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
        EXPECT_NE(output.find(text), std::string::npos) << output;
    }
}

TEST(RandomSeed, UnsetOrEmptyQuillSeedUsesTimeSilently) {
    ScopedEnvironment env({"QUILL_SEED"});
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty" : "unset");
        if (empty) {
            env.set("QUILL_SEED", "");
        } else {
            env.unset("QUILL_SEED");
        }
        StdoutCapture capture;
        const auto before = static_cast<unsigned>(std::time(nullptr));
        const unsigned seed = randomSeed();
        const auto after = static_cast<unsigned>(std::time(nullptr));
        EXPECT_GE(seed, before);
        EXPECT_LE(seed, after);
        EXPECT_EQ(capture.finish(), "");
    }
}
