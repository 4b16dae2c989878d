#include "Commands.h"

#include "AreaCommands.h"
#include "Console.h"
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
    return error.empty() ? StoredText(session.Sim().codePage, what, text, stored) : error;
}

bool IsPosition(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '#' &&
           std::all_of(argument.begin() + 1, argument.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string MatchArea(const CSession& session, const std::string& argument, std::size_t& nRow) {
    const CLibraryDocument& doc = session.Doc();
    const std::size_t nRows = doc.Rows().size();
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
    const bool bFolder = StoredPathOfArgument(session.Sim(), argument, folder).empty();
    std::vector<std::size_t> aMatches, aClose;
    for (std::size_t n = 0; n < nRows; ++n) {
        const CSceneryArea& area = doc.Area(doc.Rows()[n].nArea);
        if (EqualsNoCase(area.GetTitle(), title) ||
            (bFolder && IsSameFolder(FolderOfLocalPath(area.GetLocal(), doc.SimPath()), folder)))
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
        candidates += (n ? ", " : "") +
                      session.AreaText(doc.Rows()[aListed[n]].nArea, static_cast<int>(aListed[n]));
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
        const int nArea = session.Doc().Rows()[nRow].nArea;
        if (std::find(aAreas.begin(), aAreas.end(), nArea) == aAreas.end())
            aAreas.push_back(nArea);
    }
    return {};
}

int SwitchAreas(CCommandRun& run, bool bActive) {
    std::vector<int> aAreas;
    if (std::string error = MatchAreas(run.session, run.operands, aAreas); !error.empty())
        return UsageError(error);
    return run.session.Finish(run.session.Doc().SetAreasActive(aAreas, bActive), run.args.bDryRun,
                              run.args.bJson);
}

// The folders holding each area, by area index, in one pass over them.
std::vector<std::vector<int>> FoldersByArea(const CLibraryDocument& doc) {
    std::vector<std::vector<int>> aFolders(static_cast<std::size_t>(doc.Areas().GetSize()));
    for (int f = 0; f < doc.Folders().GetSize(); ++f) {
        const CFolder& folder = doc.Folders().GetAt(f);
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
    const CFolderArray& folders = session.Doc().Folders();
    std::string stored;
    if (std::string error = StoredLine(session, "NAME", name, stored); !error.empty())
        return UsageError(error);
    for (nFolder = 0; nFolder < folders.GetSize(); ++nFolder) {
        if (EqualsNoCase(folders.GetAt(nFolder).GetName(), stored))
            return kExitDone;
    }
    std::string names;
    for (int f = 0; f < folders.GetSize(); ++f)
        names += (f ? ", \"" : "\"") + session.Shown(folders.GetAt(f).GetName()) + "\"";
    return UsageError("NAME \"" + name + "\" names no folder" +
                      (names.empty() ? " (there are none)" : "; the folders: " + names));
}

int SwitchFolder(CCommandRun& run, bool bActive) {
    int nFolder = 0;
    if (int nExit = FindFolder(run.session, run.operands[0], nFolder); nExit != kExitDone)
        return nExit;
    // As a click on the folder's box that leaves it in that state.
    return run.session.Finish(run.session.Doc().SetFolderActive(nFolder, bActive), run.args.bDryRun,
                              run.args.bJson);
}

} // namespace

int RunList(CCommandRun& run) {
    const CSession& session = run.session;
    const CLibraryDocument& doc = session.Doc();
    const CCodePage& codePage = session.Sim().codePage;
    const std::vector<std::vector<int>> aFolders = FoldersByArea(doc);
    std::vector<std::string> elements;
    std::vector<std::vector<std::string>> table;
    for (std::size_t n = 0; n < doc.Rows().size(); ++n) {
        const CListRow& row = doc.Rows()[n];
        const CSceneryArea& area = doc.Area(row.nArea);
        std::vector<std::string> folders;
        std::string names;
        for (int f : aFolders[static_cast<std::size_t>(row.nArea)]) {
            const std::string& name = doc.Folders().GetAt(f).GetName();
            folders.push_back(JsonString(Utf8Text(codePage, name)));
            names += (names.empty() ? "" : ", ") + session.Shown(name);
        }
        if (run.args.bJson) {
            elements.push_back(
                JsonObject({{"position", std::to_string(n + 1)},
                            {"layer", std::to_string(area.GetLayer())},
                            {"active", row.bActive ? "true" : "false"},
                            {"required", area.IsRequired() ? "true" : "false"},
                            {"title", JsonString(Utf8Text(codePage, area.GetTitle()))},
                            {"local", JsonString(Utf8Text(codePage, area.GetLocal()))},
                            {"folders", JsonInlineArray(folders)}}));
        } else {
            table.push_back({PositionName(static_cast<int>(n + 1)), std::to_string(area.GetLayer()),
                             row.bActive ? "on" : "off", area.IsRequired() ? "req" : "-",
                             session.Shown(area.GetTitle()), session.Shown(area.GetLocal()),
                             names});
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
    const std::vector<CFinding> findings = session.Doc().Check();
    if (run.args.bJson) {
        std::vector<std::string> elements;
        for (const CFinding& finding : findings) {
            const CCodePage& codePage = session.Sim().codePage;
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
    const std::size_t nRows = session.Doc().Rows().size();
    const auto& options = run.args.options;
    const int nGiven =
        static_cast<int>(options.count("to") + options.count("above") + options.count("below"));
    if (nGiven != 1)
        return UsageError("move: give one of --to N, --above AREA, --below AREA");
    std::size_t nFrom = 0;
    if (std::string error = MatchArea(session, run.operands[0], nFrom); !error.empty())
        return UsageError(error);
    std::size_t nTo = 0;
    if (auto to = options.find("to"); to != options.end()) {
        const std::string& text = to->second;
        const bool bNumber =
            !text.empty() && text.size() < 10 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        nTo = bNumber ? std::stoul(text) : 0;
        if (nTo < 1 || nTo > nRows)
            return UsageError("--to " + text + ": give a position from 1 to " +
                              std::to_string(nRows));
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
    // The row it goes above, counted before it moves.
    const std::size_t nBefore = nTo > nFrom ? nTo + 1 : nTo;
    return session.Finish(session.Doc().MoveRow(static_cast<int>(nFrom), static_cast<int>(nBefore)),
                          run.args.bDryRun, run.args.bJson);
}

int RunAdd(CCommandRun& run) {
    CSession& session = run.session;
    const CSimulator& sim = session.Sim();
    const std::string& local = run.operands[0];
    if (std::string error = WhyNotOneLine("LOCAL", local); !error.empty())
        return UsageError(error);
    std::string folder;
    if (std::string error = StoredPathOfArgument(sim, local, folder); !error.empty())
        return UsageError(error);
    if (IsLibraryFull(session.Doc().Areas()))
        return UsageError("the library holds as many areas as it can address: nothing added");
    if (!IsSceneryFolder(folder, *sim.pDisk))
        return UsageError(ShownFolder(sim, folder) +
                          " is no scenery folder: its scenery sub-folder holds no .bgl file");
    std::string title = ProposedTitle(folder, sim.strSimPath);
    if (auto given = run.args.options.find("title"); given != run.args.options.end()) {
        if (std::string error = StoredLine(session, "TITLE", given->second, title); !error.empty())
            return UsageError(error);
    }
    return session.Finish(session.Doc().AddArea(folder, title), run.args.bDryRun, run.args.bJson);
}

int RunRemove(CCommandRun& run) {
    CSession& session = run.session;
    std::vector<int> aAreas;
    if (std::string error = MatchAreas(session, run.operands, aAreas); !error.empty())
        return UsageError(error);
    for (int nArea : aAreas) {
        if (session.Doc().Area(nArea).IsRequired() && run.args.options.count("force") == 0)
            return UsageError(session.AreaText(nArea, session.Doc().RowOf(nArea)) +
                              " is required by the simulator; --force removes it all the same");
    }
    return session.Finish(session.Doc().RemoveAreas(aAreas), run.args.bDryRun, run.args.bJson);
}

int RunRename(CCommandRun& run) {
    CSession& session = run.session;
    std::size_t nRow = 0;
    if (std::string error = MatchArea(session, run.operands[0], nRow); !error.empty())
        return UsageError(error);
    std::string title;
    if (std::string error = StoredLine(session, "TITLE", run.operands[1], title); !error.empty())
        return UsageError(error);
    return session.Finish(session.Doc().RenameArea(session.Doc().Rows()[nRow].nArea, title),
                          run.args.bDryRun, run.args.bJson);
}

int RunScan(CCommandRun& run) {
    CSession& session = run.session;
    const CSimulator& sim = session.Sim();
    std::string directory;
    if (std::string error = StoredPathOfArgument(sim, run.operands[0], directory); !error.empty())
        return UsageError(error);
    if (sim.pDisk->GetKind(directory) != EPathKind::kDirectory)
        return UsageError("DIR " + run.operands[0] + ": no such folder");
    CScanResult result;
    const CChanges changes = session.Doc().Scan(directory, result);
    for (const std::string& name : result.aUnnamed)
        PrintError("warning: left out " + name + ": " + sim.codePage.WhyNotConverted("its name"));
    if (result.nLeftOut > 0)
        PrintError("warning: the library holds as many areas as it can address: " +
                   std::to_string(result.nLeftOut) + " scenery folders found were not added");
    return session.Finish(changes, run.args.bDryRun, run.args.bJson);
}

int RunFolderList(CCommandRun& run) {
    const CSession& session = run.session;
    const CLibraryDocument& doc = session.Doc();
    const CCodePage& codePage = session.Sim().codePage;
    const std::vector<int> aRows = doc.RowsByArea();
    static constexpr const char* kStates[] = {"off", "on", "mixed"};
    std::vector<std::string> elements;
    for (int f = 0; f < doc.Folders().GetSize(); ++f) {
        const CFolder& folder = doc.Folders().GetAt(f);
        const char* pszState = kStates[std::clamp(folder.GetActive(), 0, 2)];
        std::vector<std::string> areas;
        std::string titles;
        for (int e = 0; e < folder.GetCount(); ++e) {
            const int nArea = folder.GetArea(e);
            const int nRow = aRows[static_cast<std::size_t>(nArea)];
            if (nRow < 0)
                continue;
            const CSceneryArea& area = doc.Area(nArea);
            areas.push_back(
                JsonObject({{"position", std::to_string(nRow + 1)},
                            {"title", JsonString(Utf8Text(codePage, area.GetTitle()))},
                            {"local", JsonString(Utf8Text(codePage, area.GetLocal()))}}));
            titles += "\n    " + session.AreaText(nArea, nRow);
        }
        if (run.args.bJson) {
            elements.push_back(
                JsonObject({{"name", JsonString(Utf8Text(codePage, folder.GetName()))},
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
    else if (doc.Folders().GetSize() == 0)
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
        std::printf("Put %s back as %s? [y/N] ", backup.c_str(), sceneryCfg.c_str());
        std::fflush(stdout);
        std::string answer;
        std::getline(std::cin, answer);
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
