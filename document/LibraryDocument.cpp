#include "LibraryDocument.h"

#include "AirportCache.h"

#include "FolderChanges.h"
#include "SceneryFolder.h"
#include "SimulatorLocation.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kLibraryFull =
    "The library holds 16,777,216 areas, as many as the scenery list can address";

} // namespace

std::string CLibraryDocument::Open(const std::string& simPath, const CSceneryDisk& disk,
                                   const CLockWait& wait, bool bHold) {
    m_pDisk = &disk;
    if (std::string error = LocateLibrary(simPath, disk, m_paths); !error.empty()) {
        m_strSimPath = simPath;
        return error;
    }
    if (Lock(wait) == CFileLock::EOutcome::kBusy)
        return "another program is writing the library (" + m_paths.strLock + ")";
    m_strSimPath = simPath;
    m_files = ReadLibrary(m_paths, Contents());
    m_rows = ListRows(m_areas);
    if (!bHold)
        Unlock();
    return {};
}

CFileLock::EOutcome CLibraryDocument::Lock(const CLockWait& wait) {
    m_lockState = m_lock.IsHeld() ? CFileLock::EOutcome::kHeld
                                  : m_lock.Acquire(m_paths.strLock, wait.wait, wait.whileWaiting);
    if (m_lockState == CFileLock::EOutcome::kHeld) {
        if (CRecovery recovery = RecoverLibrary(m_paths); recovery.outcome != CRecovery::kNone)
            m_recovery = std::move(recovery);
    }
    return m_lockState;
}

std::vector<int> CLibraryDocument::RowsByArea() const {
    std::vector<int> aRows(static_cast<std::size_t>(m_areas.GetSize()), -1);
    for (std::size_t n = 0; n < m_rows.size(); ++n)
        aRows[static_cast<std::size_t>(m_rows[n].nArea)] = static_cast<int>(n);
    return aRows;
}

int CLibraryDocument::RowOf(int nArea) const {
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [&](const CListRow& r) { return r.nArea == nArea; });
    return row == m_rows.end() ? -1 : static_cast<int>(row - m_rows.begin());
}

std::vector<CIndexArea> CLibraryDocument::AirportAreas() const {
    return IndexAreasOf(m_areas, m_rows, m_strSimPath);
}

CAirportIndex CLibraryDocument::IndexAirports(const CIndexProgress& progress) const {
    return IndexLibraryAirports(AirportAreas(), m_strSimPath, *m_pDisk,
                                CAirportCache::PathFor(m_strSimPath), progress);
}

std::vector<CFinding> CLibraryDocument::Check(const CAirportIndex& airports) const {
    return CheckLibrary(m_paths, m_files, m_areas, m_folders, m_profiles, m_rows, m_strSimPath,
                        *m_pDisk, airports);
}

std::string CLibraryDocument::TakeBackup(std::string& path) const {
    if (std::string error = LocateBackup(m_strSimPath, *m_pDisk, path); !error.empty())
        return error;
    const CFileResult copy = CopyFileOver(m_paths.files[kSceneryCfgFile], path, kTempSuffix);
    return copy ? std::string() : path + ": cannot be written: " + copy.strReason;
}

std::string CLibraryDocument::BackupsFolder() const {
    return m_pDisk->Locate(m_strSimPath + kBackupsFolderName).strPath;
}

CKeptSet CLibraryDocument::KeepSet(const std::string& by) const {
    const CDiskPath folder = m_pDisk->Locate(m_strSimPath + kBackupsFolderName);
    if (!folder.strError.empty())
        return {false, folder.strError, {}};
    return KeepBackupSet(folder.strPath, m_paths, by);
}

std::vector<int> CLibraryDocument::FolderStates() const {
    std::vector<int> aStates;
    aStates.reserve(static_cast<std::size_t>(m_folders.GetSize()));
    for (int f = 0; f < m_folders.GetSize(); ++f)
        aStates.push_back(m_folders.GetAt(f).GetActive());
    return aStates;
}

bool CLibraryDocument::Push(CStep step, int nAreasBefore, const std::vector<int>& aStatesBefore,
                            CChanges changes) {
    if (!step.Finish(State(), nAreasBefore, aStatesBefore, std::move(changes)))
        return false;
    m_history.Push(std::move(step));
    return true;
}

CChanges CLibraryDocument::MoveRows(std::span<const int> aRows, int nBefore) {
    CStep step;
    CChanges changes;
    MoveRowsIn(step, changes, aRows, nBefore);
    Push(std::move(step), m_areas.GetSize(), FolderStates(), changes);
    return changes;
}

void CLibraryDocument::MoveRowsIn(CStep& step, CChanges& changes, std::span<const int> aRows,
                                  int nBefore) {
    // Where the block starts once its rows are out of the list.
    const int nTo =
        nBefore -
        static_cast<int>(std::lower_bound(aRows.begin(), aRows.end(), nBefore) - aRows.begin());
    // A block already in one piece at that place does not move.
    if (!aRows.empty() && aRows.front() == nTo &&
        aRows.back() - aRows.front() + 1 == static_cast<int>(aRows.size()))
        return;
    std::vector<CListRow> block;
    for (int nRow : aRows) {
        block.push_back(m_rows[static_cast<std::size_t>(nRow)]);
        changes.push_back({EChange::kMove, block.back().nArea, -1, nRow, {}});
    }
    // Each run of adjacent rows leaves in one splice, the lowest first, so
    // that the rows above keep their places; a single row moves as two
    // splices, out and in.
    for (std::size_t nEnd = aRows.size(); nEnd > 0;) {
        std::size_t nStart = nEnd - 1;
        while (nStart > 0 && aRows[nStart - 1] + 1 == aRows[nStart])
            --nStart;
        step.SpliceRows(m_rows, static_cast<std::size_t>(aRows[nStart]), nEnd - nStart, {});
        nEnd = nStart;
    }
    step.SpliceRows(m_rows, static_cast<std::size_t>(nTo), 0, std::move(block));
}

int CLibraryDocument::RequiredOnAmong(std::span<const int> aAreas) const {
    for (int nArea : aAreas) {
        if (const CSceneryArea& area = m_areas.GetAt(nArea); area.IsRequired() && area.IsActive())
            return nArea;
    }
    return -1;
}

CChangeResult CLibraryDocument::SetAreasActive(std::span<const int> aAreas, bool bActive,
                                               bool bRequiredToo) {
    if (const int nRequired = bActive || bRequiredToo ? -1 : RequiredOnAmong(aAreas);
        nRequired >= 0)
        return {{},
                "\"" + m_areas.GetAt(nRequired).GetTitle() +
                    "\" is required by the simulator, so nothing was switched off"};
    std::vector<int> aSwitched;
    std::vector<char> aTaken(static_cast<std::size_t>(m_areas.GetSize()), 0);
    for (int nArea : aAreas) {
        char& bTaken = aTaken[static_cast<std::size_t>(nArea)];
        if (m_areas.GetAt(nArea).IsActive() != bActive && !bTaken)
            aSwitched.push_back(nArea);
        bTaken = 1;
    }
    return {SwitchAreas(aSwitched), {}};
}

CChanges CLibraryDocument::SwitchAreas(std::span<const int> aAreas) {
    const std::vector<int> aStates = FolderStates();
    CStep step;
    CChanges changes;
    SwitchAreasIn(step, changes, aAreas);
    Push(std::move(step), m_areas.GetSize(), aStates, changes);
    return changes;
}

void CLibraryDocument::SwitchAreasIn(CStep& step, CChanges& changes, std::span<const int> aAreas) {
    const std::vector<int> aRows = RowsByArea();
    for (int nArea : aAreas)
        step.NoteArea(m_areas, nArea);
    ::SwitchAreas(m_folders, m_areas, aAreas);
    for (int nArea : aAreas) {
        const bool bActive = m_areas.GetAt(nArea).IsActive();
        if (const int nRow = aRows[static_cast<std::size_t>(nArea)]; nRow >= 0)
            step.SpliceRows(m_rows, static_cast<std::size_t>(nRow), 1, {{nArea, bActive}});
        changes.push_back({bActive ? EChange::kOn : EChange::kOff, nArea, -1, -1, {}});
    }
}

CChanges CLibraryDocument::Rearrange(const CRearrangement& change) {
    const std::vector<int> aStates = FolderStates();
    std::vector<int> aSwitched;
    for (const auto& [pAreas, bActive] :
         {std::pair(&change.switchedOn, true), std::pair(&change.switchedOff, false)}) {
        for (int nArea : *pAreas) {
            if (m_areas.GetAt(nArea).IsActive() != bActive)
                aSwitched.push_back(nArea);
        }
    }
    CStep step;
    CChanges changes;
    SwitchAreasIn(step, changes, aSwitched);
    // Areas removed since the change was worked out have no row to move.
    const std::vector<int> aRowOf = RowsByArea();
    std::vector<int> aRows;
    for (int nArea : change.moved) {
        if (const int nRow = aRowOf[static_cast<std::size_t>(nArea)]; nRow >= 0)
            aRows.push_back(nRow);
    }
    std::sort(aRows.begin(), aRows.end());
    if (const int nNextTo =
            change.nNextTo >= 0 ? aRowOf[static_cast<std::size_t>(change.nNextTo)] : -1;
        !aRows.empty() && nNextTo >= 0)
        MoveRowsIn(step, changes, aRows, nNextTo + (change.bBelow ? 1 : 0));
    Push(std::move(step), m_areas.GetSize(), aStates, changes);
    return changes;
}

CChanges CLibraryDocument::ReplaceLibrary(CLibraryCopy library) {
    const CChanges changes = {{EChange::kReplaceLibrary, -1, -1, -1, {}}};
    CStep step;
    step.ReplaceLibrary(State(), std::move(library));
    Push(std::move(step), m_areas.GetSize(), FolderStates(), changes);
    return changes;
}

std::string CLibraryDocument::WhyNoAreaFits() const {
    return IsLibraryFull(m_areas) ? std::string(kLibraryFull) + ": nothing was added." : "";
}

CChanges CLibraryDocument::PushAdded(int nAreasBefore) {
    CStep step;
    std::vector<CListRow> added;
    CChanges changes;
    for (int nArea = nAreasBefore; nArea < m_areas.GetSize(); ++nArea) {
        added.insert(added.begin(), {nArea, true});
        changes.push_back({EChange::kAdd, nArea, -1, -1, {}});
    }
    step.SpliceRows(m_rows, 0, 0, std::move(added));
    Push(std::move(step), nAreasBefore, FolderStates(), changes);
    return changes;
}

int CLibraryDocument::HeldBy(const std::string& folder) const {
    return AreaHolding(HeldFolders(m_areas, m_strSimPath), folder);
}

CChangeResult CLibraryDocument::AddArea(const std::string& folder, const std::string& title,
                                        bool bHeldToo) {
    if (std::string why = WhyNoAreaFits(); !why.empty())
        return {{}, why};
    if (!IsSceneryFolder(folder, *m_pDisk))
        return {{}, folder + " is no scenery folder: its scenery sub-folder holds no .bgl file"};
    if (const int nHeld = bHeldToo ? -1 : HeldBy(folder); nHeld >= 0)
        return {{},
                folder + " is already in the library as \"" + m_areas.GetAt(nHeld).GetTitle() +
                    "\"",
                {nHeld}};
    const int nAreasBefore = m_areas.GetSize();
    ::AddArea(m_areas, folder, m_strSimPath, title);
    return {PushAdded(nAreasBefore), {}};
}

std::string CLibraryDocument::WhyNotRemoved(std::span<const int> aAreas) const {
    for (int nArea : aAreas) {
        if (const CSceneryArea& area = m_areas.GetAt(nArea); area.IsRequired())
            return "\"" + area.GetTitle() +
                   "\" is required by the simulator, so nothing was removed";
    }
    return {};
}

CChangeResult CLibraryDocument::RemoveAreas(std::span<const int> aAreas, bool bRequiredToo) {
    if (std::string why = bRequiredToo ? "" : WhyNotRemoved(aAreas); !why.empty())
        return {{}, why};
    const std::vector<int> aRows = RowsByArea();
    CStep step;
    CChanges changes;
    for (int nArea : aAreas) {
        if (m_areas.GetAt(nArea).IsRemoved())
            continue;
        step.NoteArea(m_areas, nArea);
        ::RemoveArea(m_areas, nArea);
        if (const int nRow = RowOf(nArea); nRow >= 0)
            step.SpliceRows(m_rows, static_cast<std::size_t>(nRow), 1, {});
        changes.push_back(
            {EChange::kRemove, nArea, -1, aRows[static_cast<std::size_t>(nArea)], {}});
    }
    Push(std::move(step), m_areas.GetSize(), FolderStates(), changes);
    return {changes, {}};
}

CChanges CLibraryDocument::RenameArea(int nArea, const std::string& title) {
    const std::string old = m_areas.GetAt(nArea).GetTitle();
    CStep step;
    step.NoteArea(m_areas, nArea);
    ::RenameArea(m_areas, nArea, title);
    CChanges changes = {{EChange::kRename, nArea, -1, -1, old}};
    if (!Push(std::move(step), m_areas.GetSize(), FolderStates(), changes))
        return {};
    return changes;
}

CChangeResult CLibraryDocument::Scan(const std::string& directory, bool bHeldToo) {
    const int nAreasBefore = m_areas.GetSize();
    const CHeldFolders held = bHeldToo ? CHeldFolders() : HeldFolders(m_areas, m_strSimPath);
    const CScanResult found =
        ScanDirectory(directory, m_strSimPath, m_areas, CAreaArray::kMaxAreas, *m_pDisk, &held);
    CChangeResult result{PushAdded(nAreasBefore), {}, found.aHeld};
    for (const std::string& name : found.aUnnamed)
        result.strRefused.append(result.strRefused.empty() ? "" : "\n")
            .append("left out ")
            .append(name)
            .append(": its name holds characters the simulator's code page cannot hold");
    if (found.nLeftOut > 0)
        result.strRefused.append(result.strRefused.empty() ? "" : "\n")
            .append(kLibraryFull)
            .append(": ")
            .append(std::to_string(found.nLeftOut))
            .append(" scenery folders found were not added.");
    return result;
}

std::optional<ENotAdded> CLibraryDocument::WhyNotAdded(const std::string& folder,
                                                       const CHeldFolders& held) const {
    if (m_pDisk->GetKind(folder) != EPathKind::kDirectory)
        return ENotAdded::kNotFolder;
    if (AreaHolding(held, folder) >= 0)
        return ENotAdded::kHeld;
    if (!IsSceneryFolder(folder, *m_pDisk))
        return ENotAdded::kNoScenery;
    if (IsLibraryFull(m_areas))
        return ENotAdded::kFull;
    return std::nullopt;
}

CChangeResult CLibraryDocument::AddAreas(std::span<const std::string> folders) {
    const int nAreasBefore = m_areas.GetSize();
    std::vector<CNotAdded> notAdded;
    CHeldFolders held = HeldFolders(m_areas, m_strSimPath);
    for (const std::string& folder : folders) {
        if (const std::optional<ENotAdded> why = WhyNotAdded(folder, held))
            notAdded.push_back({folder, *why});
        else
            held.emplace(FolderIdentity(folder), ::AddArea(m_areas, folder, m_strSimPath,
                                                           ProposedTitle(folder, m_strSimPath)));
    }
    return {PushAdded(nAreasBefore), NotAddedText(notAdded)};
}

CChangeResult CLibraryDocument::NewFolder(const std::string& name) {
    const std::vector<int> aStates = FolderStates();
    const int nFolder = m_folders.GetSize();
    CStep step;
    step.NoteFolder(m_folders, nFolder, false);
    if (std::string reason = ::NewFolder(m_folders, name); !reason.empty())
        return {{}, reason};
    CChanges changes = {{EChange::kNewFolder, -1, nFolder, -1, {}}};
    Push(std::move(step), m_areas.GetSize(), aStates, changes);
    return {changes, {}};
}

CChangeResult CLibraryDocument::RenameFolder(int nFolder, const std::string& name) {
    CStep step;
    step.NoteFolder(m_folders, nFolder);
    const std::string old = m_folders.GetAt(nFolder).GetName();
    if (std::string reason = ::RenameFolder(m_folders, nFolder, name); !reason.empty())
        return {{}, reason};
    if (old == name)
        return {};
    CChanges changes = {{EChange::kRenameFolder, -1, nFolder, -1, old}};
    Push(std::move(step), m_areas.GetSize(), FolderStates(), changes);
    return {changes, {}};
}

CChanges CLibraryDocument::RemoveFolder(int nFolder) {
    const std::vector<int> aStates = FolderStates();
    const CFolder& folder = m_folders.GetAt(nFolder);
    CChanges changes = {{EChange::kRemoveFolder, -1, nFolder, -1, folder.GetName()}};
    CStep step;
    step.NoteFolder(m_folders, nFolder);
    for (int e = 0; e < folder.GetCount(); ++e)
        step.NoteArea(m_areas, folder.GetArea(e));
    for (int nArea : ::RemoveFolder(m_folders, m_areas, nFolder))
        changes.push_back({EChange::kRemoveFromFolder, nArea, nFolder, -1, {}});
    Push(std::move(step), m_areas.GetSize(), aStates, changes);
    return changes;
}

CChanges CLibraryDocument::AddToFolder(int nFolder, std::span<const int> aAreas) {
    CStep step;
    step.NoteFolder(m_folders, nFolder);
    CChanges changes;
    for (int nArea : aAreas) {
        step.NoteArea(m_areas, nArea);
        if (::AddToFolder(m_folders, m_areas, nFolder, nArea))
            changes.push_back({EChange::kAddToFolder,
                               nArea,
                               nFolder,
                               -1,
                               {},
                               m_folders.GetAt(nFolder).GetCount() - 1});
    }
    if (changes.empty())
        return {};
    // The folder opens to show its new entries.
    m_folders.GetAt(nFolder).SetExpand(1);
    Push(std::move(step), m_areas.GetSize(), FolderStates(), changes);
    return changes;
}

CChanges CLibraryDocument::RemoveFromFolder(int nFolder, int nEntry) {
    CStep step;
    step.NoteFolder(m_folders, nFolder);
    step.NoteArea(m_areas, m_folders.GetAt(nFolder).GetArea(nEntry));
    const int nArea = ::RemoveFromFolder(m_folders, m_areas, nFolder, nEntry);
    CChanges changes = {{EChange::kRemoveFromFolder, nArea, nFolder, -1, {}, nEntry}};
    Push(std::move(step), m_areas.GetSize(), FolderStates(), changes);
    return changes;
}

CChangeResult CLibraryDocument::SetFolderActive(int nFolder, bool bActive, bool bRequiredToo) {
    const CFolder& folder = m_folders.GetAt(nFolder);
    if (!bActive && !bRequiredToo) {
        std::vector<int> aAreas;
        for (int e = 0; e < folder.GetCount(); ++e)
            aAreas.push_back(folder.GetArea(e));
        if (const int nRequired = RequiredOnAmong(aAreas); nRequired >= 0)
            return {{},
                    "\"" + folder.GetName() + "\" holds \"" + m_areas.GetAt(nRequired).GetTitle() +
                        "\", which the simulator requires, so nothing was switched off"};
    }
    const std::vector<int> aStates = FolderStates();
    const std::vector<int> aRows = RowsByArea();
    std::vector<bool> aWasActive(static_cast<std::size_t>(folder.GetCount()));
    CStep step;
    for (int e = 0; e < folder.GetCount(); ++e) {
        step.NoteArea(m_areas, folder.GetArea(e));
        aWasActive[static_cast<std::size_t>(e)] = m_areas.GetAt(folder.GetArea(e)).IsActive();
    }
    ::SetFolderActive(m_folders, m_areas, nFolder, bActive);
    CChanges changes;
    for (int e = 0; e < folder.GetCount(); ++e) {
        const int nArea = folder.GetArea(e);
        if (aWasActive[static_cast<std::size_t>(e)] == bActive)
            continue;
        if (const int nRow = aRows[static_cast<std::size_t>(nArea)]; nRow >= 0)
            step.SpliceRows(m_rows, static_cast<std::size_t>(nRow), 1, {{nArea, bActive}});
        changes.push_back({bActive ? EChange::kOn : EChange::kOff, nArea, -1, -1, {}});
    }
    if (folder.GetActive() != aStates[static_cast<std::size_t>(nFolder)])
        changes.push_back(
            {bActive ? EChange::kFolderOn : EChange::kFolderOff, -1, nFolder, -1, {}});
    Push(std::move(step), m_areas.GetSize(), aStates, changes);
    return {changes, {}};
}

void CLibraryDocument::SetFolderExpanded(int nFolder, bool bExpanded) {
    m_folders.GetAt(nFolder).SetExpand(bExpanded ? 1 : 0);
}

CAppliedProfile CLibraryDocument::ApplyProfile(int nProfile) {
    CProfileSwitches switches =
        ProfileSwitches(m_profiles[static_cast<std::size_t>(nProfile)], m_areas, m_rows);
    return {SwitchAreas(switches.aSwitched), std::move(switches.missing)};
}

CChangeResult CLibraryDocument::SaveProfile(const std::string& name) {
    if (std::string reason = WhyProfileNameRefused(name); !reason.empty())
        return {{}, reason};
    CSceneryProfile profile = ProfileOfActiveAreas(name, m_areas, m_rows);
    const int nFound = FindProfile(m_profiles, name);
    CStep step;
    if (nFound >= 0) {
        CSceneryProfile& replaced = m_profiles[static_cast<std::size_t>(nFound)];
        if (replaced.strName == name && replaced.aEntries == profile.aEntries)
            return {};
        step.NoteProfile(m_profiles, nFound);
        // Keys Tarnwick does not know stay the user's.
        profile.aOtherLines = std::move(replaced.aOtherLines);
        replaced = std::move(profile);
    } else {
        step.NoteProfile(m_profiles, static_cast<int>(m_profiles.size()), false);
        m_profiles.push_back(std::move(profile));
    }
    Push(std::move(step), m_areas.GetSize(), FolderStates());
    return {};
}

CChangeResult CLibraryDocument::RenameProfile(int nProfile, const std::string& name) {
    if (std::string reason = WhyProfileNameRefused(name); !reason.empty())
        return {{}, reason};
    const int nFound = FindProfile(m_profiles, name);
    if (nFound >= 0 && nFound != nProfile)
        return {{},
                "There is already a profile named \"" +
                    m_profiles[static_cast<std::size_t>(nFound)].strName +
                    "\" (letter case aside)."};
    std::string& current = m_profiles[static_cast<std::size_t>(nProfile)].strName;
    if (current == name)
        return {};
    CStep step;
    step.NoteProfile(m_profiles, nProfile);
    current = name;
    Push(std::move(step), m_areas.GetSize(), FolderStates());
    return {};
}

void CLibraryDocument::DeleteProfile(int nProfile) {
    CStep step;
    step.NoteProfile(m_profiles, nProfile);
    m_profiles.erase(m_profiles.begin() + nProfile);
    Push(std::move(step), m_areas.GetSize(), FolderStates());
}

CChanges CLibraryDocument::Undone(const CChanges& done) const {
    // Each record turns into its opposite, the last first; what it names
    // is as the library has it before the step is taken back.
    static constexpr std::pair<EChange, EChange> kOpposites[] = {
        {EChange::kOn, EChange::kOff},
        {EChange::kAdd, EChange::kRemove},
        {EChange::kFolderOn, EChange::kFolderOff},
        {EChange::kNewFolder, EChange::kRemoveFolder},
        {EChange::kAddToFolder, EChange::kRemoveFromFolder},
    };
    const std::vector<int> aRows = RowsByArea();
    CChanges undone(done.rbegin(), done.rend());
    for (CChange& change : undone) {
        for (const auto& [one, other] : kOpposites) {
            if (change.kind == one || change.kind == other) {
                change.kind = change.kind == one ? other : one;
                break;
            }
        }
        if (change.kind == EChange::kMove || change.kind == EChange::kRemove)
            change.nFromRow = aRows[static_cast<std::size_t>(change.nArea)];
        if (change.kind == EChange::kAdd)
            change.nFromRow = -1;
        if (change.kind == EChange::kRename)
            change.strFrom = m_areas.GetAt(change.nArea).GetTitle();
        if (change.kind == EChange::kRenameFolder || change.kind == EChange::kRemoveFolder)
            change.strFrom = m_folders.GetAt(change.nFolder).GetName();
        if (change.kind == EChange::kNewFolder)
            change.strFrom.clear();
    }
    return undone;
}

CChanges CLibraryDocument::Undo() {
    const CStep* pStep = m_history.Newest();
    if (!pStep)
        return {};
    CChanges undone = Undone(pStep->Changes());
    m_history.Undo(State());
    return undone;
}

CChanges CLibraryDocument::Redo() {
    const CStep* pStep = m_history.Redo(State());
    return pStep ? pStep->Changes() : CChanges{};
}

CSaveCheck CLibraryDocument::CheckFilesBeforeSave() const {
    return ::CheckFilesBeforeSave(m_paths, m_files);
}

void CLibraryDocument::AcceptChangedFiles(const CSaveCheck& check) {
    for (std::size_t n = 0; n < kLibraryFileCount; ++n)
        m_files[n].disk = check.disk[n];
}

CSaveResult CLibraryDocument::Unreadable() const {
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (kLibraryFiles[n].bUnreadableStopsAll && m_files[n].status == EFileStatus::kFailed)
            return {CSaveResult::kUnreadable, m_paths.files[n], m_files[n].strReason};
    }
    return {};
}

CSaveResult CLibraryDocument::ProfilesUnreadable() const {
    if (m_files[kProfilesTxtFile].status == EFileStatus::kFailed)
        return {CSaveResult::kUnreadable, m_paths.files[kProfilesTxtFile],
                m_files[kProfilesTxtFile].strReason};
    return {};
}

CSaveResult CLibraryDocument::Saved(const std::function<CLibraryWrite()>& write) {
    const bool bOwnLock = !m_lock.IsHeld();
    if (bOwnLock && Lock() == CFileLock::EOutcome::kBusy)
        return {CSaveResult::kLocked, m_paths.strLock, {}, false, {}};
    // The files as they are, kept under the lock before they are replaced.
    if (m_setWriter) {
        if (const CKeptSet set = KeepSet(*m_setWriter); !set.strError.empty()) {
            if (bOwnLock)
                Unlock();
            return {CSaveResult::kNoBackup, BackupsFolder(), set.strError, false, {}};
        }
    }
    const CLibraryWrite written = write();
    if (bOwnLock)
        Unlock();
    const CCommitResult& commit = written.commit;
    CSaveResult result{CSaveResult::kWritten, commit.strPath, commit.result.strReason,
                       commit.bPutBackFailed, written.kept};
    switch (commit.result.status) {
    case EFileStatus::kChanged:
        result.outcome = CSaveResult::kChanged;
        break;
    case EFileStatus::kReadOnly:
        result.outcome = CSaveResult::kReadOnly;
        break;
    case EFileStatus::kOk:
        m_nSavedPoint = m_history.Point();
        break;
    default:
        result.outcome = CSaveResult::kFailed;
    }
    return result;
}

CSaveResult CLibraryDocument::Save() {
    if (CSaveResult refused = Unreadable(); refused.outcome != CSaveResult::kWritten)
        return refused;
    return Saved([&] { return WriteLibrary(m_paths, m_files, Contents(), m_rows); });
}

CSaveResult CLibraryDocument::SaveProfiles() {
    if (CSaveResult refused = ProfilesUnreadable(); refused.outcome != CSaveResult::kWritten)
        return refused;
    return Saved([&] { return WriteLibraryFile(m_paths, m_files, Contents(), kProfilesTxtFile); });
}

CSaveResult CLibraryDocument::ReplaceSceneryCfg(std::string text) {
    return Saved([&] { return WriteSceneryCfgText(m_paths, m_files, std::move(text)); });
}

std::vector<std::string> CLibraryDocument::SavedFileNames() const {
    std::vector<std::string> names;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (m_files[n].status != EFileStatus::kFailed)
            names.push_back(kLibraryFiles[n].pszName);
    }
    return names;
}
