#pragma once

// Folders handed to the library in a bunch (dropped on the window): why
// one did not become an area, and how the refused ones are told.

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

// "Not added:" and a line for each folder with why; empty when every folder
// was added.
std::string NotAddedText(const std::vector<CNotAdded>& notAdded);
