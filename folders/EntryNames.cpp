#include "EntryNames.h"

#include <algorithm>
#include <numeric>
#include <string>

CAreaIndex::CAreaIndex(const CAreaArray& areas)
    : m_areas(areas), m_aSorted(static_cast<std::size_t>(areas.GetSize())) {
    std::iota(m_aSorted.begin(), m_aSorted.end(), 0);
    std::sort(m_aSorted.begin(), m_aSorted.end(), [&](int a, int b) {
        return std::pair(NamesOf(areas, a), a) < std::pair(NamesOf(areas, b), b);
    });
}

std::span<const int> CAreaIndex::Find(const CNames& names) const {
    struct CLess {
        const CAreaArray& areas;
        bool operator()(int a, const CNames& b) const { return NamesOf(areas, a) < b; }
        bool operator()(const CNames& a, int b) const { return a < NamesOf(areas, b); }
    };
    const auto [first, last] =
        std::equal_range(m_aSorted.begin(), m_aSorted.end(), names, CLess{m_areas});
    return {first, last};
}

std::string SectionNameOf(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(" \t["), line.size()));
    line = TrimBlanks(line);
    while (!line.empty() && line.back() == ']')
        line.remove_suffix(1);
    return std::string(line);
}

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

namespace {

// Title.N and Local.N of every N below the number of keys, the first key of
// each name, in aNames at 2 * N + which; the entry keys of larger N, which
// only a gap in the numbers leaves, in aBeyond. One pass over the section.
void SlotEntryKeys(std::span<const CIniKey> keys, CEntryScratch& scratch) {
    std::vector<std::optional<std::string_view>>& aNames = scratch.aNames;
    aNames.assign(2 * keys.size(), std::nullopt);
    scratch.aBeyond.clear();
    for (const CIniKey& key : keys) {
        int nWhich = 0;
        std::size_t n = 0;
        if (!IsEntryKey(key.key, nWhich, n))
            continue;
        if (n >= keys.size())
            scratch.aBeyond.push_back({n, nWhich, key.value});
        else if (!aNames[2 * n + nWhich])
            aNames[2 * n + nWhich] = key.value;
    }
}

CNames EntryOf(std::optional<std::string_view> title, std::optional<std::string_view> local) {
    return {StringValue(title, ""), StringValue(local, "")};
}

} // namespace

void ReadEntryNames(std::span<const CIniKey> keys, CEntryScratch& scratch,
                    std::vector<CNames>& entries) {
    SlotEntryKeys(keys, scratch);
    const std::vector<std::optional<std::string_view>>& aNames = scratch.aNames;
    entries.clear();
    for (std::size_t n = 0; n < keys.size(); ++n) {
        if (aNames[2 * n] || aNames[2 * n + 1])
            entries.push_back(EntryOf(aNames[2 * n], aNames[2 * n + 1]));
    }
    // By N, the title before the local path, keys of one name in the
    // section's order so that the first is taken.
    std::vector<CEntryKey>& aBeyond = scratch.aBeyond;
    std::stable_sort(aBeyond.begin(), aBeyond.end(), [](const CEntryKey& a, const CEntryKey& b) {
        return std::pair(a.n, a.nWhich) < std::pair(b.n, b.nWhich);
    });
    for (std::size_t k = 0; k < aBeyond.size();) {
        std::optional<std::string_view> names[2];
        for (const std::size_t n = aBeyond[k].n; k < aBeyond.size() && aBeyond[k].n == n; ++k) {
            std::optional<std::string_view>& name = names[aBeyond[k].nWhich];
            if (!name)
                name = aBeyond[k].value;
        }
        entries.push_back(EntryOf(names[0], names[1]));
    }
}

void ReadEntryNamesToGap(std::span<const CIniKey> keys, CEntryScratch& scratch,
                         std::vector<CNames>& entries, std::vector<std::string_view>& afterGap) {
    SlotEntryKeys(keys, scratch);
    const std::vector<std::optional<std::string_view>>& aNames = scratch.aNames;
    entries.clear();
    std::size_t nGap = 0;
    for (; nGap < keys.size() && (aNames[2 * nGap] || aNames[2 * nGap + 1]); ++nGap)
        entries.push_back(EntryOf(aNames[2 * nGap], aNames[2 * nGap + 1]));
    afterGap.clear();
    for (const CIniKey& key : keys) {
        int nWhich = 0;
        std::size_t n = 0;
        if (IsEntryKey(key.key, nWhich, n) && n > nGap)
            afterGap.push_back(key.key);
    }
}

void AddEntryKeys(CIniWriter& out, std::span<const CNames> entries, CEntryScratch& scratch) {
    // Which entries repeat the names of one before them: sorted once, no
    // allocation per entry.
    std::vector<int>& aByNames = scratch.aByNames;
    aByNames.resize(entries.size());
    std::iota(aByNames.begin(), aByNames.end(), 0);
    auto names = [&](int e) { return entries[static_cast<std::size_t>(e)]; };
    std::sort(aByNames.begin(), aByNames.end(),
              [&](int a, int b) { return std::pair(names(a), a) < std::pair(names(b), b); });
    std::vector<char>& aRepeated = scratch.aRepeated;
    aRepeated.assign(entries.size(), 0);
    for (std::size_t k = 1; k < aByNames.size(); ++k) {
        if (names(aByNames[k]) == names(aByNames[k - 1]))
            aRepeated[static_cast<std::size_t>(aByNames[k])] = 1;
    }
    int n = 0;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        if (aRepeated[e])
            continue;
        out.AddKey("Title." + std::to_string(n), entries[e].first);
        out.AddKey("Local." + std::to_string(n), entries[e].second);
        ++n;
    }
}
