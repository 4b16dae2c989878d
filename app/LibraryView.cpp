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
    if (std::any_of(changes.begin(), changes.end(),
                    [](const CChange& c) { return c.kind == EChange::kReplaceLibrary; })) {
        ShowAll();
        return;
    }
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
    // An undone add names an area the library no longer holds: it has no row.
    const std::vector<int> aRows = m_doc.RowsByArea();
    auto rowOf = [&](int nArea) {
        return nArea >= 0 && nArea < static_cast<int>(aRows.size())
                   ? aRows[static_cast<std::size_t>(nArea)]
                   : -1;
    };
    std::vector<CRowMove> moves;
    for (const CChange& change : changes) {
        if (change.kind == EChange::kMove)
            moves.push_back({change.nFromRow, rowOf(change.nArea)});
    }
    if (!moves.empty())
        m_list.ShowMovedRows(std::move(moves));
    for (const CChange& change : changes) {
        const int nRow = rowOf(change.nArea);
        switch (change.kind) {
        case EChange::kOn:
        case EChange::kOff:
            if (!bRowsChanged && nRow >= 0)
                m_list.ShowRowMarks(nRow, m_list.IsItemInSelectedFolder(nRow));
            break;
        case EChange::kAddToFolder:
        case EChange::kRemoveFromFolder:
            ShowFolderChange(change);
            if (!bRowsChanged && nRow >= 0)
                m_list.ShowRowMarks(nRow, IsInHighlightedFolder(change.nArea));
            break;
        case EChange::kAdd:
            if (m_doc.Area(change.nArea).IsInFolder())
                m_tree.ShowAreaItems(m_doc.Folders(), change.nArea,
                                     m_doc.Area(change.nArea).GetTitle());
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

void CLibraryView::ShowFolderChange(const CChange& change) {
    switch (change.kind) {
    case EChange::kNewFolder:
        m_tree.InsertFolder(change.nFolder, m_doc.Folders().GetAt(change.nFolder), m_doc.Areas());
        break;
    case EChange::kRenameFolder:
        m_tree.SetItemText(m_tree.FolderItem(change.nFolder),
                           m_doc.Folders().GetAt(change.nFolder).GetName());
        break;
    case EChange::kRemoveFolder:
        m_tree.RemoveFolder(change.nFolder);
        break;
    case EChange::kAddToFolder:
        // An entry that came back with its whole folder is shown with it.
        if (change.nEntry >= 0) {
            const HTREEITEM hItem = m_tree.InsertEntry(change.nFolder, change.nEntry,
                                                       m_doc.Area(change.nArea).GetTitle());
            m_tree.Expand(m_tree.FolderItem(change.nFolder), TVE_EXPAND);
            m_tree.EnsureVisible(hItem);
        }
        break;
    case EChange::kRemoveFromFolder:
        if (change.nEntry >= 0)
            m_tree.RemoveEntry(change.nFolder, change.nEntry);
        break;
    default:
        break;
    }
}

void CLibraryView::ShowStep(const CChanges& changes) {
    Show(changes);
    // What the step changed is selected and brought into view: its rows,
    // else the folder it changed.
    const std::vector<int> aByArea = m_doc.RowsByArea();
    std::vector<int> aRows;
    int nFolder = -1;
    for (const CChange& change : changes) {
        switch (change.kind) {
        case EChange::kOn:
        case EChange::kOff:
        case EChange::kMove:
        case EChange::kAdd:
        case EChange::kRename:
            if (const int nRow = aByArea[static_cast<std::size_t>(change.nArea)]; nRow >= 0)
                aRows.push_back(nRow);
            break;
        case EChange::kRemove:
        case EChange::kRemoveFolder:
            break;
        default:
            // A folder's entries that went with it leave no folder to show.
            if (nFolder < 0 && (change.kind != EChange::kRemoveFromFolder || change.nEntry >= 0))
                nFolder = change.nFolder;
        }
    }
    std::sort(aRows.begin(), aRows.end());
    if (!aRows.empty()) {
        m_list.SelectRows(aRows, aRows.front());
    } else if (nFolder >= 0) {
        m_tree.SelectItem(m_tree.FolderItem(nFolder));
        m_tree.EnsureVisible(m_tree.FolderItem(nFolder));
    }
}

bool CLibraryView::IsInHighlightedFolder(int nArea) const {
    const int nFolder = m_tree.FindFolder(m_tree.GetSelectedItem());
    if (nFolder < 0 || nFolder >= m_doc.Folders().GetSize())
        return false;
    const CFolder& folder = m_doc.Folders().GetAt(nFolder);
    for (int e = 0; e < folder.GetCount(); ++e) {
        if (folder.GetArea(e) == nArea)
            return true;
    }
    return false;
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
