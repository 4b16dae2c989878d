// Writes the sample simulator folder's scenery files into the simulator
// folder given (scripts/make-sample.sh runs it on examples/FS9).

#include "SampleScenery.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_scenery SIMULATOR-FOLDER\n");
        return 2;
    }
    for (const CSampleFile& file : SampleSceneryFiles()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / file.strPath;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (!(std::ofstream(path, std::ios::binary) << file.bytes).flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 3;
        }
    }
    return 0;
}
