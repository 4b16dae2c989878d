#include "FolderFile.h"

#include "Profile.h"
#include "ProfileText.h"
#include "SimulatorLocation.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <span>
#include <utility>

namespace {

// An area's title and local path, by which entries of Folder.txt name it.
using CNames = std::pair<std::string_view, std::string_view>;

CNames NamesOf(const CAreaArray& areas, int nArea) {
    const CSceneryArea& area = areas.GetAt(nArea);
    return {area.GetTitle(), area.GetLocal()};
}

// The areas sorted by title and local path, equal ones in index order: a
// file of many entries is matched by a search each, with no allocation per
// area.
class CAreaIndex {
public:
    explicit CAreaIndex(const CAreaArray& areas)
        : m_areas(areas), m_aSorted(static_cast<std::size_t>(areas.GetSize())) {
        std::iota(m_aSorted.begin(), m_aSorted.end(), 0);
        std::sort(m_aSorted.begin(), m_aSorted.end(), [&](int a, int b) {
            return std::pair(NamesOf(areas, a), a) < std::pair(NamesOf(areas, b), b);
        });
    }
    // The areas of these names, in index order.
    std::span<const int> Find(const CNames& names) const {
        struct CLess {
            const CAreaArray& areas;
            bool operator()(int a, const CNames& b) const { return NamesOf(areas, a) < b; }
            bool operator()(const CNames& a, int b) const { return a < NamesOf(areas, b); }
        };
        const auto [first, last] =
            std::equal_range(m_aSorted.begin(), m_aSorted.end(), names, CLess{m_areas});
        return {first, last};
    }

private:
    const CAreaArray& m_areas;
    std::vector<int> m_aSorted;
};

// The name a folder's section line gives: every blank and "[" in front
// taken off, then blanks at the end, then every "]" at the end. A name so
// taken neither begins with either nor ends in "]", so its section line
// "[" name "]" gives it back.
std::string FolderNameOf(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(" \t["), line.size()));
    line = TrimBlanks(line);
    while (!line.empty() && line.back() == ']')
        line.remove_suffix(1);
    return std::string(line);
}

// Whether the key is "Title.N" (nWhich 0) or "Local.N" (1), any letter case,
// N as a number is written: digits, no 0 in front of another.
bool IsEntryKey(std::string_view key, int& nWhich, std::size_t& n) {
    if (key.size() < 7 || key[5] != '.')
        return false;
    if (EqualsNoCase(key.substr(0, 5), "title"))
        nWhich = 0;
    else if (EqualsNoCase(key.substr(0, 5), "local"))
        nWhich = 1;
    else
        return false;
    const std::string_view digits = key.substr(6);
    if (digits.size() > 9 || (digits[0] == '0' && digits.size() > 1))
        return false;
    n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    return true;
}

// What reading the sections shares: the index, by area the last folder
// that took it, and room for a section's entry names.
struct CFolderReading {
    CAreaIndex index;
    std::vector<int> aTakenBy;
    std::vector<std::optional<std::string_view>> aNames;
};

// From the section the folder's own line starts, whatever else the line
// holds: no spelling of it loses the folder's entries.
void ReadSection(const CProfile& profile, const CProfileSection& section, int nFolder,
                 CFolder& folder, CAreaArray& areas, CFolderReading& reading) {
    // A check state other than 0, 1 and 2 means the areas are both on and off.
    int nActive = profile.GetInt(section, "Active", 0);
    folder.SetActive(nActive >= 0 && nActive <= 2 ? nActive : 2);
    folder.SetExpand(profile.GetInt(section, "Expand", 0));
    // Title.N and Local.N by N, the first key of each name: one pass over
    // the section. The entries end at the first N that has neither, at the
    // latest at the number of keys.
    const std::span<const CProfileKey> keys = profile.GetKeys(section);
    std::vector<std::optional<std::string_view>>& aNames = reading.aNames;
    aNames.assign(2 * keys.size(), std::nullopt);
    for (const CProfileKey& key : keys) {
        int nWhich = 0;
        std::size_t n = 0;
        if (IsEntryKey(key.key, nWhich, n) && n < keys.size() && !aNames[2 * n + nWhich])
            aNames[2 * n + nWhich] = key.value;
    }
    for (std::size_t n = 0; n < keys.size() && (aNames[2 * n] || aNames[2 * n + 1]); ++n) {
        const CNames names(StringValue(aNames[2 * n], ""), StringValue(aNames[2 * n + 1], ""));
        const std::span<const int> aAreas = reading.index.Find(names);
        if (aAreas.empty())
            folder.AddUnmatched({std::string(names.first), std::string(names.second)});
        for (int nArea : aAreas) {
            int& nTakenBy = reading.aTakenBy[static_cast<std::size_t>(nArea)];
            if (nTakenBy == nFolder)
                continue;
            nTakenBy = nFolder;
            folder.AddEntry(nArea);
            areas.GetAt(nArea).SetInFolder(true);
        }
    }
}

} // namespace

CFileResult ParseFolders(std::string text, CFolderArray& folders, CAreaArray& areas) {
    if (std::string reason = WhyNotProfileText(text); !reason.empty())
        return CFileResult::Failed(reason);
    const CProfile profile(std::move(text));
    CFolderReading reading{
        CAreaIndex(areas), std::vector<int>(static_cast<std::size_t>(areas.GetSize()), -1), {}};
    folders.Reserve(folders.GetSize() + static_cast<int>(profile.GetSections().size()));
    for (const CProfileSection& section : profile.GetSections()) {
        auto pFolder = std::make_unique<CFolder>();
        pFolder->SetName(FolderNameOf(section.line));
        ReadSection(profile, section, folders.GetSize(), *pFolder, areas, reading);
        folders.Add(std::move(pFolder));
    }
    return {};
}

CFileResult LoadFolders(const std::string& path, CFolderArray& folders, CAreaArray& areas) {
    std::string text;
    CFileResult load = ReadProfileFile(path, text);
    if (load.status == EFileStatus::kOk) {
        const CFileState disk = load.disk;
        load = ParseFolders(std::move(text), folders, areas);
        load.disk = disk;
    }
    return load;
}

std::string FormatFolders(const CFolderArray& folders, const CAreaArray& areas) {
    // Each folder's three lines, its entries' two, and 32 bytes to spare for
    // every line's key and line end.
    std::size_t nBytes = 0;
    for (int i = 0; i < folders.GetSize(); ++i) {
        const CFolder& folder = folders.GetAt(i);
        nBytes += folder.GetName().size() + 3 * 32;
        for (int e = 0; e < folder.GetCount(); ++e) {
            const CSceneryArea& area = areas.GetAt(folder.GetArea(e));
            nBytes += area.GetTitle().size() + area.GetLocal().size() + 2 * 32;
        }
    }
    CProfileText out;
    out.Reserve(nBytes);
    // A folder's entries by names, and which of them repeat the names of an
    // entry before them: sorted once per folder, no allocation per entry.
    std::vector<int> aByNames;
    std::vector<char> aRepeated;
    for (int i = 0; i < folders.GetSize(); ++i) {
        const CFolder& folder = folders.GetAt(i);
        out.AddSection(folder.GetName());
        out.AddKey("Active", std::to_string(folder.GetActive()));
        out.AddKey("Expand", std::to_string(folder.GetExpand()));
        aByNames.clear();
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (!areas.GetAt(folder.GetArea(e)).IsRemoved())
                aByNames.push_back(e);
        }
        auto names = [&](int e) { return NamesOf(areas, folder.GetArea(e)); };
        std::sort(aByNames.begin(), aByNames.end(),
                  [&](int a, int b) { return std::pair(names(a), a) < std::pair(names(b), b); });
        aRepeated.assign(static_cast<std::size_t>(folder.GetCount()), 0);
        for (std::size_t k = 1; k < aByNames.size(); ++k) {
            if (names(aByNames[k]) == names(aByNames[k - 1]))
                aRepeated[static_cast<std::size_t>(aByNames[k])] = 1;
        }
        int n = 0;
        for (int e = 0; e < folder.GetCount(); ++e) {
            const CSceneryArea& area = areas.GetAt(folder.GetArea(e));
            if (area.IsRemoved() || aRepeated[static_cast<std::size_t>(e)])
                continue;
            out.AddKey("Title." + std::to_string(n), area.GetTitle());
            out.AddKey("Local." + std::to_string(n), area.GetLocal());
            ++n;
        }
    }
    return out.TakeText();
}

CFileResult SaveFolders(const std::string& path, const CFolderArray& folders,
                        const CAreaArray& areas, CFileState& disk) {
    if (folders.GetSize() == 0)
        return RemoveFileIfUnchanged(path, disk);
    return ReplaceFileIfUnchanged(path, FormatFolders(folders, areas), kTempSuffix, disk);
}
