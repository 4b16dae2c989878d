#include "FolderFile.h"

#include "TempFolder.h"
#include "library/LibraryText.h"

#include <gtest/gtest.h>

namespace {

std::string Entries(const CFolder& folder) {
    std::string entries;
    for (int i = 0; i < folder.GetCount(); ++i)
        entries += std::to_string(folder.GetArea(i));
    return entries;
}

} // namespace

// Areas removed, and areas whose title and local path an entry before them
// names already, are not written: the numbers go on without them.
TEST(FolderFile, WritesTheExampleByteForByte) {
    CAreaArray areas = AreasNamed({{"Field East", "Extra\\FieldEast"},
                                   {"Field West", "Extra\\FieldWest"},
                                   {"Field East", "Extra\\FieldEast"},
                                   {"Gone", "Extra\\Gone"}});
    areas.GetAt(3).SetRemoved(true);
    CFolderArray folders;
    auto pGroup = std::make_unique<CFolder>("Group 1");
    pGroup->SetActive(2);
    for (int nArea : {0, 3, 2, 1})
        pGroup->AddEntry(nArea);
    folders.Add(std::move(pGroup));
    folders.Add(std::make_unique<CFolder>("Group 2"));
    folders.GetAt(1).SetExpand(0);
    const std::string text = "[Group 1]\r\nActive=2\r\nExpand=1\r\n"
                             "Title.0=Field East\r\nLocal.0=Extra\\FieldEast\r\n"
                             "Title.1=Field West\r\nLocal.1=Extra\\FieldWest\r\n"
                             "[Group 2]\r\nActive=0\r\nExpand=0\r\n";
    EXPECT_EQ(FormatFolders(folders, areas), text);
    CFolderArray read;
    EXPECT_EQ(ParseFolders(text, read, areas).status, EFileStatus::kOk);
    EXPECT_EQ(FormatFolders(read, areas), text);
}

TEST(FolderFile, ReadsEntriesByExactTitleAndLocalPath) {
    CAreaArray areas = AreasNamed({{"A", "x"}, {"B", "y"}, {"A", "x"}, {"", "e"}, {"C", "z"}});
    CFolderArray folders;
    ParseFolders("\r\n  \t[Group]\r\nActive=1\r\nExpand=1\r\n"
                 "Title.0=A\r\nLocal.0=x\r\nTitle.1=b\r\nLocal.1=y\r\n"
                 "Title.2=\r\nLocal.2=e\r\nTitle.3=A\r\nLocal.3=x\r\n"
                 "TITLE.5=C\r\nLocal.5=z\r\nTitle.05=C\r\nLocal.999999999=z\r\n"
                 "[Odd]\r\nActive=7\r\n[Empty]\r\n"
                 "[[Twice]]\r\nTitle.0=C\r\nLocal.0=z\r\n[Blank] \t\r\nTitle.0=C\r\nLocal.0=z\r\n"
                 "[Noted] ; note\r\nTitle.0=C\r\nLocal.0=z\r\n",
                 folders, areas);
    ASSERT_EQ(folders.GetSize(), 6);
    // Each folder has the entries of its own section, however its line is spelt.
    for (auto [nFolder, name] : {std::pair{3, "Twice"}, {4, "Blank"}, {5, "Noted] ; note"}}) {
        EXPECT_EQ(folders.GetAt(nFolder).GetName(), name);
        EXPECT_EQ(Entries(folders.GetAt(nFolder)), "4");
    }
    const CFolder& group = folders.GetAt(0);
    EXPECT_EQ(group.GetName(), "Group");
    EXPECT_EQ(group.GetActive(), 1);
    // Both areas named A x once each, the empty title matched, nothing after
    // the gap at 4 but its entry keys noted as written, and "b" matches no "B".
    EXPECT_EQ(Entries(group), "023");
    EXPECT_EQ(group.GetAfterGap(),
              (std::vector<std::string>{"TITLE.5", "Local.5", "Local.999999999"}));
    EXPECT_TRUE(areas.GetAt(2).IsInFolder());
    EXPECT_FALSE(areas.GetAt(1).IsInFolder());
    EXPECT_EQ(folders.GetAt(1).GetActive(), 2);
    EXPECT_EQ(folders.GetAt(2).GetCount(), 0);
    EXPECT_EQ(folders.GetAt(2).GetExpand(), 0);
}

namespace {

const std::string kCutTitle = "B" + std::string(256, 'x'), kCutLocal = "L" + std::string(256, 'x');

struct CReadBack {
    const char* pszCase;
    std::string text, name, entries;
};

class FolderFileReadBack : public testing::TestWithParam<CReadBack> {};

} // namespace

// The reader takes from a line only what the writer gives back, so that a
// second Save of folders just read writes the same bytes (this suite's one
// check of that round trip): titles and local paths cut at 259 bytes lose
// the blanks the cut leaves at their end, as the areas' own do, and a name
// loses every blank and "[" in front.
TEST_P(FolderFileReadBack, GivesWhatASecondSaveWritesTheSame) {
    CAreaArray areas = AreasNamed({{kCutTitle.c_str(), "l"}, {"t", kCutLocal.c_str()}});
    CFolderArray folders;
    ParseFolders(GetParam().text, folders, areas);
    ASSERT_EQ(folders.GetSize(), 1);
    EXPECT_EQ(folders.GetAt(0).GetName(), GetParam().name);
    EXPECT_EQ(Entries(folders.GetAt(0)), GetParam().entries);
    const std::string saved = FormatFolders(folders, areas);
    CFolderArray read;
    ParseFolders(saved, read, areas);
    EXPECT_EQ(FormatFolders(read, areas), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FolderFileReadBack,
    testing::Values(
        CReadBack{"CutTitle", "[F]\r\nTitle.0=" + kCutTitle + "  tail\r\nLocal.0=l\r\n", "F", "0"},
        CReadBack{"CutLocal", "[F]\r\nTitle.0=t\r\nLocal.0=" + kCutLocal + "\t tail\r\n", "F", "1"},
        CReadBack{"BracketInFront", "[ [F]\r\n", "F", ""},
        CReadBack{"BlanksAndBrackets", " \t[\t[[F ]]\r\n", "F ", ""},
        CReadBack{"BracketAfterABlank", "[F] ]\r\n", "F] ", ""}),
    [](const auto& info) { return std::string(info.param.pszCase); });

TEST(FolderFile, NoFoldersLeaveNoFile) {
    CTempFolder folder;
    CAreaArray areas;
    CFolderArray none;
    folder.Write("Folder.txt", "[Old]\r\n");
    CFileState disk = LoadFolders(folder.Path("Folder.txt"), none, areas).disk;
    none.RemoveAt(0);
    EXPECT_TRUE(SaveFolders(folder.Path("Folder.txt"), none, areas, disk));
    EXPECT_EQ(GetPathKind(folder.Path("Folder.txt")), EPathKind::kNone);
    EXPECT_TRUE(SaveFolders(folder.Path("Folder.txt"), none, areas, disk));
    EXPECT_EQ(LoadFolders(folder.Path("Folder.txt"), none, areas).status, EFileStatus::kMissing);
}
