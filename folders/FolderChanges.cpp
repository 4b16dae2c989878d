#include "FolderChanges.h"

#include "FolderName.h"

#include <algorithm>

std::string NewFolder(CFolderArray& folders, const std::string& name) {
    std::string reason = WhyFolderNameRefused(name, folders, -1);
    if (reason.empty())
        folders.Add(std::make_unique<CFolder>(name));
    return reason;
}

std::string RenameFolder(CFolderArray& folders, int nFolder, const std::string& name) {
    std::string reason = WhyFolderNameRefused(name, folders, nFolder);
    if (reason.empty())
        folders.GetAt(nFolder).SetName(name);
    return reason;
}

std::vector<int> RemoveFolder(CFolderArray& folders, CAreaArray& areas, int nFolder) {
    std::vector<int> aAreas;
    const CFolder& folder = folders.GetAt(nFolder);
    for (int e = 0; e < folder.GetCount(); ++e) {
        areas.GetAt(folder.GetArea(e)).SetInFolder(false);
        aAreas.push_back(folder.GetArea(e));
    }
    folders.RemoveAt(nFolder);
    return aAreas;
}

bool AddToFolder(CFolderArray& folders, CAreaArray& areas, int nFolder, int nArea) {
    CSceneryArea& area = areas.GetAt(nArea);
    if (area.IsInFolder())
        return false;
    area.SetInFolder(true);
    CFolder& folder = folders.GetAt(nFolder);
    folder.AddEntry(nArea);
    folder.SetActive(FolderState(folder, areas));
    return true;
}

int RemoveFromFolder(CFolderArray& folders, CAreaArray& areas, int nFolder, int nEntry) {
    CFolder& folder = folders.GetAt(nFolder);
    const int nArea = folder.GetArea(nEntry);
    areas.GetAt(nArea).SetInFolder(false);
    folder.RemoveEntry(nEntry);
    return nArea;
}

int FolderState(const CFolder& folder, const CAreaArray& areas) {
    if (folder.GetCount() == 0)
        return folder.GetActive();
    const bool bFirst = areas.GetAt(folder.GetArea(0)).IsActive();
    for (int e = 1; e < folder.GetCount(); ++e) {
        if (areas.GetAt(folder.GetArea(e)).IsActive() != bFirst)
            return 2;
    }
    return bFirst ? 1 : 0;
}

namespace {

// Folder.txt may list an area in more than one folder: each of them shows it.
void UpdateFoldersHolding(CFolderArray& folders, const CAreaArray& areas,
                          std::span<const int> aAreas) {
    std::vector<char> aSwitched(static_cast<std::size_t>(areas.GetSize()), 0);
    for (int nArea : aAreas)
        aSwitched[static_cast<std::size_t>(nArea)] = 1;
    for (int f = 0; f < folders.GetSize(); ++f) {
        CFolder& folder = folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (aSwitched[static_cast<std::size_t>(folder.GetArea(e))]) {
                folder.SetActive(FolderState(folder, areas));
                break;
            }
        }
    }
}

} // namespace

std::vector<int> SetFolderActive(CFolderArray& folders, CAreaArray& areas, int nFolder,
                                 bool bActive) {
    CFolder& folder = folders.GetAt(nFolder);
    std::vector<int> aAreas;
    for (int e = 0; e < folder.GetCount(); ++e) {
        areas.GetAt(folder.GetArea(e)).SetActive(bActive);
        aAreas.push_back(folder.GetArea(e));
    }
    UpdateFoldersHolding(folders, areas, aAreas);
    folder.SetActive(bActive ? 1 : 0);
    return aAreas;
}

void SwitchAreas(CFolderArray& folders, CAreaArray& areas, std::span<const int> aAreas) {
    for (int nArea : aAreas) {
        CSceneryArea& area = areas.GetAt(nArea);
        area.SetActive(!area.IsActive());
    }
    UpdateFoldersHolding(folders, areas, aAreas);
}

void StoreUntouchedExpandStates(CFolderArray& folders, const CAreaArray& areas) {
    for (int f = 0; f < folders.GetSize(); ++f) {
        CFolder& folder = folders.GetAt(f);
        bool bShown = false;
        for (int e = 0; e < folder.GetCount() && !bShown; ++e)
            bShown = !areas.GetAt(folder.GetArea(e)).IsRemoved();
        folder.SetExpand(folder.GetExpand() == 1 && bShown ? 1 : 0);
    }
}
