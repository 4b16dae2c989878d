#include "LibraryText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct CLoadedFile : CLibrary {
    explicit CLoadedFile(const std::string& path) { load = LoadSceneryCfg(path, header, areas); }
};

const std::string kLibrary = "[General]\r\nTitle=Mine\r\n"
                             "[Area.001]\r\nTitle=Alpha\r\nLayer=1\r\nActive=TRUE\r\n"
                             "Local=Scenery\\Alpha\r\nExclude.0=1\r\n"
                             "[Area.002]\r\nTitle=Bravo\r\nTexture_ID=2\r\nRequired=TRUE\r\n";

} // namespace

TEST(SceneryCfgFile, MissingFileStartsAnEmptyLibrary) {
    CTempFolder folder;
    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kMissing);
    EXPECT_EQ(library.areas.GetSize(), 0);
}

TEST(SceneryCfgFile, SavedFileLoadsBackToTheSameModel) {
    CTempFolder folder;
    auto pLibrary = ParseLibrary(kLibrary);
    std::vector<CListRow> rows = ListRows(pLibrary->areas);
    const std::string text = SaveText(*pLibrary, rows);
    ASSERT_TRUE(SaveSceneryCfg(folder.Path("scenery.cfg"), pLibrary->header, pLibrary->areas, rows,
                               pLibrary->load.disk));
    EXPECT_EQ(folder.Read("scenery.cfg"), text);

    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kOk);
    EXPECT_EQ(SaveText(library), text);
}

TEST(SceneryCfgFile, FiftyMegabyteSingleLineLoads) {
    CTempFolder folder;
    folder.Write("scenery.cfg", "[area.001] " + std::string(50 << 20, 'x'));
    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kOk);
    EXPECT_EQ(library.areas.GetSize(), 1);
}
