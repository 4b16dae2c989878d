#include "LibraryChanges.h"

namespace {

using LibraryDocument = CLibraryWithProfiles;

class LibraryDocumentChanges : public ::testing::TestWithParam<CChangeCase> {};

} // namespace

// Each change, taken back and done again, gives exactly what was before and
// after it, and counts as unsaved only while the library differs from the
// files.
TEST_P(LibraryDocumentChanges, UndoAndRedoRestoreEverythingTheChangeTouched) {
    CLibraryOnDisk fixture(GetParam().profilesTxt);
    const std::string before = fixture.Picture();
    GetParam().change(fixture);
    EXPECT_EQ(fixture.Picture(), GetParam().after);
    EXPECT_TRUE(fixture.m_doc.IsModified());
    ASSERT_TRUE(fixture.m_doc.CanUndo());
    fixture.m_doc.Undo();
    EXPECT_EQ(fixture.Picture(), before);
    EXPECT_FALSE(fixture.m_doc.IsModified());
    EXPECT_FALSE(fixture.m_doc.CanUndo());
    fixture.m_doc.Redo();
    EXPECT_EQ(fixture.Picture(), GetParam().after);
    EXPECT_TRUE(fixture.m_doc.IsModified());
    EXPECT_FALSE(fixture.m_doc.CanRedo());
}

INSTANTIATE_TEST_SUITE_P(Each, LibraryDocumentChanges, ::testing::ValuesIn(LibraryChangeCases()),
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
    // Nor are a profile given its own name, or saved again over the same areas.
    m_doc.SetAreasActive({{Area("Town")}}, true);
    m_doc.Save();
    m_doc.ApplyProfile(1);
    EXPECT_FALSE(m_doc.RenameProfile(0, "Quiet").Refused());
    EXPECT_FALSE(m_doc.SaveProfile("Everything").Refused());
    EXPECT_FALSE(m_doc.IsModified());
}

// Each face shows the library's own reason and keeps no rule of its own.
TEST_F(LibraryDocument, RefusedChangesChangeNothingAndSayWhy) {
    const std::pair<CChangeResult, const char*> refused[] = {
        {m_doc.RemoveAreas(std::vector{Area("Lake"), Area("Base")}),
         "\"Base\" is required by the simulator, so nothing was removed"},
        {m_doc.AddArea(m_disk.SimPath() + "Addon", "Not one"), "is no scenery folder"},
        {m_doc.NewFolder(""), "name"},
        {m_doc.AddAreas(std::vector{Addon("Lake")}), "already in the library"},
        {m_doc.AddArea(Addon("lake"), "Again"), "already in the library as \"Lake\""},
    };
    for (const auto& [result, pszWhy] : refused) {
        EXPECT_TRUE(result.changes.empty());
        EXPECT_NE(result.strRefused.find(pszWhy), std::string::npos) << result.strRefused;
    }
    EXPECT_FALSE(m_doc.CanUndo());
}

TEST_F(LibraryDocument, AFolderHoldingARequiredAreaGoesOffOnlyWhenTold) {
    m_doc.AddToFolder(2, Area("Base"));
    EXPECT_EQ(
        m_doc.SetFolderActive(2, false).strRefused,
        "\"Empty\" holds \"Base\", which the simulator requires, so nothing was switched off");
    EXPECT_TRUE(m_doc.Area(Area("Base")).IsActive());
    EXPECT_EQ(m_doc.SetFolderActive(2, false, true).changes.size(), 2u);
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
    EXPECT_EQ(Picture(), kStart + kProfiles);
}

TEST_F(LibraryDocument, KeepsTheLastThousandStepsAndStaysUnsavedPastThem) {
    const int nLake = Area("Lake");
    for (int n = 0; n <= 1000; ++n)
        m_doc.SetAreasActive({{nLake}}, n % 2 != 0);
    int nUndone = 0;
    for (; m_doc.CanUndo(); ++nUndone)
        m_doc.Undo();
    EXPECT_EQ(nUndone, 1000);
    EXPECT_FALSE(m_doc.Area(nLake).IsActive());
    EXPECT_TRUE(m_doc.IsModified());
}

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
