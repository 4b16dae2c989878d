#include "MainWindowTest.h"

#include "resource.h"

#include <filesystem>

namespace {

class Backups : public CMainWindowTest {
protected:
    // The row's box switched, then Save.
    void SwitchAndSave(int nRow) {
        List().SetCurSel(nRow);
        Key(VK_SPACE);
        Click(m_dlg, IDC_SAVE);
    }
};

} // namespace

// Set 1 is the window's start, made unusable here; set 2 the first Save's
// bytes, kept by the second Save. Restored, the list shows set 2's switch,
// and Save writes its bytes.
TEST_F(Backups, ListsTheSetsAndRestoresOneAsAStepThatSaveWrites) {
    std::vector<CBackupSet> sets;
    Run([&] {
        SwitchAndSave(0);
        SwitchAndSave(1);
        sets = ListBackupSets(m_dlg.Document().BackupsFolder());
        ASSERT_EQ(sets.size(), 2u);
        std::filesystem::remove(sets[1].FilePath(kSceneryCfgFile));
        m_dlg.Drive<CBackupsDlg>([&](CBackupsDlg& dlg) {
            Pump(dlg);
            EXPECT_EQ(RowText(dlg.m_listSets, 0, 4), "2|" + sets[0].strWhen + " UTC|Save|3");
            EXPECT_TRUE(RowText(dlg.m_listSets, 1, 4)
                            .starts_with("1|" + sets[1].strWhen + " UTC|unusable: "));
            EXPECT_EQ(ItemText(dlg.m_hWnd, IDC_BACKUP_DIFFERENCES), "\"ABCD\" () switches off");
            EXPECT_TRUE(IsEnabled(dlg, IDC_RESTORE_BACKUP));
            SelectRow(dlg, dlg.m_listSets, 1);
            EXPECT_TRUE(ItemText(dlg.m_hWnd, IDC_BACKUP_DIFFERENCES)
                            .starts_with("Backup set 1 cannot be restored: "));
            EXPECT_FALSE(IsEnabled(dlg, IDC_RESTORE_BACKUP));
            SelectRow(dlg, dlg.m_listSets, 0);
            Click(dlg, IDC_RESTORE_BACKUP);
        });
        SysCommand(IDM_BACKUPS);
        EXPECT_FALSE(List().IsItemActive(1));
        Click(m_dlg, IDC_SAVE);
    });
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), m_sim.Read(sets[0].FilePath(kSceneryCfgFile)));
    EXPECT_TRUE(m_answerer.m_aBoxes.empty());
}

// A file where the backups folder would be: no set can be kept.
TEST_F(Backups, SaveAsksBeforeWritingWithoutABackupNoTheDefault) {
    m_sim.Write(kBackupsFolderName, "");
    Run([&] {
        m_answerer.m_nButton = 0;
        SwitchAndSave(0);
        EXPECT_EQ(m_sim.Read("scenery.cfg"), kThreeAreas);
        m_answerer.m_nButton = IDYES;
        Click(m_dlg, IDC_SAVE);
        EXPECT_NE(m_sim.Read("scenery.cfg"), kThreeAreas);
        EXPECT_FALSE(m_dlg.Document().IsModified());
    });
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 2u);
    const std::string& question = m_answerer.m_aBoxes[0];
    EXPECT_TRUE(
        question.starts_with("Tarnwick|The backup of the scenery library could not be kept ("));
    EXPECT_TRUE(question.ends_with(").\nSave without a backup?")) << question;
    EXPECT_EQ(m_answerer.m_aBoxes[1], question);
}
