#include "MainWindowTest.h"

#include "AboutDlg.h"
#include "NameDlg.h"
#include "library/LibraryText.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

const std::string kLibrary = "[General]\r\nTitle=Mine\r\n"
                             "[Area.001]\r\nTitle=Alpha\r\nActive=TRUE\r\nRequired=TRUE\r\n"
                             "Local=Scenery\\Alpha\r\n"
                             "[Area.002]\r\nTitle=ABCD\r\nActive=FALSE\r\nExclude.0=x\r\n"
                             "[Area.003]\r\nTitle=xabc\r\nActive=TRUE\r\n";

class MainDialog : public CMainWindowTest {
protected:
    explicit MainDialog(const std::string& sceneryCfg = kLibrary) : CMainWindowTest(sceneryCfg) {}

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
        const int nFirst = GetMenuItemCount(hMenu) - 6;
        EXPECT_EQ(GetMenuState(hMenu, nFirst - 1, MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        int n = nFirst;
        for (UINT nID :
             {IDM_ABOUTBOX, IDM_CHECK_LIBRARY, IDM_AIRPORTS, IDM_PROFILES, IDM_UNDO, IDM_REDO}) {
            EXPECT_EQ(GetMenuItemID(hMenu, n), nID);
            EXPECT_EQ(GetMenuState(hMenu, n++, MF_BYPOSITION) & MF_GRAYED,
                      nID == IDM_UNDO || nID == IDM_REDO ? static_cast<UINT>(MF_GRAYED) : 0u);
        }
        m_dlg.PostMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        Pump(m_dlg);
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
    sim.Write("scenery.cfg", kLibrary + "[Area.004]\r\nTitle=Installed\r\nActive=TRUE\r\n");
}

// The rules of what counts as a change are the file states' own: the
// window only asks and adopts the answer.
const CDiskEdit kDiskEdits[] = {
    {"installer's area kept on No, the default", false, AddInstallerArea, 0, "scenery.cfg"},
    {"both replaced on Yes", true,
     [](CSimFolder& sim) {
         AddInstallerArea(sim);
         sim.Write("Folder.txt", kFolders + "[Other]\r\nActive=0\r\nExpand=0\r\n");
     },
     IDYES, "scenery.cfg and Folder.txt"},
};

} // namespace

// Two Saves after each edit: No keeps what the other program wrote and asks
// again; Yes writes what the window shows, and the second Save asks nothing.
TEST_F(MainDialog, SaveAsksBeforeReplacingAnotherProgramsChangesAndOnlyThen) {
    for (const CDiskEdit& edit : kDiskEdits) {
        SCOPED_TRACE(edit.pszCase);
        CSimFolder sim(kLibrary);
        if (edit.bFolderTxt)
            sim.Write("Folder.txt", kFolders);
        SetSimRegistry(sim.WinPath());
        m_answerer.m_aBoxes.clear();
        m_answerer.m_nButton = edit.nButton;
        std::string library, folders;
        int nRows = 0;
        CTestManagerDlg dlg;
        RunMain(dlg, [&] {
            Pump(dlg);
            edit.edit(sim);
            library = sim.Read("scenery.cfg");
            folders = sim.Read("Folder.txt");
            Click(dlg, IDC_SAVE);
            Click(dlg, IDC_SAVE);
            nRows = dlg.m_listScenery.GetCount();
            Click(dlg, IDOK);
        });
        EXPECT_EQ(nRows, 3);
        const bool bWritten = edit.nButton == IDYES;
        const bool bBoth = std::string(edit.pszAsked).find(" and ") != std::string::npos;
        EXPECT_EQ(m_answerer.m_aBoxes,
                  std::vector<std::string>(
                      bWritten ? 1 : 2,
                      std::string("Warning|") + edit.pszAsked +
                          (bBoth ? " were changed by another program after Tarnwick read them."
                                 : " was changed by another program after Tarnwick read it.") +
                          "\nSaving now replaces those changes.\n\nSave anyway?"));
        EXPECT_EQ(sim.Read("scenery.cfg"), bWritten ? SaveText(*ParseLibrary(kLibrary)) : library);
        EXPECT_EQ(sim.Read("Folder.txt"), bWritten && !folders.empty() ? kFolders : folders);
    }
}

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
        INT_PTR nResult = RunModal(ask, [&] {
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

        std::string kept = "Old";
        CNameDlg cancel(kept);
        nResult = RunModal(cancel, [&] {
            SetWindowTextA(cancel.GetDlgItem(IDC_EDIT_NAME), "Typed");
            Click(cancel, IDCANCEL);
        });
        EXPECT_EQ(nResult, IDCANCEL);
    });
}
