#include "ProfilesFile.h"

#include "EntryNames.h"
#include "FileState.h"
#include "ProfileFile.h"
#include "SimulatorLocation.h"

#include <set>

CFileResult ParseProfiles(std::string text, CSceneryProfiles& profiles, const CAreaArray& areas) {
    if (std::string reason = WhyNotProfileText(text); !reason.empty())
        return CFileResult::Failed(reason);
    const CProfile profile(std::move(text));
    const CAreaIndex index(areas);
    // By area the last profile that took it: an area listed twice is one.
    std::vector<int> aTakenBy(static_cast<std::size_t>(areas.GetSize()), -1);
    CEntryScratch scratch;
    std::vector<CNames> entries;
    // The names of the entries naming no area, in the section read: one
    // listed twice is one entry too.
    std::set<CNames> unmatched;
    profiles.reserve(profiles.size() + profile.GetSections().size());
    for (const CProfileSection& section : profile.GetSections()) {
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
        for (const CProfileKey& key : profile.GetKeys(section)) {
            int nWhich = 0;
            std::size_t n = 0;
            if (!IsEntryKey(key.key, nWhich, n))
                read.aKeptKeys.emplace_back(key.key, key.value);
        }
    }
    return {};
}

CFileResult LoadProfiles(const std::string& path, CSceneryProfiles& profiles,
                         const CAreaArray& areas) {
    return LoadProfileFile(
        path, [&](std::string text) { return ParseProfiles(std::move(text), profiles, areas); });
}

std::string FormatProfiles(const CSceneryProfiles& profiles, const CAreaArray& areas) {
    CProfileText out;
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
        for (const auto& [key, value] : profile.aKeptKeys)
            out.AddKey(key, value);
    }
    return out.TakeText();
}

CFileResult SaveProfiles(const std::string& path, const CSceneryProfiles& profiles,
                         const CAreaArray& areas, CFileState& disk) {
    if (profiles.empty())
        return RemoveFileIfUnchanged(path, disk);
    return ReplaceFileIfUnchanged(path, FormatProfiles(profiles, areas), kTempSuffix, disk);
}
