#include "LibraryCheck.h"

#include "AirportFindings.h"
#include "AreaChanges.h"
#include "SceneryFolder.h"

#include <algorithm>
#include <unordered_map>

namespace {

std::string NameOfFile(const std::string& path) {
    std::size_t nSeparator = path.find_last_of("\\/");
    return nSeparator == std::string::npos ? path : path.substr(nSeparator + 1);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

class CLibraryChecker {
public:
    CLibraryChecker(const CAreaArray& areas, std::span<const CListRow> rows,
                    const std::string& simPath, const CSceneryDisk& disk)
        : m_areas(areas), m_rows(rows), m_simPath(simPath), m_disk(disk) {}

    std::vector<CFinding> TakeFindings() { return std::move(m_findings); }

    void CheckFile(const CFileResult& load, const std::string& path) {
        if (load.status == EFileStatus::kFailed)
            Add({"unreadable-file",
                 ESeverity::kError,
                 0,
                 {},
                 {},
                 NameOfFile(path),
                 "cannot be read: " + load.strReason});
    }

    void CheckAreas() {
        std::unordered_map<std::u32string, std::size_t> firstRow;
        for (std::size_t n = 0; n < m_rows.size(); ++n) {
            const CSceneryArea& area = AreaOf(n);
            const std::string folder = FolderOfLocalPath(area.GetLocal(), m_simPath);
            const CDiskPath found = m_disk.Locate(folder);
            if (!found.strError.empty() || GetPathKind(found.strPath) != EPathKind::kDirectory) {
                const bool bActive = m_rows[n].bActive;
                AddForArea(n, bActive ? "missing-folder" : "missing-folder-inactive",
                           bActive ? ESeverity::kError : ESeverity::kWarning,
                           "does not exist" +
                               (found.strError.empty() ? "" : " (" + found.strError + ")"),
                           folder);
            } else if (!IsSceneryFolder(folder, m_disk)) {
                AddForArea(n, "no-scenery-files", ESeverity::kWarning,
                           "its scenery sub-folder holds no .bgl file");
            }
            if (area.IsRequired() && !m_rows[n].bActive)
                AddForArea(n, "required-off", ESeverity::kWarning,
                           "is required but switched off: the simulator may miss its base "
                           "scenery");
            auto [first, bNew] = firstRow.emplace(FolderIdentity(folder), n);
            if (!bNew)
                AddForArea(n, "duplicate-local", ESeverity::kWarning,
                           "names the same folder as #" + std::to_string(first->second + 1) + " " +
                               Quoted(AreaOf(first->second).GetTitle()));
        }
    }

    // The simulator loads what is on; a library with nothing on is one the
    // user would notice only in flight. A missing scenery.cfg is no library
    // to check yet, and an unreadable one has its own finding.
    void CheckSomethingLoads(const CFileResult& load, const std::string& sceneryCfgPath) {
        const std::string file = NameOfFile(sceneryCfgPath);
        if (m_rows.empty()) {
            if (load.status == EFileStatus::kOk)
                Add({"no-areas",
                     ESeverity::kError,
                     0,
                     {},
                     {},
                     file,
                     "the simulator would load no scenery"});
        } else if (std::none_of(m_rows.begin(), m_rows.end(),
                                [](const CListRow& row) { return row.bActive; })) {
            Add({"all-areas-off",
                 ESeverity::kWarning,
                 0,
                 {},
                 {},
                 file,
                 "every area is switched off: the simulator would load no scenery"});
        }
    }

    void CheckFolders(const CFolderArray& folders, const std::string& folderTxtPath) {
        for (int f = 0; f < folders.GetSize(); ++f) {
            const CFolder& folder = folders.GetAt(f);
            for (const CEntryNames& entry : folder.GetUnmatched())
                Add({"unmatched-folder-entry", ESeverity::kWarning, 0, entry.strTitle,
                     entry.strLocal, NameOfFile(folderTxtPath),
                     "an entry of the folder " + Quoted(folder.GetName()) +
                         " matches no area; the next Save drops it"});
            for (const std::string& key : folder.GetAfterGap())
                Add({"folder-entry-after-gap",
                     ESeverity::kWarning,
                     0,
                     {},
                     {},
                     NameOfFile(folderTxtPath),
                     "the folder " + Quoted(folder.GetName()) + " holds " + key +
                         " after a gap in its numbers: the next Save drops it"});
        }
    }

    void CheckProfiles(const CSceneryProfiles& profiles, const std::string& profilesTxtPath) {
        for (const CSceneryProfile& profile : profiles) {
            for (const CProfileEntry& entry : profile.aEntries) {
                const CSceneryArea* pArea =
                    entry.nArea >= 0 ? &m_areas.GetAt(entry.nArea) : nullptr;
                if (pArea && !pArea->IsRemoved())
                    continue;
                Add({"unmatched-profile-entry", ESeverity::kWarning, 0,
                     pArea ? pArea->GetTitle() : entry.names.strTitle,
                     pArea ? pArea->GetLocal() : entry.names.strLocal, NameOfFile(profilesTxtPath),
                     "an entry of the profile " + Quoted(profile.strName) +
                         " matches no area; it is kept until the profile is saved again or "
                         "deleted"});
            }
        }
    }

    // What the next Save writes from the order, in one note per file: the
    // bottom row is section area.001 with Layer 1, and so on upwards.
    void CheckNumbering(const std::string& sceneryCfgPath) {
        std::size_t nRenamed = 0, nRelayered = 0;
        std::string firstRenamed, firstRelayered;
        const int nRows = static_cast<int>(m_rows.size());
        for (int n = 0; n < nRows; ++n) {
            const CSceneryArea& area = AreaOf(static_cast<std::size_t>(n));
            const std::string name = CSceneryArea::SectionNameOf(nRows - n);
            if (!area.GetSectionName().empty() && !EqualsNoCase(area.GetSectionName(), name) &&
                nRenamed++ == 0)
                firstRenamed = "[" + area.GetSectionName() + "] becomes [" + name + "]";
            if (area.GetLayer() != nRows - n && nRelayered++ == 0)
                firstRelayered = "Layer=" + std::to_string(area.GetLayer()) + " of " +
                                 Quoted(area.GetTitle()) + " becomes " + std::to_string(nRows - n);
        }
        const std::string file = NameOfFile(sceneryCfgPath);
        if (nRenamed > 0)
            Add({"renumbered-sections",
                 ESeverity::kInfo,
                 0,
                 {},
                 {},
                 file,
                 "the next Save renumbers " + std::to_string(nRenamed) + " section" +
                     (nRenamed == 1 ? "" : "s") +
                     " into the sequence of the order (first: " + firstRenamed + ")"});
        if (nRelayered > 0)
            Add({"layers-rewritten",
                 ESeverity::kInfo,
                 0,
                 {},
                 {},
                 file,
                 "the next Save writes the Layer of " + std::to_string(nRelayered) + " area" +
                     (nRelayered == 1 ? "" : "s") + " from the order (first: " + firstRelayered +
                     ")"});
    }

private:
    const CSceneryArea& AreaOf(std::size_t nRow) const { return m_areas.GetAt(m_rows[nRow].nArea); }
    void Add(CFinding finding) { m_findings.push_back(std::move(finding)); }
    void AddForArea(std::size_t nRow, const char* pszCode, ESeverity severity, std::string text,
                    std::string folder = {}) {
        const CSceneryArea& area = AreaOf(nRow);
        Add({pszCode,
             severity,
             static_cast<int>(nRow) + 1,
             area.GetTitle(),
             area.GetLocal(),
             {},
             std::move(text),
             std::move(folder)});
    }

    const CAreaArray& m_areas;
    std::span<const CListRow> m_rows;
    const std::string& m_simPath;
    const CSceneryDisk& m_disk;
    std::vector<CFinding> m_findings;
};

} // namespace

std::vector<CFinding> CheckLibrary(const CLibraryPaths& paths, const CLibraryFiles& files,
                                   const CAreaArray& areas, const CFolderArray& folders,
                                   const CSceneryProfiles& profiles, std::span<const CListRow> rows,
                                   const std::string& simPath, const CSceneryDisk& disk,
                                   const CAirportIndex& airports) {
    CLibraryChecker checker(areas, rows, simPath, disk);
    for (std::size_t n = 0; n < kLibraryFileCount; ++n)
        checker.CheckFile(files[n], paths.files[n]);
    checker.CheckAreas();
    checker.CheckSomethingLoads(files[kSceneryCfgFile], paths.files[kSceneryCfgFile]);
    checker.CheckFolders(folders, paths.files[kFolderTxtFile]);
    checker.CheckProfiles(profiles, paths.files[kProfilesTxtFile]);
    checker.CheckNumbering(paths.files[kSceneryCfgFile]);
    std::vector<CFinding> findings = checker.TakeFindings();
    AddAirportFindings(airports, AirportsOf(airports), findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const CFinding& a, const CFinding& b) { return a.severity < b.severity; });
    return findings;
}

const char* SeverityName(ESeverity severity) {
    switch (severity) {
    case ESeverity::kError:
        return "error";
    case ESeverity::kWarning:
        return "warning";
    case ESeverity::kInfo:
        break;
    }
    return "info";
}

bool HasErrors(std::span<const CFinding> findings) {
    return std::any_of(findings.begin(), findings.end(), [](const CFinding& finding) {
        return finding.severity == ESeverity::kError;
    });
}

std::string FindingSentence(const CFinding& finding, const CShowText& showText,
                            const CShowText& showFolder) {
    if (finding.strFolder.empty())
        return showText(finding.strText);
    return "the folder " + showFolder(finding.strFolder) + " " + showText(finding.strText);
}

std::string FindingLine(const CFinding& finding, const CShowText& showText,
                        const CShowText& showFolder) {
    std::string line = std::string(SeverityName(finding.severity)) + " " + finding.strCode + ": ";
    // An area by its row and title (its local path is in the list); an
    // entry that names no area by both its names.
    if (finding.nPosition > 0)
        line += PositionName(finding.nPosition) + " " + Quoted(showText(finding.strTitle)) + ": ";
    if (!finding.strFile.empty())
        line += finding.strFile + ": ";
    if (finding.nPosition == 0 && (!finding.strTitle.empty() || !finding.strLocal.empty()))
        line += Quoted(showText(finding.strTitle)) + " (" + showText(finding.strLocal) + "): ";
    return line + FindingSentence(finding, showText, showFolder);
}

std::string FindingsText(std::span<const CFinding> findings, std::size_t nMaxLines,
                         const CShowText& showText, const CShowText& showFolder) {
    if (findings.empty())
        return "No problems found.";
    std::string text;
    const std::size_t nLines = std::min(findings.size(), nMaxLines);
    for (std::size_t n = 0; n < nLines; ++n) {
        text += FindingLine(findings[n], showText, showFolder);
        if (n + 1 < findings.size())
            text += "\n";
    }
    if (findings.size() > nLines)
        text += "... and " + std::to_string(findings.size() - nLines) + " more";
    return text;
}
