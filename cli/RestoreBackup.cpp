#include "RestoreBackup.h"

#include "AreaCommands.h"
#include "Console.h"
#include "ProfileFile.h"
#include "SimulatorLocation.h"

#include <map>

int RunRestoreBackup(CCommandRun& run) {
    CSession& session = run.session;
    const CLibraryDocument& doc = session.Doc();
    std::string backup;
    if (std::string error = LocateBackup(doc.SimPath(), doc.Disk(), backup); !error.empty()) {
        PrintError(session.Shown(error));
        return kExitFile;
    }
    std::string text;
    CFileResult read = ReadProfileFile(backup, text);
    CSceneryHeader header;
    CAreaArray areas;
    if (read)
        read = ParseSceneryCfg(text, header, areas);
    if (!read) {
        PrintError(backup + (read.status == EFileStatus::kMissing
                                 ? ": there is no backup to restore"
                                 : ": cannot be read: " + read.strReason));
        return kExitFile;
    }
    CFileState disk = doc.Files().sceneryCfg.disk;
    const std::string& sceneryCfg = doc.Paths().strSceneryCfg;
    if (HashFileBytes(text) == disk.nHash && text.size() == disk.nSize) {
        PrintLine("scenery.cfg is as its backup already: nothing to change");
        return kExitDone;
    }
    // What comes back, what goes and what is switched, by title and local
    // path.
    using CKey = std::pair<std::string, std::string>;
    auto keyOf = [](const CSceneryArea& area) { return CKey{area.GetTitle(), area.GetLocal()}; };
    std::map<CKey, bool> now, then;
    for (const CListRow& row : doc.Rows())
        now.emplace(keyOf(doc.Area(row.nArea)), row.bActive);
    const std::vector<CListRow> backupRows = ListRows(areas);
    for (const CListRow& row : backupRows)
        then.emplace(keyOf(areas.GetAt(row.nArea)), row.bActive);
    std::size_t nDifferences = 0;
    auto describe = [&](const char* pszWhat, const CKey& key) {
        PrintLine(std::string(pszWhat) + ": \"" + session.Shown(key.first) + "\" (" +
                  session.Shown(key.second) + ")");
        ++nDifferences;
    };
    for (const auto& [key, bActive] : then) {
        auto found = now.find(key);
        if (found == now.end())
            describe("comes back", key);
        else if (found->second != bActive)
            describe(bActive ? "switched on" : "switched off", key);
    }
    for (const auto& entry : now) {
        if (!then.count(entry.first))
            describe("goes", entry.first);
    }
    if (nDifferences == 0)
        PrintLine("the same areas, on and off alike; their order or other keys differ");
    if (run.args.bDryRun) {
        PrintLine("would put " + backup + " back as " + sceneryCfg);
        return kExitDone;
    }
    if (run.args.options.count("yes") == 0) {
        if (!IsStandardInputTerminal())
            return UsageError("restore-backup: no terminal to ask on; --yes puts the backup back");
        const std::string answer =
            AskOnTerminal("Put " + backup + " back as " + sceneryCfg + "? [y/N] ");
        if (answer.empty() || (answer[0] != 'y' && answer[0] != 'Y')) {
            PrintLine("nothing written");
            return kExitDone;
        }
    }
    CFileResult write = ReplaceFileIfUnchanged(sceneryCfg, text, kTempSuffix, disk);
    if (write.status == EFileStatus::kChanged) {
        PrintError("scenery.cfg changed while twk was working; nothing written");
        return kExitFile;
    }
    if (!write) {
        PrintError(sceneryCfg + ": cannot be written: " + write.strReason);
        return kExitFile;
    }
    PrintLine("put " + backup + " back as " + sceneryCfg);
    return kExitDone;
}
