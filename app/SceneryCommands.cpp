// The commands on single areas: Add, Remove, Rename, the Delete key, and the
// scan of a directory; and the list's refill after each.

#include "AreaCommands.h"
#include "FolderBrowser.h"
#include "ManagerDlg.h"
#include "NameDlg.h"
#include "SceneryFolder.h"

namespace {

constexpr const char* kConfirmRemove = "Do you really want to remove this scenery ?";
constexpr const char* kLibraryFull =
    "The library holds 16,777,216 areas, as many as the scenery list can address";

} // namespace

void CManagerDlg::FillSceneryList() {
    m_listScenery.SetRows(ListRows(m_areas, m_listScenery.GetRows()), m_areas);
}

bool CManagerDlg::ConfirmRemove() {
    return MessageBoxA(m_hWnd, kConfirmRemove, "Warning", MB_YESNO) == IDYES;
}

void CManagerDlg::OnAddScenery() {
    if (IsLibraryFull(m_areas)) {
        ShowError(std::string(kLibraryFull) + ": nothing was added.");
        return;
    }
    std::string folder =
        BrowseForFolder(m_hWnd, "Select scenery path", m_strBrowsePath,
                        [](const std::string& candidate) { return IsSceneryFolder(candidate); });
    if (!folder.empty())
        AddSceneryFolder(folder);
}

void CManagerDlg::AddSceneryFolder(const std::string& folder) {
    m_strBrowsePath = folder;
    std::string name = ProposedTitle(folder, m_strSimPath);
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    AddArea(m_areas, folder, m_strSimPath, name);
    FillSceneryList();
}

void CManagerDlg::OnRemoveScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (nRow == LB_ERR || !ConfirmRemove())
        return;
    const int nArea = m_listScenery.GetItemAreaIndex(nRow);
    RemoveArea(m_areas, nArea);
    FillSceneryList();
    RemoveAreaFromTree(nArea);
}

LRESULT CManagerDlg::OnDeleteScenery(WPARAM wParam, LPARAM) {
    if (!ConfirmRemove())
        return 1;
    RemoveArea(m_areas, m_listScenery.GetItemAreaIndex(static_cast<int>(wParam)));
    FillSceneryList();
    FillFolderTree();
    return 1;
}

void CManagerDlg::OnRenameScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (nRow == LB_ERR)
        return;
    std::string name = m_listScenery.GetText(nRow).substr(0, kMaxNameLength);
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    RenameArea(m_areas, m_listScenery.GetItemAreaIndex(nRow), name);
    FillSceneryList();
    FillFolderTree();
}

void CManagerDlg::OnScanDirectory() {
    std::string directory = BrowseForFolder(m_hWnd, "Select directory to scan", m_strBrowsePath);
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
