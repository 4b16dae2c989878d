// Folders dropped on the window from the file manager (or any program that
// drops files) become areas, as Add would make them, without asking a name.

#include "ManagerDlg.h"

#include <shellapi.h>

namespace {

// ChangeWindowMessageFilterEx's "let it through"; the function is looked up
// at run time, as systems before Windows 7 lack it.
constexpr DWORD kMessageFilterAllow = 1;
// The message that carries the drop's data across the filter, with no name
// in the system's headers.
constexpr UINT kCopyGlobalData = 0x0049;

} // namespace

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

LRESULT CManagerDlg::OnDropFiles(WPARAM wParam, LPARAM) {
    HDROP hDrop = reinterpret_cast<HDROP>(wParam);
    std::vector<std::string> paths;
    const UINT nCount = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
    for (UINT n = 0; n < nCount; ++n) {
        std::string path(DragQueryFileA(hDrop, n, nullptr, 0), '\0');
        DragQueryFileA(hDrop, n, path.data(), static_cast<UINT>(path.size() + 1));
        paths.push_back(std::move(path));
    }
    // The drop's block is freed before the box below waits for the user.
    DragFinish(hDrop);
    AddDroppedFolders(paths);
    return 0;
}

void CManagerDlg::AddDroppedFolders(const std::vector<std::string>& paths) {
    const CAddedFolders added = m_doc.AddAreas(paths);
    if (!added.changes.empty())
        FillSceneryList();
    if (!added.notAdded.empty())
        MessageBoxA(m_hWnd, NotAddedText(added.notAdded).c_str(), "Tarnwick",
                    MB_OK | MB_ICONINFORMATION);
}
