// Replays every input the fuzz targets were ever seeded with or failed on,
// through the same readers, under the test build's sanitizers.
#include "tools/fuzz/FuzzInputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

const std::string kFolder = "tests/persist/fuzz_regressions/";

std::vector<std::filesystem::path> inputs(const std::string& target) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder + target, error)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    return files;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

class FuzzRegressionsTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { setEngineLog(&quiet); }
    void TearDown() override { setEngineLog(nullptr); }
    std::ostringstream quiet;
};

TEST_P(FuzzRegressionsTest, EveryKeptInputLoadsConsistently) {
    const std::string target = GetParam();
    ASSERT_NE(nullptr, fuzz::readerFor(target));
    const auto files = inputs(target);
    ASSERT_FALSE(files.empty()) << "run from the repository root; no inputs in " << kFolder
                                << target;
    for (const auto& file : files) {
        const std::vector<std::uint8_t> bytes = bytesOf(file);
        EXPECT_TRUE(fuzz::readerFor(target)(bytes.data(), bytes.size())) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressionsTest,
                         testing::Values("save_file", "scene_file", "config", "parameters",
                                         "labels", "font", "animation", "scene_index", "rules",
                                         "game_flow", "sound_effects", "music_list", "slides",
                                         "mechanics", "renderer_rules"));

} // namespace
