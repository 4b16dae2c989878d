// The folder commands: New, Remove and Rename folder, ">>" and "<<".

#include "ManagerDlg.h"
#include "NameDlg.h"

void CManagerDlg::WarnFolderName(const std::string& reason) {
    MessageBoxA(m_hWnd, reason.c_str(), "Warning", MB_OK | MB_ICONWARNING);
}

void CManagerDlg::ShowFolderMarks(const std::vector<int>& aAreas, bool bInFolder) {
    const std::vector<int> aRows = m_doc.RowsByArea();
    for (int nArea : aAreas) {
        if (int nRow = aRows[static_cast<std::size_t>(nArea)]; nRow >= 0) {
            m_listScenery.SetItemInFolder(nRow, bInFolder);
            m_listScenery.SetItemInSelectedFolder(nRow, bInFolder);
        }
    }
}

void CManagerDlg::OnAddToFolder() {
    HTREEITEM hFolder = m_treeFolders.GetSelectedItem();
    const int nFolder = m_treeFolders.FindFolder(hFolder);
    if (nFolder < 0)
        return;
    const CChanges changes = m_doc.AddToFolder(nFolder, AreasOfRows(m_listScenery.GetSelRows()));
    if (changes.empty())
        return;
    std::vector<int> aAdded;
    HTREEITEM hItem = nullptr;
    for (const CChange& change : changes) {
        aAdded.push_back(change.nArea);
        hItem = m_treeFolders.AddEntry(nFolder, m_doc.Area(change.nArea).GetTitle());
    }
    ShowFolderMarks(aAdded, true);
    m_treeFolders.Expand(hFolder, TVE_EXPAND);
    m_treeFolders.EnsureVisible(hItem);
    m_treeFolders.Invalidate(FALSE);
}

void CManagerDlg::OnRemoveFromFolder() {
    int nFolder = 0, nEntry = 0;
    if (!m_treeFolders.FindEntry(m_treeFolders.GetSelectedItem(), nFolder, nEntry))
        return;
    ShowFolderMarks({m_doc.RemoveFromFolder(nFolder, nEntry)[0].nArea}, false);
    m_treeFolders.RemoveEntry(nFolder, nEntry);
}

void CManagerDlg::OnNewFolder() {
    std::string name;
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    if (std::string reason = m_doc.NewFolder(name); !reason.empty()) {
        WarnFolderName(reason);
        return;
    }
    m_treeFolders.AddFolder(name);
}

void CManagerDlg::OnRemoveFolder() {
    const int nFolder = m_treeFolders.FindFolder(m_treeFolders.GetSelectedItem());
    if (nFolder < 0)
        return;
    ShowChanges(m_doc.RemoveFolder(nFolder));
    m_treeFolders.RemoveFolder(nFolder);
}

void CManagerDlg::OnRenameFolder() {
    HTREEITEM hItem = m_treeFolders.GetSelectedItem();
    const int nFolder = m_treeFolders.FindFolder(hItem);
    if (nFolder < 0)
        return;
    std::string name = m_doc.Folders().GetAt(nFolder).GetName().substr(0, kMaxNameLength);
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    if (std::string reason = m_doc.RenameFolder(nFolder, name); !reason.empty()) {
        WarnFolderName(reason);
        return;
    }
    m_treeFolders.SetItemText(hItem, name);
}
