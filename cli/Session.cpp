#include "Session.h"

#include "Console.h"
#include "Output.h"
#include "SimulatorLocation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

int CannotRead(const CSaveResult& unreadable) {
    PrintError(unreadable.strPath + ": cannot be read: " + unreadable.strReason);
    return kExitFile;
}

} // namespace

int CSession::Open(const std::optional<std::string>& simOption, EOpen open, bool bDryRun) {
    if (std::string error = FindSimulator(simOption, m_sim); !error.empty()) {
        PrintError(error);
        return kExitUsage;
    }
    const bool bWrites = open == EOpen::kWrites && !bDryRun;
    if (std::string error = m_doc.Open(m_sim.strSimPath, *m_sim.pDisk, {}, bWrites);
        !error.empty()) {
        const bool bLocked = m_doc.LockState() == CFileLock::EOutcome::kBusy;
        PrintError(Shown(error) + (!bLocked  ? ""
                                   : bWrites ? "; nothing written"
                                             : "; nothing read"));
        return kExitFile;
    }
    ReportRecovery(m_doc.TakeRecovery());
    const CLibraryFiles& files = m_doc.Files();
    const CLibraryPaths& paths = m_doc.Paths();
    if (files[kSceneryCfgFile].status == EFileStatus::kMissing) {
        PrintError(paths.files[kSceneryCfgFile] + ": there is no such file");
        return kExitFile;
    }
    if (const CSaveResult unreadable = m_doc.Unreadable();
        unreadable.outcome == CSaveResult::kUnreadable && open != EOpen::kChecks)
        return CannotRead(unreadable);
    return kExitDone;
}

void ReportRecovery(const CRecovery& recovery) {
    if (recovery.outcome == CRecovery::kFailed) {
        PrintError("an interrupted write could not be undone: " + recovery.strPath + ": " +
                   recovery.strReason + "; the library's files may be mixed until it is");
        return;
    }
    if (recovery.outcome == CRecovery::kNone)
        return;
    std::string text = "an interrupted write was undone: the library's files are as they were "
                       "before it";
    for (const std::string& left : recovery.left)
        text += "; but " + LeafOfPath(left) +
                " was changed by another program since, so it was "
                "left as it is, its version from before the write beside it as " +
                LeafOfPath(left) + std::string(kLeftSuffix);
    PrintError(text);
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

int CSession::Commit(const CChanges& changes, bool bDryRun) {
    return changes.empty() || bDryRun ? kExitDone : Write(EWrite::kLibrary);
}

int CSession::Finish(const CChanges& changes, bool bDryRun, bool bJson) {
    if (int nExit = Commit(changes, bDryRun); nExit != kExitDone)
        return nExit;
    Report(changes, bDryRun, bJson);
    return kExitDone;
}

int CSession::Finish(const CChangeResult& result, bool bDryRun, bool bJson) {
    const bool bWhole = result.changes.empty();
    std::string_view rest = result.strRefused;
    while (!rest.empty()) {
        const std::size_t nEnd = std::min(rest.find('\n'), rest.size());
        PrintError(std::string(bWhole ? "" : "warning: ")
                       .append(Shown(std::string(rest.substr(0, nEnd)))));
        rest.remove_prefix(std::min(nEnd + 1, rest.size()));
    }
    if (bWhole && result.Refused())
        return kExitUsage;
    return Finish(result.changes, bDryRun, bJson);
}

int CSession::Write(EWrite what) {
    const bool bProfilesOnly = what == EWrite::kProfilesOnly;
    const CSaveCheck check = m_doc.CheckFilesBeforeSave();
    for (std::size_t n = bProfilesOnly ? std::size_t{kProfilesTxtFile} : 0; n < kLibraryFileCount;
         ++n) {
        if (check.abChanged[n]) {
            PrintError(std::string(kLibraryFiles[n].pszName) +
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
    const CSaveResult write = bProfilesOnly ? m_doc.SaveProfiles() : m_doc.Save();
    ReportRecovery(m_doc.TakeRecovery());
    for (ELibraryFile kept : write.kept)
        PrintError("warning: " + m_doc.Paths().files[kept] +
                   " could not be read, so it was left as it is");
    return write.outcome == CSaveResult::kWritten ? kExitDone : WriteFailed(write);
}

int CSession::WriteFailed(const CSaveResult& write) const {
    const std::string done = write.bPutBackFailed
                                 ? "; the library's files may be mixed until twk or Tarnwick "
                                   "opens it again, which puts them back"
                                 : "; nothing written";
    switch (write.outcome) {
    case CSaveResult::kChanged:
        PrintError(LeafOfPath(write.strPath) + " changed while twk was working" + done);
        break;
    case CSaveResult::kReadOnly:
        PrintError(write.strPath + " is read-only" + done);
        break;
    case CSaveResult::kNoBackup:
        PrintError("the backup of the library could not be kept (" + write.strReason + ")" + done +
                   "; --no-backup writes without one");
        break;
    case CSaveResult::kLocked:
        PrintError("another program is writing the library (" + write.strPath + ")" + done);
        break;
    default:
        PrintError(write.strPath + ": cannot be written: " + write.strReason + done);
    }
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

std::vector<std::string> CSession::ChangesJson(const CChanges& changes, bool bDryRun) const {
    const std::vector<int> aRows = m_doc.RowsByArea();
    std::vector<std::string> elements;
    for (const CChange& change : changes) {
        const bool bArea = change.nArea >= 0;
        const CSceneryArea* pArea = bArea ? &m_doc.Area(change.nArea) : nullptr;
        const int nRow = bArea ? aRows[static_cast<std::size_t>(change.nArea)] : -1;
        const std::string folder =
            bArea ? std::string() : m_doc.Folders().GetAt(change.nFolder).GetName();
        const CCodePage& codePage = m_sim.codePage;
        elements.push_back(JsonObject(
            {{"change", JsonString(WordsOf(change.kind).pszKind)},
             {"position", JsonNumberOrNull(nRow + 1, nRow >= 0)},
             {"title", JsonStringOrNull(bArea ? Utf8Text(codePage, pArea->GetTitle()) : "", bArea)},
             {"local", JsonStringOrNull(bArea ? Utf8Text(codePage, pArea->GetLocal()) : "", bArea)},
             {"from", change.nFromRow >= 0 ? std::to_string(change.nFromRow + 1)
                                           : JsonStringOrNull(Utf8Text(codePage, change.strFrom),
                                                              !change.strFrom.empty())},
             {"folder", JsonStringOrNull(Utf8Text(codePage, folder), !bArea)},
             {"written", bDryRun ? "false" : "true"}}));
    }
    return elements;
}

void CSession::Report(const CChanges& changes, bool bDryRun, bool bJson) const {
    if (bJson) {
        PrintLine(JsonArray(ChangesJson(changes, bDryRun)));
        return;
    }
    const std::vector<int> aRows = m_doc.RowsByArea();
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
