#pragma once

// Scenery folders on disk: the test the folder browsers and the scan apply,
// the paths and names an added area takes, and the scan of a directory.

#include "AreaArray.h"

#include <string>

// A folder whose sub-folder "scenery" holds an entry ending in ".bgl" (any
// letter case).
bool IsSceneryFolder(const std::string& folder);

// The folder relative to the simulator folder (which ends in a separator)
// when it lies below it, compared exactly, case included; else the folder.
std::string LocalPathOf(const std::string& folder, const std::string& simPath);

// The last part of a local path: the name an added area is proposed.
std::string NameOfLocalPath(const std::string& localPath);

// A new area as Add and the scan make it: on, for that folder.
std::unique_ptr<CSceneryArea> NewArea(const std::string& folder, const std::string& simPath);

struct CScanResult {
    int nAdded = 0;
    int nLeftOut = 0; // scenery folders found that no area index could address
};

// Appends an area for every scenery folder directly inside the directory, in
// the order the system lists them, skipping names that begin with "."; no
// more than the array can address.
CScanResult ScanDirectory(const std::string& directory, const std::string& simPath,
                          CAreaArray& areas, int nMaxAreas = CAreaArray::kMaxAreas);
