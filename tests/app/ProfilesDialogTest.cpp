#include "MainWindowTest.h"

#include "LibraryOnDisk.h"

#include "resource.h"

namespace {

// The library of the document's tests, its profiles Quiet (Town and an
// area the library lost) and Everything.
const std::string kMissingBox = "Tarnwick|These areas of the profile are not in the library; the "
                                "profile keeps them:\nGone  (Addon\\Gone)";

class ProfilesDialog : public CMainWindowTest {
protected:
    explicit ProfilesDialog(const std::string& profilesTxt = kProfilesTxt)
        : CMainWindowTest(kSceneryCfg) {
        m_sim.Write("Folder.txt", kFolderTxt);
        m_sim.Write("Profiles.txt", profilesTxt);
    }
};

} // namespace

TEST_F(ProfilesDialog, ButtonsSaveTheBytesOfTheSameChangesOnTheDocument) {
    CSimFolder expected(kSceneryCfg);
    expected.Write("Folder.txt", kFolderTxt);
    expected.Write("Profiles.txt", kProfilesTxt);
    CLibraryDocument doc;
    ASSERT_EQ(doc.Open(SimPathFromFolder(expected.WinPath())), "");
    doc.SaveProfile("Now");
    doc.ApplyProfile(0);
    doc.RenameProfile(2, "Evening");
    doc.DeleteProfile(0);
    m_dlg.Drive<CProfilesDlg>([&](CProfilesDlg& dlg) {
        Pump(dlg);
        m_answerer.m_strName = "[Now]";
        Click(dlg, IDC_SAVE_PROFILE); // refused for its brackets
        m_answerer.m_strName = "Now";
        Click(dlg, IDC_SAVE_PROFILE);
        m_answerer.m_strName = "now";
        m_answerer.m_nButton = IDNO;
        Click(dlg, IDC_SAVE_PROFILE); // the replacement refused
        EXPECT_EQ(RowTexts(dlg.m_listProfiles, 3),
                  (std::vector<std::string>{"Quiet|1|", "Everything|3|", "Now|2|yes"}));
        SelectRow(dlg, dlg.m_listProfiles, 0);
        m_answerer.m_nButton = IDOK;
        Click(dlg, IDC_APPLY_PROFILE);
        EXPECT_TRUE(List().IsItemActive(0));
        EXPECT_FALSE(List().IsItemActive(1));
        EXPECT_EQ(RowTexts(dlg.m_listProfiles, 3),
                  (std::vector<std::string>{"Quiet|1|yes", "Everything|3|", "Now|2|"}));
        SelectRow(dlg, dlg.m_listProfiles, 2);
        m_answerer.m_strName = "Evening";
        Click(dlg, IDC_RENAME_PROFILE);
        SelectRow(dlg, dlg.m_listProfiles, 0);
        m_answerer.m_nButton = IDYES;
        Click(dlg, IDC_DELETE_PROFILE);
        EXPECT_EQ(RowTexts(dlg.m_listProfiles, 3),
                  (std::vector<std::string>{"Everything|3|", "Evening|2|"}));
        EXPECT_FALSE(IsEnabled(dlg, IDC_APPLY_PROFILE));
        Click(dlg, IDCANCEL);
    });
    Run([&] {
        SysCommand(IDM_PROFILES);
        Click(m_dlg, IDC_SAVE);
    });
    EXPECT_EQ(m_answerer.m_aBoxes,
              (std::vector<std::string>{
                  "Warning|A profile name cannot hold \"[\" or \"]\".",
                  "Tarnwick|A profile named \"Now\" exists. Replace it with the areas on now?",
                  kMissingBox, "Tarnwick|Do you really want to delete the profile \"Quiet\" ?"}));
    ASSERT_EQ(doc.Save().outcome, CSaveResult::kWritten);
    for (const char* pszFile : {"scenery.cfg", "Folder.txt", "Profiles.txt"})
        EXPECT_EQ(m_sim.Read(pszFile), expected.Read(pszFile)) << pszFile;
}

class UnreadableProfiles : public ProfilesDialog {
protected:
    UnreadableProfiles() : ProfilesDialog(std::string("[A]\r\n\0", 6)) {}
};

// The rest of the window works on: only the profiles wait for the file. A
// Profiles dialog, undriven, would be answered and add its box.
TEST_F(UnreadableProfiles, SayWhyInAnErrorBoxAndOpenNoDialog) {
    Run([&] {
        SysCommand(IDM_PROFILES);
        EXPECT_EQ(List().GetCount(), 3);
    });
    const CSaveResult unreadable = m_dlg.Document().ProfilesUnreadable();
    EXPECT_EQ(m_answerer.m_aBoxes,
              std::vector<std::string>{"Error|" + unreadable.strPath +
                                       " could not be read at start-up (" + unreadable.strReason +
                                       "), so profiles cannot be used until it is mended."});
}
