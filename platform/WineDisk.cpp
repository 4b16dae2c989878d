#include "WineDisk.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The names of a path, "." left out and ".." taking the name before it away,
// as Windows makes a path whole before it looks it up.
std::vector<std::string> NamesOf(std::string_view path, std::string_view separators) {
    std::vector<std::string> names;
    std::size_t nStart = 0;
    while (nStart <= path.size()) {
        std::size_t nEnd = path.find_first_of(separators, nStart);
        if (nEnd == std::string_view::npos)
            nEnd = path.size();
        std::string_view name = path.substr(nStart, nEnd - nStart);
        if (name == ".." && !names.empty())
            names.pop_back();
        else if (!name.empty() && name != "." && name != "..")
            names.emplace_back(name);
        nStart = nEnd + 1;
    }
    return names;
}

} // namespace

CDiskPath CWineDisk::Locate(const std::string& path) const {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0])))
        return {{}, path + " has no drive letter"};
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    std::string disk = m_drives[static_cast<std::size_t>(letter - 'A')];
    if (disk.empty())
        return {{}, std::string("the Wine prefix maps no drive ") + letter + ":"};
    bool bFound = true;
    for (const std::string& name : NamesOf(std::string_view(path).substr(2), "\\/")) {
        std::optional<std::string> utf8 = m_codePage.ToUtf8(name);
        if (!utf8)
            return {{}, m_codePage.WhyNotConverted(path)};
        if (bFound) {
            auto [first, last] = ListingOf(disk).diskNames.equal_range(FoldName(name));
            // As Wine looks a name up: the name as given first, then in any
            // letter case.
            if (const auto exact = std::find_if(
                    first, last, [&](const auto& match) { return match.second == *utf8; });
                exact != last) {
                first = exact;
                last = std::next(exact);
            }
            if (first != last && std::next(first) != last) {
                std::vector<std::string> both;
                for (auto match = first; match != last; ++match)
                    both.push_back(m_codePage.FromUtf8(match->second).value_or(""));
                std::sort(both.begin(), both.end());
                return {{},
                        path + " names both " + both[0] + " and " + both[1] +
                            ", which differ only in case"};
            }
            bFound = first != last;
            if (bFound)
                utf8 = first->second;
        }
        disk = Join(disk, *utf8);
    }
    return {disk, {}};
}

std::vector<CDirEntry> CWineDisk::List(const std::string& folder) const {
    const CDiskPath found = Locate(folder);
    if (!found.strError.empty())
        return {};
    return ListingOf(found.strPath).entries;
}

const CWineDisk::CListing& CWineDisk::ListingOf(const std::string& diskFolder) const {
    auto [cached, bNew] = m_listings.try_emplace(diskFolder);
    CListing& listing = cached->second;
    if (!bNew)
        return listing;
    std::vector<CDirEntry> unnamed;
    for (CDirEntry& entry : ListDirectory(diskFolder)) {
        std::optional<std::string> name = m_codePage.FromUtf8(entry.strName);
        if (!name) {
            entry.bUnnamed = true;
            unnamed.push_back(std::move(entry));
            continue;
        }
        listing.diskNames.emplace(FoldName(*name), entry.strName);
        listing.entries.push_back({std::move(*name), entry.bDirectory, false});
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const CDirEntry& a, const CDirEntry& b) {
                  return IsListedBefore(a.strName, b.strName);
              });
    listing.entries.insert(listing.entries.end(), unnamed.begin(), unnamed.end());
    return listing;
}

CDiskPath CWineDisk::StoredPathOf(const std::string& diskPath) const {
    char resolved[PATH_MAX];
    if (::realpath(diskPath.c_str(), resolved) == nullptr)
        return {{}, "it does not exist"};
    const std::string whole = resolved;
    std::size_t nBest = 0, nBestLength = 0;
    bool bMapped = false;
    for (std::size_t n = 0; n < m_drives.size(); ++n) {
        const std::string& root = m_drives[n];
        const bool bUnder = root == "/" || whole == root || whole.starts_with(root + "/");
        if (!root.empty() && bUnder && (!bMapped || root.size() > nBestLength)) {
            bMapped = true;
            nBest = n;
            nBestLength = root.size();
        }
    }
    if (!bMapped)
        return {{}, "no drive of the Wine prefix leads to it"};
    std::string stored = std::string(1, static_cast<char>('A' + nBest)) + ":";
    const std::string& root = m_drives[nBest];
    const std::vector<std::string> names =
        NamesOf(whole.substr(root == "/" ? 0 : root.size()), "/");
    for (const std::string& name : names) {
        std::optional<std::string> converted = m_codePage.FromUtf8(name);
        if (!converted)
            return {{}, m_codePage.WhyNotConverted("its path")};
        stored += "\\" + *converted;
    }
    return {names.empty() ? stored + "\\" : stored, {}};
}
