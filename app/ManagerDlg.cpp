#include "ManagerDlg.h"

#include "AirportCache.h"
#include "FolderBrowser.h"
#include "Settings.h"
#include "SimulatorLocation.h"
#include "resource.h"

#include <shellapi.h>

namespace {

constexpr const char* kRegistryMissing =
    "Flight Simulator 2004 registry cannot be found.\n"
    "Use FS9 path utility (or see \"Finding the simulator\" in README.txt)";
// ChangeWindowMessageFilterEx's "let it through"; the function is looked up
// at run time, as systems before Windows 7 lack it.
constexpr DWORD kMessageFilterAllow = 1;
// The message that carries the drop's data across the filter, with no name
// in the system's headers.
constexpr UINT kCopyGlobalData = 0x0049;

} // namespace

CManagerDlg::CManagerDlg(CWnd* pParent)
    : CDialog(IDD_TARNWICK_DIALOG, pParent),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {
    RouteTo(m_areaCommands);
    RouteTo(m_folderCommands);
    RouteTo(m_libraryCommands);
    m_listScenery.SetRowSource(&m_view);
}

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

    m_libraryCommands.AppendSystemMenu();
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
        if (!m_libraryCommands.OpenLibrary(folder)) {
            EndDialog(IDCANCEL);
            return TRUE;
        }
        m_view.ShowAll();
        m_areaCommands.m_strBrowsePath = m_doc.SimPath();
        // Both are passed over when they cannot be kept: the library is
        // only read.
        std::string backup;
        m_doc.TakeBackup(backup);
        m_doc.KeepSet("start");
        AcceptDroppedFolders();
    }
    SendMessage(DM_SETDEFID, static_cast<WPARAM>(-1), 0);
    return TRUE;
}

void CManagerDlg::AcceptDroppedFolders() {
    DragAcceptFiles(m_hWnd, TRUE);
    // An elevated program's window takes no drop from the file manager,
    // which runs at a lower level, unless its filter lets the drop's
    // messages through; elsewhere the call changes nothing.
    using PFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    HMODULE hUser = GetModuleHandleA("user32.dll");
    FARPROC pProc = hUser ? GetProcAddress(hUser, "ChangeWindowMessageFilterEx") : nullptr;
    if (pProc == nullptr)
        return;
    const auto pfnFilter = reinterpret_cast<PFilter>(reinterpret_cast<void*>(pProc));
    for (UINT nMessage :
         {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData})
        pfnFilter(m_hWnd, nMessage, kMessageFilterAllow, nullptr);
}

CIndexWork CManagerDlg::AirportIndexWork() const {
    return [areas = m_doc.AirportAreas(), simPath = m_doc.SimPath(), pDisk = &m_doc.Disk(),
            cachePath =
                CAirportCache::PathFor(m_doc.SimPath())](const CIndexProgress& progress) mutable {
        return IndexLibraryAirports(std::move(areas), simPath, *pDisk, cachePath, progress);
    };
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

bool CManagerDlg::ConfirmClose() {
    if (!m_doc.IsModified())
        return true;
    switch (MessageBoxA(m_hWnd, "Save the changes to the scenery library before closing?",
                        "Tarnwick", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return m_libraryCommands.Save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void CManagerDlg::OnFind() {
    m_areaCommands.Find(m_editFind.GetWindowText());
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
    m_libraryCommands.UpdateSystemMenu();
    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) take back and do again the
    // library's changes, but for the Find field's own text and while a drag
    // holds the mouse.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == 'Z' || pMsg->wParam == 'Y') &&
        GetKeyState(VK_CONTROL) < 0 && pMsg->hwnd != m_editFind.m_hWnd &&
        ::GetCapture() == nullptr) {
        if (pMsg->wParam == 'Y' || GetKeyState(VK_SHIFT) < 0)
            m_libraryCommands.OnRedo();
        else
            m_libraryCommands.OnUndo();
        return TRUE;
    }
    if (::GetCapture() == nullptr && OnShortcut(*pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BEGIN_MESSAGE_MAP(CManagerDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CLOSE()
ON_BN_CLICKED(IDC_FIND, OnFind)
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_SIZE, OnSize)
ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
