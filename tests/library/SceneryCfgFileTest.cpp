#include "LibraryText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

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

TEST(SceneryCfgFile, FileThatCannotBeReadIsToldApartFromAMissingOne) {
    CTempFolder folder;
    std::filesystem::create_directory(folder.Path("scenery.cfg"));
    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kFailed);
    EXPECT_FALSE(library.load.strReason.empty());
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

TEST(SceneryCfgFile, FailedSaveLeavesTheOldFileAndGivesTheReason) {
    CTempFolder folder;
    folder.Write("scenery.cfg", kLibrary);
    std::filesystem::create_directory(folder.Path("scenery.cfg.twk-new"));
    CLoadedFile library(folder.Path("scenery.cfg"));
    CFileResult result = SaveSceneryCfg(folder.Path("scenery.cfg"), library.header, library.areas,
                                        ListRows(library.areas), library.load.disk);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.strReason.empty());
    EXPECT_EQ(folder.Read("scenery.cfg"), kLibrary);
}

TEST(SceneryCfgFile, FiftyMegabyteSingleLineLoads) {
    CTempFolder folder;
    folder.Write("scenery.cfg", "[area.001] " + std::string(50 << 20, 'x'));
    CLoadedFile library(folder.Path("scenery.cfg"));
    EXPECT_EQ(library.load.status, EFileStatus::kOk);
    EXPECT_EQ(library.areas.GetSize(), 1);
}

TEST(SceneryCfgFile, BinaryGarbageLoadsAndSavesToWhatItReadsBackAs) {
    std::mt19937 random(20261207);
    // Random bytes, with the file's syntax often enough to form sections.
    const char* kSyntax[] = {"[", "]", "=", "\r", "\n", " ", "area.", "general", "Title"};
    std::string garbage;
    while (garbage.size() < (1 << 20)) {
        unsigned n = random();
        if (n & 1)
            garbage += static_cast<char>(1 + (n >> 1) % 255);
        else
            garbage += kSyntax[(n >> 1) % std::size(kSyntax)];
    }
    auto pLibrary = ParseLibrary(garbage);
    ASSERT_EQ(pLibrary->load.status, EFileStatus::kOk);
    EXPECT_GT(pLibrary->areas.GetSize(), 0);
    const std::string text = SaveText(*pLibrary);
    EXPECT_EQ(SaveText(*ParseLibrary(text)), text);

    garbage[garbage.size() / 2] = '\0';
    EXPECT_EQ(ParseLibrary(garbage)->load.status, EFileStatus::kFailed);
}
