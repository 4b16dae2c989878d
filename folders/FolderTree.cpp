// The folder tree: its items, the look-ups that tie items, folder entries,
// areas and list rows together, and the check-box toggles kept in step with
// the list. The tree asks for each item's picture when it draws the item (a
// picture set item by item costs a walk of the whole tree in some tree
// views), so a change of state only has to repaint the tree.

#include "ManagerDlg.h"

#include <vector>

namespace {

// The row of every area shown in the list, found in one pass (-1: none).
std::vector<int> RowsByArea(const CSceneryListBox& list, int nAreas) {
    std::vector<int> aRows(static_cast<std::size_t>(nAreas), -1);
    const std::vector<CListRow> rows = list.GetRows();
    for (std::size_t n = rows.size(); n-- > 0;)
        aRows[static_cast<std::size_t>(rows[n].nArea)] = static_cast<int>(n);
    return aRows;
}

} // namespace

void CManagerDlg::FillFolderTree() {
    m_treeFolders.DeleteAllItems();
    for (int f = 0; f < m_folders.GetSize(); ++f) {
        CFolder& folder = m_folders.GetAt(f);
        HTREEITEM hFolder = m_treeFolders.InsertItem(folder.GetName(), TVI_ROOT, I_IMAGECALLBACK);
        folder.SetTreeItem(hFolder);
        for (int e = 0; e < folder.GetCount(); ++e) {
            const CSceneryArea& area = m_areas.GetAt(folder.GetArea(e));
            HTREEITEM hItem = nullptr;
            if (!area.IsRemoved())
                hItem = m_treeFolders.InsertItem(area.GetTitle(), hFolder, I_IMAGECALLBACK);
            folder.SetEntryItem(e, hItem);
        }
        m_treeFolders.Expand(hFolder, folder.GetExpand() == 1 ? TVE_EXPAND : TVE_COLLAPSE);
    }
}

int CManagerDlg::FindFolder(HTREEITEM hItem) const {
    for (int f = 0; f < m_folders.GetSize(); ++f) {
        if (hItem && m_folders.GetAt(f).GetTreeItem() == hItem)
            return f;
    }
    return -1;
}

bool CManagerDlg::FindEntry(HTREEITEM hItem, int& nFolder, int& nEntry) const {
    for (nFolder = 0; hItem && nFolder < m_folders.GetSize(); ++nFolder) {
        const CFolder& folder = m_folders.GetAt(nFolder);
        for (nEntry = 0; nEntry < folder.GetCount(); ++nEntry) {
            if (folder.GetEntryItem(nEntry) == hItem)
                return true;
        }
    }
    return false;
}

int CManagerDlg::FindListIndex(int nArea) const {
    for (int n = 0; n < m_listScenery.GetCount(); ++n) {
        if (m_listScenery.GetItemAreaIndex(n) == nArea)
            return n;
    }
    return -1;
}

void CManagerDlg::UpdateFolderState(int nFolder) {
    CFolder& folder = m_folders.GetAt(nFolder);
    int nState = m_areas.GetAt(folder.GetArea(0)).IsActive();
    for (int e = 1; e < folder.GetCount() && nState != 2; ++e) {
        if (m_areas.GetAt(folder.GetArea(e)).IsActive() != (nState == 1))
            nState = 2;
    }
    folder.SetActive(nState);
    m_treeFolders.Invalidate(FALSE);
}

void CManagerDlg::ToggleTreeItem(HTREEITEM hItem) {
    int nFolder = FindFolder(hItem);
    if (nFolder >= 0) {
        CFolder& folder = m_folders.GetAt(nFolder);
        const int nState = folder.GetActive() == 0 ? 1 : 0;
        folder.SetActive(nState);
        m_treeFolders.Invalidate(FALSE);
        const std::vector<int> aRows = RowsByArea(m_listScenery, m_areas.GetSize());
        for (int e = 0; e < folder.GetCount(); ++e) {
            m_areas.GetAt(folder.GetArea(e)).SetActive(nState == 1);
            if (int nRow = aRows[static_cast<std::size_t>(folder.GetArea(e))]; nRow >= 0)
                m_listScenery.SetItemActive(nRow, nState == 1);
        }
        return;
    }
    int nEntry = 0;
    if (!FindEntry(hItem, nFolder, nEntry))
        return;
    CSceneryArea& area = m_areas.GetAt(m_folders.GetAt(nFolder).GetArea(nEntry));
    area.SetActive(!area.IsActive());
    if (int nRow = FindListIndex(m_folders.GetAt(nFolder).GetArea(nEntry)); nRow >= 0)
        m_listScenery.SetItemActive(nRow, area.IsActive());
    UpdateFolderState(nFolder);
}

void CManagerDlg::HighlightFolderAreas(HTREEITEM hItem) {
    for (int n = 0; n < m_listScenery.GetCount(); ++n)
        m_listScenery.SetItemInSelectedFolder(n, false);
    int nFolder = FindFolder(hItem);
    if (nFolder < 0)
        return;
    const CFolder& folder = m_folders.GetAt(nFolder);
    const std::vector<int> aRows = RowsByArea(m_listScenery, m_areas.GetSize());
    for (int e = 0; e < folder.GetCount(); ++e) {
        if (int nRow = aRows[static_cast<std::size_t>(folder.GetArea(e))]; nRow >= 0)
            m_listScenery.SetItemInSelectedFolder(nRow, true);
    }
}

void CManagerDlg::RemoveAreaFromTree(int nArea) {
    for (int f = 0; f < m_folders.GetSize(); ++f) {
        CFolder& folder = m_folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (folder.GetArea(e) == nArea && folder.GetEntryItem(e)) {
                m_treeFolders.DeleteItem(folder.GetEntryItem(e));
                folder.SetEntryItem(e, nullptr);
            }
        }
    }
}

void CManagerDlg::StoreExpandStates() {
    for (int f = 0; f < m_folders.GetSize(); ++f) {
        CFolder& folder = m_folders.GetAt(f);
        const HTREEITEM hFolder = folder.GetTreeItem();
        // The tree keeps the flag of a folder whose last item went: one
        // without items is saved collapsed.
        folder.SetExpand((m_treeFolders.GetItemState(hFolder, TVIS_EXPANDED) & TVIS_EXPANDED) &&
                         m_treeFolders.GetNextItem(hFolder, TVGN_CHILD) != nullptr);
    }
}

// A folder shows its check state, an area its own on/off state.
void CManagerDlg::OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    // TVITEMA and TVITEMW agree up to the images.
    TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR)->item;
    int nFolder = FindFolder(item.hItem), nEntry = 0;
    int nImage = 0;
    if (nFolder >= 0)
        nImage = m_folders.GetAt(nFolder).GetActive();
    else if (FindEntry(item.hItem, nFolder, nEntry))
        nImage = m_areas.GetAt(m_folders.GetAt(nFolder).GetArea(nEntry)).IsActive();
    item.iImage = item.iSelectedImage = nImage;
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
    const int nArea = m_listScenery.GetItemAreaIndex(static_cast<int>(wParam));
    CSceneryArea& area = m_areas.GetAt(nArea);
    area.SetActive(!area.IsActive());
    for (int f = 0; f < m_folders.GetSize(); ++f) {
        const CFolder& folder = m_folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (folder.GetArea(e) != nArea)
                continue;
            UpdateFolderState(f);
            return 1;
        }
    }
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
