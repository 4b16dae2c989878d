#pragma once

// Entries that name areas by title and local path, as Folder.txt and
// Profiles.txt list them in a section: "Title.N" and "Local.N", N from 0.

#include "AreaArray.h"
#include "IniText.h"
#include "IniWriter.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An area's title and local path.
using CNames = std::pair<std::string_view, std::string_view>;

inline CNames NamesOf(const CAreaArray& areas, int nArea) {
    const CSceneryArea& area = areas.GetAt(nArea);
    return {area.GetTitle(), area.GetLocal()};
}

// The areas sorted by title and local path, equal ones in index order: a
// file of many entries is matched by a search each, with no allocation per
// area.
class CAreaIndex {
public:
    explicit CAreaIndex(const CAreaArray& areas);
    // The areas of these names, in index order.
    std::span<const int> Find(const CNames& names) const;

private:
    const CAreaArray& m_areas;
    std::vector<int> m_aSorted;
};

// The name a section line gives a folder or a profile: every blank and "["
// in front taken off, then blanks at the end, then every "]" at the end. A
// name so taken neither begins with either nor ends in "]", so its section
// line "[" name "]" gives it back.
std::string SectionNameOf(std::string_view line);

// Whether the key is "Title.N" (nWhich 0) or "Local.N" (1), any letter case,
// N as a number is written: digits, no 0 in front of another.
bool IsEntryKey(std::string_view key, int& nWhich, std::size_t& n);

// An entry key of a section: N, Title (0) or Local (1), and its value.
struct CEntryKey {
    std::size_t n = 0;
    int nWhich = 0;
    std::string_view value;
};

// Room the reading and writing of sections reuse, so that a file of many
// sections allocates for the largest only.
struct CEntryScratch {
    std::vector<std::optional<std::string_view>> aNames;
    std::vector<CEntryKey> aBeyond;
    std::vector<int> aByNames;
    std::vector<char> aRepeated;
};

// The section's entries by N, lowest first, whatever the gaps between the
// numbers: Title.N and Local.N, the first key of each name, a missing one
// empty. The names point into the keys.
void ReadEntryNames(std::span<const CIniKey> keys, CEntryScratch& scratch,
                    std::vector<CNames>& entries);

// The same, but the entries end at the first N from 0 that has neither;
// afterGap gets the names of the entry keys beyond it, in the section's
// order, as they are written.
void ReadEntryNamesToGap(std::span<const CIniKey> keys, CEntryScratch& scratch,
                         std::vector<CNames>& entries, std::vector<std::string_view>& afterGap);

// The entries' key lines, N from 0, each pair of names once (where it first
// comes).
void AddEntryKeys(CIniWriter& out, std::span<const CNames> entries, CEntryScratch& scratch);
