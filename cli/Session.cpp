#include "Session.h"

#include "AreaCommands.h"
#include "FolderCommands.h"
#include "Output.h"
#include "SimulatorLocation.h"

int CSession::Open(const std::optional<std::string>& simOption, bool bReportUnreadable) {
    if (std::string error = FindSimulator(simOption, sim); !error.empty()) {
        PrintError(error);
        return kExitUsage;
    }
    if (std::string error = LocateLibrary(sim.strSimPath, *sim.pDisk, paths); !error.empty()) {
        PrintError(Shown(error));
        return kExitFile;
    }
    files = ReadLibrary(paths, header, areas, folders);
    if (files.sceneryCfg.status == EFileStatus::kMissing) {
        PrintError(paths.strSceneryCfg + ": there is no such file");
        return kExitFile;
    }
    for (auto [pLoad, pPath] : {std::pair{&files.sceneryCfg, &paths.strSceneryCfg},
                                std::pair{&files.folderTxt, &paths.strFolderTxt}}) {
        if (pLoad->status == EFileStatus::kFailed && !bReportUnreadable) {
            PrintError(*pPath + ": cannot be read: " + pLoad->strReason);
            return kExitFile;
        }
    }
    rows = ListRows(areas);
    return kExitDone;
}

std::vector<int> CSession::RowsByArea() const {
    std::vector<int> aRows(static_cast<std::size_t>(areas.GetSize()), -1);
    for (std::size_t n = 0; n < rows.size(); ++n)
        aRows[static_cast<std::size_t>(rows[n].nArea)] = static_cast<int>(n);
    return aRows;
}

std::string CSession::Shown(const std::string& stored) const {
    return TerminalText(sim.codePage, stored);
}

std::string CSession::AreaText(int nArea, int nRow) const {
    const CSceneryArea& area = areas.GetAt(nArea);
    const std::string position = nRow < 0 ? "" : PositionName(static_cast<int>(nRow + 1)) + " ";
    return position + Quoted(Shown(area.GetTitle())) + " (" + Shown(area.GetLocal()) + ")";
}

int CSession::Finish(const std::vector<CChange>& changes, bool bDryRun, bool bJson) {
    if (!changes.empty() && !bDryRun) {
        if (int nExit = Write(); nExit != kExitDone)
            return nExit;
    }
    Report(changes, bDryRun, bJson);
    return kExitDone;
}

int CSession::Write() {
    const CSaveCheck check = CheckFilesBeforeSave(paths, files);
    if (check.bSceneryCfgChanged || check.bFolderTxtChanged) {
        PrintError(std::string(check.bSceneryCfgChanged ? kSceneryCfgName : kFolderTxtName) +
                   " changed while twk was working; nothing written");
        return kExitFile;
    }
    std::string backup;
    if (std::string error = LocateBackup(sim.strSimPath, *sim.pDisk, backup); !error.empty()) {
        PrintError(Shown(error) + "; nothing written");
        return kExitFile;
    }
    if (CFileResult copy = CopyFileOver(paths.strSceneryCfg, backup, kTempSuffix); !copy) {
        PrintError(backup + ": cannot be written: " + copy.strReason + "; nothing written");
        return kExitFile;
    }
    const CLibraryWrite write = WriteLibrary(paths, files, header, areas, folders, rows, [this] {
        StoreUntouchedExpandStates(folders, areas);
    });
    const char* pszDone = write.bSceneryCfgWritten ? "; scenery.cfg was written, Folder.txt was not"
                                                   : "; nothing written";
    if (write.result.status == EFileStatus::kChanged) {
        PrintError(std::string(write.bSceneryCfgWritten ? kFolderTxtName : kSceneryCfgName) +
                   " changed while twk was working" + pszDone);
        return kExitFile;
    }
    if (!write.result) {
        PrintError(write.strPath + ": cannot be written: " + write.result.strReason + pszDone);
        return kExitFile;
    }
    return kExitDone;
}

namespace {

struct CChangeWords {
    const char* pszKind;
    const char* pszDone;
    const char* pszToDo;
};

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

const CChangeWords& WordsOf(const char* pszKind) {
    for (const CChangeWords& words : kChangeWords) {
        if (std::string_view(words.pszKind) == pszKind)
            return words;
    }
    return kChangeWords[0];
}

} // namespace

void CSession::Report(const std::vector<CChange>& changes, bool bDryRun, bool bJson) const {
    const std::vector<int> aRows = RowsByArea();
    if (bJson) {
        std::vector<std::string> elements;
        for (const CChange& change : changes) {
            const bool bArea = change.nArea >= 0;
            const CSceneryArea* pArea = bArea ? &areas.GetAt(change.nArea) : nullptr;
            const int nRow = bArea ? aRows[static_cast<std::size_t>(change.nArea)] : -1;
            elements.push_back(JsonObject(
                {{"change", JsonString(change.pszKind)},
                 {"position", JsonNumberOrNull(nRow + 1, nRow >= 0)},
                 {"title",
                  JsonStringOrNull(bArea ? Utf8Text(sim.codePage, pArea->GetTitle()) : "", bArea)},
                 {"local",
                  JsonStringOrNull(bArea ? Utf8Text(sim.codePage, pArea->GetLocal()) : "", bArea)},
                 {"from", JsonStringOrNull(Utf8Text(sim.codePage, change.strFrom),
                                           !change.strFrom.empty())},
                 {"folder", JsonStringOrNull(Utf8Text(sim.codePage, change.strFolder), !bArea)},
                 {"written", bDryRun ? "false" : "true"}}));
        }
        PrintLine(JsonArray(elements));
        return;
    }
    if (changes.empty())
        PrintLine("nothing to change");
    for (const CChange& change : changes) {
        const CChangeWords& words = WordsOf(change.pszKind);
        std::string line = bDryRun ? std::string("would ") + words.pszToDo : words.pszDone;
        line += ": " + (change.nArea >= 0
                            ? AreaText(change.nArea, aRows[static_cast<std::size_t>(change.nArea)])
                            : Quoted(Shown(change.strFolder)));
        if (!change.strFrom.empty())
            line += " (was " + Shown(change.strFrom) + ")";
        PrintLine(line);
    }
}
