#pragma once

// The two files of a simulator folder that hold its library, read and
// written in one sequence by every face of the program: scenery.cfg first,
// then Folder.txt, whose entries are matched to the areas just read. A write
// replaces each file only while it is what was last read or written (see
// FileState.h), and Folder.txt only once scenery.cfg is written, so that the
// two stay in step.

#include "AreaArray.h"
#include "Folder.h"
#include "SceneryCfg.h"
#include "SceneryDisk.h"
#include "SceneryHeader.h"

#include <span>
#include <string>

inline constexpr const char* kSceneryCfgName = "scenery.cfg";
inline constexpr const char* kFolderTxtName = "Folder.txt";

struct CLibraryPaths {
    std::string strSceneryCfg;
    std::string strFolderTxt;
};

// The files in the simulator folder (which ends in a separator), as the
// disk finds them; why not, naming the file, when it cannot tell.
std::string LocateLibrary(const std::string& simPath, const CSceneryDisk& disk,
                          CLibraryPaths& paths);
// The backup of scenery.cfg beside it (see BackupPathOf), found the same way.
std::string LocateBackup(const std::string& simPath, const CSceneryDisk& disk, std::string& path);

// How each file fared when read: one that was there but could not be read
// is never replaced. Each disk state follows every write.
struct CLibraryFiles {
    CFileResult sceneryCfg;
    CFileResult folderTxt;
};

// Fills an empty header, area array and folder array.
CLibraryFiles ReadLibrary(const CLibraryPaths& paths, CSceneryHeader& header, CAreaArray& areas,
                          CFolderArray& folders);

// Whether another program changed either file since it was last read or
// written.
struct CSaveCheck {
    bool bSceneryCfgChanged = false;
    bool bFolderTxtChanged = false;
    // Each file as it is now: what a write must find once the user lets it
    // replace those changes.
    CFileState sceneryCfg;
    CFileState folderTxt;
};
CSaveCheck CheckFilesBeforeSave(const CLibraryPaths& paths, const CLibraryFiles& files);

struct CLibraryWrite {
    CFileResult result;              // of the last file tried
    std::string strPath;             // that file
    bool bSceneryCfgWritten = false; // Folder.txt is tried only then
};

// Save: each listed area takes its number, layer and state from its row;
// scenery.cfg is written, then the folders' expand flags are stored as
// Folder.txt keeps them (see StoreUntouchedExpandStates) and it is written.
CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CSceneryHeader& header, CAreaArray& areas, CFolderArray& folders,
                           std::span<const CListRow> rows);
