#include "ChangeRunners.h"

#include "AreaChanges.h"
#include "Matching.h"
#include "Output.h"
#include "SceneryFolder.h"
#include "Session.h"

#include <algorithm>

namespace {

bool IsForced(const CCommandRun& run) {
    return run.args.options.count("force") > 0;
}

// The library's refusal, and how to have it done all the same.
CChangeResult Forceable(CChangeResult result, const char* pszAllTheSame) {
    if (result.Refused() && result.changes.empty())
        result.strRefused.append("; --force ").append(pszAllTheSame);
    return result;
}

// A title as the library stores it, refused rather than cut.
std::string StoredTitle(const CSession& session, const std::string& given, std::string& title) {
    if (std::string error = StoredLine(session.Sim().codePage, "TITLE", given, title);
        !error.empty())
        return error;
    const std::string why = WhyTitleRefused(title);
    return why.empty() ? why : "TITLE: " + why;
}

int SwitchAreas(CCommandRun& run, bool bActive) {
    std::vector<int> aAreas;
    if (std::string error = MatchAreas(run.session, run.operands, aAreas); !error.empty())
        return UsageError(error);
    return run.session.Finish(
        Forceable(run.session.Doc().SetAreasActive(aAreas, bActive, IsForced(run)),
                  "switches it off all the same"),
        run.args.bDryRun, run.args.bJson);
}

int SwitchFolder(CCommandRun& run, bool bActive) {
    int nFolder = 0;
    if (std::string error = MatchFolder(run.session, run.operands[0], nFolder); !error.empty())
        return UsageError(error);
    // As a click on the folder's box that leaves it in that state.
    return run.session.Finish(
        Forceable(run.session.Doc().SetFolderActive(nFolder, bActive, IsForced(run)),
                  "switches it off all the same"),
        run.args.bDryRun, run.args.bJson);
}

} // namespace

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
    std::string title = ProposedTitle(folder, sim.strSimPath);
    if (auto given = run.args.options.find("title"); given != run.args.options.end()) {
        if (std::string error = StoredTitle(session, given->second, title); !error.empty())
            return UsageError(error);
    }
    CChangeResult added = session.Doc().AddArea(folder, title, IsForced(run));
    if (!added.held.empty())
        added = Forceable(std::move(added), "adds it again");
    // The library names the folder as it stores it; twk as its user does.
    if (std::string why = session.Shown(added.strRefused); why.starts_with(session.Shown(folder)))
        return UsageError(why.replace(0, session.Shown(folder).size(), ShownFolder(sim, folder)));
    return session.Finish(added, run.args.bDryRun, run.args.bJson);
}

int RunRemove(CCommandRun& run) {
    CSession& session = run.session;
    std::vector<int> aAreas;
    if (std::string error = MatchAreas(session, run.operands, aAreas); !error.empty())
        return UsageError(error);
    return session.Finish(
        Forceable(session.Doc().RemoveAreas(aAreas, IsForced(run)), "removes it all the same"),
        run.args.bDryRun, run.args.bJson);
}

int RunRename(CCommandRun& run) {
    CSession& session = run.session;
    std::size_t nRow = 0;
    if (std::string error = MatchArea(session, run.operands[0], nRow); !error.empty())
        return UsageError(error);
    std::string title;
    if (std::string error = StoredTitle(session, run.operands[1], title); !error.empty())
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
    const CChangeResult scanned = session.Doc().Scan(directory, IsForced(run));
    const int nExit = session.Finish(scanned, run.args.bDryRun, run.args.bJson);
    if (nExit != kExitDone || run.args.bJson || scanned.held.empty())
        return nExit;
    const std::vector<int> aRows = session.Doc().RowsByArea();
    for (int nArea : scanned.held)
        PrintLine(
            "already in the library: " + PositionName(aRows[static_cast<std::size_t>(nArea)] + 1) +
            " " + Quoted(session.Shown(session.Doc().Area(nArea).GetTitle())));
    PrintLine(std::to_string(scanned.changes.size()) +
              (run.args.bDryRun ? " to add, " : " added, ") + std::to_string(scanned.held.size()) +
              " already in the library");
    return nExit;
}

int RunFolderEnable(CCommandRun& run) {
    return SwitchFolder(run, true);
}

int RunFolderDisable(CCommandRun& run) {
    return SwitchFolder(run, false);
}
