#include "MainWindowTest.h"

#include "NameDlg.h"
#include "library/LibraryText.h"
#include "resource.h"

#include <functional>

namespace {

class MainDialog : public CMainWindowTest {
protected:
    explicit MainDialog(const std::string& sceneryCfg = kThreeAreas)
        : CMainWindowTest(sceneryCfg) {}

    bool Enabled(int nID) { return IsWindowEnabled(m_dlg.GetDlgItem(nID)) != FALSE; }
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
            EXPECT_EQ(GetMenuItemID(hMenu, n), nID);
            EXPECT_EQ(GetMenuState(hMenu, n++, MF_BYPOSITION) & MF_GRAYED,
                      nID == IDM_UNDO || nID == IDM_REDO ? static_cast<UINT>(MF_GRAYED) : 0u);
        }
        SysCommand(IDM_ABOUTBOX);
    });
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 1u);
    EXPECT_EQ(m_answerer.m_aBoxes[0].substr(0, 15), "About Tarnwick|");
}

TEST_F(MainDialog, ButtonsFollowTheirEnablingRules) {
    Run([&] {
        EXPECT_FALSE(Enabled(IDC_REMOVE_SCENERY));
        EXPECT_FALSE(Enabled(IDC_RENAME_SCENERY));
        Select(2); // Alpha, required
        EXPECT_FALSE(Enabled(IDC_REMOVE_SCENERY));
        EXPECT_TRUE(Enabled(IDC_RENAME_SCENERY));
        Select(1);
        EXPECT_TRUE(Enabled(IDC_REMOVE_SCENERY));
    });
}

TEST_F(MainDialog, FindSelectsTheNextRowBeginningWithTheText) {
    Run([&] {
        // Rows from the top: xabc, ABCD, Alpha.
        m_dlg.m_editFind.SetWindowText("abc");
        Click(m_dlg, IDC_FIND);
        EXPECT_EQ(m_dlg.m_listScenery.GetCurSel(), 1);
        m_dlg.m_editFind.SetWindowText("");
        Select(2);
        Click(m_dlg, IDC_FIND);
        EXPECT_EQ(m_dlg.m_listScenery.GetCurSel(), 0);
        m_dlg.m_editFind.SetWindowText("zzz");
        Click(m_dlg, IDC_FIND);
        EXPECT_EQ(m_dlg.m_listScenery.GetCurSel(), 0);
    });
}

namespace {

// A folder file that Save writes back as it is.
const std::string kFolders =
    "[Group]\r\nActive=1\r\nExpand=0\r\nTitle.0=Alpha\r\nLocal.0=Scenery\\Alpha\r\n";

// What another program does to the files while the window is open.
struct CDiskEdit {
    const char* pszCase;
    bool bFolderTxt; // present at start
    std::function<void(CSimFolder&)> edit;
    int nButton;          // the answer to the question, 0 for the default
    const char* pszAsked; // the subject of the question
};

void AddInstallerArea(CSimFolder& sim) {
    sim.Write("scenery.cfg", kThreeAreas + "[Area.004]\r\nTitle=Installed\r\nActive=TRUE\r\n");
}

// The rules of what counts as a change are the file states' own: the
// window only asks and adopts the answer.
const CDiskEdit kDiskEdits[] = {
    {"InstallersAreaKeptOnNoTheDefault", false, AddInstallerArea, 0, "scenery.cfg"},
    {"BothReplacedOnYes", true,
     [](CSimFolder& sim) {
         AddInstallerArea(sim);
         sim.Write("Folder.txt", kFolders + "[Other]\r\nActive=0\r\nExpand=0\r\n");
     },
     IDYES, "scenery.cfg and Folder.txt"},
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
        edit.edit(m_sim);
        library = m_sim.Read("scenery.cfg");
        folders = m_sim.Read("Folder.txt");
        Click(m_dlg, IDC_SAVE);
        Click(m_dlg, IDC_SAVE);
        EXPECT_EQ(List().GetCount(), 3);
    });
    const bool bWritten = edit.nButton == IDYES;
    const bool bBoth = std::string(edit.pszAsked).find(" and ") != std::string::npos;
    EXPECT_EQ(m_answerer.m_aBoxes,
              std::vector<std::string>(
                  bWritten ? 1 : 2,
                  std::string("Warning|") + edit.pszAsked +
                      (bBoth ? " were changed by another program after Tarnwick read them."
                             : " was changed by another program after Tarnwick read it.") +
                      "\nSaving now replaces those changes.\n\nSave anyway?"));
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
