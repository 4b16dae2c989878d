// The commands on the selected areas: Add, Remove, Rename, the Delete key, a
// drop and a switch in the list, and the scan of a directory.

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

bool CManagerDlg::ConfirmRemove(std::size_t nCount) {
    const std::string question = nCount == 1 ? kConfirmRemove
                                             : "Do you really want to remove these " +
                                                   std::to_string(nCount) + " sceneries ?";
    return MessageBoxA(m_hWnd, question.c_str(), "Warning", MB_YESNO) == IDYES;
}

std::vector<int> CManagerDlg::AreasOfRows(const std::vector<int>& aRows) const {
    std::vector<int> aAreas;
    for (int nRow : aRows) {
        if (nRow < m_doc.RowCount())
            aAreas.push_back(m_doc.Rows()[static_cast<std::size_t>(nRow)].nArea);
    }
    return aAreas;
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
    RemoveSelectedRows();
}

LRESULT CManagerDlg::OnDeleteScenery(WPARAM, LPARAM) {
    RemoveSelectedRows();
    return 1;
}

void CManagerDlg::RemoveSelectedRows() {
    const std::vector<int> aRows = m_listScenery.GetSelRows();
    const std::vector<int> aAreas = AreasOfRows(aRows);
    if (aAreas.empty() || !ConfirmRemove(aAreas.size()))
        return;
    m_doc.RemoveAreas(aAreas);
    FillSceneryList();
    // The row that took the topmost one's place, as after one row went.
    m_listScenery.SetCurSel(aRows.front());
    for (int nArea : aAreas)
        m_treeFolders.RemoveAreaItems(m_doc.Folders(), nArea);
}

void CManagerDlg::OnRenameScenery() {
    const int nRow = m_listScenery.GetCurSel();
    if (m_listScenery.GetSelCount() != 1 || nRow >= m_doc.RowCount())
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

LRESULT CManagerDlg::OnToggleActive(WPARAM wParam, LPARAM lParam) {
    const int nRow = static_cast<int>(wParam);
    if (nRow < m_doc.RowCount()) {
        const bool bActive = !m_doc.Rows()[static_cast<std::size_t>(nRow)].bActive;
        ShowChanges(m_doc.SetAreasActive(
            AreasOfRows(lParam ? m_listScenery.GetSelRows() : std::vector<int>{nRow}), bActive));
    }
    return 1;
}

LRESULT CManagerDlg::OnMoveScenery(WPARAM, LPARAM lParam) {
    MoveSelectedRows(static_cast<int>(lParam));
    return 1;
}

void CManagerDlg::MoveSelectedRows(int nBefore) {
    const std::vector<int> aRows = m_listScenery.GetSelRows();
    if (aRows.empty() || aRows.back() >= m_doc.RowCount() || nBefore >= m_doc.RowCount())
        return;
    if (!m_doc.MoveRows(aRows, nBefore < 0 ? m_doc.RowCount() : nBefore).empty())
        m_listScenery.MoveRows(aRows, nBefore);
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

void CManagerDlg::ShowStep(const CStepPlace& shown) {
    FillSceneryList();
    FillFolderTree();
    if (shown.nRow >= 0)
        m_listScenery.SetCurSel(shown.nRow);
    if (shown.nFolder >= 0) {
        m_treeFolders.SelectItem(m_treeFolders.FolderItem(shown.nFolder));
        m_treeFolders.EnsureVisible(m_treeFolders.FolderItem(shown.nFolder));
    }
}
