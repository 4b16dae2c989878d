#pragma once

// The folder tree: the standard tree view showing the user's folders, each
// with an item for every area it holds. It keeps its own record of which
// item shows which folder and entry, in step with the folders it shows; each
// item asks for its picture when it is drawn (a picture set item by item
// costs a walk of the whole tree in some tree views), so a change of state
// only has to repaint the tree.

#include "AreaArray.h"
#include "Controls.h"
#include "Folder.h"

#include <string>
#include <vector>

class CFolderTreeCtrl : public CTreeCtrl {
public:
    // Every folder and, in it, an item for each area not removed; a folder
    // expanded when its flag says so.
    void Fill(const CFolderArray& folders, const CAreaArray& areas);
    // Items for a folder put among the folders at its index, with its
    // entries, and for an entry put in a folder at its place.
    HTREEITEM InsertFolder(int nFolder, const CFolder& folder, const CAreaArray& areas);
    HTREEITEM InsertEntry(int nFolder, int nEntry, const std::string& title);
    void RemoveFolder(int nFolder);
    void RemoveEntry(int nFolder, int nEntry);
    // Deletes the items showing the area; its entries stay, without items.
    void RemoveAreaItems(const CFolderArray& folders, int nArea);
    // Items again for the area's entries that have none.
    void ShowAreaItems(const CFolderArray& folders, int nArea, const std::string& title);
    // The items showing the area take its title.
    void RenameAreaItems(const CFolderArray& folders, int nArea, const std::string& title);

    HTREEITEM FolderItem(int nFolder) const { return m_aFolders[Index(nFolder)].hFolder; }
    HTREEITEM EntryItem(int nFolder, int nEntry) const {
        return m_aFolders[Index(nFolder)].aEntries[Index(nEntry)];
    }
    // The folder the item shows, or -1.
    int FindFolder(HTREEITEM hItem) const;
    // The first entry the item shows, or false.
    bool FindEntry(HTREEITEM hItem, int& nFolder, int& nEntry) const;
    // The picture an item shows: a folder its check state, an area its own
    // on/off state.
    int ImageOf(HTREEITEM hItem, const CFolderArray& folders, const CAreaArray& areas) const;

private:
    static std::size_t Index(int n) { return static_cast<std::size_t>(n); }

    struct CFolderItems {
        HTREEITEM hFolder;
        std::vector<HTREEITEM> aEntries; // nullptr for an entry not shown
    };
    std::vector<CFolderItems> m_aFolders;

    // An item for the entry, which has none, after the items of the entries
    // before it.
    HTREEITEM ShowEntry(int nFolder, int nEntry, const std::string& title);
};
