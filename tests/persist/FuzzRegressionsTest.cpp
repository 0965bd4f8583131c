// Replays every input the fuzz targets were ever seeded with or failed on.
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
    const auto files = inputs(target);
    ASSERT_FALSE(files.empty()) << "run from the repository root; no inputs in " << kFolder
                                << target;
    for (const auto& file : files) {
        const std::vector<std::uint8_t> bytes = bytesOf(file);
        const bool consistent = target == "save_file"
                                    ? fuzz::loadSaveFile(bytes.data(), bytes.size())
                                    : fuzz::readSceneFile(bytes.data(), bytes.size());
        EXPECT_TRUE(consistent) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressionsTest, testing::Values("save_file", "scene_file"));

} // namespace
