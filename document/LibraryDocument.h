#pragma once

// One open library: the simulator folder and its three files, what each
// file was when read, the header, the areas, the rows of the list (their
// order and switches), the folders and whether each is shown expanded, and
// the profiles. Both faces of the program hold one and keep no copy of it:
// the window shows it, twk reports on it, and every change goes through it,
// through the same portable functions, so that both write the same bytes
// for the same change. Each change is one step of the history, unless it
// changed nothing.

#include "AddedFolders.h"
#include "AreaArray.h"
#include "AreaChanges.h"
#include "BackupSets.h"
#include "Change.h"
#include "FileLock.h"
#include "Folder.h"
#include "History.h"
#include "LibraryCheck.h"
#include "LibraryFiles.h"
#include "ProfileChanges.h"
#include "Resolution.h"
#include "SceneryCfg.h"
#include "SceneryDisk.h"
#include "SceneryHeader.h"

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The outcome of a Save: every file written, or none.
struct CSaveResult {
    enum EOutcome {
        kWritten,
        kUnreadable, // a file could not be read when opened
        kChanged,    // another program changed a file meanwhile
        kFailed,     // the system refused a write
        kReadOnly,   // the user protected a file the write replaces or removes
        kLocked,     // another program held the library's lock past the wait
        kNoBackup,   // the set of the files as they were could not be kept (see BackupSets.h)
    };
    EOutcome outcome = kWritten;
    std::string strPath;   // the file it is about
    std::string strReason; // the system's reason, or why the file could not be read
    // A file already replaced could not be put back: the files may be mixed
    // until the library is next opened, which finishes putting them back.
    bool bPutBackFailed = false;
    // The files that could not be read when opened, and so were left as
    // they are.
    std::vector<ELibraryFile> kept = {};
};

// How long a face waits for the library's lock, and what it does
// meanwhile (a window keeps its messages flowing).
struct CLockWait {
    std::chrono::milliseconds wait{5000};
    std::function<void()> whileWaiting = {};
};

// What applying a profile did: the areas switched, and the entries naming
// areas the library no longer holds.
struct CAppliedProfile {
    CChanges changes;
    std::vector<CEntryNames> missing;
};

class CLibraryDocument {
public:
    // Reads the library of the simulator folder (which ends in a separator)
    // through the disk, under its lock (see Lock), and shows its areas as a
    // fresh start does. Why the files cannot be found, naming the file, or
    // empty; how each file fared is in Files(). When the lock stays busy
    // nothing is read (LockState() tells) and Open may be tried again;
    // else only once. The lock is let go after reading unless bHold.
    std::string Open(const std::string& simPath, const CSceneryDisk& disk = SystemDisk(),
                     const CLockWait& wait = {}, bool bHold = false);
    bool IsOpen() const { return !m_strSimPath.empty(); }

    // The library's lock, which every face takes to read the files and
    // holds from the last look before a write until it is done: then no
    // reader sees half a write and two writers take turns. A holder first
    // finishes a write that died (see Recovery). Where the lock file cannot
    // be made, the files are read and written without it.
    CFileLock::EOutcome Lock(const CLockWait& wait = {});
    void Unlock() { m_lock.Release(); }
    bool IsLocked() const { return m_lock.IsHeld(); }
    CFileLock::EOutcome LockState() const { return m_lockState; }
    // What the last taking of the lock found of a write that died; taken
    // by the face that says so.
    CRecovery TakeRecovery() { return std::exchange(m_recovery, {}); }
    bool HasRecovery() const { return m_recovery.outcome != CRecovery::kNone; }

    const std::string& SimPath() const { return m_strSimPath; }
    const CSceneryDisk& Disk() const { return *m_pDisk; }
    const CLibraryPaths& Paths() const { return m_paths; }
    const CLibraryFiles& Files() const { return m_files; }
    const CAreaArray& Areas() const { return m_areas; }
    const CSceneryArea& Area(int nArea) const { return m_areas.GetAt(nArea); }
    const CFolderArray& Folders() const { return m_folders; }
    const CSceneryProfiles& Profiles() const { return m_profiles; }
    // Top row first.
    const std::vector<CListRow>& Rows() const { return m_rows; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // The row showing each area, by area index; -1 for a removed one.
    std::vector<int> RowsByArea() const;
    int RowOf(int nArea) const;

    // The rows as the airport index takes them: a copy, which a worker
    // thread may index while the library changes.
    std::vector<CIndexArea> AirportAreas() const;
    // The airports of the library as it stands, through the simulator
    // folder's cache.
    CAirportIndex IndexAirports(const CIndexProgress& progress = {}) const;
    // The health check of the library as it stands, its airports as
    // indexed from the rows as they stand.
    std::vector<CFinding> Check(const CAirportIndex& airports) const;
    std::vector<CFinding> Check() const { return Check(IndexAirports()); }

    // Copies scenery.cfg over its backup beside it. Why not, or empty;
    // path receives the backup's path once it is found.
    std::string TakeBackup(std::string& path) const;
    // Where the sets of the library's files are kept, and every write's
    // keeping one first, named by its writer ("Save", twk's command line);
    // none for writes without one, when the user says so.
    std::string BackupsFolder() const;
    void KeepSetsAs(std::optional<std::string> writer) { m_setWriter = std::move(writer); }
    // Keeps a set of the files as they are now, as the window's start does.
    CKeptSet KeepSet(const std::string& by) const;

    // The changes. Rows count from 0 at the top.
    // The row goes above the row nBefore (the rows' count: to the end).
    CChanges MoveRow(int nFrom, int nBefore) { return MoveRows({{nFrom}}, nBefore); }
    // The rows, in ascending order, go as one block in their order above the
    // row nBefore (the rows' count: to the end), one step.
    CChanges MoveRows(std::span<const int> aRows, int nBefore);
    // As a click on each area's box that leaves it so: every folder holding
    // it follows. Switching off an area the simulator requires is refused,
    // changing nothing, unless bRequiredToo.
    CChangeResult SetAreasActive(std::span<const int> aAreas, bool bActive,
                                 bool bRequiredToo = false);
    // Why no area can be added now (the library addresses no more), or
    // empty; the window asks before it offers a folder to choose.
    std::string WhyNoAreaFits() const;
    // The area holding the folder (see HeldFolders), or -1.
    int HeldBy(const std::string& folder) const;
    // A new area for a scenery folder, on top; refused when the folder
    // holds no scenery or no area fits, or when the library holds it unless
    // bHeldToo.
    CChangeResult AddArea(const std::string& folder, const std::string& title,
                          bool bHeldToo = false);
    // Refused, changing nothing, when an area is one the simulator requires,
    // unless bRequiredToo.
    CChangeResult RemoveAreas(std::span<const int> aAreas, bool bRequiredToo = false);
    // Why RemoveAreas would refuse the areas without that leave, or empty.
    std::string WhyNotRemoved(std::span<const int> aAreas) const;
    CChanges RenameArea(int nArea, const std::string& title);
    // An area for every scenery folder inside the directory, in one step;
    // those that found no room or no name are refused, and those the
    // library holds left out (held) unless bHeldToo.
    CChangeResult Scan(const std::string& directory, bool bHeldToo = false);
    // An area for each of the folders that is a scenery folder the library
    // does not hold yet, titled as Add proposes and put on top as
    // successive Adds would put them, in one step; the others are refused
    // with why, in their order.
    CChangeResult AddAreas(std::span<const std::string> folders);
    // Refused when the name cannot be a folder's.
    CChangeResult NewFolder(const std::string& name);
    CChangeResult RenameFolder(int nFolder, const std::string& name);
    CChanges RemoveFolder(int nFolder);
    CChanges AddToFolder(int nFolder, int nArea) {
        return AddToFolder(nFolder, std::span<const int>(&nArea, 1));
    }
    // Each area not in the folder yet joins it, in one step.
    CChanges AddToFolder(int nFolder, std::span<const int> aAreas);
    CChanges RemoveFromFolder(int nFolder, int nEntry);
    // As a click on the folder's box that leaves it so; refused, as
    // SetAreasActive, when it would switch off a required area.
    CChangeResult SetFolderActive(int nFolder, bool bActive, bool bRequiredToo = false);
    // A click on a folder's box: an unticked folder goes on, any other off,
    // whatever it holds.
    CChanges ToggleFolder(int nFolder) {
        return SetFolderActive(nFolder, m_folders.GetAt(nFolder).GetActive() == 0, true).changes;
    }
    // The areas switched, then moved, in one step; folders follow the
    // switches as after clicks on the areas' boxes. Used to make an
    // airport's chosen definition the one the simulator uses.
    CChanges Rearrange(const CRearrangement& change);
    // The library becomes the one given (a backup set read as the files
    // are read: header, areas, order, switches, folders and profiles, and
    // what Tarnwick does not know of them), in one step; the files are
    // written at the next Save, as after any change.
    CChanges ReplaceLibrary(CLibraryCopy library);
    // How the folder is shown: no step of the history, no change to save.
    void SetFolderExpanded(int nFolder, bool bExpanded);
    // The profile's areas on, every other area off unless required, in one
    // step; folders follow as after switches in the list.
    CAppliedProfile ApplyProfile(int nProfile);
    // The areas on now become the profile of that name, replacing one of
    // that name (letter case aside); refused when the name cannot be a
    // profile's. Profiles are not shown in the list: no change records.
    CChangeResult SaveProfile(const std::string& name);
    // Refused for the name's form, or when another profile has it.
    CChangeResult RenameProfile(int nProfile, const std::string& name);
    void DeleteProfile(int nProfile);

    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // What taking the last step back or doing it again changed, as the
    // change itself would return it: the records of the step, or their
    // opposites, the last first. Nothing when there is no step.
    CChanges Undo();
    CChanges Redo();
    // Whether the library differs from what was last read or saved.
    bool IsModified() const { return m_history.Point() != m_nSavedPoint; }

    // Whether another program changed a file since it was read or last
    // saved, and the user's leave to replace those changes.
    CSaveCheck CheckFilesBeforeSave() const;
    void AcceptChangedFiles(const CSaveCheck& check);
    // scenery.cfg or Folder.txt was there but could not be read when opened,
    // so Save replaces neither: kUnreadable, naming it; else kWritten.
    CSaveResult Unreadable() const;
    // The same for Profiles.txt, which stops only the profile commands.
    CSaveResult ProfilesUnreadable() const;
    // Writes the files from the rows, all or none, each only while it is as
    // last read or written (see WriteLibrary), unless scenery.cfg or
    // Folder.txt is unreadable. Takes the lock for the write unless it is
    // held.
    CSaveResult Save();
    // Writes only Profiles.txt, after a change of nothing but the profiles.
    CSaveResult SaveProfiles();
    // Replaces scenery.cfg by the text (its backup put back) as Save writes,
    // while it is as last read; the other files stay as they are. The
    // library is then as read no longer: open it anew to show it.
    CSaveResult ReplaceSceneryCfg(std::string text);
    // The files Save writes, in its order: those that could be read.
    std::vector<std::string> SavedFileNames() const;

private:
    // Each area to the other state, in one step.
    CChanges SwitchAreas(std::span<const int> aAreas);
    // The parts of a step: the areas to the other state, the rows moved as
    // MoveRows moves them.
    void SwitchAreasIn(CStep& step, CChanges& changes, std::span<const int> aAreas);
    void MoveRowsIn(CStep& step, CChanges& changes, std::span<const int> aRows, int nBefore);
    // The change's step goes into the history when it changed something.
    bool Push(CStep step, int nAreasBefore, const std::vector<int>& aStatesBefore,
              CChanges changes = {});
    std::vector<int> FolderStates() const;
    CLibraryState State() {
        return {m_areas, m_rows, m_folders, m_profiles, m_header, m_profilesLead};
    }
    CLibraryContents Contents() {
        return {m_header, m_areas, m_folders, m_profiles, m_profilesLead};
    }
    // Writes under the lock, taken for it unless held.
    CSaveResult Saved(const std::function<CLibraryWrite()>& write);
    // The records of taking back a step that returned these.
    CChanges Undone(const CChanges& done) const;
    // Why AddAreas leaves the folder out, or nothing.
    std::optional<ENotAdded> WhyNotAdded(const std::string& folder, const CHeldFolders& held) const;
    // The first of the areas that the simulator requires and is on, or -1:
    // switching them off is refused for it.
    int RequiredOnAmong(std::span<const int> aAreas) const;
    // The step of the areas added from nAreasBefore on: the last on top,
    // as successive Adds would put them.
    CChanges PushAdded(int nAreasBefore);

    std::string m_strSimPath;
    CFileLock m_lock;
    CFileLock::EOutcome m_lockState = CFileLock::EOutcome::kHeld;
    CRecovery m_recovery;
    const CSceneryDisk* m_pDisk = &SystemDisk();
    CLibraryPaths m_paths;
    CLibraryFiles m_files;
    CSceneryHeader m_header;
    CAreaArray m_areas;
    CFolderArray m_folders;
    CSceneryProfiles m_profiles;
    CKeptLines m_profilesLead;
    std::vector<CListRow> m_rows;
    CHistory m_history;
    long long m_nSavedPoint = 0;
    std::optional<std::string> m_setWriter = "Save";
};
