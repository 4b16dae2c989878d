// The folder commands: New, Remove and Rename folder, ">>" and "<<".

#include "FolderName.h"
#include "ManagerDlg.h"
#include "NameDlg.h"

namespace {

constexpr int kNameSize = 256; // the Name dialog's buffer, terminator included

} // namespace

bool CManagerDlg::AcceptFolderName(const std::string& name, int nRenamed) {
    std::string reason = WhyFolderNameRefused(name, m_folders, nRenamed);
    if (!reason.empty())
        MessageBoxA(m_hWnd, reason.c_str(), "Warning", MB_OK | MB_ICONWARNING);
    return reason.empty();
}

void CManagerDlg::OnAddToFolder() {
    HTREEITEM hFolder = m_treeFolders.GetSelectedItem();
    const int nFolder = FindFolder(hFolder);
    const int nRow = m_listScenery.GetCurSel();
    if (nFolder < 0 || nRow == LB_ERR)
        return;
    const int nArea = m_listScenery.GetItemAreaIndex(nRow);
    CSceneryArea& area = m_areas.GetAt(nArea);
    if (area.IsInFolder())
        return;
    area.SetInFolder(true);
    m_listScenery.SetItemInFolder(nRow, true);
    m_listScenery.SetItemInSelectedFolder(nRow, true);
    HTREEITEM hItem =
        m_treeFolders.InsertItem(m_listScenery.GetText(nRow), hFolder, I_IMAGECALLBACK);
    m_treeFolders.Expand(hFolder, TVE_EXPAND);
    m_treeFolders.EnsureVisible(hItem);
    m_folders.GetAt(nFolder).AddEntry(nArea, hItem);
    UpdateFolderState(nFolder);
}

void CManagerDlg::OnRemoveFromFolder() {
    HTREEITEM hItem = m_treeFolders.GetSelectedItem();
    int nFolder = 0, nEntry = 0;
    if (!FindEntry(hItem, nFolder, nEntry))
        return;
    const int nArea = m_folders.GetAt(nFolder).GetArea(nEntry);
    m_areas.GetAt(nArea).SetInFolder(false);
    if (int nRow = FindListIndex(nArea); nRow >= 0) {
        m_listScenery.SetItemInFolder(nRow, false);
        m_listScenery.SetItemInSelectedFolder(nRow, false);
    }
    m_treeFolders.DeleteItem(hItem);
    m_folders.GetAt(nFolder).RemoveEntry(nEntry);
}

void CManagerDlg::OnNewFolder() {
    std::string name;
    CNameDlg ask(name, kNameSize);
    if (ask.DoModal() != IDOK || !AcceptFolderName(name, -1))
        return;
    HTREEITEM hItem = m_treeFolders.InsertItem(name, TVI_ROOT, I_IMAGECALLBACK);
    m_folders.Add(std::make_unique<CFolder>(name, hItem));
}

void CManagerDlg::OnRemoveFolder() {
    const int nFolder = FindFolder(m_treeFolders.GetSelectedItem());
    if (nFolder < 0)
        return;
    const CFolder& folder = m_folders.GetAt(nFolder);
    for (int e = 0; e < folder.GetCount(); ++e) {
        m_areas.GetAt(folder.GetArea(e)).SetInFolder(false);
        if (int nRow = FindListIndex(folder.GetArea(e)); nRow >= 0) {
            m_listScenery.SetItemInFolder(nRow, false);
            m_listScenery.SetItemInSelectedFolder(nRow, false);
        }
    }
    m_treeFolders.DeleteItem(folder.GetTreeItem());
    m_folders.RemoveAt(nFolder);
}

void CManagerDlg::OnRenameFolder() {
    HTREEITEM hItem = m_treeFolders.GetSelectedItem();
    const int nFolder = FindFolder(hItem);
    if (nFolder < 0)
        return;
    std::string name = m_treeFolders.GetItemText(hItem).substr(0, kNameSize - 1);
    CNameDlg ask(name, kNameSize);
    if (ask.DoModal() != IDOK || !AcceptFolderName(name, nFolder))
        return;
    m_treeFolders.SetItemText(hItem, name);
    m_folders.GetAt(nFolder).SetName(name);
}
