#include "FolderTreeCtrl.h"

void CFolderTreeCtrl::Fill(const CFolderArray& folders, const CAreaArray& areas) {
    DeleteAllItems();
    m_aFolders.clear();
    for (int f = 0; f < folders.GetSize(); ++f)
        InsertFolder(f, folders.GetAt(f), areas);
}

HTREEITEM CFolderTreeCtrl::InsertFolder(int nFolder, const CFolder& folder,
                                        const CAreaArray& areas) {
    const HTREEITEM hAfter = nFolder > 0 ? FolderItem(nFolder - 1) : TVI_FIRST;
    const HTREEITEM hFolder = InsertItem(folder.GetName(), TVI_ROOT, I_IMAGECALLBACK, hAfter);
    CFolderItems& items = *m_aFolders.insert(m_aFolders.begin() + nFolder, {hFolder, {}});
    for (int e = 0; e < folder.GetCount(); ++e) {
        const CSceneryArea& area = areas.GetAt(folder.GetArea(e));
        items.aEntries.push_back(
            area.IsRemoved() ? nullptr : InsertItem(area.GetTitle(), hFolder, I_IMAGECALLBACK));
    }
    Expand(hFolder, folder.GetExpand() == 1 ? TVE_EXPAND : TVE_COLLAPSE);
    return hFolder;
}

HTREEITEM CFolderTreeCtrl::InsertEntry(int nFolder, int nEntry, const std::string& title) {
    std::vector<HTREEITEM>& aEntries = m_aFolders[Index(nFolder)].aEntries;
    aEntries.insert(aEntries.begin() + nEntry, nullptr);
    return ShowEntry(nFolder, nEntry, title);
}

HTREEITEM CFolderTreeCtrl::ShowEntry(int nFolder, int nEntry, const std::string& title) {
    CFolderItems& items = m_aFolders[Index(nFolder)];
    HTREEITEM hAfter = TVI_FIRST;
    for (int e = nEntry - 1; e >= 0 && hAfter == TVI_FIRST; --e) {
        if (items.aEntries[Index(e)])
            hAfter = items.aEntries[Index(e)];
    }
    items.aEntries[Index(nEntry)] = InsertItem(title, items.hFolder, I_IMAGECALLBACK, hAfter);
    return items.aEntries[Index(nEntry)];
}

void CFolderTreeCtrl::RemoveFolder(int nFolder) {
    // Out of the record first: deleting a selected item tells the parent of
    // the new selection, which may look the folders up.
    const HTREEITEM hFolder = FolderItem(nFolder);
    m_aFolders.erase(m_aFolders.begin() + nFolder);
    DeleteItem(hFolder);
}

void CFolderTreeCtrl::RemoveEntry(int nFolder, int nEntry) {
    std::vector<HTREEITEM>& aEntries = m_aFolders[Index(nFolder)].aEntries;
    if (aEntries[Index(nEntry)])
        DeleteItem(aEntries[Index(nEntry)]);
    aEntries.erase(aEntries.begin() + nEntry);
}

void CFolderTreeCtrl::RemoveAreaItems(const CFolderArray& folders, int nArea) {
    for (int f = 0; f < folders.GetSize(); ++f) {
        const CFolder& folder = folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            HTREEITEM& hItem = m_aFolders[Index(f)].aEntries[Index(e)];
            if (folder.GetArea(e) == nArea && hItem) {
                DeleteItem(hItem);
                hItem = nullptr;
            }
        }
    }
}

void CFolderTreeCtrl::ShowAreaItems(const CFolderArray& folders, int nArea,
                                    const std::string& title) {
    for (int f = 0; f < folders.GetSize(); ++f) {
        const CFolder& folder = folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (folder.GetArea(e) == nArea && !EntryItem(f, e))
                ShowEntry(f, e, title);
        }
    }
}

void CFolderTreeCtrl::RenameAreaItems(const CFolderArray& folders, int nArea,
                                      const std::string& title) {
    for (int f = 0; f < folders.GetSize(); ++f) {
        const CFolder& folder = folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (HTREEITEM hItem = EntryItem(f, e); folder.GetArea(e) == nArea && hItem)
                SetItemText(hItem, title);
        }
    }
}

int CFolderTreeCtrl::FindFolder(HTREEITEM hItem) const {
    for (std::size_t f = 0; hItem && f < m_aFolders.size(); ++f) {
        if (m_aFolders[f].hFolder == hItem)
            return static_cast<int>(f);
    }
    return -1;
}

bool CFolderTreeCtrl::FindEntry(HTREEITEM hItem, int& nFolder, int& nEntry) const {
    for (std::size_t f = 0; hItem && f < m_aFolders.size(); ++f) {
        const std::vector<HTREEITEM>& aEntries = m_aFolders[f].aEntries;
        for (std::size_t e = 0; e < aEntries.size(); ++e) {
            if (aEntries[e] == hItem) {
                nFolder = static_cast<int>(f);
                nEntry = static_cast<int>(e);
                return true;
            }
        }
    }
    return false;
}

int CFolderTreeCtrl::ImageOf(HTREEITEM hItem, const CFolderArray& folders,
                             const CAreaArray& areas) const {
    int nFolder = FindFolder(hItem), nEntry = 0;
    if (nFolder >= 0)
        return folders.GetAt(nFolder).GetActive();
    if (FindEntry(hItem, nFolder, nEntry))
        return areas.GetAt(folders.GetAt(nFolder).GetArea(nEntry)).IsActive();
    return 0;
}
