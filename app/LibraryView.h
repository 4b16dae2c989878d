#pragma once

// The list and the tree as views of the one open library: they show what
// the library holds, and every change the library returns is shown here,
// one way for every kind. The views keep only what is theirs (selection,
// the top row, tree items, the folder highlighted); what a row shows comes
// from the library through the row source.

#include "FolderTreeCtrl.h"
#include "LibraryDocument.h"
#include "SceneryListBox.h"

class CLibraryView : public CSceneryRowSource {
public:
    CLibraryView(const CLibraryDocument& doc, CSceneryListBox& list, CFolderTreeCtrl& tree)
        : m_doc(doc), m_list(list), m_tree(tree) {}

    int RowCount() const override { return m_doc.RowCount(); }
    CSceneryRow Row(int nRow) const override;

    // Both views anew, as at start-up.
    void ShowAll();
    // The list anew; the selected positions stay, the highlight goes.
    void ShowAllRows();
    // What a change did, in the list and the tree: rows added, removed or
    // renamed show as a refill of the list keeping the selected positions;
    // moved rows as a drop shows them, selected with the top row kept; the
    // switches, folder dots and the tree's items (folders and entries at
    // their places) in place.
    void Show(const CChanges& changes);
    // A step taken back or done again, shown as any change, its rows or
    // else its folder then selected and in view.
    void ShowStep(const CChanges& changes);
    // The folder's areas get filled dots; none for an item that is no folder.
    void HighlightFolder(HTREEITEM hItem);

    // The areas of the list's rows, top first.
    std::vector<int> AreasOfRows(const std::vector<int>& aRows) const;
    std::vector<int> SelectedAreas() const { return AreasOfRows(m_list.GetSelRows()); }

private:
    void ShowFolderChange(const CChange& change);
    // Whether the area's dot is filled: the folder selected in the tree
    // holds it.
    bool IsInHighlightedFolder(int nArea) const;

    const CLibraryDocument& m_doc;
    CSceneryListBox& m_list;
    CFolderTreeCtrl& m_tree;
};
