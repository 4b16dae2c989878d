#include "SampleScenery.h"

#include "SceneryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

// The committed scenery files of the sample are what the generator writes,
// and no others: scripts/make-sample.sh was run after the last change to
// either.
TEST(SampleScenery, CommittedFilesAreWhatTheGeneratorWrites) {
    const std::filesystem::path sim = TARNWICK_SAMPLE_DIR;
    std::set<std::string> committed, generated;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sim)) {
        if (entry.is_regular_file() && IsBglFileName(entry.path().filename().string()))
            committed.insert(entry.path().lexically_relative(sim).generic_string());
    }
    for (const CSampleFile& file : SampleSceneryFiles()) {
        std::ifstream in(sim / file.strPath, std::ios::binary);
        const bool bSame = std::string(std::istreambuf_iterator<char>(in), {}) == file.bytes;
        generated.insert(file.strPath + (bSame ? "" : " (differs from what the generator writes)"));
    }
    EXPECT_EQ(committed, generated);
}
