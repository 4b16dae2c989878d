#pragma once

// The commands on the folders of the tree: New, Remove and Rename folder,
// ">>" (also a double-click in the list) and "<<", a click on an item's box
// or Space, which switches it, a click on a folder's name, which marks its
// areas in the list, and the tree's requests for pictures and its expand
// states, which the library keeps.

#include "CommandTarget.h"

class CFolderCommands : public CCommandTarget {
public:
    using CCommandTarget::CCommandTarget;

    // A click on the item's box: a folder or an entry switched.
    void ToggleTreeItem(HTREEITEM hItem);

protected:
    void OnNewFolder();
    void OnAddToFolder();
    void OnUpdateFolderCommand(CCmdUI* pCmdUI);
    void OnRemoveFromFolder();
    void OnUpdateRemoveFromFolder(CCmdUI* pCmdUI);
    void OnRemoveFolder();
    void OnRenameFolder();
    void OnTreeClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeKeyDown(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnListDoubleClick(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The folder selected in the tree, or -1.
    int SelectedFolder() const { return m_tree.FindFolder(m_tree.GetSelectedItem()); }
    // Why a folder name was refused.
    void WarnFolderName(const CChangeResult& result) const {
        ShowRefusal(result, "Warning", MB_ICONWARNING);
    }
};
