#include "FolderTreeCtrl.h"

void CFolderTreeCtrl::Fill(CFolderArray& folders, const CAreaArray& areas) {
    DeleteAllItems();
    for (int f = 0; f < folders.GetSize(); ++f) {
        CFolder& folder = folders.GetAt(f);
        HTREEITEM hFolder = InsertItem(folder.GetName(), TVI_ROOT, I_IMAGECALLBACK);
        folder.SetTreeItem(hFolder);
        for (int e = 0; e < folder.GetCount(); ++e) {
            const CSceneryArea& area = areas.GetAt(folder.GetArea(e));
            HTREEITEM hItem = nullptr;
            if (!area.IsRemoved())
                hItem = InsertItem(area.GetTitle(), hFolder, I_IMAGECALLBACK);
            folder.SetEntryItem(e, hItem);
        }
        Expand(hFolder, folder.GetExpand() == 1 ? TVE_EXPAND : TVE_COLLAPSE);
    }
}

void CFolderTreeCtrl::RemoveAreaItems(CFolderArray& folders, int nArea) {
    for (int f = 0; f < folders.GetSize(); ++f) {
        CFolder& folder = folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (folder.GetArea(e) == nArea && folder.GetEntryItem(e)) {
                DeleteItem(folder.GetEntryItem(e));
                folder.SetEntryItem(e, nullptr);
            }
        }
    }
}

void CFolderTreeCtrl::StoreExpandStates(CFolderArray& folders) const {
    for (int f = 0; f < folders.GetSize(); ++f) {
        CFolder& folder = folders.GetAt(f);
        const HTREEITEM hFolder = folder.GetTreeItem();
        folder.SetExpand((GetItemState(hFolder, TVIS_EXPANDED) & TVIS_EXPANDED) &&
                         GetNextItem(hFolder, TVGN_CHILD) != nullptr);
    }
}

int CFolderTreeCtrl::ImageOf(CTreeItem hItem, const CFolderArray& folders,
                             const CAreaArray& areas) {
    int nFolder = folders.FindFolder(hItem), nEntry = 0;
    if (nFolder >= 0)
        return folders.GetAt(nFolder).GetActive();
    if (folders.FindEntry(hItem, nFolder, nEntry))
        return areas.GetAt(folders.GetAt(nFolder).GetArea(nEntry)).IsActive();
    return 0;
}
