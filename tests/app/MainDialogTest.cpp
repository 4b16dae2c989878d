#include "MainWindowTest.h"

#include "NameDlg.h"
#include "library/LibraryText.h"
#include "resource.h"

namespace {

class MainDialog : public CMainWindowTest {
protected:
    using CMainWindowTest::CMainWindowTest;

    void Select(int nRow) {
        List().SetCurSel(nRow);
        Pump(m_dlg);
    }
};

} // namespace

TEST_F(MainDialog, SystemMenuEndsWithTheWindowsCommands) {
    Run([&] {
        // The window's own commands end the system menu, after a separator,
        // taking back and doing again greyed while there is nothing to.
        HMENU hMenu = GetSystemMenu(m_dlg.m_hWnd, FALSE);
        const int nFirst = GetMenuItemCount(hMenu) - 7;
        EXPECT_EQ(GetMenuState(hMenu, nFirst - 1, MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        int n = nFirst;
        for (UINT nID : {IDM_ABOUTBOX, IDM_CHECK_LIBRARY, IDM_AIRPORTS, IDM_PROFILES, IDM_BACKUPS,
                         IDM_UNDO, IDM_REDO}) {
            EXPECT_EQ(GetMenuItemID(hMenu, n++), nID);
            EXPECT_EQ(Greyed(nID), nID == IDM_UNDO || nID == IDM_REDO) << nID;
        }
        SysCommand(IDM_ABOUTBOX);
    });
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 1u);
    EXPECT_EQ(m_answerer.m_aBoxes[0].substr(0, 15), "About Tarnwick|");
}

TEST_F(MainDialog, ButtonsFollowTheirEnablingRules) {
    Run([&] {
        EXPECT_FALSE(IsEnabled(m_dlg, IDC_REMOVE_SCENERY));
        EXPECT_FALSE(IsEnabled(m_dlg, IDC_RENAME_SCENERY));
        Select(2); // Alpha, required
        EXPECT_FALSE(IsEnabled(m_dlg, IDC_REMOVE_SCENERY));
        EXPECT_TRUE(IsEnabled(m_dlg, IDC_RENAME_SCENERY));
        Select(1);
        EXPECT_TRUE(IsEnabled(m_dlg, IDC_REMOVE_SCENERY));
    });
}

TEST_F(MainDialog, FindSelectsTheNextRowBeginningWithTheText) {
    Run([&] {
        // Rows from the top: xabc, ABCD, Alpha. No text finds the row after
        // the selected one, the last's being the first; no match keeps it.
        for (auto [pszText, nFrom, nFound] :
             {std::tuple{"abc", -1, 1}, std::tuple{"", 2, 0}, std::tuple{"zzz", 0, 0}}) {
            Select(nFrom);
            m_dlg.m_editFind.SetWindowText(pszText);
            Click(m_dlg, IDC_FIND);
            EXPECT_EQ(List().GetCurSel(), nFound) << pszText;
        }
    });
}

namespace {

// A folder file that Save writes back as it is.
const std::string kFolders =
    "[Group]\r\nActive=1\r\nExpand=0\r\nTitle.0=Alpha\r\nLocal.0=Scenery\\Alpha\r\n";

// Another program adds an area to scenery.cfg and, where there is one, a
// folder to Folder.txt. The rules of what counts as a change are the file
// states' own: the window only asks and adopts the answer.
struct CDiskEdit {
    const char* pszCase;
    bool bFolderTxt; // present at start, and changed
    int nButton;     // the answer to the question, 0 for the default
    const char* pszQuestion;
};

const CDiskEdit kDiskEdits[] = {
    {"InstallersAreaKeptOnNoTheDefault", false, 0,
     "Warning|scenery.cfg was changed by another program after Tarnwick read it.\nSaving now "
     "replaces those changes.\n\nSave anyway?"},
    {"BothReplacedOnYes", true, IDYES,
     "Warning|scenery.cfg and Folder.txt were changed by another program after Tarnwick read "
     "them.\nSaving now replaces those changes.\n\nSave anyway?"},
};

class SaveAfterAnotherProgram : public MainDialog,
                                public ::testing::WithParamInterface<CDiskEdit> {};

} // namespace

// Two Saves after each edit: No keeps what the other program wrote and asks
// again; Yes writes what the window shows, and the second Save asks nothing.
TEST_P(SaveAfterAnotherProgram, AsksBeforeReplacingItsChangesAndOnlyThen) {
    const CDiskEdit& edit = GetParam();
    if (edit.bFolderTxt)
        m_sim.Write("Folder.txt", kFolders);
    m_answerer.m_nButton = edit.nButton;
    std::string library, folders;
    Run([&] {
        m_sim.Write("scenery.cfg",
                    kThreeAreas + "[Area.004]\r\nTitle=Installed\r\nActive=TRUE\r\n");
        if (edit.bFolderTxt)
            m_sim.Write("Folder.txt", kFolders + "[Other]\r\nActive=0\r\nExpand=0\r\n");
        library = m_sim.Read("scenery.cfg");
        folders = m_sim.Read("Folder.txt");
        Click(m_dlg, IDC_SAVE);
        Click(m_dlg, IDC_SAVE);
        EXPECT_EQ(List().GetCount(), 3);
    });
    const bool bWritten = edit.nButton == IDYES;
    EXPECT_EQ(m_answerer.m_aBoxes, std::vector<std::string>(bWritten ? 1 : 2, edit.pszQuestion));
    EXPECT_EQ(m_sim.Read("scenery.cfg"), bWritten ? SaveText(*ParseLibrary(kThreeAreas)) : library);
    EXPECT_EQ(m_sim.Read("Folder.txt"), bWritten && !folders.empty() ? kFolders : folders);
}

INSTANTIATE_TEST_SUITE_P(Edits, SaveAfterAnotherProgram, ::testing::ValuesIn(kDiskEdits),
                         [](const auto& info) { return info.param.pszCase; });

class UnreadableLibrary : public MainDialog {
protected:
    UnreadableLibrary() : MainDialog(std::string("[Area.001]\r\nTitle=A\0B\r\n", 23)) {}
};

TEST_F(UnreadableLibrary, IsNeverReplacedBySave) {
    Run([&] { Click(m_dlg, IDC_SAVE); });
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 1u);
    EXPECT_NE(m_answerer.m_aBoxes[0].find("could not be read at start-up"), std::string::npos);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), std::string("[Area.001]\r\nTitle=A\0B\r\n", 23));
}

TEST_F(MainDialog, NameDialogOwnedByTheMainWindowReturnsWhatWasTyped) {
    Run([&] {
        std::string name = "Addon Scenery";
        CNameDlg ask(name);
        bool bMainDisabled = false;
        LRESULT nLimit = 0;
        const INT_PTR nResult = RunModal(ask, [&] {
            bMainDisabled = !IsWindowEnabled(m_dlg.m_hWnd);
            HWND hEdit = ask.GetDlgItem(IDC_EDIT_NAME);
            nLimit = SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0);
            SetWindowTextA(hEdit, std::string(255, 'n').c_str());
            PostMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 0);
            Pump(ask);
        });
        EXPECT_TRUE(bMainDisabled);
        EXPECT_EQ(nLimit, 255);
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(name, std::string(255, 'n'));
        EXPECT_TRUE(IsWindowEnabled(m_dlg.m_hWnd));
    });
}
