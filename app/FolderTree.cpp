// The folder tree's side of the dialog: its refill, the look-ups that tie
// tree items, folder entries, areas and list rows together, and the
// check-box toggles kept in step with the list.

#include "FolderCommands.h"
#include "ManagerDlg.h"

#include <vector>

void CManagerDlg::FillFolderTree() {
    m_treeFolders.Fill(m_folders, m_areas);
}

int CManagerDlg::FindFolder(HTREEITEM hItem) const {
    return m_folders.FindFolder(hItem);
}

bool CManagerDlg::FindEntry(HTREEITEM hItem, int& nFolder, int& nEntry) const {
    return m_folders.FindEntry(hItem, nFolder, nEntry);
}

int CManagerDlg::FindListIndex(int nArea) const {
    for (int n = 0; n < m_listScenery.GetCount(); ++n) {
        if (m_listScenery.GetItemAreaIndex(n) == nArea)
            return n;
    }
    return -1;
}

std::vector<int> CManagerDlg::RowsByArea() const {
    std::vector<int> aRows(static_cast<std::size_t>(m_areas.GetSize()), -1);
    const std::vector<CListRow> rows = m_listScenery.GetRows();
    for (std::size_t n = rows.size(); n-- > 0;)
        aRows[static_cast<std::size_t>(rows[n].nArea)] = static_cast<int>(n);
    return aRows;
}

void CManagerDlg::ToggleTreeItem(HTREEITEM hItem) {
    int nFolder = FindFolder(hItem), nEntry = 0;
    if (nFolder >= 0) {
        const std::vector<int> aAreas = ToggleFolder(m_folders, m_areas, nFolder);
        const std::vector<int> aRows = RowsByArea();
        for (int nArea : aAreas) {
            if (int nRow = aRows[static_cast<std::size_t>(nArea)]; nRow >= 0)
                m_listScenery.SetItemActive(nRow, m_areas.GetAt(nArea).IsActive());
        }
    } else if (FindEntry(hItem, nFolder, nEntry)) {
        const int nArea = m_folders.GetAt(nFolder).GetArea(nEntry);
        ToggleArea(m_folders, m_areas, nArea);
        if (int nRow = FindListIndex(nArea); nRow >= 0)
            m_listScenery.SetItemActive(nRow, m_areas.GetAt(nArea).IsActive());
    }
    m_treeFolders.Invalidate(FALSE);
}

void CManagerDlg::HighlightFolderAreas(HTREEITEM hItem) {
    for (int n = 0; n < m_listScenery.GetCount(); ++n)
        m_listScenery.SetItemInSelectedFolder(n, false);
    int nFolder = FindFolder(hItem);
    if (nFolder < 0)
        return;
    const CFolder& folder = m_folders.GetAt(nFolder);
    const std::vector<int> aRows = RowsByArea();
    for (int e = 0; e < folder.GetCount(); ++e) {
        if (int nRow = aRows[static_cast<std::size_t>(folder.GetArea(e))]; nRow >= 0)
            m_listScenery.SetItemInSelectedFolder(nRow, true);
    }
}

void CManagerDlg::RemoveAreaFromTree(int nArea) {
    m_treeFolders.RemoveAreaItems(m_folders, nArea);
}

void CManagerDlg::StoreExpandStates() {
    m_treeFolders.StoreExpandStates(m_folders);
}

void CManagerDlg::OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    // TVITEMA and TVITEMW agree up to the images.
    TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR)->item;
    item.iImage = item.iSelectedImage = CFolderTreeCtrl::ImageOf(item.hItem, m_folders, m_areas);
    *pResult = 0;
}

void CManagerDlg::OnTreeClick(NMHDR*, LRESULT* pResult) {
    DWORD nPos = GetMessagePos();
    POINT point = {static_cast<short>(LOWORD(nPos)), static_cast<short>(HIWORD(nPos))};
    ScreenToClient(m_treeFolders.m_hWnd, &point);
    UINT nFlags = 0;
    if (HTREEITEM hItem = m_treeFolders.HitTest(point, &nFlags)) {
        if (nFlags & TVHT_ONITEMICON)
            ToggleTreeItem(hItem);
        if (nFlags & TVHT_ONITEMLABEL)
            HighlightFolderAreas(hItem);
    }
    *pResult = 0;
}

void CManagerDlg::OnTreeKeyDown(NMHDR* pNMHDR, LRESULT* pResult) {
    HTREEITEM hSelected = m_treeFolders.GetSelectedItem();
    if (reinterpret_cast<NMTVKEYDOWN*>(pNMHDR)->wVKey == VK_SPACE && hSelected)
        ToggleTreeItem(hSelected);
    *pResult = 0;
}

LRESULT CManagerDlg::OnToggleActive(WPARAM wParam, LPARAM) {
    ToggleArea(m_folders, m_areas, m_listScenery.GetItemAreaIndex(static_cast<int>(wParam)));
    m_treeFolders.Invalidate(FALSE);
    return 1;
}

LRESULT CManagerDlg::OnListDoubleClick(WPARAM, LPARAM) {
    if (m_btnAddToFolder.IsWindowEnabled())
        OnAddToFolder();
    return 1;
}

void CManagerDlg::OnUpdateFolderCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(FindFolder(m_treeFolders.GetSelectedItem()) >= 0);
}

void CManagerDlg::OnUpdateRemoveFromFolder(CCmdUI* pCmdUI) {
    int nFolder = 0, nEntry = 0;
    pCmdUI->Enable(FindEntry(m_treeFolders.GetSelectedItem(), nFolder, nEntry));
}
