#pragma once

// What a change of the library did, one record per area or folder it
// switched, moved, added, removed or renamed: the views show it and twk
// reports it. A change the library may refuse also says why.

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
    // The whole library gave way to another (a backup set's): every view
    // shows it anew. The record names no area nor folder.
    kReplaceLibrary,
};

struct CChange {
    EChange kind = EChange::kOn;
    int nArea = -1;   // the area, or -1
    int nFolder = -1; // the folder, or -1; a removed folder's index before it went
    // A move's or a removal's old row (0 = top), or -1.
    int nFromRow = -1;
    // A rename's old title or name; a removed folder's name.
    std::string strFrom;
    // An entry put in or taken out of its folder: its place there, or -1
    // when the whole folder came or went.
    int nEntry = -1;
};

using CChanges = std::vector<CChange>;

// The outcome of a change the library may refuse, in whole or in part: what
// it did, and why what it did not do was refused (a line for each; empty
// when nothing was refused). Both faces show the reason as it is; what a
// scan left out because the library holds it is for each face to tell its
// way.
struct CChangeResult {
    CChanges changes;
    std::string strRefused;
    // The areas that already hold folders the change was asked to add, and
    // so left out: adding one again would make a second area of the same
    // scenery.
    std::vector<int> held = {};

    bool Refused() const { return !strRefused.empty(); }
};
