#pragma once

// What a change of the library did, one record per area or folder it
// switched, moved, added, removed or renamed: the views refresh from it and
// twk reports it.

#include <string>
#include <vector>

enum class EChange {
    kOn,
    kOff,
    kMove,
    kAdd,
    kRemove,
    kRename,
    kFolderOn,
    kFolderOff,
    kNewFolder,
    kRenameFolder,
    kRemoveFolder,
    kAddToFolder,
    kRemoveFromFolder,
};

struct CChange {
    EChange kind = EChange::kOn;
    int nArea = -1;   // the area, or -1
    int nFolder = -1; // the folder, or -1; a removed folder's index before it went
    // A move's or a removal's old row (0 = top), or -1.
    int nFromRow = -1;
    // A rename's old title or name; a removed folder's name.
    std::string strFrom;
};

using CChanges = std::vector<CChange>;
