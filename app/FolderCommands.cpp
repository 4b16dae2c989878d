// The folder commands: New, Remove and Rename folder, ">>" and "<<".

#include "FolderCommands.h"
#include "AreaCommands.h"
#include "ManagerDlg.h"
#include "NameDlg.h"

void CManagerDlg::WarnFolderName(const std::string& reason) {
    MessageBoxA(m_hWnd, reason.c_str(), "Warning", MB_OK | MB_ICONWARNING);
}

void CManagerDlg::ShowFolderMarks(const std::vector<int>& aAreas, bool bInFolder) {
    for (int nArea : aAreas) {
        if (int nRow = FindListIndex(nArea); nRow >= 0) {
            m_listScenery.SetItemInFolder(nRow, bInFolder);
            m_listScenery.SetItemInSelectedFolder(nRow, bInFolder);
        }
    }
}

void CManagerDlg::OnAddToFolder() {
    HTREEITEM hFolder = m_treeFolders.GetSelectedItem();
    const int nFolder = FindFolder(hFolder);
    const int nRow = m_listScenery.GetCurSel();
    if (nFolder < 0 || nRow == LB_ERR)
        return;
    const int nArea = m_listScenery.GetItemAreaIndex(nRow);
    if (!AddToFolder(m_folders, m_areas, nFolder, nArea))
        return;
    ShowFolderMarks({nArea}, true);
    HTREEITEM hItem =
        m_treeFolders.InsertItem(m_listScenery.GetText(nRow), hFolder, I_IMAGECALLBACK);
    m_treeFolders.Expand(hFolder, TVE_EXPAND);
    m_treeFolders.EnsureVisible(hItem);
    CFolder& folder = m_folders.GetAt(nFolder);
    folder.SetEntryItem(folder.GetCount() - 1, hItem);
    m_treeFolders.Invalidate(FALSE);
}

void CManagerDlg::OnRemoveFromFolder() {
    HTREEITEM hItem = m_treeFolders.GetSelectedItem();
    int nFolder = 0, nEntry = 0;
    if (!FindEntry(hItem, nFolder, nEntry))
        return;
    ShowFolderMarks({RemoveFromFolder(m_folders, m_areas, nFolder, nEntry)}, false);
    m_treeFolders.DeleteItem(hItem);
}

void CManagerDlg::OnNewFolder() {
    std::string name;
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    if (std::string reason = NewFolder(m_folders, name); !reason.empty()) {
        WarnFolderName(reason);
        return;
    }
    m_folders.GetAt(m_folders.GetSize() - 1)
        .SetTreeItem(m_treeFolders.InsertItem(name, TVI_ROOT, I_IMAGECALLBACK));
}

void CManagerDlg::OnRemoveFolder() {
    const int nFolder = FindFolder(m_treeFolders.GetSelectedItem());
    if (nFolder < 0)
        return;
    HTREEITEM hFolder = m_folders.GetAt(nFolder).GetTreeItem();
    ShowFolderMarks(RemoveFolder(m_folders, m_areas, nFolder), false);
    m_treeFolders.DeleteItem(hFolder);
}

void CManagerDlg::OnRenameFolder() {
    HTREEITEM hItem = m_treeFolders.GetSelectedItem();
    const int nFolder = FindFolder(hItem);
    if (nFolder < 0)
        return;
    std::string name = m_treeFolders.GetItemText(hItem).substr(0, kMaxNameLength);
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    if (std::string reason = RenameFolder(m_folders, nFolder, name); !reason.empty()) {
        WarnFolderName(reason);
        return;
    }
    m_treeFolders.SetItemText(hItem, name);
}
