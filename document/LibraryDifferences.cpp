#include "LibraryDifferences.h"

#include "AreaChanges.h"
#include "EntryNames.h"
#include "IniText.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <numeric>
#include <unordered_map>
#include <utility>

CLibrarySet ReadLibrarySet(const CByLibraryFile<std::string>& files) {
    CLibrarySet set;
    CLibraryPaths paths;
    paths.files = files;
    set.files = ReadLibrary(paths, set.Contents());
    set.rows = ListRows(set.areas);
    return set;
}

std::string ReadBackupSet(const CBackupSet& backup, CLibrarySet& set) {
    if (!backup.strUnusable.empty())
        return backup.strUnusable;
    CByLibraryFile<std::string> files;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        // A file the library did not have then reads as missing.
        files[n] =
            backup.FilePath(static_cast<ELibraryFile>(n)) + (backup.abHolds[n] ? "" : ".none");
    }
    set = ReadLibrarySet(files);
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (!backup.abHolds[n])
            continue;
        const CFileResult& read = set.files[n];
        if (read.status != EFileStatus::kOk)
            return std::string(kLibraryFiles[n].pszName) + ": " +
                   (read.strReason.empty() ? "cannot be read" : read.strReason);
        if (read.disk.nHash != backup.anHash[n])
            return std::string(kLibraryFiles[n].pszName) + " is not as it was kept";
    }
    return {};
}

namespace {

int RowCount(const CComparedLibrary& library) {
    return static_cast<int>(library.rows.size());
}

CNames RowNames(const CComparedLibrary& library, int nRow) {
    return NamesOf(library.areas, library.rows[static_cast<std::size_t>(nRow)].nArea);
}

std::string AreaName(CNames names) {
    std::string name = "\"";
    name += names.first;
    name += "\" (";
    name += names.second;
    name += ")";
    return name;
}

std::vector<int> Numbers(int nCount) {
    std::vector<int> numbers(static_cast<std::size_t>(nCount));
    std::iota(numbers.begin(), numbers.end(), 0);
    return numbers;
}

// Pairs the items of two lists whose keys are equal, several of one key in
// their order. Each list holds its items' numbers ascending; a pair is
// (item of now, item of the set), in the order of the keys.
template <class NowKey, class SetKey, class Less>
std::vector<std::pair<int, int>> PairByKey(std::vector<int> aNow, std::vector<int> aSet,
                                           NowKey nowKey, SetKey setKey, Less less) {
    std::stable_sort(aNow.begin(), aNow.end(),
                     [&](int a, int b) { return less(nowKey(a), nowKey(b)); });
    std::stable_sort(aSet.begin(), aSet.end(),
                     [&](int a, int b) { return less(setKey(a), setKey(b)); });
    std::vector<std::pair<int, int>> pairs;
    for (std::size_t i = 0, j = 0; i < aNow.size() && j < aSet.size();) {
        if (less(nowKey(aNow[i]), setKey(aSet[j])))
            ++i;
        else if (less(setKey(aSet[j]), nowKey(aNow[i])))
            ++j;
        else
            pairs.emplace_back(aNow[i++], aSet[j++]);
    }
    return pairs;
}

// The rows of both libraries that show the same area: each the other's, or
// -1.
struct CRowPairs {
    std::vector<int> aSetRowOf; // by row of now
    std::vector<int> aNowRowOf; // by row of the set
    int SetRowOf(int nRow) const { return aSetRowOf[static_cast<std::size_t>(nRow)]; }
    int NowRowOf(int nRow) const { return aNowRowOf[static_cast<std::size_t>(nRow)]; }
    void Pair(int nNowRow, int nSetRow) {
        aSetRowOf[static_cast<std::size_t>(nNowRow)] = nSetRow;
        aNowRowOf[static_cast<std::size_t>(nSetRow)] = nNowRow;
    }
};

CRowPairs PairRows(const CComparedLibrary& now, const CComparedLibrary& set) {
    CRowPairs pairs{std::vector<int>(now.rows.size(), -1), std::vector<int>(set.rows.size(), -1)};
    // Folder.txt's look-up of areas by their names. Several areas of the
    // same names come as one range of its sorted areas, whose start tells
    // the names apart: their rows wait there, top first, in a queue.
    const CAreaIndex index(now.areas);
    std::vector<int> aRowOf(static_cast<std::size_t>(now.areas.GetSize()), -1);
    for (int nRow = 0; nRow < RowCount(now); ++nRow)
        aRowOf[static_cast<std::size_t>(now.rows[static_cast<std::size_t>(nRow)].nArea)] = nRow;
    auto rowOf = [&](int nArea) { return aRowOf[static_cast<std::size_t>(nArea)]; };
    struct CQueue {
        std::vector<int> aRows;
        std::size_t nNext = 0;
    };
    std::unordered_map<const int*, CQueue> queues;
    for (int nRow = 0; nRow < RowCount(set); ++nRow) {
        const std::span<const int> aAreas = index.Find(RowNames(set, nRow));
        if (aAreas.size() == 1) {
            if (const int nNowRow = rowOf(aAreas[0]); nNowRow >= 0 && pairs.SetRowOf(nNowRow) < 0)
                pairs.Pair(nNowRow, nRow);
        } else if (!aAreas.empty()) {
            const auto [it, bNew] = queues.try_emplace(aAreas.data());
            CQueue& queue = it->second;
            if (bNew) {
                for (int nArea : aAreas) {
                    if (rowOf(nArea) >= 0)
                        queue.aRows.push_back(rowOf(nArea));
                }
                std::sort(queue.aRows.begin(), queue.aRows.end());
            }
            if (queue.nNext < queue.aRows.size())
                pairs.Pair(queue.aRows[queue.nNext++], nRow);
        }
    }
    // An area renamed since keeps its local path.
    std::vector<int> aNowLeft;
    for (int nRow = 0; nRow < RowCount(now); ++nRow) {
        if (pairs.SetRowOf(nRow) < 0)
            aNowLeft.push_back(nRow);
    }
    std::vector<int> aSetLeft;
    for (int nRow = 0; nRow < RowCount(set); ++nRow) {
        if (pairs.NowRowOf(nRow) < 0)
            aSetLeft.push_back(nRow);
    }
    auto local = [](const CComparedLibrary& library) {
        return [&library](int nRow) { return RowNames(library, nRow).second; };
    };
    for (const auto& [nNowRow, nSetRow] :
         PairByKey(std::move(aNowLeft), std::move(aSetLeft), local(now), local(set), std::less<>()))
        pairs.Pair(nNowRow, nSetRow);
    return pairs;
}

// By row of now, whether its area keeps its place among the paired areas:
// the longest run of paired rows, top first, whose rows in the set go down
// too (patience sorting: n log n).
std::vector<char> RowsStaying(const CRowPairs& pairs) {
    std::vector<int> aPaired; // rows of now, top first
    for (int nRow = 0; nRow < static_cast<int>(pairs.aSetRowOf.size()); ++nRow) {
        if (pairs.SetRowOf(nRow) >= 0)
            aPaired.push_back(nRow);
    }
    auto setRow = [&](int k) { return pairs.SetRowOf(aPaired[static_cast<std::size_t>(k)]); };
    // For each length, the run's last paired row whose set row is lowest;
    // each paired row's one before in its run.
    std::vector<int> aEnds;
    std::vector<int> aBefore(aPaired.size(), -1);
    for (int k = 0; k < static_cast<int>(aPaired.size()); ++k) {
        const auto end = std::lower_bound(aEnds.begin(), aEnds.end(), setRow(k),
                                          [&](int e, int nSetRow) { return setRow(e) < nSetRow; });
        if (end != aEnds.begin())
            aBefore[static_cast<std::size_t>(k)] = *(end - 1);
        if (end == aEnds.end())
            aEnds.push_back(k);
        else
            *end = k;
    }
    std::vector<char> abStaying(pairs.aSetRowOf.size(), 0);
    for (int k = aEnds.empty() ? -1 : aEnds.back(); k >= 0;
         k = aBefore[static_cast<std::size_t>(k)])
        abStaying[static_cast<std::size_t>(aPaired[static_cast<std::size_t>(k)])] = 1;
    return abStaying;
}

void AddAreaLines(const CComparedLibrary& now, const CComparedLibrary& set, const CRowPairs& pairs,
                  std::vector<std::string>& lines) {
    auto on = [](const CComparedLibrary& library, int nRow) {
        return library.rows[static_cast<std::size_t>(nRow)].bActive;
    };
    for (int nRow = 0; nRow < RowCount(set); ++nRow) {
        if (pairs.NowRowOf(nRow) < 0)
            lines.push_back(AreaName(RowNames(set, nRow)) + " comes back at " +
                            PositionName(nRow + 1) + (on(set, nRow) ? "" : ", switched off"));
    }
    for (int nRow = 0; nRow < RowCount(now); ++nRow) {
        if (pairs.SetRowOf(nRow) < 0)
            lines.push_back(AreaName(RowNames(now, nRow)) + " goes from " + PositionName(nRow + 1));
    }
    for (int nRow = 0; nRow < RowCount(set); ++nRow) {
        const int nNowRow = pairs.NowRowOf(nRow);
        if (nNowRow >= 0 && RowNames(now, nNowRow).first != RowNames(set, nRow).first)
            lines.push_back(AreaName(RowNames(now, nNowRow)) + " is titled \"" +
                            std::string(RowNames(set, nRow).first) + "\" again");
    }
    // A move that leaves the area at the same position is told by the
    // others' moves around it.
    const std::vector<char> abStaying = RowsStaying(pairs);
    for (int nRow = 0; nRow < RowCount(set); ++nRow) {
        const int nNowRow = pairs.NowRowOf(nRow);
        if (nNowRow >= 0 && !abStaying[static_cast<std::size_t>(nNowRow)] && nNowRow != nRow)
            lines.push_back(AreaName(RowNames(now, nNowRow)) + " moves from " +
                            PositionName(nNowRow + 1) + " to " + PositionName(nRow + 1));
    }
    for (int nRow = 0; nRow < RowCount(set); ++nRow) {
        const int nNowRow = pairs.NowRowOf(nRow);
        if (nNowRow >= 0 && on(now, nNowRow) != on(set, nRow))
            lines.push_back(AreaName(RowNames(now, nNowRow)) +
                            (on(set, nRow) ? " switches on" : " switches off"));
    }
}

// By area, whether the library lists it: a folder's or a profile's entry of
// an area without a row names a removed area.
std::vector<char> AreasListed(const CComparedLibrary& library) {
    std::vector<char> abListed(static_cast<std::size_t>(library.areas.GetSize()), 0);
    for (const CListRow& row : library.rows)
        abListed[static_cast<std::size_t>(row.nArea)] = 1;
    return abListed;
}

// By area of now, the names going back gives it: its paired area's, else
// its own. Folders and profiles compare their areas by these.
std::vector<CNames> NamesGoingBack(const CComparedLibrary& now, const CComparedLibrary& set,
                                   const CRowPairs& pairs) {
    std::vector<CNames> names;
    names.reserve(static_cast<std::size_t>(now.areas.GetSize()));
    for (int nArea = 0; nArea < now.areas.GetSize(); ++nArea)
        names.push_back(NamesOf(now.areas, nArea));
    for (int nRow = 0; nRow < RowCount(now); ++nRow) {
        if (const int nSetRow = pairs.SetRowOf(nRow); nSetRow >= 0)
            names[static_cast<std::size_t>(now.rows[static_cast<std::size_t>(nRow)].nArea)] =
                RowNames(set, nSetRow);
    }
    return names;
}

// The areas, the first three and how many more.
std::string Listed(std::span<const CNames> names) {
    constexpr std::size_t kShown = 3;
    std::vector<std::string> parts;
    for (std::size_t n = 0; n < std::min(names.size(), kShown); ++n)
        parts.push_back(AreaName(names[n]));
    if (names.size() > kShown)
        parts.push_back(std::to_string(names.size() - kShown) + " more");
    return JoinedNames(parts);
}

// The lines of a folder or a profile, "what", whose areas go from these now
// to those of the set; a folder's order of its areas counts.
void AddEntryLines(const std::string& what, const std::vector<CNames>& now,
                   const std::vector<CNames>& set, bool bOrdered, std::vector<std::string>& lines) {
    // Most are as they were: no sort for those.
    if (now == set)
        return;
    std::vector<CNames> sortedNow = now;
    std::vector<CNames> sortedSet = set;
    std::sort(sortedNow.begin(), sortedNow.end());
    std::sort(sortedSet.begin(), sortedSet.end());
    std::vector<CNames> gains;
    std::set_difference(sortedSet.begin(), sortedSet.end(), sortedNow.begin(), sortedNow.end(),
                        std::back_inserter(gains));
    std::vector<CNames> losses;
    std::set_difference(sortedNow.begin(), sortedNow.end(), sortedSet.begin(), sortedSet.end(),
                        std::back_inserter(losses));
    if (!gains.empty())
        lines.push_back(what + " gains " + Listed(gains));
    if (!losses.empty())
        lines.push_back(what + " loses " + Listed(losses));
    if (bOrdered && gains.empty() && losses.empty())
        lines.push_back(what + " lists its areas in another order");
}

// Things of a name, folders or profiles, paired by name as both files find
// them: letter case aside.
template <class NameOf>
std::vector<std::pair<int, int>> PairByName(int nNow, int nSet, NameOf nowName, NameOf setName) {
    std::vector<std::pair<int, int>> pairs =
        PairByKey(Numbers(nNow), Numbers(nSet), nowName, setName, &LessNoCase);
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// What comes back (a thing of the set paired with none) and what goes.
template <class NameOf>
void AddUnpairedLines(const char* pszKind, const std::vector<std::pair<int, int>>& pairs, int nNow,
                      int nSet, NameOf nowName, NameOf setName, std::vector<std::string>& lines) {
    std::vector<char> abPaired(static_cast<std::size_t>(nSet), 0);
    for (const auto& pair : pairs)
        abPaired[static_cast<std::size_t>(pair.second)] = 1;
    for (int n = 0; n < nSet; ++n) {
        if (!abPaired[static_cast<std::size_t>(n)])
            lines.push_back(pszKind + std::string(" \"") + std::string(setName(n)) +
                            "\" comes back");
    }
    abPaired.assign(static_cast<std::size_t>(nNow), 0);
    for (const auto& pair : pairs)
        abPaired[static_cast<std::size_t>(pair.first)] = 1;
    for (int n = 0; n < nNow; ++n) {
        if (!abPaired[static_cast<std::size_t>(n)])
            lines.push_back(pszKind + std::string(" \"") + std::string(nowName(n)) + "\" goes");
    }
}

const char* FolderStateName(int nActive) {
    return nActive == 0 ? "off" : nActive == 1 ? "on" : "partly on";
}

void AddFolderLines(const CComparedLibrary& now, const CComparedLibrary& set,
                    const std::vector<CNames>& namesBack, std::vector<std::string>& lines) {
    auto nameOf = [](const CFolderArray& folders) {
        return [&folders](int f) { return std::string_view(folders.GetAt(f).GetName()); };
    };
    const int nNow = now.folders.GetSize();
    const int nSet = set.folders.GetSize();
    const auto pairs = PairByName(nNow, nSet, nameOf(now.folders), nameOf(set.folders));
    AddUnpairedLines("folder", pairs, nNow, nSet, nameOf(now.folders), nameOf(set.folders), lines);
    const std::vector<char> abNowListed = AreasListed(now);
    const std::vector<char> abSetListed = AreasListed(set);
    for (const auto& [nNowFolder, nSetFolder] : pairs) {
        const CFolder& nowFolder = now.folders.GetAt(nNowFolder);
        const CFolder& setFolder = set.folders.GetAt(nSetFolder);
        std::vector<CNames> nowAreas;
        for (int e = 0; e < nowFolder.GetCount(); ++e) {
            if (const int nArea = nowFolder.GetArea(e);
                abNowListed[static_cast<std::size_t>(nArea)])
                nowAreas.push_back(namesBack[static_cast<std::size_t>(nArea)]);
        }
        std::vector<CNames> setAreas;
        for (int e = 0; e < setFolder.GetCount(); ++e) {
            if (const int nArea = setFolder.GetArea(e);
                abSetListed[static_cast<std::size_t>(nArea)])
                setAreas.push_back(NamesOf(set.areas, nArea));
        }
        const std::string what = "folder \"" + nowFolder.GetName() + "\"";
        AddEntryLines(what, nowAreas, setAreas, true, lines);
        if (nowFolder.GetActive() != setFolder.GetActive())
            lines.push_back(what + " switches " + FolderStateName(setFolder.GetActive()));
    }
}

void AddProfileLines(const CComparedLibrary& now, const CComparedLibrary& set,
                     const std::vector<CNames>& namesBack, std::vector<std::string>& lines) {
    auto nameOf = [](const CSceneryProfiles& profiles) {
        return [&profiles](int p) {
            return std::string_view(profiles[static_cast<std::size_t>(p)].strName);
        };
    };
    const int nNow = static_cast<int>(now.profiles.size());
    const int nSet = static_cast<int>(set.profiles.size());
    const auto pairs = PairByName(nNow, nSet, nameOf(now.profiles), nameOf(set.profiles));
    AddUnpairedLines("profile", pairs, nNow, nSet, nameOf(now.profiles), nameOf(set.profiles),
                     lines);
    // An entry naming no area is compared by the names it gives.
    auto entryNames = [](const CProfileEntry& entry) {
        return CNames(entry.names.strTitle, entry.names.strLocal);
    };
    for (const auto& [nNowProfile, nSetProfile] : pairs) {
        const CSceneryProfile& nowProfile = now.profiles[static_cast<std::size_t>(nNowProfile)];
        const CSceneryProfile& setProfile = set.profiles[static_cast<std::size_t>(nSetProfile)];
        std::vector<CNames> nowAreas;
        for (const CProfileEntry& entry : nowProfile.aEntries)
            nowAreas.push_back(entry.nArea < 0 ? entryNames(entry)
                                               : namesBack[static_cast<std::size_t>(entry.nArea)]);
        std::vector<CNames> setAreas;
        for (const CProfileEntry& entry : setProfile.aEntries)
            setAreas.push_back(entry.nArea < 0 ? entryNames(entry)
                                               : NamesOf(set.areas, entry.nArea));
        AddEntryLines("profile \"" + nowProfile.strName + "\"", nowAreas, setAreas, false, lines);
    }
}

} // namespace

std::vector<std::string> LibraryDifferences(const CComparedLibrary& now,
                                            const CComparedLibrary& set) {
    std::vector<std::string> lines;
    const CRowPairs pairs = PairRows(now, set);
    AddAreaLines(now, set, pairs, lines);
    const std::vector<CNames> namesBack = NamesGoingBack(now, set, pairs);
    AddFolderLines(now, set, namesBack, lines);
    AddProfileLines(now, set, namesBack, lines);
    return lines;
}
