#include "ListRunners.h"

#include "AirportRunners.h"
#include "AreaChanges.h"
#include "Console.h"
#include "LibraryCheck.h"

#include <algorithm>

namespace {

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

std::string Padded(std::string text, std::size_t nWidth) {
    const std::size_t nHave = WidthOf(text);
    return nHave < nWidth ? text + std::string(nWidth - nHave, ' ') : text;
}

// The twk command that shows more of a finding, or mends it where one
// command can; empty where none does.
std::string CheckHint(const CFinding& finding) {
    const std::string area = Quoted(PositionName(finding.nPosition));
    if (!finding.strAirport.empty())
        return "see: twk airports " + finding.strAirport;
    if (finding.strCode == "required-off")
        return "fix: twk enable " + area;
    if (finding.strCode == "missing-folder" || finding.strCode == "duplicate-local")
        return "fix: twk remove " + area;
    return {};
}

std::string PaddedLeft(const std::string& text, std::size_t nWidth) {
    return text.size() < nWidth ? std::string(nWidth - text.size(), ' ') + text : text;
}

int ReportCheck(CCommandRun& run) {
    const CSession& session = run.session;
    const std::vector<CFinding> findings = session.Doc().Check(session.IndexAirports());
    if (run.args.bJson) {
        const CCodePage& codePage = session.Sim().codePage;
        const CShowText utf8 = [&](const std::string& text) { return Utf8Text(codePage, text); };
        const CShowText utf8Folder = [&](const std::string& folder) {
            return Utf8Folder(session.Sim(), folder);
        };
        std::vector<std::string> elements;
        for (const CFinding& finding : findings) {
            const bool bArea = finding.nPosition > 0 || finding.strFile.empty();
            const bool bNamed = bArea || !finding.strTitle.empty() || !finding.strLocal.empty();
            elements.push_back(JsonObject(
                {{"code", JsonString(finding.strCode)},
                 {"severity", JsonString(SeverityName(finding.severity))},
                 {"position", JsonNumberOrNull(finding.nPosition, finding.nPosition > 0)},
                 {"title", JsonStringOrNull(Utf8Text(codePage, finding.strTitle), bNamed)},
                 {"local", JsonStringOrNull(Utf8Text(codePage, finding.strLocal), bNamed)},
                 {"file", JsonStringOrNull(finding.strFile, !finding.strFile.empty())},
                 {"text", JsonString(FindingSentence(finding, utf8, utf8Folder))}}));
        }
        PrintLine(JsonArray(elements));
    } else {
        const CShowText shown = [&](const std::string& text) { return session.Shown(text); };
        const CShowText shownFolder = [&](const std::string& folder) {
            return ShownFolder(session.Sim(), folder);
        };
        if (findings.empty())
            PrintLine(FindingsText(findings, 0));
        for (const CFinding& finding : findings) {
            PrintFitted(FindingLine(finding, shown, shownFolder));
            if (const std::string hint = CheckHint(finding); !hint.empty())
                PrintLine("  " + hint);
        }
    }
    // A file the system would not let be read, not one read and found to
    // be no library (an error of the check's).
    const CLibraryFiles& files = session.Doc().Files();
    const bool bUnreadable = std::any_of(files.begin(), files.end(), [](const CFileResult& file) {
        return file.status == EFileStatus::kFailed && !file.disk.bPresent;
    });
    return bUnreadable ? kExitFile : HasErrors(findings) ? kExitFindings : kExitDone;
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
    // On a terminal the title and the local path give up columns, the wider
    // first, until a row fits; then what does not fit is cut in its middle,
    // the folders' last.
    const std::size_t nColumns = OutputTerminalColumns();
    const std::size_t nFixed = aWidths[0] + aWidths[1] + aWidths[2] + aWidths[3] + 6 * 2;
    while (nColumns > 0 && nFixed + aWidths[4] + aWidths[5] > nColumns &&
           std::max(aWidths[4], aWidths[5]) > 8)
        --aWidths[aWidths[4] >= aWidths[5] ? 4 : 5];
    auto cell = [&](const std::string& text, std::size_t c) {
        return Padded(nColumns > 0 ? ShortenedMiddle(text, aWidths[c]) : text, aWidths[c]);
    };
    table.insert(table.begin(), {"#", "layer", "on", "req", "title", "local", "folders"});
    for (const std::vector<std::string>& row : table) {
        std::string line = PaddedLeft(row[0], aWidths[0]) + "  " + PaddedLeft(row[1], aWidths[1]) +
                           "  " + Padded(row[2], aWidths[2]) + "  " + Padded(row[3], aWidths[3]) +
                           "  " + cell(row[4], 4) + "  " + cell(row[5], 5) + "  ";
        const std::size_t nUsed = WidthOf(line);
        line +=
            nColumns == 0 ? row[6] : ShortenedMiddle(row[6], nColumns - std::min(nColumns, nUsed));
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        PrintFitted(line);
    }
    return kExitDone;
}

int RunCheck(CCommandRun& run) {
    return RunIndexing([&] { return ReportCheck(run); });
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
            areas.push_back(session.AreaJson(nArea, nRow));
            titles += "\n    " + session.AreaText(nArea, nRow);
        }
        if (run.args.bJson) {
            elements.push_back(
                JsonObject({{"name", JsonString(Utf8Text(codePage, folder.GetName()))},
                            {"state", JsonString(pszState)},
                            {"areas", JsonInlineArray(areas)}}));
        } else {
            PrintFitted(Quoted(session.Shown(folder.GetName())) + " " + pszState + ", " +
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
