#include "History.h"

#include <algorithm>

namespace {

CAreaFlags FlagsOf(const CSceneryArea& area) {
    return {area.IsActive(), area.IsRemoved(), area.IsInFolder()};
}

void SetFlags(CSceneryArea& area, const CAreaFlags& flags) {
    area.SetActive(flags.bActive);
    area.SetRemoved(flags.bRemoved);
    area.SetInFolder(flags.bInFolder);
}

// Replaces what can be replaced in place, so that switching a row moves none.
void Splice(std::vector<CListRow>& rows, std::size_t nAt, std::size_t nErase,
            const std::vector<CListRow>& inserted) {
    const std::size_t nSame = std::min(nErase, inserted.size());
    std::copy_n(inserted.begin(), nSame, rows.begin() + static_cast<std::ptrdiff_t>(nAt));
    const auto at = rows.begin() + static_cast<std::ptrdiff_t>(nAt + nSame);
    if (nErase > nSame)
        rows.erase(at, at + static_cast<std::ptrdiff_t>(nErase - nSame));
    else
        rows.insert(at, inserted.begin() + static_cast<std::ptrdiff_t>(nSame), inserted.end());
}

std::unique_ptr<CFolder> CopyOf(const CFolder* pFolder) {
    return pFolder ? std::make_unique<CFolder>(*pFolder) : nullptr;
}

// Puts the folder as pTo has it where pFrom had it. A folder changed in
// place stays as open or closed as it is shown: that is no step of the
// history.
void PutFolder(CFolderArray& folders, int nFolder, const CFolder* pFrom, const CFolder* pTo) {
    if (pFrom && pTo) {
        const int bExpand = folders.GetAt(nFolder).GetExpand();
        folders.GetAt(nFolder) = *pTo;
        folders.GetAt(nFolder).SetExpand(bExpand);
    } else if (pTo)
        folders.InsertAt(nFolder, CopyOf(pTo));
    else if (pFrom)
        folders.RemoveAt(nFolder);
}

// Puts the profile as to has it where from had it.
void PutProfile(CSceneryProfiles& profiles, int nProfile,
                const std::optional<CSceneryProfile>& from,
                const std::optional<CSceneryProfile>& to) {
    const auto at = profiles.begin() + nProfile;
    if (from && to)
        *at = *to;
    else if (to)
        profiles.insert(at, *to);
    else if (from)
        profiles.erase(at);
}

} // namespace

void CStep::NoteArea(const CAreaArray& areas, int nArea) {
    const CSceneryArea& area = areas.GetAt(nArea);
    m_aAreas.push_back({nArea, FlagsOf(area), {}});
    m_aTitles.push_back({nArea, area.GetTitle(), {}});
}

void CStep::NoteFolder(const CFolderArray& folders, int nFolder, bool bExists) {
    m_nFolder = nFolder;
    m_pFolderBefore = bExists ? CopyOf(&folders.GetAt(nFolder)) : nullptr;
}

void CStep::NoteProfile(const CSceneryProfiles& profiles, int nProfile, bool bExists) {
    m_nProfile = nProfile;
    m_nProfilesBefore = profiles.size();
    if (bExists)
        m_profileBefore = profiles[static_cast<std::size_t>(nProfile)];
}

void CStep::SpliceRows(std::vector<CListRow>& rows, std::size_t nAt, std::size_t nErase,
                       std::vector<CListRow> inserted) {
    const auto at = rows.begin() + static_cast<std::ptrdiff_t>(nAt);
    CRowSplice splice{nAt, std::vector<CListRow>(at, at + static_cast<std::ptrdiff_t>(nErase)),
                      std::move(inserted)};
    Splice(rows, nAt, nErase, splice.inserted);
    m_aRows.push_back(std::move(splice));
}

bool CStep::Finish(const CLibraryState& state, int nAreasBefore,
                   const std::vector<int>& aStatesBefore, CChanges changes) {
    m_changes = std::move(changes);
    if (m_pReplaced)
        return true;
    for (CAreaEdit& edit : m_aAreas)
        edit.after = FlagsOf(state.areas.GetAt(edit.nArea));
    std::erase_if(m_aAreas, [](const CAreaEdit& edit) { return edit.before == edit.after; });
    for (CTitleEdit& edit : m_aTitles)
        edit.strAfter = state.areas.GetAt(edit.nArea).GetTitle();
    std::erase_if(m_aTitles,
                  [](const CTitleEdit& edit) { return edit.strBefore == edit.strAfter; });
    m_aTitles.shrink_to_fit();
    std::erase_if(m_aRows, [](const CRowSplice& splice) {
        return splice.erased.size() == splice.inserted.size() &&
               std::equal(splice.erased.begin(), splice.erased.end(), splice.inserted.begin(),
                          [](const CListRow& a, const CListRow& b) {
                              return a.nArea == b.nArea && a.bActive == b.bActive;
                          });
    });
    m_nAreasBefore = nAreasBefore;
    m_nAreasAfter = state.areas.GetSize();
    const int nFoldersBefore = static_cast<int>(aStatesBefore.size());
    // The folder noted is still there unless the change erased it.
    if (m_nFolder >= 0 && state.folders.GetSize() >= nFoldersBefore)
        m_pFolderAfter = CopyOf(&state.folders.GetAt(m_nFolder));
    // Likewise the profile noted.
    if (m_nProfile >= 0 && state.profiles.size() >= m_nProfilesBefore)
        m_profileAfter = state.profiles[static_cast<std::size_t>(m_nProfile)];
    if (state.folders.GetSize() == nFoldersBefore) {
        for (int f = 0; f < nFoldersBefore; ++f) {
            const int nAfter = state.folders.GetAt(f).GetActive();
            if (nAfter != aStatesBefore[static_cast<std::size_t>(f)])
                m_aStates.push_back({f, aStatesBefore[static_cast<std::size_t>(f)], nAfter});
        }
    }
    return !m_aAreas.empty() || !m_aTitles.empty() || !m_aRows.empty() ||
           m_nAreasAfter != m_nAreasBefore || m_nFolder >= 0 || m_nProfile >= 0 ||
           !m_aStates.empty();
}

namespace {

void Swap(const CLibraryState& state, CLibraryCopy& other) {
    std::swap(state.areas, other.areas);
    std::swap(state.rows, other.rows);
    std::swap(state.folders, other.folders);
    std::swap(state.profiles, other.profiles);
    std::swap(state.header, other.header);
    std::swap(state.profilesLead, other.profilesLead);
}

} // namespace

void CStep::ReplaceLibrary(const CLibraryState& state, CLibraryCopy other) {
    m_pReplaced = std::make_unique<CLibraryCopy>(std::move(other));
    Swap(state, *m_pReplaced);
}

void CStep::Undo(const CLibraryState& state) {
    if (m_pReplaced) {
        Swap(state, *m_pReplaced);
        return;
    }
    if (m_nProfile >= 0)
        PutProfile(state.profiles, m_nProfile, m_profileAfter, m_profileBefore);
    for (const CStateEdit& edit : m_aStates)
        state.folders.GetAt(edit.nFolder).SetActive(edit.nBefore);
    if (m_nFolder >= 0)
        PutFolder(state.folders, m_nFolder, m_pFolderAfter.get(), m_pFolderBefore.get());
    for (auto splice = m_aRows.rbegin(); splice != m_aRows.rend(); ++splice)
        Splice(state.rows, splice->nAt, splice->inserted.size(), splice->erased);
    for (const CTitleEdit& edit : m_aTitles)
        state.areas.GetAt(edit.nArea).SetTitle(edit.strBefore);
    for (const CAreaEdit& edit : m_aAreas)
        SetFlags(state.areas.GetAt(edit.nArea), edit.before);
    while (state.areas.GetSize() > m_nAreasBefore)
        m_aAppended.push_back(state.areas.RemoveLast());
}

void CStep::Redo(const CLibraryState& state) {
    if (m_pReplaced) {
        Swap(state, *m_pReplaced);
        return;
    }
    while (!m_aAppended.empty()) {
        state.areas.Add(std::move(m_aAppended.back()));
        m_aAppended.pop_back();
    }
    for (const CAreaEdit& edit : m_aAreas)
        SetFlags(state.areas.GetAt(edit.nArea), edit.after);
    for (const CTitleEdit& edit : m_aTitles)
        state.areas.GetAt(edit.nArea).SetTitle(edit.strAfter);
    for (const CRowSplice& splice : m_aRows)
        Splice(state.rows, splice.nAt, splice.erased.size(), splice.inserted);
    if (m_nFolder >= 0)
        PutFolder(state.folders, m_nFolder, m_pFolderBefore.get(), m_pFolderAfter.get());
    for (const CStateEdit& edit : m_aStates)
        state.folders.GetAt(edit.nFolder).SetActive(edit.nAfter);
    if (m_nProfile >= 0)
        PutProfile(state.profiles, m_nProfile, m_profileBefore, m_profileAfter);
}

void CHistory::Push(CStep step) {
    m_aUndone.clear();
    m_aDone.push_back({std::move(step), m_nNext++});
    if (m_aDone.size() > kMaxSteps) {
        m_nBottom = m_aDone.front().nNumber;
        m_aDone.pop_front();
    }
}

const CStep* CHistory::Undo(const CLibraryState& state) {
    if (m_aDone.empty())
        return nullptr;
    m_aUndone.push_back(std::move(m_aDone.back()));
    m_aDone.pop_back();
    m_aUndone.back().step.Undo(state);
    return &m_aUndone.back().step;
}

const CStep* CHistory::Redo(const CLibraryState& state) {
    if (m_aUndone.empty())
        return nullptr;
    m_aDone.push_back(std::move(m_aUndone.back()));
    m_aUndone.pop_back();
    m_aDone.back().step.Redo(state);
    return &m_aDone.back().step;
}
