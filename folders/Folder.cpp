#include "Folder.h"

bool CFolder::RemoveEntry(int i) {
    if (i < 0 || i >= GetCount())
        return false;
    m_aEntries.erase(m_aEntries.begin() + i);
    return true;
}

int CFolderArray::FindFolder(CTreeItem hItem) const {
    for (int f = 0; hItem && f < GetSize(); ++f) {
        if (GetAt(f).GetTreeItem() == hItem)
            return f;
    }
    return -1;
}

bool CFolderArray::FindEntry(CTreeItem hItem, int& nFolder, int& nEntry) const {
    for (nFolder = 0; hItem && nFolder < GetSize(); ++nFolder) {
        const CFolder& folder = GetAt(nFolder);
        for (nEntry = 0; nEntry < folder.GetCount(); ++nEntry) {
            if (folder.GetEntryItem(nEntry) == hItem)
                return true;
        }
    }
    return false;
}
