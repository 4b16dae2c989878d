#pragma once

// The folder tree: the standard tree view showing the user's folders, each
// with an item for every area it holds. The folders keep their items; each
// item asks for its picture when it is drawn (a picture set item by item
// costs a walk of the whole tree in some tree views), so a change of state
// only has to repaint the tree.

#include "AreaArray.h"
#include "Controls.h"
#include "Folder.h"

class CFolderTreeCtrl : public CTreeCtrl {
public:
    // Every folder and, in it, an item for each area not removed; a folder
    // expanded when its flag says so.
    void Fill(CFolderArray& folders, const CAreaArray& areas);
    // Deletes the items showing the area; its entries stay, without items.
    void RemoveAreaItems(CFolderArray& folders, int nArea);
    // Each folder's expand flag from its item: 1 when it is expanded and has
    // an item in it (the tree keeps the flag of a folder whose last item
    // went: one without items is saved collapsed).
    void StoreExpandStates(CFolderArray& folders) const;
    // The picture an item shows: a folder its check state, an area its own
    // on/off state.
    static int ImageOf(CTreeItem hItem, const CFolderArray& folders, const CAreaArray& areas);
};
