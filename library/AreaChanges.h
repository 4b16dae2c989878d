#pragma once

// What the commands on areas do to the library, for every face of the
// program: the order of the rows, Add, Remove and Rename. The directory scan
// is in SceneryFolder.h.

#include "AreaArray.h"
#include "SceneryCfg.h"
#include "SceneryDisk.h"

#include <string>
#include <unordered_map>
#include <vector>

// The longest name the user gives an area or a folder; longer ones are cut.
inline constexpr std::size_t kMaxNameLength = 255;

// Why a title given whole (not typed into a field that stops at the limit)
// cannot be an area's: empty, or longer than kMaxNameLength; else empty.
std::string WhyTitleRefused(const std::string& title);

// The rows of the scenery list of a library just read, top first: the
// areas in reverse order, so that a fresh start shows the file's last area
// on top, whatever their numbers and layers; each switched on as its area
// is. Later changes of the order are the user's.
std::vector<CListRow> ListRows(const CAreaArray& areas);

// How a row is named to the user: "#" and its position, 1 for the top row.
std::string PositionName(int nPosition);

// The library addresses no more areas.
bool IsLibraryFull(const CAreaArray& areas);

// The title Add proposes for a folder: the last part of its local path.
std::string ProposedTitle(const std::string& folder, const std::string& simPath);

// Appends a new area, switched on, for a scenery folder (the caller checked
// it with IsSceneryFolder and IsLibraryFull); the next rows put it on top.
// Returns its index.
int AddArea(CAreaArray& areas, const std::string& folder, const std::string& simPath,
            const std::string& title);

// The area leaves the list; Folder.txt loses its entries at the next Save.
void RemoveArea(CAreaArray& areas, int nArea);

void RenameArea(CAreaArray& areas, int nArea, const std::string& title);

// The folders the library holds: for each, by its identity (letter case and
// separators aside), the first area not removed that names it. Adding such
// a folder again would make a second area of the same scenery.
using CHeldFolders = std::unordered_map<std::u32string, int>;
CHeldFolders HeldFolders(const CAreaArray& areas, const std::string& simPath);
// The area holding the folder, or -1.
int AreaHolding(const CHeldFolders& held, const std::string& folder);

struct CScanResult {
    int nAdded = 0;
    int nLeftOut = 0; // scenery folders found that no area index could address
    // The areas holding scenery folders found that were held, in the order
    // found.
    std::vector<int> aHeld;
    // Folders inside whose names no path in the code page can name, as the
    // disk names them: they are not looked at.
    std::vector<std::string> aUnnamed;
};

// Adds an area for every scenery folder directly inside the directory, in
// the order the disk lists them, skipping names that begin with "." and,
// when given, the folders held; no more than the array can address. Each is
// titled as Add proposes.
CScanResult ScanDirectory(const std::string& directory, const std::string& simPath,
                          CAreaArray& areas, int nMaxAreas = CAreaArray::kMaxAreas,
                          const CSceneryDisk& disk = SystemDisk(),
                          const CHeldFolders* pHeld = nullptr);
