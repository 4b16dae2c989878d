#include "AppTestSupport.h"

#include "Settings.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

#include "WinApp.h"

// The test program's application object.
CWinApp g_testApp;

namespace {

CAnswerer* g_pAnswerer = nullptr;
std::function<void()> g_script;
CDialog* g_pScriptDialog = nullptr;
// The dialogs the tests drive themselves: never answered.
std::vector<CDialog*> g_aDriven;

void CALLBACK RunScriptWhenShown(HWND, UINT, UINT_PTR nTimer, DWORD) {
    HWND hWnd = g_pScriptDialog ? g_pScriptDialog->m_hWnd : nullptr;
    if (!hWnd || !IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd) || !g_script)
        return;
    KillTimer(nullptr, nTimer);
    const std::function<void()> script = std::exchange(g_script, nullptr);
    script();
}

BOOL CALLBACK AnswerWindow(HWND hWnd, LPARAM) {
    const bool bDriven =
        std::ranges::any_of(g_aDriven, [hWnd](CDialog* pDlg) { return pDlg->m_hWnd == hWnd; });
    const bool bDialog = GetClassLongPtrA(hWnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG);
    if (g_pAnswerer && !bDriven && bDialog && IsWindowVisible(hWnd))
        g_pAnswerer->Answer(hWnd);
    return TRUE;
}

// The button Enter presses. A message box's default identifier is IDOK
// whatever its buttons, so the button's own style tells.
BOOL CALLBACK FindDefaultButton(HWND hChild, LPARAM lParam) {
    if ((GetWindowLongPtrA(hChild, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON)
        return TRUE;
    *reinterpret_cast<int*>(lParam) = GetDlgCtrlID(hChild);
    return FALSE;
}

} // namespace

void Pump(CDialog& dlg) {
    // At least one message, so that the enabling pass runs.
    dlg.PostMessage(WM_NULL);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!dlg.PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void Click(CDialog& dlg, int nButton) {
    PostMessageA(dlg.GetDlgItem(nButton), BM_CLICK, 0, 0);
    Pump(dlg);
}

std::string ItemText(HWND hDlg, int nID) {
    char szText[1024] = "";
    GetDlgItemTextA(hDlg, nID, szText, sizeof szText);
    return szText;
}

bool IsEnabled(const CDialog& dlg, int nID) {
    return IsWindowEnabled(dlg.GetDlgItem(nID)) != FALSE;
}

std::string RowText(const CListCtrl& list, int nRow, int nColumns) {
    std::string text = list.GetItemText(nRow, 0);
    for (int c = 1; c < nColumns; ++c)
        text.append("|").append(list.GetItemText(nRow, c));
    return text;
}

std::vector<std::string> RowTexts(const CListCtrl& list, int nColumns) {
    std::vector<std::string> rows;
    for (int n = 0; n < list.GetItemCount(); ++n)
        rows.push_back(RowText(list, n, nColumns));
    return rows;
}

void SelectRow(CDialog& dlg, CListCtrl& list, int nRow) {
    list.SetItemState(-1, 0, LVIS_SELECTED);
    list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    Pump(dlg);
}

INT_PTR RunModal(CDialog& dlg, std::function<void()> script) {
    g_script = std::move(script);
    g_pScriptDialog = &dlg;
    g_aDriven.push_back(&dlg);
    SetTimer(nullptr, 0, 10, RunScriptWhenShown);
    INT_PTR nResult = dlg.DoModal();
    g_aDriven.pop_back();
    g_pScriptDialog = nullptr;
    return nResult;
}

INT_PTR RunMain(CManagerDlg& dlg, std::function<void()> script) {
    AfxGetApp()->m_pMainWnd = &dlg;
    INT_PTR nResult = RunModal(dlg, std::move(script));
    AfxGetApp()->m_pMainWnd = nullptr;
    return nResult;
}

CIndexWork CTestManagerDlg::AirportIndexWork() const {
    if (!m_bSlowIndex)
        return CManagerDlg::AirportIndexWork();
    return [this](const CIndexProgress& progress) {
        CAirportIndex index;
        while (index.bComplete && m_nSlowSteps < 100) {
            Sleep(50);
            index.bComplete = progress(static_cast<std::size_t>(++m_nSlowSteps), 100);
        }
        return index;
    };
}

INT_PTR CTestManagerDlg::RunDialog(CDialog& dlg) {
    const auto it = m_scripts.find(typeid(dlg));
    if (it == m_scripts.end())
        return CManagerDlg::RunDialog(dlg);
    const std::function<void(CDialog&)> script = std::move(it->second);
    m_scripts.erase(it);
    return RunModal(dlg, [&] { script(dlg); });
}

CAnswerer::CAnswerer() : m_nTimer(SetTimer(nullptr, 0, 20, &CAnswerer::OnTimer)) {
    g_pAnswerer = this;
}

CAnswerer::~CAnswerer() {
    KillTimer(nullptr, m_nTimer);
    g_pAnswerer = nullptr;
}

void CALLBACK CAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_pAnswerer == nullptr)
        return;
    EnumThreadWindows(GetCurrentThreadId(), AnswerWindow, 0);
}

void CAnswerer::Answer(HWND hWnd) {
    // An answer is posted: the box may still show at the next look.
    if (hWnd == m_hLastAnswered)
        return;
    m_hLastAnswered = hWnd;
    // A folder browser, known by its tree of folders.
    if (FindWindowExA(hWnd, nullptr, "SysTreeView32", nullptr)) {
        ++m_nBrowsers;
        PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    char szCaption[256] = "";
    GetWindowTextA(hWnd, szCaption, sizeof szCaption);
    if (std::string(szCaption) == "Name") {
        if (!m_strName.empty())
            SetDlgItemTextA(hWnd, 1004, m_strName.c_str());
        PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        return;
    }
    // A message box, or another box that OK ends (the About box).
    m_aBoxes.push_back(std::string(szCaption) + "|" + ItemText(hWnd, 0xFFFF));
    const bool bAbout = std::string(szCaption).starts_with("About");
    int nButton = m_nButton;
    if (nButton == 0)
        EnumChildWindows(hWnd, FindDefaultButton, reinterpret_cast<LPARAM>(&nButton));
    PostMessageA(hWnd, WM_COMMAND, bAbout ? IDOK : nButton, 0);
}

void SetSimRegistryBytes(const void* pData, DWORD nSize, DWORD nType) {
    HKEY hKey;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimRegistryKey, 0, nullptr, 0,
                    KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &hKey, nullptr);
    RegSetValueExA(hKey, kSimRegistryValue, 0, nType, static_cast<const BYTE*>(pData), nSize);
    RegCloseKey(hKey);
}

void SetSimRegistry(const std::string& folder, DWORD nType) {
    SetSimRegistryBytes(folder.c_str(), static_cast<DWORD>(folder.size() + 1), nType);
}

void RemoveSimRegistry() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kSimRegistryKey, KEY_WOW64_32KEY, 0);
}

CSimFolder::CSimFolder(const std::string& sceneryCfg) {
    Write("fs9.exe", "");
    Write("scenery.cfg", sceneryCfg);
}

std::string CSimFolder::WinPath() const {
    std::string path = Path("");
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

CSettingsFile::CSettingsFile() : m_strPath(GetSettingsPath()) {
    DeleteFileA(m_strPath.c_str());
}
CSettingsFile::~CSettingsFile() {
    DeleteFileA(m_strPath.c_str());
}

std::string CSettingsFile::Read() const {
    std::ifstream in(m_strPath, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("<none>");
}

void CSettingsFile::Write(const std::string& text) const {
    std::ofstream(m_strPath, std::ios::binary) << text;
}
