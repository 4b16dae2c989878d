#include "Session.h"

#include "Console.h"
#include "Output.h"

#include <chrono>
#include <cstdio>

namespace {

int CannotRead(const CSaveResult& unreadable) {
    PrintError(unreadable.strPath + ": cannot be read: " + unreadable.strReason);
    return kExitFile;
}

} // namespace

int CSession::Open(const std::optional<std::string>& simOption, bool bReportUnreadable) {
    if (std::string error = FindSimulator(simOption, m_sim); !error.empty()) {
        PrintError(error);
        return kExitUsage;
    }
    if (std::string error = m_doc.Open(m_sim.strSimPath, *m_sim.pDisk); !error.empty()) {
        PrintError(Shown(error));
        return kExitFile;
    }
    const CLibraryFiles& files = m_doc.Files();
    const CLibraryPaths& paths = m_doc.Paths();
    if (files.sceneryCfg.status == EFileStatus::kMissing) {
        PrintError(paths.strSceneryCfg + ": there is no such file");
        return kExitFile;
    }
    if (const CSaveResult unreadable = m_doc.Unreadable();
        unreadable.outcome == CSaveResult::kUnreadable && !bReportUnreadable)
        return CannotRead(unreadable);
    return kExitDone;
}

int CSession::RequireProfiles() const {
    const CSaveResult unreadable = m_doc.ProfilesUnreadable();
    return unreadable.outcome == CSaveResult::kUnreadable ? CannotRead(unreadable) : kExitDone;
}

CAirportIndex CSession::IndexAirports() const {
    using CClock = std::chrono::steady_clock;
    const CClock::time_point start = CClock::now();
    CClock::time_point shown = start;
    bool bShowing = false;
    const bool bTerminal = IsStandardErrorTerminal();
    CAirportIndex index = m_doc.IndexAirports([&](std::size_t nDone, std::size_t nTotal) {
        const CClock::time_point now = CClock::now();
        if (bTerminal && now - start >= std::chrono::milliseconds(500) &&
            (now - shown >= std::chrono::milliseconds(100) || nDone == nTotal)) {
            std::fprintf(stderr, "\rtwk: reading scenery files: %zu of %zu", nDone, nTotal);
            std::fflush(stderr);
            shown = now;
            bShowing = true;
        }
        return true;
    });
    if (bShowing)
        std::fputs("\n", stderr);
    return index;
}

std::string CSession::Shown(const std::string& stored) const {
    return TerminalText(m_sim.codePage, stored);
}

std::string CSession::AreaText(int nArea, int nRow) const {
    const CSceneryArea& area = m_doc.Area(nArea);
    const std::string position = nRow < 0 ? "" : PositionName(static_cast<int>(nRow + 1)) + " ";
    return position + NamesText({area.GetTitle(), area.GetLocal()});
}

std::string CSession::NamesText(const CEntryNames& names) const {
    return Quoted(Shown(names.strTitle)) + " (" + Shown(names.strLocal) + ")";
}

std::string CSession::AreaJson(int nArea, int nRow) const {
    const CSceneryArea& area = m_doc.Area(nArea);
    return JsonObject({{"position", JsonNumberOrNull(nRow + 1, nRow >= 0)},
                       {"title", JsonString(Utf8Text(m_sim.codePage, area.GetTitle()))},
                       {"local", JsonString(Utf8Text(m_sim.codePage, area.GetLocal()))}});
}

int CSession::Finish(const CChanges& changes, bool bDryRun, bool bJson) {
    if (!changes.empty() && !bDryRun) {
        if (int nExit = Write(EWrite::kLibrary); nExit != kExitDone)
            return nExit;
    }
    Report(changes, bDryRun, bJson);
    return kExitDone;
}

int CSession::Write(EWrite what) {
    const bool bProfilesOnly = what == EWrite::kProfilesOnly;
    const CSaveCheck check = m_doc.CheckFilesBeforeSave();
    for (std::size_t n = bProfilesOnly ? 2 : 0; n < 3; ++n) {
        if (check.abChanged[n]) {
            PrintError(std::string(kLibraryFileNames[n]) +
                       " changed while twk was working; nothing written");
            return kExitFile;
        }
    }
    if (!bProfilesOnly) {
        std::string backup;
        if (std::string error = m_doc.TakeBackup(backup); !error.empty()) {
            PrintError(Shown(error) + "; nothing written");
            return kExitFile;
        }
    }
    std::vector<std::string> names =
        bProfilesOnly ? std::vector<std::string>{kProfilesTxtName} : m_doc.SavedFileNames();
    const CSaveResult write = bProfilesOnly ? m_doc.SaveProfiles() : m_doc.Save();
    if (write.bProfilesTxtKept)
        PrintError("warning: " + m_doc.Paths().strProfilesTxt +
                   " could not be read, so it was left as it is");
    if (write.outcome == CSaveResult::kWritten)
        return kExitDone;
    const std::size_t nWritten = static_cast<std::size_t>(write.nWritten);
    // A Profiles.txt that appeared while the library was written.
    if (names.size() <= nWritten)
        names.push_back(kProfilesTxtName);
    std::string done = "; nothing written";
    if (nWritten > 0) {
        auto were = [](std::size_t nFiles) { return nFiles > 1 ? " were " : " was "; };
        done = "; " + JoinedNames(std::span(names).first(nWritten)) + were(nWritten) + "written, " +
               JoinedNames(std::span(names).subspan(nWritten)) + were(names.size() - nWritten) +
               "not";
    }
    if (write.outcome == CSaveResult::kChanged)
        PrintError(names[nWritten] + " changed while twk was working" + done);
    else
        PrintError(write.strPath + ": cannot be written: " + write.strReason + done);
    return kExitFile;
}

namespace {

struct CChangeWords {
    const char* pszKind;
    const char* pszDone;
    const char* pszToDo;
};

// By EChange; twk reports only the changes its commands make.
constexpr CChangeWords kChangeWords[] = {
    {"on", "switched on", "switch on"},
    {"off", "switched off", "switch off"},
    {"move", "moved", "move"},
    {"add", "added", "add"},
    {"remove", "removed", "remove"},
    {"rename", "renamed", "rename"},
    {"folder-on", "switched on the folder", "switch on the folder"},
    {"folder-off", "switched off the folder", "switch off the folder"},
};

const CChangeWords& WordsOf(EChange kind) {
    return kChangeWords[static_cast<std::size_t>(kind)];
}

// What the area or folder was: a move's or removal's old position, a
// rename's old title.
std::string FromOf(const CChange& change) {
    if (change.nFromRow >= 0)
        return PositionName(change.nFromRow + 1);
    return change.kind == EChange::kRename ? Quoted(change.strFrom) : change.strFrom;
}

} // namespace

void CSession::Report(const CChanges& changes, bool bDryRun, bool bJson) const {
    const std::vector<int> aRows = m_doc.RowsByArea();
    if (bJson) {
        std::vector<std::string> elements;
        for (const CChange& change : changes) {
            const bool bArea = change.nArea >= 0;
            const CSceneryArea* pArea = bArea ? &m_doc.Area(change.nArea) : nullptr;
            const int nRow = bArea ? aRows[static_cast<std::size_t>(change.nArea)] : -1;
            const std::string from = FromOf(change);
            const std::string folder =
                bArea ? std::string() : m_doc.Folders().GetAt(change.nFolder).GetName();
            const CCodePage& codePage = m_sim.codePage;
            elements.push_back(JsonObject(
                {{"change", JsonString(WordsOf(change.kind).pszKind)},
                 {"position", JsonNumberOrNull(nRow + 1, nRow >= 0)},
                 {"title",
                  JsonStringOrNull(bArea ? Utf8Text(codePage, pArea->GetTitle()) : "", bArea)},
                 {"local",
                  JsonStringOrNull(bArea ? Utf8Text(codePage, pArea->GetLocal()) : "", bArea)},
                 {"from", JsonStringOrNull(Utf8Text(codePage, from), !from.empty())},
                 {"folder", JsonStringOrNull(Utf8Text(codePage, folder), !bArea)},
                 {"written", bDryRun ? "false" : "true"}}));
        }
        PrintLine(JsonArray(elements));
        return;
    }
    if (changes.empty())
        PrintLine("nothing to change");
    for (const CChange& change : changes) {
        const CChangeWords& words = WordsOf(change.kind);
        std::string line = bDryRun ? std::string("would ") + words.pszToDo : words.pszDone;
        line += ": " + (change.nArea >= 0
                            ? AreaText(change.nArea, aRows[static_cast<std::size_t>(change.nArea)])
                            : Quoted(Shown(m_doc.Folders().GetAt(change.nFolder).GetName())));
        if (const std::string from = FromOf(change); !from.empty())
            line += " (was " + Shown(from) + ")";
        PrintLine(line);
    }
}
