#include "ProfilesFile.h"

#include "EntryNames.h"
#include "FileState.h"
#include "IniFile.h"
#include "SimulatorLocation.h"

#include <set>
#include <span>
#include <string_view>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Whether a reader would take the start of a file beginning with the line
// for a byte-order mark rather than text: it skips a UTF-8 one and refuses
// the file for a UTF-16 one.
bool BeginsWithAMark(std::string_view line) {
    return line.starts_with(kUtf8Bom) || line.starts_with("\xFF\xFE") ||
           line.starts_with("\xFE\xFF");
}

void KeepLines(std::span<const CIniLine> lines, CKeptLines& kept) {
    for (const CIniLine& line : lines) {
        int nWhich = 0;
        std::size_t n = 0;
        if (!line.pKey || !IsEntryKey(line.pKey->key, nWhich, n))
            kept.emplace_back(line.text);
    }
}

} // namespace

CFileResult ParseProfiles(std::string text, CSceneryProfiles& profiles, const CAreaArray& areas,
                          CKeptLines* pLead) {
    if (std::string reason = WhyNotIniText(text); !reason.empty())
        return CFileResult::Failed(reason);
    const CIniText profile(std::move(text));
    if (pLead)
        KeepLines(profile.GetLines(nullptr), *pLead);
    const CAreaIndex index(areas);
    // By area the last profile that took it: an area listed twice is one.
    std::vector<int> aTakenBy(static_cast<std::size_t>(areas.GetSize()), -1);
    CEntryScratch scratch;
    std::vector<CNames> entries;
    // The names of the entries naming no area, in the section read: one
    // listed twice is one entry too.
    std::set<CNames> unmatched;
    profiles.reserve(profiles.size() + profile.GetSections().size());
    for (const CIniSection& section : profile.GetSections()) {
        const int nProfile = static_cast<int>(profiles.size());
        CSceneryProfile& read = profiles.emplace_back();
        read.strName = SectionNameOf(section.line);
        ReadEntryNames(profile.GetKeys(section), scratch, entries);
        unmatched.clear();
        for (const CNames& names : entries) {
            const std::span<const int> aAreas = index.Find(names);
            if (aAreas.empty() && unmatched.insert(names).second)
                read.aEntries.push_back(
                    {-1, {std::string(names.first), std::string(names.second)}});
            for (int nArea : aAreas) {
                int& nTakenBy = aTakenBy[static_cast<std::size_t>(nArea)];
                if (nTakenBy != nProfile)
                    read.aEntries.push_back({nArea, {}});
                nTakenBy = nProfile;
            }
        }
        // A second key of an entry's name (a second Title.0) is not kept:
        // written back, it could name an entry once they are numbered anew.
        KeepLines(profile.GetLines(&section), read.aOtherLines);
    }
    return {};
}

CFileResult LoadProfiles(const std::string& path, CSceneryProfiles& profiles,
                         const CAreaArray& areas, CKeptLines* pLead) {
    return LoadIniFile(path, [&](std::string text) {
        return ParseProfiles(std::move(text), profiles, areas, pLead);
    });
}

std::string FormatProfiles(const CSceneryProfiles& profiles, const CAreaArray& areas,
                           const CKeptLines& lead) {
    CIniWriter out;
    for (const std::string& line : lead)
        out.AddLine(line);
    CEntryScratch scratch;
    std::vector<CNames> entries;
    for (const CSceneryProfile& profile : profiles) {
        out.AddSection(profile.strName);
        entries.clear();
        for (const CProfileEntry& entry : profile.aEntries) {
            entries.push_back(entry.nArea >= 0
                                  ? NamesOf(areas, entry.nArea)
                                  : CNames(entry.names.strTitle, entry.names.strLocal));
        }
        AddEntryKeys(out, entries, scratch);
        for (const std::string& line : profile.aOtherLines)
            out.AddLine(line);
    }
    std::string text = out.TakeText();
    // Such a first line stays text behind a UTF-8 mark, as it stood when
    // read.
    if (!lead.empty() && BeginsWithAMark(lead.front()))
        text.insert(0, kUtf8Bom);
    return text;
}

std::optional<std::string> ProfilesFileText(const CSceneryProfiles& profiles,
                                            const CAreaArray& areas, const CKeptLines& lead) {
    if (profiles.empty() && lead.empty())
        return std::nullopt;
    return FormatProfiles(profiles, areas, lead);
}

CFileResult SaveProfiles(const std::string& path, const CSceneryProfiles& profiles,
                         const CAreaArray& areas, CFileState& disk, const CKeptLines& lead) {
    return WriteFileIfUnchanged(path, ProfilesFileText(profiles, areas, lead), kTempSuffix, disk);
}
