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
    // Items for a folder appended to the folders, and for an entry appended
    // to a folder.
    HTREEITEM AddFolder(const std::string& name);
    HTREEITEM AddEntry(int nFolder, const std::string& title);
    void RemoveFolder(int nFolder);
    void RemoveEntry(int nFolder, int nEntry);
    // Deletes the items showing the area; its entries stay, without items.
    void RemoveAreaItems(const CFolderArray& folders, int nArea);
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
};
