#pragma once

// The airports of a library: for each area, the .bgl files of its scenery
// sub-folder and what each holds, taken from the areas as they stand in the
// window (their order and switches, saved or not). The index works on its
// own copy of the areas, so that it can be built on a worker thread while
// the library stays as it is.

#include "AreaArray.h"
#include "AreaChanges.h"
#include "BglFile.h"
#include "SceneryDisk.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

class CAirportCache;

// One row of the library as the index takes it.
struct CIndexArea {
    int nArea = -1; // in the library's areas
    std::string strTitle;
    std::string strLocal;
    std::string strFolder; // the folder the local path names, as the files store it
    bool bActive = false;
    // One of the simulator's own areas, whose folder lies in its Scenery folder.
    bool bStock = false;
    bool bRequired = false; // the simulator requires it
};

// The rows as the index takes them, top row first.
std::vector<CIndexArea> IndexAreasOf(const CAreaArray& areas, std::span<const CListRow> rows,
                                     const std::string& simPath);

struct CIndexedFile {
    std::string strName; // in the scenery sub-folder
    CBglContents contents;
};

struct CAirportIndex {
    std::vector<CIndexArea> areas;                // top row first
    std::vector<std::vector<CIndexedFile>> files; // by area, in the order of their names
    bool bComplete = true;                        // false when the work was stopped
};

// Called after each file with the count done and the count found; false
// stops the work.
using CIndexProgress = std::function<bool(std::size_t nDone, std::size_t nTotal)>;

// Lists each area's scenery sub-folder through the disk and reads the .bgl
// files the cache does not hold as they are now. The cache then refers to
// the index's contents: it is saved, if at all, before the index goes.
CAirportIndex BuildAirportIndex(std::vector<CIndexArea> areas, const CSceneryDisk& disk,
                                CAirportCache& cache, const CIndexProgress& progress = {});

// BuildAirportIndex with the simulator folder's cache file at cachePath (none
// when empty): read before, written after when anything new was read, also
// after a stop.
CAirportIndex IndexLibraryAirports(std::vector<CIndexArea> areas, const std::string& simPath,
                                   const CSceneryDisk& disk, const std::string& cachePath,
                                   const CIndexProgress& progress = {});
