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

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr const char* kSceneryCfgName = "scenery.cfg";
inline constexpr const char* kFolderTxtName = "Folder.txt";

// The files of a library, in the order they are read and a write takes
// them: scenery.cfg first, whose areas the entries of the others name.
enum ELibraryFile : std::size_t {
    kSceneryCfgFile,
    kFolderTxtFile,
    kProfilesTxtFile,
    kLibraryFileCount
};
template <class T> using CByLibraryFile = std::array<T, kLibraryFileCount>;

struct CLibraryPaths {
    CByLibraryFile<std::string> files;
    std::string strLock;    // the library's lock, beside them
    std::string strJournal; // there only while a write is under way or died
};

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
using CLibraryFiles = CByLibraryFile<CFileResult>;

// What the files hold besides the areas' order.
struct CLibraryContents {
    CSceneryHeader& header;
    CAreaArray& areas;
    CFolderArray& folders;
    CSceneryProfiles& profiles;
    CKeptLines& profilesLead; // Profiles.txt's lines before its first profile
};

// A library of its own, read from files elsewhere (a backup set), with
// the rows a fresh start shows.
struct CLibraryCopy {
    CSceneryHeader header;
    CAreaArray areas;
    std::vector<CListRow> rows;
    CFolderArray folders;
    CSceneryProfiles profiles;
    CKeptLines profilesLead;

    CLibraryContents Contents() { return {header, areas, folders, profiles, profilesLead}; }
};

// A file of the library: how it is read into the contents and written from
// them, each row of the list giving its area's place and state.
struct CLibraryFileKind {
    const char* pszName;
    // One there that cannot be read stops every write of the library; else
    // it is only left as it is.
    bool bUnreadableStopsAll;
    CFileResult (*pRead)(const std::string& path, const CLibraryContents& contents);
    // Its text, or none when the file goes.
    std::optional<std::string> (*pText)(const CLibraryContents& contents,
                                        std::span<const CListRow> rows);
};
extern const CByLibraryFile<CLibraryFileKind> kLibraryFiles;

// Fills an empty header, area array, folder array, profile array and lines.
CLibraryFiles ReadLibrary(const CLibraryPaths& paths, const CLibraryContents& contents);

// Whether another program changed a file since it was last read or written;
// a file that could not be read is not looked at.
struct CSaveCheck {
    CByLibraryFile<bool> abChanged{};
    // Each file as it is now: what a write must find once the user lets it
    // replace those changes.
    CByLibraryFile<CFileState> disk{};
    bool AnyChanged() const {
        return std::find(abChanged.begin(), abChanged.end(), true) != abChanged.end();
    }
};
CSaveCheck CheckFilesBeforeSave(const CLibraryPaths& paths, const CLibraryFiles& files);

struct CLibraryWrite {
    CCommitResult commit;
    // The files that could not be read, and so were left as they are.
    std::vector<ELibraryFile> kept;
};

// Save: each listed area takes its number, layer and state from its row,
// the folders' expand flags are stored as Folder.txt keeps them (see
// StoreUntouchedExpandStates), and every file that could be read is written
// in one transaction.
CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CLibraryContents& contents, std::span<const CListRow> rows);
// Only the one file, for a change of nothing else (the profiles).
CLibraryWrite WriteLibraryFile(const CLibraryPaths& paths, CLibraryFiles& files,
                               const CLibraryContents& contents, ELibraryFile file);
// Only scenery.cfg, replaced by the text (a backup put back); the other
// files stay as they are.
CLibraryWrite WriteSceneryCfgText(const CLibraryPaths& paths, CLibraryFiles& files,
                                  std::string text);
// Finishes a write of the library that died, for a holder of its lock.
CRecovery RecoverLibrary(const CLibraryPaths& paths);
