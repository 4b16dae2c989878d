#pragma once

// Undo and redo. A step holds only what its change touched, each part as it
// was before and after: the flags and titles of some areas, splices of the
// rows, areas appended, folders and profiles replaced, inserted or erased,
// and folder check states. Taking a step back or forth applies one side of each part,
// so the cost of an undo follows the size of the change, not of the library.

#include "AreaArray.h"
#include "Change.h"
#include "Folder.h"
#include "LibraryFiles.h"
#include "SceneryCfg.h"
#include "SceneryProfile.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The library a step changes.
struct CLibraryState {
    CAreaArray& areas;
    std::vector<CListRow>& rows;
    CFolderArray& folders;
    CSceneryProfiles& profiles;
    CSceneryHeader& header;
    CKeptLines& profilesLead;
};

struct CAreaFlags {
    bool bActive = false;
    bool bRemoved = false;
    bool bInFolder = false;
    bool operator==(const CAreaFlags&) const = default;
};

class CStep {
public:
    // Before the change: the areas it may touch, and the one folder it may
    // change, erase or insert (the index it will have; then bExists false).
    void NoteArea(const CAreaArray& areas, int nArea);
    void NoteFolder(const CFolderArray& folders, int nFolder, bool bExists = true);
    // The same for the one profile it may change, erase or insert.
    void NoteProfile(const CSceneryProfiles& profiles, int nProfile, bool bExists = true);
    // The whole library gives way to the other one, made here; the step
    // keeps the library it replaced.
    void ReplaceLibrary(const CLibraryState& state, CLibraryCopy other);
    // The change's own row edit, made here and kept: nErase rows from nAt
    // give way to the rows inserted.
    void SpliceRows(std::vector<CListRow>& rows, std::size_t nAt, std::size_t nErase,
                    std::vector<CListRow> inserted);

    // After the change: what became of everything noted, the areas appended
    // since nAreasBefore and the check state of every folder when their
    // number did not change, and the records the change returned, which
    // doing it again returns. False when the change changed nothing.
    bool Finish(const CLibraryState& state, int nAreasBefore, const std::vector<int>& aStatesBefore,
                CChanges changes);

    void Undo(const CLibraryState& state);
    void Redo(const CLibraryState& state);

    const CChanges& Changes() const { return m_changes; }

private:
    struct CAreaEdit {
        int nArea;
        CAreaFlags before, after;
    };
    struct CTitleEdit {
        int nArea;
        std::string strBefore, strAfter;
    };
    struct CRowSplice {
        std::size_t nAt;
        std::vector<CListRow> erased, inserted;
    };
    struct CStateEdit {
        int nFolder;
        int nBefore, nAfter;
    };

    std::vector<CAreaEdit> m_aAreas;
    std::vector<CTitleEdit> m_aTitles;
    std::vector<CRowSplice> m_aRows;
    int m_nFolder = -1;
    std::unique_ptr<CFolder> m_pFolderBefore, m_pFolderAfter; // nullptr: no folder there
    std::vector<CStateEdit> m_aStates;
    int m_nProfile = -1;
    std::size_t m_nProfilesBefore = 0;
    std::optional<CSceneryProfile> m_profileBefore, m_profileAfter; // nothing: no profile there
    // Appended by the change; held here while the step is undone.
    int m_nAreasBefore = 0, m_nAreasAfter = 0;
    std::vector<std::unique_ptr<CSceneryArea>> m_aAppended;
    // The library a replacing step swaps with the state, each way.
    std::unique_ptr<CLibraryCopy> m_pReplaced;
    CChanges m_changes;
};

// The steps that can be taken back, the newest last, and those that can be
// done again. Each step has a number for telling one point of the history
// from another.
class CHistory {
public:
    static constexpr std::size_t kMaxSteps = 1000;

    void Push(CStep step);
    bool CanUndo() const { return !m_aDone.empty(); }
    bool CanRedo() const { return !m_aUndone.empty(); }
    // The step Undo would take back; nullptr when there is none.
    const CStep* Newest() const { return m_aDone.empty() ? nullptr : &m_aDone.back().step; }
    // The step taken back or done again; nullptr when there is none.
    const CStep* Undo(const CLibraryState& state);
    const CStep* Redo(const CLibraryState& state);

    // The point the library is at: the number of the last step done, 0 at
    // the start.
    long long Point() const { return m_aDone.empty() ? m_nBottom : m_aDone.back().nNumber; }

private:
    struct CNumbered {
        CStep step;
        long long nNumber;
    };
    std::deque<CNumbered> m_aDone;
    std::vector<CNumbered> m_aUndone;
    long long m_nNext = 1;
    // The point below the oldest step kept: 0, or a number no step has once
    // old steps were let go (their changes can no longer be taken back).
    long long m_nBottom = 0;
};
