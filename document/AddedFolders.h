#pragma once

// Folders handed to the library in a bunch (dropped on the window): which
// became areas, which did not and why, and how the refused ones are told.

#include "Change.h"

#include <string>
#include <vector>

enum class ENotAdded {
    kNotFolder, // a file, or nothing at that path
    kHeld,      // an area of the library names that folder already
    kNoScenery, // no scenery files inside (see IsSceneryFolder)
    kFull,      // the library addresses no more areas
};

struct CNotAdded {
    std::string strPath;
    ENotAdded why = ENotAdded::kNotFolder;
};

struct CAddedFolders {
    CChanges changes; // one kAdd for each area added
    std::vector<CNotAdded> notAdded;
};

// "Not added:" and a line for each folder with why; empty when every folder
// was added.
std::string NotAddedText(const std::vector<CNotAdded>& notAdded);
