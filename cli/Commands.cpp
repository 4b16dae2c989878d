#include "Commands.h"

#include "AreaCommands.h"
#include "Console.h"
#include "FolderCommands.h"
#include "LibraryCheck.h"
#include "Output.h"
#include "Profile.h"
#include "ProfileFile.h"
#include "SceneryFolder.h"
#include "SimulatorLocation.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>

namespace {

int UsageError(const std::string& text) {
    PrintError(text);
    return kExitUsage;
}

// A line break in a value of the files would start a new key or section.
std::string WhyNotOneLine(const std::string& what, const std::string& text) {
    if (text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos)
        return {};
    return what + " holds a line break or a NUL byte, which would start a new line in the file";
}

// Text for the files from the terminal, in one line of them.
std::string StoredLine(const CSession& session, const std::string& what, const std::string& text,
                       std::string& stored) {
    std::string error = WhyNotOneLine(what, text);
    return error.empty() ? StoredText(session.sim.codePage, what, text, stored) : error;
}

bool IsPosition(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '#' &&
           std::all_of(argument.begin() + 1, argument.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string MatchArea(const CSession& session, const std::string& argument, std::size_t& nRow) {
    const std::size_t nRows = session.rows.size();
    if (IsPosition(argument)) {
        nRow = argument.size() < 10 ? std::stoul(argument.substr(1)) : 0;
        if (nRow >= 1 && nRow <= nRows) {
            --nRow;
            return {};
        }
        return "AREA " + argument + ": there is no such row (the list has " +
               std::to_string(nRows) + ")";
    }
    std::string title;
    if (std::string error = StoredLine(session, "AREA", argument, title); !error.empty())
        return error;
    std::string folder;
    const bool bFolder = StoredPathOfArgument(session.sim, argument, folder).empty();
    std::vector<std::size_t> aMatches, aClose;
    for (std::size_t n = 0; n < nRows; ++n) {
        const CSceneryArea& area = session.areas.GetAt(session.rows[n].nArea);
        if (EqualsNoCase(area.GetTitle(), title) ||
            (bFolder &&
             IsSameFolder(FolderOfLocalPath(area.GetLocal(), session.sim.strSimPath), folder)))
            aMatches.push_back(n);
        else if (ContainsNoCase(area.GetTitle(), title))
            aClose.push_back(n);
    }
    if (aMatches.size() == 1) {
        nRow = aMatches[0];
        return {};
    }
    const std::vector<std::size_t>& aListed = aMatches.empty() ? aClose : aMatches;
    std::string candidates;
    for (std::size_t n = 0; n < aListed.size() && n < 10; ++n)
        candidates += (n ? ", " : "") + session.AreaText(session.rows[aListed[n]].nArea,
                                                         static_cast<int>(aListed[n]));
    if (aListed.size() > 10)
        candidates += ", ...";
    if (aMatches.empty())
        return "AREA \"" + argument + "\" matches no area" +
               (candidates.empty() ? "" : "; titles holding it: " + candidates);
    return "AREA \"" + argument + "\" matches " + std::to_string(aMatches.size()) +
           " areas: " + candidates + "; name one by its #N";
}

namespace {

// The areas of every AREA argument, each once, in the order given.
std::string MatchAreas(const CSession& session, const std::vector<std::string>& arguments,
                       std::vector<int>& aAreas) {
    for (const std::string& argument : arguments) {
        std::size_t nRow = 0;
        if (std::string error = MatchArea(session, argument, nRow); !error.empty())
            return error;
        const int nArea = session.rows[nRow].nArea;
        if (std::find(aAreas.begin(), aAreas.end(), nArea) == aAreas.end())
            aAreas.push_back(nArea);
    }
    return {};
}

int SwitchAreas(CCommandRun& run, bool bActive) {
    CSession& session = run.session;
    std::vector<int> aAreas;
    if (std::string error = MatchAreas(session, run.operands, aAreas); !error.empty())
        return UsageError(error);
    std::vector<CChange> changes;
    for (int nArea : aAreas) {
        if (session.areas.GetAt(nArea).IsActive() == bActive)
            continue;
        // As a click on the row's box: every folder holding it follows.
        ToggleArea(session.folders, session.areas, nArea);
        changes.push_back({bActive ? "on" : "off", nArea, {}, {}});
    }
    session.rows = ListRows(session.areas, session.rows);
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

// The folders holding each area, by area index, in one pass over them.
std::vector<std::vector<int>> FoldersByArea(const CSession& session) {
    std::vector<std::vector<int>> aFolders(static_cast<std::size_t>(session.areas.GetSize()));
    for (int f = 0; f < session.folders.GetSize(); ++f) {
        const CFolder& folder = session.folders.GetAt(f);
        for (int e = 0; e < folder.GetCount(); ++e) {
            std::vector<int>& aOfArea = aFolders[static_cast<std::size_t>(folder.GetArea(e))];
            if (aOfArea.empty() || aOfArea.back() != f)
                aOfArea.push_back(f);
        }
    }
    return aFolders;
}

// The characters of terminal text, for lining up columns.
std::size_t WidthOf(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Padded(std::string text, std::size_t nWidth) {
    const std::size_t nHave = WidthOf(text);
    return nHave < nWidth ? text + std::string(nWidth - nHave, ' ') : text;
}

std::string PaddedLeft(const std::string& text, std::size_t nWidth) {
    return text.size() < nWidth ? std::string(nWidth - text.size(), ' ') + text : text;
}

int FindFolder(const CSession& session, const std::string& name, int& nFolder) {
    std::string stored;
    if (std::string error = StoredLine(session, "NAME", name, stored); !error.empty())
        return UsageError(error);
    for (nFolder = 0; nFolder < session.folders.GetSize(); ++nFolder) {
        if (EqualsNoCase(session.folders.GetAt(nFolder).GetName(), stored))
            return kExitDone;
    }
    std::string names;
    for (int f = 0; f < session.folders.GetSize(); ++f)
        names += (f ? ", \"" : "\"") + session.Shown(session.folders.GetAt(f).GetName()) + "\"";
    return UsageError("NAME \"" + name + "\" names no folder" +
                      (names.empty() ? " (there are none)" : "; the folders: " + names));
}

int SwitchFolder(CCommandRun& run, bool bActive) {
    CSession& session = run.session;
    int nFolder = 0;
    if (int nExit = FindFolder(session, run.operands[0], nFolder); nExit != kExitDone)
        return nExit;
    std::vector<bool> aWasActive;
    for (int i = 0; i < session.areas.GetSize(); ++i)
        aWasActive.push_back(session.areas.GetAt(i).IsActive());
    const int nWasState = session.folders.GetAt(nFolder).GetActive();
    // As a click on the folder's box that leaves it in that state.
    std::vector<CChange> changes;
    for (int nArea : SetFolderActive(session.folders, session.areas, nFolder, bActive)) {
        if (aWasActive[static_cast<std::size_t>(nArea)] != bActive)
            changes.push_back({bActive ? "on" : "off", nArea, {}, {}});
    }
    if (session.folders.GetAt(nFolder).GetActive() != nWasState)
        changes.push_back({bActive ? "folder-on" : "folder-off",
                           -1,
                           {},
                           session.folders.GetAt(nFolder).GetName()});
    session.rows = ListRows(session.areas, session.rows);
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

} // namespace

int RunList(CCommandRun& run) {
    const CSession& session = run.session;
    const CCodePage& codePage = session.sim.codePage;
    const std::vector<std::vector<int>> aFolders = FoldersByArea(session);
    std::vector<std::string> elements;
    std::vector<std::vector<std::string>> table;
    for (std::size_t n = 0; n < session.rows.size(); ++n) {
        const int nArea = session.rows[n].nArea;
        const CSceneryArea& area = session.areas.GetAt(nArea);
        std::vector<std::string> folders;
        std::string names;
        for (int f : aFolders[static_cast<std::size_t>(nArea)]) {
            const std::string& name = session.folders.GetAt(f).GetName();
            folders.push_back(JsonString(Utf8Text(codePage, name)));
            names += (names.empty() ? "" : ", ") + session.Shown(name);
        }
        if (run.args.bJson) {
            elements.push_back(
                JsonObject({{"position", std::to_string(n + 1)},
                            {"layer", std::to_string(area.GetLayer())},
                            {"active", session.rows[n].bActive ? "true" : "false"},
                            {"required", area.IsRequired() ? "true" : "false"},
                            {"title", JsonString(Utf8Text(codePage, area.GetTitle()))},
                            {"local", JsonString(Utf8Text(codePage, area.GetLocal()))},
                            {"folders", JsonInlineArray(folders)}}));
        } else {
            table.push_back({PositionName(static_cast<int>(n + 1)), std::to_string(area.GetLayer()),
                             session.rows[n].bActive ? "on" : "off",
                             area.IsRequired() ? "req" : "-", session.Shown(area.GetTitle()),
                             session.Shown(area.GetLocal()), names});
        }
    }
    if (run.args.bJson) {
        PrintLine(JsonArray(elements));
        return kExitDone;
    }
    // Titles line up to a width that a few long ones do not dictate.
    std::size_t aWidths[] = {3, 5, 3, 3, 5, 5};
    for (const std::vector<std::string>& row : table) {
        for (std::size_t c = 0; c < 6; ++c)
            aWidths[c] = std::max(aWidths[c], std::min<std::size_t>(WidthOf(row[c]), 40));
    }
    table.insert(table.begin(), {"#", "layer", "on", "req", "title", "local", "folders"});
    for (const std::vector<std::string>& row : table) {
        std::string line = PaddedLeft(row[0], aWidths[0]) + "  " + PaddedLeft(row[1], aWidths[1]) +
                           "  " + Padded(row[2], aWidths[2]) + "  " + Padded(row[3], aWidths[3]) +
                           "  " + Padded(row[4], aWidths[4]) + "  " + Padded(row[5], aWidths[5]) +
                           "  " + row[6];
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        PrintLine(line);
    }
    return kExitDone;
}

int RunCheck(CCommandRun& run) {
    const CSession& session = run.session;
    const std::vector<CFinding> findings =
        CheckLibrary(session.paths, session.files, session.areas, session.folders, session.rows,
                     session.sim.strSimPath, *session.sim.pDisk);
    if (run.args.bJson) {
        std::vector<std::string> elements;
        for (const CFinding& finding : findings) {
            const CCodePage& codePage = session.sim.codePage;
            const bool bArea = finding.nPosition > 0 || finding.strFile.empty();
            const bool bNamed = bArea || !finding.strTitle.empty() || !finding.strLocal.empty();
            elements.push_back(JsonObject(
                {{"code", JsonString(finding.strCode)},
                 {"severity", JsonString(SeverityName(finding.severity))},
                 {"position", JsonNumberOrNull(finding.nPosition, finding.nPosition > 0)},
                 {"title", JsonStringOrNull(Utf8Text(codePage, finding.strTitle), bNamed)},
                 {"local", JsonStringOrNull(Utf8Text(codePage, finding.strLocal), bNamed)},
                 {"file", JsonStringOrNull(finding.strFile, !finding.strFile.empty())},
                 {"text", JsonString(Utf8Text(codePage, finding.strText))}}));
        }
        PrintLine(JsonArray(elements));
    } else {
        PrintLine(session.Shown(FindingsText(findings, findings.size())));
    }
    const bool bUnreadable = std::any_of(findings.begin(), findings.end(), [](const CFinding& f) {
        return f.strCode == "unreadable-file";
    });
    return bUnreadable ? kExitFile : HasErrors(findings) ? kExitFindings : kExitDone;
}

int RunEnable(CCommandRun& run) {
    return SwitchAreas(run, true);
}

int RunDisable(CCommandRun& run) {
    return SwitchAreas(run, false);
}

int RunMove(CCommandRun& run) {
    CSession& session = run.session;
    const auto& options = run.args.options;
    const int nGiven =
        static_cast<int>(options.count("to") + options.count("above") + options.count("below"));
    if (nGiven != 1)
        return UsageError("move: give one of --to N, --above AREA, --below AREA");
    std::size_t nFrom = 0;
    if (std::string error = MatchArea(session, run.operands[0], nFrom); !error.empty())
        return UsageError(error);
    const CListRow moved = session.rows[nFrom];
    std::size_t nTo = 0;
    if (auto to = options.find("to"); to != options.end()) {
        const std::string& text = to->second;
        const bool bNumber =
            !text.empty() && text.size() < 10 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        nTo = bNumber ? std::stoul(text) : 0;
        if (nTo < 1 || nTo > session.rows.size())
            return UsageError("--to " + text + ": give a position from 1 to " +
                              std::to_string(session.rows.size()));
        --nTo;
    } else {
        const bool bAbove = options.count("above") > 0;
        const std::string& other = options.at(bAbove ? "above" : "below");
        std::size_t nOther = 0;
        if (std::string error = MatchArea(session, other, nOther); !error.empty())
            return UsageError(error);
        if (nOther == nFrom)
            return UsageError("move: an area cannot move next to itself");
        // The other row's index once the moved row is out of the list.
        nTo = (nOther > nFrom ? nOther - 1 : nOther) + (bAbove ? 0 : 1);
    }
    std::vector<CChange> changes;
    if (nTo != nFrom) {
        session.rows.erase(session.rows.begin() + static_cast<std::ptrdiff_t>(nFrom));
        session.rows.insert(session.rows.begin() + static_cast<std::ptrdiff_t>(nTo), moved);
        changes.push_back({"move", moved.nArea, PositionName(static_cast<int>(nFrom + 1)), {}});
    }
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

int RunAdd(CCommandRun& run) {
    CSession& session = run.session;
    const std::string& local = run.operands[0];
    if (std::string error = WhyNotOneLine("LOCAL", local); !error.empty())
        return UsageError(error);
    std::string folder;
    if (std::string error = StoredPathOfArgument(session.sim, local, folder); !error.empty())
        return UsageError(error);
    if (IsLibraryFull(session.areas))
        return UsageError("the library holds as many areas as it can address: nothing added");
    if (!IsSceneryFolder(folder, *session.sim.pDisk))
        return UsageError(ShownFolder(session.sim, folder) +
                          " is no scenery folder: its scenery sub-folder holds no .bgl file");
    std::string title = ProposedTitle(folder, session.sim.strSimPath);
    if (auto given = run.args.options.find("title"); given != run.args.options.end()) {
        if (std::string error = StoredLine(session, "TITLE", given->second, title); !error.empty())
            return UsageError(error);
    }
    const int nArea = AddArea(session.areas, folder, session.sim.strSimPath, title);
    session.rows = ListRows(session.areas, session.rows);
    return session.Finish({{"add", nArea, {}, {}}}, run.args.bDryRun, run.args.bJson);
}

int RunRemove(CCommandRun& run) {
    CSession& session = run.session;
    std::vector<int> aAreas;
    if (std::string error = MatchAreas(session, run.operands, aAreas); !error.empty())
        return UsageError(error);
    const std::vector<int> aRows = session.RowsByArea();
    std::vector<CChange> changes;
    for (int nArea : aAreas) {
        const int nRow = aRows[static_cast<std::size_t>(nArea)];
        if (session.areas.GetAt(nArea).IsRequired() && run.args.options.count("force") == 0)
            return UsageError(session.AreaText(nArea, nRow) +
                              " is required by the simulator; --force removes it all the same");
        changes.push_back({"remove", nArea, PositionName(static_cast<int>(nRow + 1)), {}});
    }
    for (int nArea : aAreas)
        RemoveArea(session.areas, nArea);
    session.rows = ListRows(session.areas, session.rows);
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

int RunRename(CCommandRun& run) {
    CSession& session = run.session;
    std::size_t nRow = 0;
    if (std::string error = MatchArea(session, run.operands[0], nRow); !error.empty())
        return UsageError(error);
    std::string title;
    if (std::string error = StoredLine(session, "TITLE", run.operands[1], title); !error.empty())
        return UsageError(error);
    const int nArea = session.rows[nRow].nArea;
    const std::string old = session.areas.GetAt(nArea).GetTitle();
    RenameArea(session.areas, nArea, title);
    std::vector<CChange> changes;
    if (session.areas.GetAt(nArea).GetTitle() != old)
        changes.push_back({"rename", nArea, Quoted(old), {}});
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

int RunScan(CCommandRun& run) {
    CSession& session = run.session;
    std::string directory;
    if (std::string error = StoredPathOfArgument(session.sim, run.operands[0], directory);
        !error.empty())
        return UsageError(error);
    if (session.sim.pDisk->GetKind(directory) != EPathKind::kDirectory)
        return UsageError("DIR " + run.operands[0] + ": no such folder");
    const int nFirst = session.areas.GetSize();
    const CScanResult result = ScanDirectory(directory, session.sim.strSimPath, session.areas,
                                             CAreaArray::kMaxAreas, *session.sim.pDisk);
    for (const std::string& name : result.aUnnamed)
        PrintError("warning: left out " + name + ": " +
                   session.sim.codePage.WhyNotConverted("its name"));
    if (result.nLeftOut > 0)
        PrintError("warning: the library holds as many areas as it can address: " +
                   std::to_string(result.nLeftOut) + " scenery folders found were not added");
    session.rows = ListRows(session.areas, session.rows);
    std::vector<CChange> changes;
    for (int nArea = nFirst; nArea < session.areas.GetSize(); ++nArea)
        changes.push_back({"add", nArea, {}, {}});
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

int RunFolderList(CCommandRun& run) {
    const CSession& session = run.session;
    const std::vector<int> aRows = session.RowsByArea();
    static constexpr const char* kStates[] = {"off", "on", "mixed"};
    std::vector<std::string> elements;
    for (int f = 0; f < session.folders.GetSize(); ++f) {
        const CFolder& folder = session.folders.GetAt(f);
        const char* pszState = kStates[std::clamp(folder.GetActive(), 0, 2)];
        std::vector<std::string> areas;
        std::string titles;
        for (int e = 0; e < folder.GetCount(); ++e) {
            const int nArea = folder.GetArea(e);
            const int nRow = aRows[static_cast<std::size_t>(nArea)];
            if (nRow < 0)
                continue;
            const CSceneryArea& area = session.areas.GetAt(nArea);
            areas.push_back(JsonObject(
                {{"position", std::to_string(nRow + 1)},
                 {"title", JsonString(Utf8Text(session.sim.codePage, area.GetTitle()))},
                 {"local", JsonString(Utf8Text(session.sim.codePage, area.GetLocal()))}}));
            titles += "\n    " + session.AreaText(nArea, nRow);
        }
        if (run.args.bJson) {
            elements.push_back(
                JsonObject({{"name", JsonString(Utf8Text(session.sim.codePage, folder.GetName()))},
                            {"state", JsonString(pszState)},
                            {"areas", JsonInlineArray(areas)}}));
        } else {
            PrintLine(Quoted(session.Shown(folder.GetName())) + " " + pszState + ", " +
                      std::to_string(areas.size()) + (areas.size() == 1 ? " area" : " areas") +
                      titles);
        }
    }
    if (run.args.bJson)
        PrintLine(JsonArray(elements));
    else if (session.folders.GetSize() == 0)
        PrintLine("no folders");
    return kExitDone;
}

int RunFolderEnable(CCommandRun& run) {
    return SwitchFolder(run, true);
}

int RunFolderDisable(CCommandRun& run) {
    return SwitchFolder(run, false);
}

int RunRestoreBackup(CCommandRun& run) {
    CSession& session = run.session;
    std::string backup;
    if (std::string error = LocateBackup(session.sim.strSimPath, *session.sim.pDisk, backup);
        !error.empty()) {
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
    if (HashFileBytes(text) == session.files.sceneryCfg.disk.nHash &&
        text.size() == session.files.sceneryCfg.disk.nSize) {
        PrintLine("scenery.cfg is as its backup already: nothing to change");
        return kExitDone;
    }
    // What comes back, what goes and what is switched, by title and local
    // path.
    using CKey = std::pair<std::string, std::string>;
    auto keyOf = [](const CSceneryArea& area) { return CKey{area.GetTitle(), area.GetLocal()}; };
    std::map<CKey, bool> now, then;
    for (const CListRow& row : session.rows)
        now.emplace(keyOf(session.areas.GetAt(row.nArea)), row.bActive);
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
        PrintLine("would put " + backup + " back as " + session.paths.strSceneryCfg);
        return kExitDone;
    }
    if (run.args.options.count("yes") == 0) {
        if (!IsStandardInputTerminal())
            return UsageError("restore-backup: no terminal to ask on; --yes puts the backup back");
        std::printf("Put %s back as %s? [y/N] ", backup.c_str(),
                    session.paths.strSceneryCfg.c_str());
        std::fflush(stdout);
        std::string answer;
        std::getline(std::cin, answer);
        if (answer.empty() || (answer[0] != 'y' && answer[0] != 'Y')) {
            PrintLine("nothing written");
            return kExitDone;
        }
    }
    CFileResult write = ReplaceFileIfUnchanged(session.paths.strSceneryCfg, text, kTempSuffix,
                                               session.files.sceneryCfg.disk);
    if (write.status == EFileStatus::kChanged) {
        PrintError("scenery.cfg changed while twk was working; nothing written");
        return kExitFile;
    }
    if (!write) {
        PrintError(session.paths.strSceneryCfg + ": cannot be written: " + write.strReason);
        return kExitFile;
    }
    PrintLine("put " + backup + " back as " + session.paths.strSceneryCfg);
    return kExitDone;
}
