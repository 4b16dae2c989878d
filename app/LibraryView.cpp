#include "LibraryView.h"

#include <algorithm>

CSceneryRow CLibraryView::Row(int nRow) const {
    const CListRow& row = m_doc.Rows()[static_cast<std::size_t>(nRow)];
    const CSceneryArea& area = m_doc.Area(row.nArea);
    return {row.nArea, area.GetTitle(), row.bActive, area.IsInFolder()};
}

void CLibraryView::ShowAll() {
    ShowAllRows();
    m_tree.Fill(m_doc.Folders(), m_doc.Areas());
}

void CLibraryView::ShowAllRows() {
    m_list.ShowAllRows();
}

void CLibraryView::Show(const CChanges& changes) {
    const bool bRowsChanged = std::any_of(changes.begin(), changes.end(), [](const CChange& c) {
        return c.kind == EChange::kAdd || c.kind == EChange::kRemove || c.kind == EChange::kRename;
    });
    if (bRowsChanged)
        ShowAllRows();
    // After a removal the row that took the topmost one's place is selected,
    // as after one row went.
    int nRemovedRow = -1;
    for (const CChange& change : changes) {
        if (change.kind == EChange::kRemove && (nRemovedRow < 0 || change.nFromRow < nRemovedRow))
            nRemovedRow = change.nFromRow;
    }
    if (nRemovedRow >= 0)
        m_list.SetCurSel(nRemovedRow);
    ShowMoves(changes);
    const std::vector<int> aRows = m_doc.RowsByArea();
    for (const CChange& change : changes) {
        const int nRow = change.nArea < 0 ? -1 : aRows[static_cast<std::size_t>(change.nArea)];
        switch (change.kind) {
        case EChange::kOn:
        case EChange::kOff:
            if (!bRowsChanged && nRow >= 0)
                m_list.ShowRowMarks(nRow, m_list.IsItemInSelectedFolder(nRow));
            break;
        case EChange::kAddToFolder:
        case EChange::kRemoveFromFolder:
            // The folder the areas joined is the one selected in the tree.
            if (!bRowsChanged && nRow >= 0)
                m_list.ShowRowMarks(nRow, change.kind == EChange::kAddToFolder);
            ShowFolderChange(change);
            break;
        case EChange::kRemove:
            m_tree.RemoveAreaItems(m_doc.Folders(), change.nArea);
            break;
        case EChange::kRename:
            m_tree.RenameAreaItems(m_doc.Folders(), change.nArea,
                                   m_doc.Area(change.nArea).GetTitle());
            break;
        default:
            ShowFolderChange(change);
        }
    }
    m_tree.Invalidate(FALSE);
}

void CLibraryView::ShowMoves(const CChanges& changes) {
    std::vector<int> aFromRows;
    int nTo = -1;
    for (const CChange& change : changes) {
        if (change.kind != EChange::kMove)
            continue;
        if (nTo < 0)
            nTo = m_doc.RowOf(change.nArea);
        aFromRows.push_back(change.nFromRow);
    }
    if (!aFromRows.empty())
        m_list.ShowMovedRows(aFromRows, nTo);
}

void CLibraryView::ShowFolderChange(const CChange& change) {
    switch (change.kind) {
    case EChange::kNewFolder:
        m_tree.AddFolder(m_doc.Folders().GetAt(change.nFolder).GetName());
        break;
    case EChange::kRenameFolder:
        m_tree.SetItemText(m_tree.FolderItem(change.nFolder),
                           m_doc.Folders().GetAt(change.nFolder).GetName());
        break;
    case EChange::kRemoveFolder:
        m_tree.RemoveFolder(change.nFolder);
        break;
    case EChange::kAddToFolder: {
        const HTREEITEM hItem =
            m_tree.AddEntry(change.nFolder, m_doc.Area(change.nArea).GetTitle());
        m_tree.Expand(m_tree.FolderItem(change.nFolder), TVE_EXPAND);
        m_tree.EnsureVisible(hItem);
        break;
    }
    case EChange::kRemoveFromFolder:
        if (change.nEntry >= 0)
            m_tree.RemoveEntry(change.nFolder, change.nEntry);
        break;
    default:
        break;
    }
}

void CLibraryView::ShowStep(const CStepPlace& place) {
    ShowAll();
    if (place.nRow >= 0)
        m_list.SetCurSel(place.nRow);
    if (place.nFolder >= 0) {
        m_tree.SelectItem(m_tree.FolderItem(place.nFolder));
        m_tree.EnsureVisible(m_tree.FolderItem(place.nFolder));
    }
}

void CLibraryView::HighlightFolder(HTREEITEM hItem) {
    for (int n = 0; n < m_list.GetCount(); ++n)
        m_list.SetItemInSelectedFolder(n, false);
    const int nFolder = m_tree.FindFolder(hItem);
    if (nFolder < 0)
        return;
    const CFolder& folder = m_doc.Folders().GetAt(nFolder);
    const std::vector<int> aRows = m_doc.RowsByArea();
    for (int e = 0; e < folder.GetCount(); ++e) {
        if (int nRow = aRows[static_cast<std::size_t>(folder.GetArea(e))]; nRow >= 0)
            m_list.SetItemInSelectedFolder(nRow, true);
    }
}

std::vector<int> CLibraryView::AreasOfRows(const std::vector<int>& aRows) const {
    std::vector<int> aAreas;
    for (int nRow : aRows) {
        if (nRow < m_doc.RowCount())
            aAreas.push_back(m_doc.Rows()[static_cast<std::size_t>(nRow)].nArea);
    }
    return aAreas;
}
