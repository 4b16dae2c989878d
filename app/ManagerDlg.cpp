#include "ManagerDlg.h"

#include "AboutDlg.h"
#include "FolderBrowser.h"
#include "LibraryCheck.h"
#include "SaveCheck.h"
#include "Settings.h"
#include "SimulatorLocation.h"
#include "resource.h"

#include <algorithm>

namespace {

// The most findings the check's box lists.
constexpr std::size_t kMaxCheckLines = 40;
constexpr const char* kRegistryMissing =
    "Flight Simulator 2004 registry cannot be found.\n"
    "Use FS9 path utility (or see \"Finding the simulator\" in README.txt)";

std::string ResourceString(UINT nID) {
    char text[512];
    int n = LoadStringA(GetModuleHandleA(nullptr), nID, text, sizeof text);
    return std::string(text, static_cast<std::size_t>(n > 0 ? n : 0));
}

} // namespace

CManagerDlg::CManagerDlg(CWnd* pParent)
    : CDialog(IDD_TARNWICK_DIALOG, pParent),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CManagerDlg::~CManagerDlg() {
    if (m_pFont)
        m_pFont->DeleteObject();
    m_pFont.reset();
    m_imageList.DeleteImageList();
}

void CManagerDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EDIT_FIND, m_editFind);
    DDX_Control(pDX, IDC_ADD_TO_FOLDER, m_btnAddToFolder);
    DDX_Control(pDX, IDC_LIST_SCENERY, m_listScenery);
    DDX_Control(pDX, IDC_TREE_FOLDERS, m_treeFolders);
}

BOOL CManagerDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU hSysMenu = GetSystemMenu(m_hWnd, FALSE)) {
        std::string about = ResourceString(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
            AppendMenuA(hSysMenu, MF_STRING, IDM_CHECK_LIBRARY,
                        ResourceString(IDS_CHECK_LIBRARY).c_str());
            AppendMenuA(hSysMenu, MF_STRING, IDM_AIRPORTS, ResourceString(IDS_AIRPORTS).c_str());
            AppendMenuA(hSysMenu, MF_STRING, IDM_PROFILES, ResourceString(IDS_PROFILES).c_str());
            AppendMenuA(hSysMenu, MF_STRING | MF_GRAYED, IDM_UNDO,
                        ResourceString(IDS_UNDO).c_str());
            AppendMenuA(hSysMenu, MF_STRING | MF_GRAYED, IDM_REDO,
                        ResourceString(IDS_REDO).c_str());
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_toolTip.Create(this);
    for (HWND hChild = GetWindow(m_hWnd, GW_CHILD); hChild;
         hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        std::string tip = ResourceString(static_cast<UINT>(::GetDlgCtrlID(hChild)));
        m_toolTip.AddControlTip(hChild, tip.c_str());
    }
    m_toolTip.Activate(TRUE);

    ApplyDpi(GetWindowDpi(m_hWnd));

    InitWindowLayout();
    std::string folder = LocateSimFolder();
    if (!folder.empty()) {
        // The system's own disk takes every path as it is.
        while (!m_doc.Open(SimPathFromFolder(folder), SystemDisk(), LockWait()).empty() &&
               m_doc.LockState() == CFileLock::EOutcome::kBusy) {
            if (!AskRetryLocked()) {
                EndDialog(IDCANCEL);
                return TRUE;
            }
        }
        ShowRecovery();
        FillSceneryList();
        FillFolderTree();
        m_strBrowsePath = m_doc.SimPath();
        std::string backup;
        m_doc.TakeBackup(backup);
        AcceptDroppedFolders();
    }
    SendMessage(DM_SETDEFID, static_cast<WPARAM>(-1), 0);
    return TRUE;
}

std::string CManagerDlg::LocateSimFolder() {
    bool bKeyFound = false;
    std::string folder = ReadRegistrySimFolder(bKeyFound);
    if (bKeyFound)
        return folder;
    MessageBoxA(m_hWnd, kRegistryMissing, "Error", MB_OK);
    folder = ReadSettingsSimFolder(GetSettingsPath());
    if (folder.empty())
        folder = BrowseSimFolder(m_hWnd);
    return folder;
}

void CManagerDlg::SaveSettings() {
    if (!m_doc.IsOpen())
        return;
    WriteSettingsSimFolder(GetSettingsPath(), m_doc.SimPath());
    if (const CWindowPlace place = CurrentPlace(); place != m_openedPlace)
        WriteSettingsWindowPlace(GetSettingsPath(), place);
}

bool CManagerDlg::ConfirmReplaceChangedFiles() {
    CSaveCheck check = m_doc.CheckFilesBeforeSave();
    std::string question = ChangedFilesQuestion(check);
    if (question.empty())
        return true;
    if (MessageBoxA(m_hWnd, question.c_str(), "Warning",
                    MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return false;
    m_doc.AcceptChangedFiles(check);
    return true;
}

CLockWait CManagerDlg::LockWait() {
    // Nothing the user does reaches the window meanwhile; it still paints.
    return {std::chrono::milliseconds(5000), [] {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }};
}

bool CManagerDlg::AskRetryLocked() {
    return MessageBoxA(m_hWnd, "Another program is writing the scenery library.\nTry again?",
                       "Tarnwick", MB_RETRYCANCEL | MB_ICONWARNING) == IDRETRY;
}

bool CManagerDlg::LockLibrary() {
    const BOOL bWasEnabled = !EnableWindow(m_hWnd, FALSE);
    bool bBusy = false;
    do {
        bBusy = m_doc.Lock(LockWait()) == CFileLock::EOutcome::kBusy;
    } while (bBusy && AskRetryLocked());
    EnableWindow(m_hWnd, bWasEnabled);
    return !bBusy;
}

void CManagerDlg::ShowRecovery() {
    const CRecovery recovery = m_doc.TakeRecovery();
    std::string text;
    if (recovery.outcome == CRecovery::kFailed)
        text = "A save of the scenery library was interrupted, and its files could not be put "
               "back as they were before it:\n" +
               recovery.strPath + ": " + recovery.strReason +
               "\nThe library's files may be mixed until Tarnwick opens it again.";
    else if (recovery.outcome == CRecovery::kPutBack)
        text = "A save of the scenery library was interrupted. Its files were put back as they "
               "were before it.";
    for (const std::string& left : recovery.left) {
        const std::string name = LeafOfPath(left);
        text.append("\n")
            .append(name)
            .append(" was changed by another program since, so it was left as it is; its "
                    "version from before that save is beside it as ")
            .append(name)
            .append(kLeftSuffix)
            .append(".");
    }
    if (!text.empty())
        MessageBoxA(m_hWnd, text.c_str(), "Tarnwick", MB_OK | MB_ICONWARNING);
}

void CManagerDlg::ShowError(const std::string& text) {
    MessageBoxA(m_hWnd, text.c_str(), "Error", MB_OK | MB_ICONERROR);
}

bool CManagerDlg::IsLibraryOpen(const char* pszNothing, const char* pszCaption) {
    if (m_doc.IsOpen())
        return true;
    std::string text = "No Flight Simulator 2004 folder is known, so there are no ";
    text.append(pszNothing).append(" to show.");
    MessageBoxA(m_hWnd, text.c_str(), pszCaption, MB_OK | MB_ICONWARNING);
    return false;
}

void CManagerDlg::OnSave() {
    Save();
}

bool CManagerDlg::Save() {
    if (!m_doc.IsOpen()) {
        ShowError("No Flight Simulator 2004 folder is known, so nothing was saved.");
        return false;
    }
    if (CSaveResult refused = m_doc.Unreadable(); refused.outcome != CSaveResult::kWritten) {
        ShowError(refused.strPath + " could not be read at start-up (" + refused.strReason +
                  "), so it was left as it is and nothing was saved.");
        return false;
    }
    // The questions come first, without the lock; holding it, the files are
    // looked at again, and a change that came meanwhile is asked about anew.
    for (;;) {
        if (!ConfirmReplaceChangedFiles() || !LockLibrary())
            return false;
        // A save that died, put back on taking the lock, is told with the
        // lock let go, and the changed files are asked about anew.
        if (!m_doc.IsLocked() ||
            (!m_doc.HasRecovery() && !m_doc.CheckFilesBeforeSave().AnyChanged()))
            break;
        m_doc.Unlock();
        ShowRecovery();
    }
    const std::vector<std::string> names = m_doc.SavedFileNames();
    const CSaveResult write = m_doc.Save();
    m_doc.Unlock();
    ShowRecovery();
    ShowSaveResult(write, names);
    return write.outcome == CSaveResult::kWritten;
}

void CManagerDlg::ShowSaveResult(const CSaveResult& write, const std::vector<std::string>& names) {
    const std::string nothing = write.bPutBackFailed
                                    ? "The library's files may be mixed until Tarnwick opens it "
                                      "again, which puts them back."
                                    : "Nothing was saved: the library's files are as they were.";
    switch (write.outcome) {
    case CSaveResult::kChanged:
        ShowError(LeafOfPath(write.strPath) +
                  " was changed by another program while Tarnwick was saving.\n" +
                  (write.bPutBackFailed ? nothing
                                        : "Nothing was saved, so that those changes are kept."));
        break;
    case CSaveResult::kReadOnly:
        ShowError(LeafOfPath(write.strPath) + " is read-only, so nothing was saved.\nRemove its "
                                              "read-only attribute to save.");
        break;
    case CSaveResult::kLocked:
        ShowError("Another program is writing the scenery library, so nothing was saved.");
        break;
    case CSaveResult::kWritten:
        for (ELibraryFile kept : write.kept)
            ShowError(m_doc.Paths().files[kept] + " could not be read at start-up (" +
                      m_doc.Files()[kept].strReason + "), so it was left as it is; " +
                      JoinedNames(names) + " were saved.");
        break;
    default:
        ShowError(write.strPath + " could not be saved: " + write.strReason + "\n" + nothing);
    }
}

bool CManagerDlg::ConfirmClose() {
    if (!m_doc.IsModified())
        return true;
    switch (MessageBoxA(m_hWnd, "Save the changes to the scenery library before closing?",
                        "Tarnwick", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void CManagerDlg::OnFind() {
    int nStart = m_listScenery.GetCurSel();
    m_listScenery.SelectPrefix(nStart == LB_ERR ? 0 : nStart, m_editFind.GetWindowText());
}

void CManagerDlg::OnOK() {
    if (!ConfirmClose())
        return;
    SaveSettings();
    CDialog::OnOK();
}

void CManagerDlg::OnCancel() {}

void CManagerDlg::OnClose() {
    if (!ConfirmClose())
        return;
    SaveSettings();
    Default(WM_CLOSE, 0, 0);
    CDialog::OnCancel();
}

LRESULT CManagerDlg::OnQueryEndSession(WPARAM, LPARAM) {
    return ConfirmClose() ? TRUE : FALSE;
}

void CManagerDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else if ((nID & 0xFFF0) == IDM_CHECK_LIBRARY) {
        OnCheckLibrary();
    } else if ((nID & 0xFFF0) == IDM_AIRPORTS) {
        OnAirports();
    } else if ((nID & 0xFFF0) == IDM_PROFILES) {
        OnProfiles();
    } else if ((nID & 0xFFF0) == IDM_UNDO) {
        OnUndo();
    } else if ((nID & 0xFFF0) == IDM_REDO) {
        OnRedo();
    } else {
        Default(WM_SYSCOMMAND, nID, lParam);
    }
}

void CManagerDlg::OnCheckLibrary() {
    std::string text = "No Flight Simulator 2004 folder is known, so there is no library to check.";
    UINT nIcon = MB_ICONWARNING;
    if (m_doc.IsOpen()) {
        CAirportIndex airports;
        if (!IndexAirports(airports))
            return;
        const std::vector<CFinding> findings = m_doc.Check(airports);
        text = FindingsText(findings, kMaxCheckLines);
        nIcon = HasErrors(findings) ? MB_ICONWARNING : MB_ICONINFORMATION;
    }
    MessageBoxA(m_hWnd, text.c_str(), "Check library", MB_OK | nIcon);
}

void CManagerDlg::OnPaint() {
    if (!IsIconic()) {
        Default(WM_PAINT, 0, 0);
        return;
    }
    PAINTSTRUCT paint;
    HDC hDC = BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON), cyIcon = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    int x = (client.right - client.left - cxIcon + 1) / 2;
    int y = (client.bottom - client.top - cyIcon + 1) / 2;
    DrawIcon(hDC, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR CManagerDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL CManagerDlg::PreTranslateMessage(MSG* pMsg) {
    UpdateDialogControls(this, TRUE);
    UpdateUndoMenu();
    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) take back and do again the
    // library's changes, but for the Find field's own text and while a drag
    // holds the mouse.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == 'Z' || pMsg->wParam == 'Y') &&
        GetKeyState(VK_CONTROL) < 0 && pMsg->hwnd != m_editFind.m_hWnd &&
        ::GetCapture() == nullptr) {
        if (pMsg->wParam == 'Y' || GetKeyState(VK_SHIFT) < 0)
            OnRedo();
        else
            OnUndo();
        return TRUE;
    }
    if (::GetCapture() == nullptr && OnShortcut(*pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CManagerDlg::OnInitMenuPopup(WPARAM, LPARAM) {
    UpdateUndoMenu();
    return 0;
}

void CManagerDlg::UpdateUndoMenu() {
    HMENU hSysMenu = GetSystemMenu(m_hWnd, FALSE);
    EnableMenuItem(hSysMenu, IDM_UNDO, MF_BYCOMMAND | (m_doc.CanUndo() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(hSysMenu, IDM_REDO, MF_BYCOMMAND | (m_doc.CanRedo() ? MF_ENABLED : MF_GRAYED));
}

void CManagerDlg::OnUndo() {
    ShowStep(m_doc.Undo());
}

void CManagerDlg::OnRedo() {
    ShowStep(m_doc.Redo());
}

void CManagerDlg::OnUpdateRemoveScenery(CCmdUI* pCmdUI) {
    const std::vector<int> aAreas = AreasOfRows(m_listScenery.GetSelRows());
    pCmdUI->Enable(!aAreas.empty() && std::none_of(aAreas.begin(), aAreas.end(), [&](int nArea) {
        return m_doc.Area(nArea).IsRequired();
    }));
}

void CManagerDlg::OnUpdateRenameScenery(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_listScenery.GetSelCount() == 1);
}

BEGIN_MESSAGE_MAP(CManagerDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_NEW_FOLDER, OnNewFolder)
ON_BN_CLICKED(IDC_ADD_TO_FOLDER, OnAddToFolder)
ON_UPDATE_COMMAND_UI(IDC_ADD_TO_FOLDER, OnUpdateFolderCommand)
ON_BN_CLICKED(IDC_REMOVE_FROM_FOLDER, OnRemoveFromFolder)
ON_UPDATE_COMMAND_UI(IDC_REMOVE_FROM_FOLDER, OnUpdateRemoveFromFolder)
ON_BN_CLICKED(IDC_SAVE, OnSave)
ON_BN_CLICKED(IDC_ADD_SCENERY, OnAddScenery)
ON_BN_CLICKED(IDC_REMOVE_SCENERY, OnRemoveScenery)
ON_UPDATE_COMMAND_UI(IDC_REMOVE_SCENERY, OnUpdateRemoveScenery)
ON_BN_CLICKED(IDC_RENAME_SCENERY, OnRenameScenery)
ON_UPDATE_COMMAND_UI(IDC_RENAME_SCENERY, OnUpdateRenameScenery)
ON_NOTIFY(NM_CLICK, IDC_TREE_FOLDERS, OnTreeClick)
ON_NOTIFY(TVN_KEYDOWN, IDC_TREE_FOLDERS, OnTreeKeyDown)
ON_BN_CLICKED(IDC_REMOVE_FOLDER, OnRemoveFolder)
ON_UPDATE_COMMAND_UI(IDC_REMOVE_FOLDER, OnUpdateFolderCommand)
ON_BN_CLICKED(IDC_RENAME_FOLDER, OnRenameFolder)
ON_UPDATE_COMMAND_UI(IDC_RENAME_FOLDER, OnUpdateFolderCommand)
ON_WM_CLOSE()
ON_BN_CLICKED(IDC_SCAN_DIRECTORY, OnScanDirectory)
ON_BN_CLICKED(IDC_FIND, OnFind)
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
ON_MESSAGE(WM_SCENERY_TOGGLE, OnToggleActive)
ON_MESSAGE(WM_SCENERY_MOVE, OnMoveScenery)
ON_MESSAGE(WM_SCENERY_DELETE, OnDeleteScenery)
ON_MESSAGE(WM_SCENERY_DBLCLK, OnListDoubleClick)
ON_MESSAGE(WM_SIZE, OnSize)
ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
ON_MESSAGE(WM_DROPFILES, OnDropFiles)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_NOTIFY(TVN_GETDISPINFOA, IDC_TREE_FOLDERS, OnTreeGetDispInfo)
ON_NOTIFY(TVN_GETDISPINFOW, IDC_TREE_FOLDERS, OnTreeGetDispInfo)
ON_NOTIFY(TVN_ITEMEXPANDEDA, IDC_TREE_FOLDERS, OnTreeItemExpanded)
ON_NOTIFY(TVN_ITEMEXPANDEDW, IDC_TREE_FOLDERS, OnTreeItemExpanded)
END_MESSAGE_MAP()
