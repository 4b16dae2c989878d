#include "FolderFile.h"

#include "EntryNames.h"
#include "SimulatorLocation.h"

#include <span>

namespace {

// What reading the sections shares: the index, by area the last folder
// that took it, and room for a section's entries.
struct CFolderReading {
    CAreaIndex index;
    std::vector<int> aTakenBy;
    CEntryScratch scratch;
    std::vector<CNames> entries;
    std::vector<std::string_view> afterGap;
};

// From the section the folder's own line starts, whatever else the line
// holds: no spelling of it loses the folder's entries.
void ReadSection(const CIniText& profile, const CIniSection& section, int nFolder, CFolder& folder,
                 CAreaArray& areas, CFolderReading& reading) {
    // A check state other than 0, 1 and 2 means the areas are both on and off.
    int nActive = profile.GetInt(section, "Active", 0);
    folder.SetActive(nActive >= 0 && nActive <= 2 ? nActive : 2);
    folder.SetExpand(profile.GetInt(section, "Expand", 0));
    ReadEntryNamesToGap(profile.GetKeys(section), reading.scratch, reading.entries,
                        reading.afterGap);
    if (!reading.afterGap.empty())
        folder.SetAfterGap({reading.afterGap.begin(), reading.afterGap.end()});
    for (const CNames& names : reading.entries) {
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
    if (std::string reason = WhyNotIniText(text); !reason.empty())
        return CFileResult::Failed(reason);
    const CIniText profile(std::move(text));
    CFolderReading reading{CAreaIndex(areas),
                           std::vector<int>(static_cast<std::size_t>(areas.GetSize()), -1),
                           {},
                           {},
                           {}};
    folders.Reserve(folders.GetSize() + static_cast<int>(profile.GetSections().size()));
    for (const CIniSection& section : profile.GetSections()) {
        auto pFolder = std::make_unique<CFolder>();
        pFolder->SetName(SectionNameOf(section.line));
        ReadSection(profile, section, folders.GetSize(), *pFolder, areas, reading);
        folders.Add(std::move(pFolder));
    }
    return {};
}

CFileResult LoadFolders(const std::string& path, CFolderArray& folders, CAreaArray& areas) {
    return LoadIniFile(
        path, [&](std::string text) { return ParseFolders(std::move(text), folders, areas); });
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
    CIniWriter out;
    out.Reserve(nBytes);
    CEntryScratch scratch;
    std::vector<CNames> entries;
    for (int i = 0; i < folders.GetSize(); ++i) {
        const CFolder& folder = folders.GetAt(i);
        out.AddSection(folder.GetName());
        out.AddKey("Active", std::to_string(folder.GetActive()));
        out.AddKey("Expand", std::to_string(folder.GetExpand()));
        entries.clear();
        for (int e = 0; e < folder.GetCount(); ++e) {
            if (!areas.GetAt(folder.GetArea(e)).IsRemoved())
                entries.push_back(NamesOf(areas, folder.GetArea(e)));
        }
        AddEntryKeys(out, entries, scratch);
    }
    return out.TakeText();
}

std::optional<std::string> FolderFileText(const CFolderArray& folders, const CAreaArray& areas) {
    if (folders.GetSize() == 0)
        return std::nullopt;
    return FormatFolders(folders, areas);
}

CFileResult SaveFolders(const std::string& path, const CFolderArray& folders,
                        const CAreaArray& areas, CFileState& disk) {
    return WriteFileIfUnchanged(path, FolderFileText(folders, areas), kTempSuffix, disk);
}
