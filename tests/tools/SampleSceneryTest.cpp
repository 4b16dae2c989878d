#include "SampleScenery.h"

#include "SceneryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

// The committed scenery files of the sample are what the generator writes,
// and no others: scripts/make-sample.sh was run after the last change to
// either.
TEST(SampleScenery, CommittedFilesAreWhatTheGeneratorWrites) {
    const std::filesystem::path sim = TARNWICK_SAMPLE_DIR;
    std::vector<std::string> committed;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sim)) {
        if (entry.is_regular_file() && IsBglFileName(entry.path().filename().string()))
            committed.push_back(entry.path().lexically_relative(sim).generic_string());
    }
    std::vector<std::string> generated;
    for (const CSampleFile& file : SampleSceneryFiles()) {
        generated.push_back(file.strPath);
        std::ifstream in(sim / file.strPath, std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == file.bytes)
            << file.strPath << " differs from what scripts/make-sample.sh writes";
    }
    std::sort(committed.begin(), committed.end());
    std::sort(generated.begin(), generated.end());
    EXPECT_EQ(committed, generated);
}
