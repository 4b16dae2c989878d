#include "LibraryText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct CLoadedFile : CLibrary {
    explicit CLoadedFile(const std::string& path) { load = LoadSceneryCfg(path, header, areas); }
};

} // namespace

TEST(SceneryCfgFile, MissingFileStartsAnEmptyLibrary) {
    CTempFolder folder;
    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kMissing);
    EXPECT_EQ(library.areas.GetSize(), 0);
}

TEST(SceneryCfgFile, FiftyMegabyteSingleLineLoads) {
    CTempFolder folder;
    folder.Write("scenery.cfg", "[area.001] " + std::string(50 << 20, 'x'));
    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kOk);
    EXPECT_EQ(library.areas.GetSize(), 1);
}
