// The commands on single areas: Add, Remove, Rename, the Delete key, and the
// scan of a directory.

#include "FolderBrowser.h"
#include "ManagerDlg.h"
#include "NameDlg.h"
#include "SceneryFolder.h"

namespace {

constexpr int kNameSize = 256; // the Name dialog's buffer, terminator included
constexpr const char* kConfirmRemove = "Do you really want to remove this scenery ?";
constexpr const char* kLibraryFull =
    "The library holds 16,777,216 areas, as many as the scenery list can address";

} // namespace

int CALLBACK BrowseSceneryProc(HWND hWnd, UINT nEvent, LPARAM lParam, LPARAM lpData) {
    if (nEvent == BFFM_INITIALIZED) {
        SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    } else if (nEvent == BFFM_SELCHANGED) {
        char path[MAX_PATH];
        bool bOk = SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path) &&
                   IsSceneryFolder(path);
        SendMessageA(hWnd, BFFM_ENABLEOK, 0, bOk);
    }
    return 0;
}

int CALLBACK BrowseScanProc(HWND hWnd, UINT nEvent, LPARAM, LPARAM lpData) {
    if (nEvent == BFFM_INITIALIZED)
        SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
}

bool CManagerDlg::ConfirmRemove() {
    return MessageBoxA(m_hWnd, kConfirmRemove, "Warning", MB_YESNO) == IDYES;
}

void CManagerDlg::OnAddScenery() {
    if (m_areas.GetSize() >= CAreaArray::kMaxAreas) {
        ShowError(std::string(kLibraryFull) + ": nothing was added.");
        return;
    }
    std::string folder =
        BrowseForFolder(m_hWnd, "Select scenery path", BrowseSceneryProc, m_strBrowsePath);
    if (!folder.empty())
        AddSceneryFolder(folder);
}

void CManagerDlg::AddSceneryFolder(const std::string& folder) {
    auto pArea = NewArea(folder, m_strSimPath);
    m_strBrowsePath = folder;
    std::string name = NameOfLocalPath(pArea->GetLocal());
    CNameDlg ask(name, kNameSize);
    if (ask.DoModal() != IDOK)
        return;
    pArea->SetTitle(name);
    m_areas.Add(std::move(pArea));
    FillSceneryList();
}

void CManagerDlg::OnRemoveScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (nRow == LB_ERR || !ConfirmRemove())
        return;
    const int nArea = m_listScenery.GetItemAreaIndex(nRow);
    m_areas.GetAt(nArea).SetRemoved(true);
    FillSceneryList();
    RemoveAreaFromTree(nArea);
}

LRESULT CManagerDlg::OnDeleteScenery(WPARAM wParam, LPARAM) {
    if (!ConfirmRemove())
        return 1;
    m_areas.GetAt(m_listScenery.GetItemAreaIndex(static_cast<int>(wParam))).SetRemoved(true);
    FillSceneryList();
    FillFolderTree();
    return 1;
}

void CManagerDlg::OnRenameScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (nRow == LB_ERR)
        return;
    std::string name = m_listScenery.GetText(nRow).substr(0, kNameSize - 1);
    CNameDlg ask(name, kNameSize);
    if (ask.DoModal() != IDOK)
        return;
    m_areas.GetAt(m_listScenery.GetItemAreaIndex(nRow)).SetTitle(name);
    FillSceneryList();
    FillFolderTree();
}

void CManagerDlg::OnScanDirectory() {
    std::string directory =
        BrowseForFolder(m_hWnd, "Select directory to scan", BrowseScanProc, m_strBrowsePath);
    if (!directory.empty())
        AddSceneryFolders(directory);
}

void CManagerDlg::AddSceneryFolders(const std::string& directory) {
    CScanResult result = ScanDirectory(directory, m_strSimPath, m_areas);
    FillSceneryList();
    if (result.nLeftOut > 0) {
        ShowError(std::string(kLibraryFull) + ": " + std::to_string(result.nLeftOut) +
                  " scenery folders found were not added.");
    }
}
