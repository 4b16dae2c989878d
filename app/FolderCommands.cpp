#include "FolderCommands.h"

#include "NameDlg.h"
#include "resource.h"

void CFolderCommands::OnAddToFolder() {
    if (const int nFolder = SelectedFolder(); nFolder >= 0)
        m_view.Show(m_doc.AddToFolder(nFolder, m_view.SelectedAreas()));
}

void CFolderCommands::OnUpdateFolderCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(SelectedFolder() >= 0);
}

LRESULT CFolderCommands::OnListDoubleClick(WPARAM, LPARAM) {
    OnAddToFolder();
    return 1;
}

void CFolderCommands::OnRemoveFromFolder() {
    int nFolder = 0, nEntry = 0;
    if (m_tree.FindEntry(m_tree.GetSelectedItem(), nFolder, nEntry))
        m_view.Show(m_doc.RemoveFromFolder(nFolder, nEntry));
}

void CFolderCommands::OnUpdateRemoveFromFolder(CCmdUI* pCmdUI) {
    int nFolder = 0, nEntry = 0;
    pCmdUI->Enable(m_tree.FindEntry(m_tree.GetSelectedItem(), nFolder, nEntry));
}

void CFolderCommands::OnNewFolder() {
    std::string name;
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    const CChangeResult made = m_doc.NewFolder(name);
    m_view.Show(made.changes);
    WarnFolderName(made);
}

void CFolderCommands::OnRemoveFolder() {
    if (const int nFolder = SelectedFolder(); nFolder >= 0)
        m_view.Show(m_doc.RemoveFolder(nFolder));
}

void CFolderCommands::OnRenameFolder() {
    const int nFolder = SelectedFolder();
    if (nFolder < 0)
        return;
    std::string name = m_doc.Folders().GetAt(nFolder).GetName().substr(0, kMaxNameLength);
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    const CChangeResult renamed = m_doc.RenameFolder(nFolder, name);
    m_view.Show(renamed.changes);
    WarnFolderName(renamed);
}

void CFolderCommands::ToggleTreeItem(HTREEITEM hItem) {
    int nFolder = m_tree.FindFolder(hItem), nEntry = 0;
    if (nFolder >= 0) {
        m_view.Show(m_doc.ToggleFolder(nFolder));
    } else if (m_tree.FindEntry(hItem, nFolder, nEntry)) {
        const int nArea = m_doc.Folders().GetAt(nFolder).GetArea(nEntry);
        m_view.Show(m_doc.SetAreasActive({{nArea}}, !m_doc.Area(nArea).IsActive(), true).changes);
    }
}

void CFolderCommands::OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    // TVITEMA and TVITEMW agree up to the images.
    TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR)->item;
    item.iImage = item.iSelectedImage = m_tree.ImageOf(item.hItem, m_doc.Folders(), m_doc.Areas());
    *pResult = 0;
}

void CFolderCommands::OnTreeItemExpanded(NMHDR* pNMHDR, LRESULT* pResult) {
    // NMTREEVIEWA and NMTREEVIEWW agree up to the items' handles.
    const HTREEITEM hItem = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.hItem;
    if (const int nFolder = m_tree.FindFolder(hItem); nFolder >= 0)
        m_doc.SetFolderExpanded(nFolder,
                                (m_tree.GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED));
    *pResult = 0;
}

void CFolderCommands::OnTreeClick(NMHDR*, LRESULT* pResult) {
    DWORD nPos = GetMessagePos();
    POINT point = {static_cast<short>(LOWORD(nPos)), static_cast<short>(HIWORD(nPos))};
    ScreenToClient(m_tree.m_hWnd, &point);
    UINT nFlags = 0;
    if (HTREEITEM hItem = m_tree.HitTest(point, &nFlags)) {
        if (nFlags & TVHT_ONITEMICON)
            ToggleTreeItem(hItem);
        if (nFlags & TVHT_ONITEMLABEL)
            m_view.HighlightFolder(hItem);
    }
    *pResult = 0;
}

void CFolderCommands::OnTreeKeyDown(NMHDR* pNMHDR, LRESULT* pResult) {
    HTREEITEM hSelected = m_tree.GetSelectedItem();
    if (reinterpret_cast<NMTVKEYDOWN*>(pNMHDR)->wVKey == VK_SPACE && hSelected)
        ToggleTreeItem(hSelected);
    *pResult = 0;
}

BEGIN_MESSAGE_MAP(CFolderCommands, CCmdTarget)
ON_BN_CLICKED(IDC_NEW_FOLDER, OnNewFolder)
ON_BN_CLICKED(IDC_ADD_TO_FOLDER, OnAddToFolder)
ON_UPDATE_COMMAND_UI(IDC_ADD_TO_FOLDER, OnUpdateFolderCommand)
ON_BN_CLICKED(IDC_REMOVE_FROM_FOLDER, OnRemoveFromFolder)
ON_UPDATE_COMMAND_UI(IDC_REMOVE_FROM_FOLDER, OnUpdateRemoveFromFolder)
ON_BN_CLICKED(IDC_REMOVE_FOLDER, OnRemoveFolder)
ON_UPDATE_COMMAND_UI(IDC_REMOVE_FOLDER, OnUpdateFolderCommand)
ON_BN_CLICKED(IDC_RENAME_FOLDER, OnRenameFolder)
ON_UPDATE_COMMAND_UI(IDC_RENAME_FOLDER, OnUpdateFolderCommand)
ON_NOTIFY(NM_CLICK, IDC_TREE_FOLDERS, OnTreeClick)
ON_NOTIFY(TVN_KEYDOWN, IDC_TREE_FOLDERS, OnTreeKeyDown)
ON_NOTIFY(TVN_GETDISPINFOA, IDC_TREE_FOLDERS, OnTreeGetDispInfo)
ON_NOTIFY(TVN_GETDISPINFOW, IDC_TREE_FOLDERS, OnTreeGetDispInfo)
ON_NOTIFY(TVN_ITEMEXPANDEDA, IDC_TREE_FOLDERS, OnTreeItemExpanded)
ON_NOTIFY(TVN_ITEMEXPANDEDW, IDC_TREE_FOLDERS, OnTreeItemExpanded)
ON_MESSAGE(WM_SCENERY_DBLCLK, OnListDoubleClick)
END_MESSAGE_MAP()
