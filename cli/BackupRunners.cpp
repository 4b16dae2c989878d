#include "BackupRunners.h"

#include "Console.h"
#include "LibraryDifferences.h"

#include <algorithm>

namespace {

std::string Utf8(const CCommandRun& run, const std::string& text) {
    return Utf8Text(run.session.Sim().codePage, text);
}

// The set the NUMBER operand names, read; the exit status, why not said.
int FindSet(CCommandRun& run, CBackupSet& backup, CLibrarySet& set) {
    const std::string& number = run.operands[0];
    const bool bNumber =
        !number.empty() && number.size() < 10 &&
        std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    const std::vector<CBackupSet> sets = ListBackupSets(run.session.Doc().BackupsFolder());
    const auto found = std::find_if(sets.begin(), sets.end(), [&](const CBackupSet& candidate) {
        return bNumber && candidate.nNumber == std::stoi(number);
    });
    if (found == sets.end())
        return UsageError("NUMBER " + number +
                          ": there is no backup set of that number (twk backup list lists them)");
    backup = *found;
    if (std::string why = ReadBackupSet(backup, set); !why.empty()) {
        PrintError("backup set " + std::to_string(backup.nNumber) +
                   " cannot be restored: " + run.session.Shown(why));
        return kExitFile;
    }
    return kExitDone;
}

std::vector<std::string> DifferencesOf(const CCommandRun& run, const CLibrarySet& set) {
    const CLibraryDocument& doc = run.session.Doc();
    return LibraryDifferences({doc.Areas(), doc.Rows(), doc.Folders(), doc.Profiles()}, set.View());
}

// The differences, as text or JSON; the heading names the set.
void PrintDifferences(const CCommandRun& run, const CBackupSet& backup,
                      const std::vector<std::string>& differences, bool bWritten) {
    if (run.args.bJson) {
        std::vector<std::string> lines;
        for (const std::string& line : differences)
            lines.push_back(JsonString(Utf8(run, line)));
        PrintLine(JsonObject({{"number", std::to_string(backup.nNumber)},
                              {"when", JsonString(backup.strWhen)},
                              {"by", JsonString(Utf8(run, backup.strBy))},
                              {"differences", JsonInlineArray(lines)},
                              {"written", bWritten ? "true" : "false"}}));
        return;
    }
    PrintLine("backup set " + std::to_string(backup.nNumber) + " of " + backup.strWhen + " UTC (" +
              run.session.Shown(backup.strBy) + ")");
    if (differences.empty())
        PrintLine("  the same as the library as it stands");
    for (const std::string& line : differences)
        PrintFitted("  " + run.session.Shown(line));
}

} // namespace

int RunBackupList(CCommandRun& run) {
    const std::vector<CBackupSet> sets = ListBackupSets(run.session.Doc().BackupsFolder());
    std::vector<std::string> elements;
    for (const CBackupSet& set : sets) {
        if (run.args.bJson) {
            elements.push_back(JsonObject(
                {{"number", std::to_string(set.nNumber)},
                 {"when", JsonString(set.strWhen)},
                 {"by", JsonString(Utf8(run, set.strBy))},
                 {"areas", std::to_string(set.nAreas)},
                 {"folders", std::to_string(set.nFolders)},
                 {"profiles", std::to_string(set.nProfiles)},
                 {"unusable", JsonStringOrNull(set.strUnusable, !set.strUnusable.empty())}}));
            continue;
        }
        std::string number = std::to_string(set.nNumber);
        number.insert(0, number.size() < 5 ? 5 - number.size() : 0, ' ');
        PrintFitted(number + "  " + set.strWhen + "  " + std::to_string(set.nAreas) + " areas, " +
                    std::to_string(set.nFolders) + " folders, " + std::to_string(set.nProfiles) +
                    " profiles  " +
                    (set.strUnusable.empty() ? run.session.Shown(set.strBy)
                                             : "unusable: " + set.strUnusable));
    }
    if (run.args.bJson)
        PrintLine(JsonArray(elements));
    else if (sets.empty())
        PrintLine("No backup sets kept yet.");
    return kExitDone;
}

int RunBackupShow(CCommandRun& run) {
    CBackupSet backup;
    CLibrarySet set;
    if (int nExit = FindSet(run, backup, set); nExit != kExitDone)
        return nExit;
    PrintDifferences(run, backup, DifferencesOf(run, set), false);
    return kExitDone;
}

int RunBackupRestore(CCommandRun& run) {
    CBackupSet backup;
    CLibrarySet set;
    if (int nExit = FindSet(run, backup, set); nExit != kExitDone)
        return nExit;
    const std::vector<std::string> differences = DifferencesOf(run, set);
    if (differences.empty()) {
        PrintDifferences(run, backup, differences, false);
        return kExitDone;
    }
    if (!run.args.bDryRun && run.args.options.count("yes") == 0) {
        if (!IsStandardInputTerminal())
            return UsageError("backup restore: no terminal to ask on; --yes restores the set");
        PrintDifferences(run, backup, differences, false);
        const std::string answer = AskOnTerminal("Restore this backup? [y/N] ");
        if (answer.empty() || (answer[0] != 'y' && answer[0] != 'Y')) {
            PrintLine("nothing written");
            return kExitDone;
        }
    }
    CLibraryDocument& doc = run.session.Doc();
    if (!run.args.bDryRun) {
        // The question was asked without the lock: look again holding it.
        if (doc.Lock() == CFileLock::EOutcome::kBusy)
            return run.session.WriteFailed(
                {CSaveResult::kLocked, doc.Paths().strLock, {}, false, {}});
        ReportRecovery(doc.TakeRecovery());
        if (doc.CheckFilesBeforeSave().AnyChanged()) {
            doc.Unlock();
            PrintError("the library was changed by another program meanwhile; nothing written");
            return kExitFile;
        }
        doc.ReplaceLibrary(std::move(set));
        if (run.args.bNoBackup)
            doc.KeepSetsAs(std::nullopt);
        else
            doc.KeepSetsAs("restore");
        const int nExit = run.session.Write(CSession::EWrite::kLibrary);
        doc.Unlock();
        if (nExit != kExitDone)
            return nExit;
    }
    // Asked on a terminal, the differences were shown with the question.
    if (run.args.bJson || run.args.bDryRun || run.args.options.count("yes") > 0)
        PrintDifferences(run, backup, differences, !run.args.bDryRun);
    if (!run.args.bJson)
        PrintLine((run.args.bDryRun ? "would restore backup set " : "restored backup set ") +
                  std::to_string(backup.nNumber));
    return kExitDone;
}
