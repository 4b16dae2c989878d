#pragma once

// The commands on the areas of the list: Add, Remove, Rename, the Delete
// key, a switch or a drop in the list, Scan, folders dropped on the window
// and Find.

#include "CommandTarget.h"

#include <string>
#include <vector>

class CAreaCommands : public CCommandTarget {
public:
    using CCommandTarget::CCommandTarget;

    // Add and Scan once the folder is chosen: one area for the scenery
    // folder, named by the user; one for every scenery folder inside.
    void AddSceneryFolder(const std::string& folder);
    void AddSceneryFolders(const std::string& directory);
    // Dropped files and folders: an area for each scenery folder new to the
    // library, in one step; the others named in one box, with why.
    void AddDroppedFolders(const std::vector<std::string>& paths);
    // The selected rows as one block above row nBefore (-1: to the end).
    void MoveSelectedRows(int nBefore);
    // The next row whose title begins with the text.
    void Find(const std::string& text);
    void OnRenameScenery();

    // Where the folder browsers open: the folder last chosen.
    std::string m_strBrowsePath;

protected:
    void OnAddScenery();
    void OnRemoveScenery();
    void OnUpdateRemoveScenery(CCmdUI* pCmdUI);
    void OnUpdateRenameScenery(CCmdUI* pCmdUI);
    void OnScanDirectory();
    LRESULT OnToggleActive(WPARAM wParam, LPARAM lParam);
    LRESULT OnMoveScenery(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteScenery(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Remove and Delete: the selected rows' areas, after the question; the
    // Delete key removes required areas too.
    void RemoveSelectedRows(bool bRequiredToo);
    // The question before the areas go: true on Yes.
    bool ConfirmRemove(std::size_t nCount) const;
};
