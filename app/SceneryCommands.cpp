// The commands on single areas: Add, Remove, Rename, the Delete key, a drop
// and a switch in the list, and the scan of a directory.

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
    m_listScenery.SetRows(m_doc.Rows(), m_doc.Areas());
}

bool CManagerDlg::ConfirmRemove() {
    return MessageBoxA(m_hWnd, kConfirmRemove, "Warning", MB_YESNO) == IDYES;
}

void CManagerDlg::OnAddScenery() {
    if (IsLibraryFull(m_doc.Areas())) {
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
    std::string name = ProposedTitle(folder, m_doc.SimPath());
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    m_doc.AddArea(folder, name);
    FillSceneryList();
}

void CManagerDlg::OnRemoveScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (nRow == LB_ERR || nRow >= m_doc.RowCount() || !ConfirmRemove())
        return;
    const int nArea = m_doc.Rows()[static_cast<std::size_t>(nRow)].nArea;
    m_doc.RemoveAreas({{nArea}});
    FillSceneryList();
    m_treeFolders.RemoveAreaItems(m_doc.Folders(), nArea);
}

LRESULT CManagerDlg::OnDeleteScenery(WPARAM wParam, LPARAM) {
    const int nRow = static_cast<int>(wParam);
    if (nRow >= m_doc.RowCount() || !ConfirmRemove())
        return 1;
    m_doc.RemoveAreas({{m_doc.Rows()[static_cast<std::size_t>(nRow)].nArea}});
    FillSceneryList();
    FillFolderTree();
    return 1;
}

void CManagerDlg::OnRenameScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (nRow == LB_ERR || nRow >= m_doc.RowCount())
        return;
    const int nArea = m_doc.Rows()[static_cast<std::size_t>(nRow)].nArea;
    std::string name = m_doc.Area(nArea).GetTitle().substr(0, kMaxNameLength);
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    m_doc.RenameArea(nArea, name);
    FillSceneryList();
    FillFolderTree();
}

LRESULT CManagerDlg::OnToggleActive(WPARAM wParam, LPARAM) {
    const int nRow = static_cast<int>(wParam);
    if (nRow < m_doc.RowCount()) {
        const CListRow row = m_doc.Rows()[static_cast<std::size_t>(nRow)];
        ShowChanges(m_doc.SetAreasActive({{row.nArea}}, !row.bActive));
    }
    return 1;
}

LRESULT CManagerDlg::OnMoveScenery(WPARAM wParam, LPARAM lParam) {
    const int nFrom = static_cast<int>(wParam), nBefore = static_cast<int>(lParam);
    if (nFrom >= m_doc.RowCount() || nBefore >= m_doc.RowCount())
        return 1;
    if (!m_doc.MoveRow(nFrom, nBefore < 0 ? m_doc.RowCount() : nBefore).empty())
        m_listScenery.MoveRow(nFrom, nBefore);
    return 1;
}

void CManagerDlg::OnScanDirectory() {
    std::string directory = BrowseForFolder(m_hWnd, "Select directory to scan", m_strBrowsePath);
    if (!directory.empty())
        AddSceneryFolders(directory);
}

void CManagerDlg::AddSceneryFolders(const std::string& directory) {
    CScanResult result;
    m_doc.Scan(directory, result);
    FillSceneryList();
    if (result.nLeftOut > 0) {
        ShowError(std::string(kLibraryFull) + ": " + std::to_string(result.nLeftOut) +
                  " scenery folders found were not added.");
    }
}

void CManagerDlg::ShowStep(const CStepShown& shown) {
    FillSceneryList();
    FillFolderTree();
    if (shown.nRow >= 0)
        m_listScenery.SetCurSel(shown.nRow);
    if (shown.nFolder >= 0) {
        m_treeFolders.SelectItem(m_treeFolders.FolderItem(shown.nFolder));
        m_treeFolders.EnsureVisible(m_treeFolders.FolderItem(shown.nFolder));
    }
}
