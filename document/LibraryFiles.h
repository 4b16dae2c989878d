#pragma once

// The three files of a simulator folder that hold its library, read and
// written in one sequence by every face of the program: scenery.cfg first,
// then Folder.txt and Profiles.txt, whose entries are matched to the areas
// just read. A write is one transaction over the files (see
// FileTransaction.h), made under the library's lock: every file changes or
// none, each only while it is what was last read or written (see
// FileState.h), so that they stay in step.

#include "AreaArray.h"
#include "FileTransaction.h"
#include "Folder.h"
#include "ProfilesFile.h"
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
    std::string strProfilesTxt;
    std::string strLock;    // the library's lock, beside them
    std::string strJournal; // there only while a write is under way or died
};

// The files in the order a write takes them.
inline constexpr const char* kLibraryFileNames[] = {kSceneryCfgName, kFolderTxtName,
                                                    kProfilesTxtName};

// Names in a sentence: "a", "a and b", "a, b and c".
std::string JoinedNames(std::span<const std::string> names);

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
    CFileResult profilesTxt;
};

// What the files hold besides the areas' order.
struct CLibraryContents {
    CSceneryHeader& header;
    CAreaArray& areas;
    CFolderArray& folders;
    CSceneryProfiles& profiles;
    CKeptLines& profilesLead; // Profiles.txt's lines before its first profile
};

// Fills an empty header, area array, folder array, profile array and lines.
CLibraryFiles ReadLibrary(const CLibraryPaths& paths, const CLibraryContents& contents);

// Whether another program changed a file since it was last read or written;
// Profiles.txt is not looked at when it could not be read.
struct CSaveCheck {
    // By file, in the order of kLibraryFileNames.
    bool abChanged[3] = {false, false, false};
    // Each file as it is now: what a write must find once the user lets it
    // replace those changes.
    CFileState disk[3];
    bool AnyChanged() const { return abChanged[0] || abChanged[1] || abChanged[2]; }
};
CSaveCheck CheckFilesBeforeSave(const CLibraryPaths& paths, const CLibraryFiles& files);

struct CLibraryWrite {
    CCommitResult commit;
    // Profiles.txt could not be read, so it was left as it is.
    bool bProfilesTxtKept = false;
};

// Save: each listed area takes its number, layer and state from its row,
// the folders' expand flags are stored as Folder.txt keeps them (see
// StoreUntouchedExpandStates), and scenery.cfg, Folder.txt and Profiles.txt
// (unless it could not be read) are written in one transaction.
CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CLibraryContents& contents, std::span<const CListRow> rows);
// Only Profiles.txt, for a change of nothing but the profiles.
CLibraryWrite WriteProfiles(const CLibraryPaths& paths, CLibraryFiles& files,
                            const CLibraryContents& contents);
// Only scenery.cfg, replaced by the text (a backup put back); the other
// files stay as they are.
CLibraryWrite WriteSceneryCfgText(const CLibraryPaths& paths, CLibraryFiles& files,
                                  std::string text);
// Finishes a write of the library that died, for a holder of its lock.
CRecovery RecoverLibrary(const CLibraryPaths& paths);
