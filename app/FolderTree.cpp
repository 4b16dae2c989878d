// The folder tree's side of the dialog: its refill, the check-box toggles
// kept in step with the list, the folder's areas marked in the list, and the
// expand states the library keeps.

#include "ManagerDlg.h"

#include <vector>

void CManagerDlg::FillFolderTree() {
    m_treeFolders.Fill(m_doc.Folders(), m_doc.Areas());
}

void CManagerDlg::ShowChanges(const CChanges& changes) {
    const std::vector<int> aRows = m_doc.RowsByArea();
    std::vector<int> aLeft;
    for (const CChange& change : changes) {
        const int nRow = change.nArea < 0 ? -1 : aRows[static_cast<std::size_t>(change.nArea)];
        if ((change.kind == EChange::kOn || change.kind == EChange::kOff) && nRow >= 0)
            m_listScenery.SetItemActive(nRow, change.kind == EChange::kOn);
        else if (change.kind == EChange::kRemoveFromFolder)
            aLeft.push_back(change.nArea);
    }
    ShowFolderMarks(aLeft, false);
    m_treeFolders.Invalidate(FALSE);
}

void CManagerDlg::ToggleTreeItem(HTREEITEM hItem) {
    int nFolder = m_treeFolders.FindFolder(hItem), nEntry = 0;
    if (nFolder >= 0) {
        ShowChanges(m_doc.ToggleFolder(nFolder));
    } else if (m_treeFolders.FindEntry(hItem, nFolder, nEntry)) {
        const int nArea = m_doc.Folders().GetAt(nFolder).GetArea(nEntry);
        ShowChanges(m_doc.SetAreasActive({{nArea}}, !m_doc.Area(nArea).IsActive()));
    }
}

void CManagerDlg::HighlightFolderAreas(HTREEITEM hItem) {
    for (int n = 0; n < m_listScenery.GetCount(); ++n)
        m_listScenery.SetItemInSelectedFolder(n, false);
    int nFolder = m_treeFolders.FindFolder(hItem);
    if (nFolder < 0)
        return;
    const CFolder& folder = m_doc.Folders().GetAt(nFolder);
    const std::vector<int> aRows = m_doc.RowsByArea();
    for (int e = 0; e < folder.GetCount(); ++e) {
        if (int nRow = aRows[static_cast<std::size_t>(folder.GetArea(e))]; nRow >= 0)
            m_listScenery.SetItemInSelectedFolder(nRow, true);
    }
}

void CManagerDlg::OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    // TVITEMA and TVITEMW agree up to the images.
    TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR)->item;
    item.iImage = item.iSelectedImage =
        m_treeFolders.ImageOf(item.hItem, m_doc.Folders(), m_doc.Areas());
    *pResult = 0;
}

void CManagerDlg::OnTreeItemExpanded(NMHDR* pNMHDR, LRESULT* pResult) {
    // NMTREEVIEWA and NMTREEVIEWW agree up to the items' handles.
    const HTREEITEM hItem = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.hItem;
    if (const int nFolder = m_treeFolders.FindFolder(hItem); nFolder >= 0)
        m_doc.SetFolderExpanded(nFolder,
                                (m_treeFolders.GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED));
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

LRESULT CManagerDlg::OnListDoubleClick(WPARAM, LPARAM) {
    if (m_btnAddToFolder.IsWindowEnabled())
        OnAddToFolder();
    return 1;
}

void CManagerDlg::OnUpdateFolderCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_treeFolders.FindFolder(m_treeFolders.GetSelectedItem()) >= 0);
}

void CManagerDlg::OnUpdateRemoveFromFolder(CCmdUI* pCmdUI) {
    int nFolder = 0, nEntry = 0;
    pCmdUI->Enable(m_treeFolders.FindEntry(m_treeFolders.GetSelectedItem(), nFolder, nEntry));
}
