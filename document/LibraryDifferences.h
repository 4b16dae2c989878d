#pragma once

// What going back to a kept set of the library's three files would change in
// the library as it stands, told to the user before going back: one line a
// difference, in the present tense.

#include "AreaArray.h"
#include "BackupSets.h"
#include "Folder.h"
#include "LibraryFiles.h"
#include "SceneryCfg.h"
#include "SceneryHeader.h"
#include "SceneryProfile.h"

#include <span>
#include <string>
#include <vector>

// One library as compared: its areas, the rows of its list (top row first:
// an area without a row was removed), its folders and its profiles. The
// document gives its own: {Areas(), Rows(), Folders(), Profiles()}.
struct CComparedLibrary {
    const CAreaArray& areas;
    std::span<const CListRow> rows;
    const CFolderArray& folders;
    const CSceneryProfiles& profiles;
};

// A set's three files read as the library's own are read, its rows those of
// a fresh start.
struct CLibrarySet : CLibraryCopy {
    CLibraryFiles files; // how each file fared
    CComparedLibrary View() const { return {areas, rows, folders, profiles}; }
};

// The files by ELibraryFile: scenery.cfg, Folder.txt, Profiles.txt.
CLibrarySet ReadLibrarySet(const CByLibraryFile<std::string>& files);
// A backup set's files read so; why it cannot be restored (a file that
// cannot be read, a scenery.cfg that is no library), or empty.
std::string ReadBackupSet(const CBackupSet& backup, CLibrarySet& set);

// The lines, in this order: the areas that come back, go, take back a title,
// move and switch; the folders that come back, go, gain or lose areas, list
// them in another order and switch; the profiles that come back, go and gain
// or lose areas. An area is "Title" (local path), positions count from #1 at
// the top row.
//
// Areas pair up by title and local path as Folder.txt finds an entry's area,
// several of the same names in their order from the top; those left pair up
// by local path alone, the same way: an area renamed since. An area moves
// when the order of the paired areas changes around it: of the paired areas
// the most that keep their order among themselves stay, so that an area
// added or taken out moves none and one area dragged is one line. Folders
// and profiles pair up by name, letter case aside, several of one name in
// their order; their areas are compared by the names going back gives them,
// a folder's only while listed (a folder's entries that named no area when
// read are shown nowhere and go at the next Save), a profile's also when
// they name no area.
std::vector<std::string> LibraryDifferences(const CComparedLibrary& now,
                                            const CComparedLibrary& set);
