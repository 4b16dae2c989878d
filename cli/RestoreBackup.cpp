#include "RestoreBackup.h"

#include "AreaChanges.h"
#include "Console.h"
#include "IniFile.h"
#include "SimulatorLocation.h"

#include <map>
#include <memory>

namespace {

using CKey = std::pair<std::string, std::string>; // an area's title and local path

CKey KeyOf(const CSceneryArea& area) {
    return {area.GetTitle(), area.GetLocal()};
}

// What putting the backup's areas back does to the library as read: which
// areas come back, go or are switched, and which folders and profiles the
// areas that go leave.
void ShowRestore(const CSession& session, const CLibraryDocument& doc, const CAreaArray& areas) {
    std::map<CKey, std::pair<bool, int>> now; // on or off, and the area
    std::map<CKey, bool> then;
    for (const CListRow& row : doc.Rows())
        now.emplace(KeyOf(doc.Area(row.nArea)), std::pair{row.bActive, row.nArea});
    for (const CListRow& row : ListRows(areas))
        then.emplace(KeyOf(areas.GetAt(row.nArea)), row.bActive);
    std::multimap<int, std::string> holders; // by area, "the folder F" or "the profile P"
    for (int f = 0; f < doc.Folders().GetSize(); ++f) {
        const CFolder& folder = doc.Folders().GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e)
            holders.emplace(folder.GetArea(e),
                            "the folder " + Quoted(session.Shown(folder.GetName())));
    }
    for (const CSceneryProfile& profile : doc.Profiles()) {
        for (const CProfileEntry& entry : profile.aEntries) {
            if (entry.nArea >= 0)
                holders.emplace(entry.nArea,
                                "the profile " + Quoted(session.Shown(profile.strName)));
        }
    }
    std::vector<std::string> left;
    auto describe = [&](const std::string& what, const CKey& key) {
        const std::string area = session.NamesText({key.first, key.second});
        PrintLine(what + ": " + area);
        return area;
    };
    for (const auto& [key, bActive] : then) {
        auto found = now.find(key);
        if (found == now.end())
            describe("comes back", key);
        else if (found->second.first != bActive)
            describe(bActive ? "is switched on" : "is switched off", key);
    }
    for (const auto& [key, area] : now) {
        if (then.count(key))
            continue;
        const std::string text = describe("goes", key);
        const auto [first, last] = holders.equal_range(area.second);
        for (auto holder = first; holder != last; ++holder)
            left.push_back("leaves " + holder->second + ": " + text);
    }
    if (now.size() == then.size() && left.empty() &&
        std::equal(now.begin(), now.end(), then.begin(), [](const auto& a, const auto& b) {
            return a.first == b.first && a.second.first == b.second;
        }))
        PrintLine("the same areas, on and off alike; their order or other keys differ");
    for (const std::string& line : left)
        PrintLine(line);
    PrintLine("only scenery.cfg comes back; folders and profiles stay as they are");
}

} // namespace

int RunRestoreBackup(CCommandRun& run) {
    CSession& session = run.session;
    std::string backup;
    if (std::string error = LocateBackup(session.Doc().SimPath(), session.Doc().Disk(), backup);
        !error.empty()) {
        PrintError(session.Shown(error));
        return kExitFile;
    }
    std::string text;
    CFileResult read = ReadIniFile(backup, text);
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
    // The library as read last: the session's, or read anew after another
    // program changed scenery.cfg while the user was asked.
    std::unique_ptr<CLibraryDocument> reread;
    for (;;) {
        CLibraryDocument& doc = reread ? *reread : session.Doc();
        const CFileState& disk = doc.Files()[kSceneryCfgFile].disk;
        const std::string& sceneryCfg = doc.Paths().files[kSceneryCfgFile];
        if (HashFileBytes(text) == disk.nHash && text.size() == disk.nSize) {
            PrintLine("scenery.cfg is as its backup already: nothing to change");
            return kExitDone;
        }
        ShowRestore(session, doc, areas);
        if (run.args.bDryRun) {
            PrintLine("would put " + backup + " back as " + sceneryCfg);
            return kExitDone;
        }
        if (run.args.options.count("yes") == 0) {
            if (!IsStandardInputTerminal())
                return UsageError(
                    "restore-backup: no terminal to ask on; --yes puts the backup back");
            const std::string answer =
                AskOnTerminal("Put " + backup + " back as " + sceneryCfg + "? [y/N] ");
            if (answer.empty() || (answer[0] != 'y' && answer[0] != 'Y')) {
                PrintLine("nothing written");
                return kExitDone;
            }
        }
        // The question was asked without the lock: look again holding it.
        const bool bLocked = doc.Lock() != CFileLock::EOutcome::kBusy;
        ReportRecovery(doc.TakeRecovery());
        if (bLocked && doc.CheckFilesBeforeSave().abChanged[0]) {
            doc.Unlock();
            PrintLine("scenery.cfg was changed by another program meanwhile; nothing written");
            reread = std::make_unique<CLibraryDocument>();
            if (std::string error = reread->Open(doc.SimPath(), doc.Disk()); !error.empty()) {
                PrintError(session.Shown(error));
                return kExitFile;
            }
            continue;
        }
        const CSaveResult write =
            bLocked ? doc.ReplaceSceneryCfg(text)
                    : CSaveResult{CSaveResult::kLocked, doc.Paths().strLock, {}, false, {}};
        doc.Unlock();
        if (write.outcome != CSaveResult::kWritten)
            return session.WriteFailed(write);
        PrintLine("put " + backup + " back as " + sceneryCfg);
        return kExitDone;
    }
}
