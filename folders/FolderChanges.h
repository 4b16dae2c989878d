#pragma once

// What the folder commands do to the folders and the areas, for every face
// of the program: new, rename and remove folder, add to and remove from a
// folder, and the switches that keep a folder's check state in step with its
// areas. Tree items are the caller's to make and to set.

#include "AreaArray.h"
#include "Folder.h"

#include <span>
#include <string>
#include <vector>

// Appends a new folder (unticked, expanded) when the name can be a folder's;
// else returns why not and changes nothing.
std::string NewFolder(CFolderArray& folders, const std::string& name);
std::string RenameFolder(CFolderArray& folders, int nFolder, const std::string& name);
// The folder goes; returns the areas it held, now in no folder.
std::vector<int> RemoveFolder(CFolderArray& folders, CAreaArray& areas, int nFolder);

// Puts an area in the folder as its last entry, unless it is in a folder
// already (then false and no change).
bool AddToFolder(CFolderArray& folders, CAreaArray& areas, int nFolder, int nArea);
// The entry goes; returns its area, now in no folder.
int RemoveFromFolder(CFolderArray& folders, CAreaArray& areas, int nFolder, int nEntry);

// A folder's check state from its areas: 1 all on, 0 all off, 2 both. An
// empty folder keeps the one it has.
int FolderState(const CFolder& folder, const CAreaArray& areas);

// Switches every area of the folder on or off and the folder with them;
// other folders holding one of those areas take their new check state.
// Returns the areas of its entries.
std::vector<int> SetFolderActive(CFolderArray& folders, CAreaArray& areas, int nFolder,
                                 bool bActive);
// Areas switched by themselves, from the list, from their entries in a
// folder or by a profile: every folder holding one takes its new check state.
void SwitchAreas(CFolderArray& folders, CAreaArray& areas, std::span<const int> aAreas);
inline void ToggleArea(CFolderArray& folders, CAreaArray& areas, int nArea) {
    SwitchAreas(folders, areas, std::span<const int>(&nArea, 1));
}

// Each folder's expand flag as Save stores it from a tree nobody touched:
// 1 when the flag read is 1 and an area of the folder is still in the
// library (a folder without items is saved collapsed), else 0.
void StoreUntouchedExpandStates(CFolderArray& folders, const CAreaArray& areas);
