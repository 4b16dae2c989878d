#include "LibraryOnDisk.h"

#include <functional>

namespace {

const std::string kFolders = "Airports=2(Lake Town) Both=1(Lake) Empty=0()";
const std::string kStart = "-Town* Lake* Base | 3 | " + kFolders;

const std::string kProfiles = " || Quiet(Town ?Gone) Everything(Town Lake Base)";

struct CChangeCase {
    const char* pszName;
    std::function<void(CLibraryOnDisk&)> change;
    std::string after;
    std::string profilesTxt = {}; // the library's, when it has profiles
};
void PrintTo(const CChangeCase& c, std::ostream* pOut) {
    *pOut << c.pszName;
}

class LibraryDocument : public ::testing::Test, public CLibraryOnDisk {};

class LibraryDocumentChanges : public ::testing::TestWithParam<CChangeCase> {};

} // namespace

// Each change, taken back and done again, gives exactly what was before and
// after it, and counts as unsaved only while the library differs from the
// files.
TEST_P(LibraryDocumentChanges, UndoAndRedoRestoreEverythingTheChangeTouched) {
    CLibraryOnDisk fixture(GetParam().profilesTxt);
    const std::string before = fixture.Picture();
    GetParam().change(fixture);
    const std::string after = fixture.Picture();
    EXPECT_EQ(after, GetParam().after);
    EXPECT_TRUE(fixture.m_doc.IsModified());
    ASSERT_TRUE(fixture.m_doc.CanUndo());
    fixture.m_doc.Undo();
    EXPECT_EQ(fixture.Picture(), before);
    EXPECT_FALSE(fixture.m_doc.IsModified());
    EXPECT_FALSE(fixture.m_doc.CanUndo());
    fixture.m_doc.Redo();
    EXPECT_EQ(fixture.Picture(), after);
    EXPECT_TRUE(fixture.m_doc.IsModified());
    EXPECT_FALSE(fixture.m_doc.CanRedo());
}

// The folders' states as after a click on a box: a folder follows each of
// its areas, a switched folder takes its areas with it, an empty one only
// ticks, and a folder given an area takes the state of its areas. Applying
// a profile switches its areas on and every other off but the required
// Base; the folders follow as after switches in the list.
INSTANTIATE_TEST_SUITE_P(
    Each, LibraryDocumentChanges,
    ::testing::Values(
        CChangeCase{"MoveTopToEnd", [](CLibraryOnDisk& t) { t.m_doc.MoveRow(0, 3); },
                    "Lake* Base -Town* | 3 | " + kFolders},
        CChangeCase{"MoveBottomToTop", [](CLibraryOnDisk& t) { t.m_doc.MoveRow(2, 0); },
                    "Base -Town* Lake* | 3 | " + kFolders},
        CChangeCase{"MoveSeparateRowsTogetherInTheirOrder",
                    [](CLibraryOnDisk& t) {
                        t.m_doc.MoveRows(std::vector{0, 2}, 1);
                    },
                    "-Town* Base Lake* | 3 | " + kFolders},
        CChangeCase{"SwitchAreaInTwoFolders",
                    [](CLibraryOnDisk& t) { t.m_doc.SetAreasActive({{t.Area("Lake")}}, false); },
                    "-Town* -Lake* Base | 3 | Airports=0(Lake Town) Both=0(Lake) Empty=0()"},
        CChangeCase{"SwitchOnTheOffAreaOfAMixedFolder",
                    [](CLibraryOnDisk& t) { t.m_doc.SetAreasActive({{t.Area("Town")}}, true); },
                    "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()"},
        CChangeCase{"SwitchAreaInNoFolder",
                    [](CLibraryOnDisk& t) { t.m_doc.SetAreasActive({{t.Area("Base")}}, false); },
                    "-Town* Lake* -Base | 3 | " + kFolders},
        CChangeCase{"SwitchFolderOn", [](CLibraryOnDisk& t) { t.m_doc.SetFolderActive(0, true); },
                    "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()"},
        CChangeCase{"SwitchFolderOff", [](CLibraryOnDisk& t) { t.m_doc.SetFolderActive(0, false); },
                    "-Town* -Lake* Base | 3 | Airports=0(Lake Town) Both=0(Lake) Empty=0()"},
        CChangeCase{"SwitchEmptyFolder",
                    [](CLibraryOnDisk& t) { t.m_doc.SetFolderActive(2, true); },
                    "-Town* Lake* Base | 3 | Airports=2(Lake Town) Both=1(Lake) Empty=1()"},
        CChangeCase{"Add", [](CLibraryOnDisk& t) { t.m_doc.AddArea(t.Addon("New"), "Brand New"); },
                    "Brand New -Town* Lake* Base | 4 | " + kFolders},
        CChangeCase{"ScanAddsEveryFolderInOneStep",
                    [](CLibraryOnDisk& t) {
                        EXPECT_EQ(t.m_doc.Scan(t.m_disk.SimPath() + "Addon").changes.size(), 4u);
                    },
                    "Town Other New Lake -Town* Lake* Base | 7 | " + kFolders},
        CChangeCase{"AddAreasAddsTheNewSceneryFoldersInOneStep",
                    [](CLibraryOnDisk& t) {
                        const CChangeResult added = t.m_doc.AddAreas(
                            std::vector{t.Addon("New"), t.Addon("Lake"), t.Addon("Other")});
                        EXPECT_EQ(added.changes.size(), 2u);
                    },
                    "Other New -Town* Lake* Base | 5 | " + kFolders},
        CChangeCase{"RemoveTwo",
                    [](CLibraryOnDisk& t) {
                        t.m_doc.RemoveAreas(std::vector{t.Area("Lake"), t.Area("Base")}, true);
                    },
                    "-Town* | 3 | " + kFolders},
        CChangeCase{"Rename",
                    [](CLibraryOnDisk& t) { t.m_doc.RenameArea(t.Area("Base"), "Ground"); },
                    "-Town* Lake* Ground | 3 | " + kFolders},
        CChangeCase{"NewFolder", [](CLibraryOnDisk& t) { EXPECT_FALSE(t.m_doc.NewFolder("New").Refused()); },
                    kStart + " New=0()"},
        CChangeCase{"RenameFolder",
                    [](CLibraryOnDisk& t) { EXPECT_FALSE(t.m_doc.RenameFolder(1, "Pair").Refused()); },
                    "-Town* Lake* Base | 3 | Airports=2(Lake Town) Pair=1(Lake) Empty=0()"},
        CChangeCase{"RemoveFolder", [](CLibraryOnDisk& t) { t.m_doc.RemoveFolder(0); },
                    "-Town Lake Base | 3 | Both=1(Lake) Empty=0()"},
        CChangeCase{"AddToFolder",
                    [](CLibraryOnDisk& t) { t.m_doc.AddToFolder(2, t.Area("Base")); },
                    "-Town* Lake* Base* | 3 | Airports=2(Lake Town) Both=1(Lake) Empty=1(Base)"},
        CChangeCase{"AddTwoToFolder",
                    [](CLibraryOnDisk& t) {
                        t.m_doc.AddToFolder(1, std::vector{t.Area("Base"), t.Area("Lake")});
                    },
                    "-Town* Lake* Base* | 3 | Airports=2(Lake Town) Both=1(Lake Base) Empty=0()"},
        CChangeCase{"RemoveFromFolder", [](CLibraryOnDisk& t) { t.m_doc.RemoveFromFolder(0, 1); },
                    "-Town Lake* Base | 3 | Airports=2(Lake) Both=1(Lake) Empty=0()"},
        CChangeCase{"ApplyKeepsRequiredAreasOnAndNamesMissingOnes",
                    [](CLibraryOnDisk& t) {
                        const CLibraryDocument& doc = t.m_doc;
                        const CAppliedProfile applied = t.m_doc.ApplyProfile(0);
                        EXPECT_EQ(applied.changes.size(), 2u);
                        ASSERT_EQ(applied.missing.size(), 1u);
                        EXPECT_EQ(applied.missing[0].strLocal, "Addon\\Gone");
                        EXPECT_TRUE(IsCurrentProfile(doc.Profiles()[0], doc.Areas(), doc.Rows()));
                        EXPECT_FALSE(IsCurrentProfile(doc.Profiles()[1], doc.Areas(), doc.Rows()));
                    },
                    "Town* -Lake* Base | 3 | Airports=2(Lake Town) Both=0(Lake) Empty=0()" +
                        kProfiles,
                    kProfilesTxt},
        CChangeCase{"ApplySwitchesFoldersWithTheirAreas",
                    [](CLibraryOnDisk& t) { t.m_doc.ApplyProfile(1); },
                    "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()" +
                        kProfiles,
                    kProfilesTxt},
        CChangeCase{"SaveProfileAddsTheAreasOnTopRowFirst",
                    [](CLibraryOnDisk& t) { EXPECT_FALSE(t.m_doc.SaveProfile("Mine").Refused()); },
                    kStart + kProfiles + " Mine(Lake Base)", kProfilesTxt},
        CChangeCase{"SaveProfileOfAnExistingNameReplacesItInItsPlace",
                    [](CLibraryOnDisk& t) { EXPECT_FALSE(t.m_doc.SaveProfile("QUIET").Refused()); },
                    kStart + " || QUIET(Lake Base) Everything(Town Lake Base)", kProfilesTxt},
        CChangeCase{"RenameProfile",
                    [](CLibraryOnDisk& t) {
                        EXPECT_EQ(
                            t.m_doc.RenameProfile(1, "quiet").strRefused,
                            "There is already a profile named \"Quiet\" (letter case aside).");
                        EXPECT_FALSE(t.m_doc.RenameProfile(1, "All").Refused());
                    },
                    kStart + " || Quiet(Town ?Gone) All(Town Lake Base)", kProfilesTxt},
        CChangeCase{"DeleteProfile", [](CLibraryOnDisk& t) { t.m_doc.DeleteProfile(0); },
                    kStart + " || Everything(Town Lake Base)", kProfilesTxt}),
    [](const auto& info) { return info.param.pszName; });

// Nor is opening or closing a folder a change: it is how the folder is
// shown, which Save keeps all the same.
TEST_F(LibraryDocument, ChangesThatChangeNothingAreNoStep) {
    m_doc.SetFolderExpanded(1, true);
    m_doc.MoveRow(1, 2);
    m_doc.MoveRows({{1, 2}}, 3);
    m_doc.MoveRows({{0, 1}}, 1);
    m_doc.SetAreasActive({{Area("Town")}}, false);
    m_doc.RenameArea(Area("Lake"), "Lake");
    EXPECT_TRUE(m_doc.RenameFolder(0, "both").Refused());
    m_doc.AddToFolder(1, Area("Lake"));
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.IsModified());
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_NE(m_sim.Read("Folder.txt").find("[Both]\r\nActive=1\r\nExpand=1\r\n"),
              std::string::npos);
}

// Each face shows the library's own reason and keeps no rule of its own.
TEST_F(LibraryDocument, RefusedChangesChangeNothingAndSayWhy) {
    const std::pair<CChangeResult, const char*> refused[] = {
        {m_doc.RemoveAreas(std::vector{Area("Lake"), Area("Base")}),
         "\"Base\" is required by the simulator, so nothing was removed"},
        {m_doc.AddArea(m_disk.SimPath() + "Addon", "Not one"), "is no scenery folder"},
        {m_doc.NewFolder(""), "name"},
        {m_doc.AddAreas(std::vector{Addon("Lake")}), "already in the library"},
    };
    for (const auto& [result, pszWhy] : refused) {
        EXPECT_TRUE(result.changes.empty());
        EXPECT_NE(result.strRefused.find(pszWhy), std::string::npos) << result.strRefused;
    }
    EXPECT_FALSE(m_doc.CanUndo());
}

TEST_F(LibraryDocument, ANewChangeAfterAnUndoDropsWhatCouldBeDoneAgain) {
    m_doc.MoveRow(0, 3);
    m_doc.RenameArea(Area("Base"), "Ground");
    m_doc.Undo();
    ASSERT_TRUE(m_doc.CanRedo());
    m_doc.SetAreasActive({{Area("Town")}}, true);
    EXPECT_FALSE(m_doc.CanRedo());
    m_doc.Undo();
    m_doc.Undo();
    EXPECT_EQ(Picture(), kStart);
}

TEST_F(LibraryDocument, KeepsTheLastThousandStepsAndStaysUnsavedPastThem) {
    const int nLake = Area("Lake");
    for (int n = 0; n <= 1000; ++n)
        m_doc.SetAreasActive({{nLake}}, n % 2 != 0);
    int nUndone = 0;
    while (m_doc.CanUndo()) {
        m_doc.Undo();
        ++nUndone;
    }
    EXPECT_EQ(nUndone, 1000);
    EXPECT_FALSE(m_doc.Area(nLake).IsActive());
    EXPECT_TRUE(m_doc.IsModified());
}

// A file that was there but could not be read is never replaced, nor is the
// other one written.
TEST_F(LibraryDocument, SaveLeavesBothFilesWhenOneCouldNotBeRead) {
    const std::string unreadable("[A]\r\n\0", 6);
    m_sim.Write("Folder.txt", unreadable);
    CLibraryDocument doc;
    ASSERT_EQ(doc.Open(m_disk.SimPath(), m_disk.Disk()), "");
    doc.RenameArea(Area("Base"), "Ground");
    EXPECT_EQ(doc.Save().outcome, CSaveResult::kUnreadable);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kSceneryCfg);
    EXPECT_EQ(m_sim.Read("Folder.txt"), unreadable);
}

// Save does not end the history: what an undo brings back is written by the
// next Save, and the library is clean again only where it was saved.
TEST_F(LibraryDocument, SaveKeepsTheHistoryAndWritesTheUndoneState) {
    m_doc.RenameArea(Area("Base"), "Ground");
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_FALSE(m_doc.IsModified());
    const std::string renamed = m_sim.Read("scenery.cfg");
    m_doc.Undo();
    EXPECT_TRUE(m_doc.IsModified());
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_NE(m_sim.Read("scenery.cfg").find("Title=Base\r\n"), std::string::npos);
    m_doc.Redo();
    EXPECT_TRUE(m_doc.IsModified());
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), renamed);
}

TEST_F(LibraryDocument, UndoShowsTheTopmostRowItChangedElseItsFolder) {
    m_doc.SetFolderActive(0, true);
    m_doc.MoveRow(0, 3);
    EXPECT_EQ(m_doc.Undo().nRow, 0);
    EXPECT_EQ(m_doc.Undo().nRow, 0);
    m_doc.NewFolder("New");
    m_doc.AddToFolder(3, Area("Base"));
    const CStepPlace shown = m_doc.Undo();
    EXPECT_EQ(shown.nRow, -1);
    EXPECT_EQ(shown.nFolder, 3);
    m_doc.Undo();
    EXPECT_EQ(m_doc.Redo().nFolder, 3);
}
