#include "ProfileRunners.h"

#include "Matching.h"

#include <algorithm>

namespace {

std::string AreasText(int nAreas) {
    return std::to_string(nAreas) + (nAreas == 1 ? " area" : " areas");
}

// "name" N areas, and whether the areas on are exactly the profile's.
std::string Heading(const CSession& session, const CSceneryProfile& profile, bool bCurrent) {
    return Quoted(session.Shown(profile.strName)) + " " +
           AreasText(ProfileAreaCount(profile, session.Doc().Areas())) +
           (bCurrent ? ", current" : "");
}

// The profile the first operand names, once Profiles.txt is known to have
// been read. The exit status.
int FindNamed(CCommandRun& run, int& nProfile) {
    if (int nExit = run.session.RequireProfiles(); nExit != kExitDone)
        return nExit;
    if (std::string error = MatchProfile(run.session, run.operands[0], nProfile); !error.empty())
        return UsageError(error);
    return kExitDone;
}

// The document's sentence on why a name was refused, as the end of twk's
// one-line error about the argument.
std::string Refused(const CSession& session, const std::string& argument,
                    const std::string& reason) {
    std::string clause = session.Shown(reason);
    if (clause.ends_with('.'))
        clause.pop_back();
    if (clause[0] >= 'A' && clause[0] <= 'Z')
        clause[0] = static_cast<char>(clause[0] - 'A' + 'a');
    return "NAME \"" + argument + "\": " + clause;
}

struct CProfileChange {
    const char* pszKind; // in JSON
    const char* pszDone;
    const char* pszToDo;
    const char* pszSame; // of a change that left the profiles as they were
    std::string name;    // as stored
    std::string from;    // a rename's old name, as stored
    int nAreas;
};

// A change of the profiles alone: Profiles.txt written (not scenery.cfg,
// nor its backup) when the change changed the library just opened and this
// is no dry run, then the change reported. The exit status.
int FinishProfileChange(CCommandRun& run, const CProfileChange& change) {
    CSession& session = run.session;
    const bool bChanged = session.Doc().IsModified();
    const bool bWrite = bChanged && !run.args.bDryRun;
    if (bWrite) {
        if (int nExit = session.Write(CSession::EWrite::kProfilesOnly); nExit != kExitDone)
            return nExit;
    }
    if (run.args.bJson) {
        const CCodePage& codePage = session.Sim().codePage;
        PrintLine(JsonObject(
            {{"change", JsonString(bChanged ? change.pszKind : "none")},
             {"name", JsonString(Utf8Text(codePage, change.name))},
             {"from", JsonStringOrNull(Utf8Text(codePage, change.from), !change.from.empty())},
             {"areas", std::to_string(change.nAreas)},
             {"written", bWrite ? "true" : "false"}}));
        return kExitDone;
    }
    const bool bRenamed = bChanged && !change.from.empty();
    std::string profile = Quoted(session.Shown(bRenamed ? change.from : change.name));
    if (bRenamed)
        profile.append(" to ").append(Quoted(session.Shown(change.name)));
    std::string line;
    if (!bChanged)
        line.append("the profile ")
            .append(profile)
            .append(" ")
            .append(change.pszSame)
            .append("; nothing to change");
    else
        line.append(run.args.bDryRun ? "would " : "")
            .append(run.args.bDryRun ? change.pszToDo : change.pszDone)
            .append(" the profile ")
            .append(profile)
            .append(" (")
            .append(AreasText(change.nAreas))
            .append(")");
    PrintLine(line);
    return kExitDone;
}

} // namespace

int RunProfileList(CCommandRun& run) {
    const CSession& session = run.session;
    if (int nExit = session.RequireProfiles(); nExit != kExitDone)
        return nExit;
    const CLibraryDocument& doc = session.Doc();
    std::vector<std::string> elements;
    for (const CSceneryProfile& profile : doc.Profiles()) {
        const bool bCurrent = IsCurrentProfile(profile, doc.Areas(), doc.Rows());
        if (run.args.bJson)
            elements.push_back(
                JsonObject({{"name", JsonString(Utf8Text(session.Sim().codePage, profile.strName))},
                            {"areas", std::to_string(ProfileAreaCount(profile, doc.Areas()))},
                            {"current", bCurrent ? "true" : "false"}}));
        else
            PrintLine(Heading(session, profile, bCurrent));
    }
    if (run.args.bJson)
        PrintLine(JsonArray(elements));
    else if (doc.Profiles().empty())
        PrintLine("no profiles");
    return kExitDone;
}

int RunProfileShow(CCommandRun& run) {
    int nProfile = 0;
    if (int nExit = FindNamed(run, nProfile); nExit != kExitDone)
        return nExit;
    const CSession& session = run.session;
    const CLibraryDocument& doc = session.Doc();
    const CCodePage& codePage = session.Sim().codePage;
    const CSceneryProfile& profile = doc.Profiles()[static_cast<std::size_t>(nProfile)];
    const bool bCurrent = IsCurrentProfile(profile, doc.Areas(), doc.Rows());
    // Its areas as twk list shows them, top row first, whatever order the
    // file lists them in.
    const std::vector<int> aRowsByArea = doc.RowsByArea();
    std::vector<int> aRows;
    for (const CProfileEntry& entry : profile.aEntries) {
        if (entry.nArea >= 0 && aRowsByArea[static_cast<std::size_t>(entry.nArea)] >= 0)
            aRows.push_back(aRowsByArea[static_cast<std::size_t>(entry.nArea)]);
    }
    std::sort(aRows.begin(), aRows.end());
    const std::vector<CEntryNames> missing =
        ProfileSwitches(profile, doc.Areas(), doc.Rows()).missing;
    if (run.args.bJson) {
        std::vector<std::string> areas, missed;
        for (int nRow : aRows)
            areas.push_back(
                session.AreaJson(doc.Rows()[static_cast<std::size_t>(nRow)].nArea, nRow));
        for (const CEntryNames& names : missing)
            missed.push_back(
                JsonObject({{"title", JsonString(Utf8Text(codePage, names.strTitle))},
                            {"local", JsonString(Utf8Text(codePage, names.strLocal))}}));
        PrintLine(JsonObject({{"name", JsonString(Utf8Text(codePage, profile.strName))},
                              {"current", bCurrent ? "true" : "false"},
                              {"areas", JsonInlineArray(areas)},
                              {"missing", JsonInlineArray(missed)}}));
        return kExitDone;
    }
    std::string text = Heading(session, profile, bCurrent);
    for (int nRow : aRows)
        text.append("\n    ").append(
            session.AreaText(doc.Rows()[static_cast<std::size_t>(nRow)].nArea, nRow));
    for (const CEntryNames& names : missing)
        text.append("\n    missing ").append(session.NamesText(names));
    PrintLine(text);
    return kExitDone;
}

int RunProfileSave(CCommandRun& run) {
    CSession& session = run.session;
    if (int nExit = session.RequireProfiles(); nExit != kExitDone)
        return nExit;
    std::string name;
    if (std::string error = StoredLine(session.Sim().codePage, "NAME", run.operands[0], name);
        !error.empty())
        return UsageError(error);
    CLibraryDocument& doc = session.Doc();
    if (const int nFound = FindProfile(doc.Profiles(), name);
        nFound >= 0 && run.args.options.count("force") == 0)
        return UsageError(
            "there is already a profile named " +
            Quoted(session.Shown(doc.Profiles()[static_cast<std::size_t>(nFound)].strName)) +
            "; --force replaces it");
    if (const CChangeResult saved = doc.SaveProfile(name); saved.Refused())
        return UsageError(Refused(session, run.operands[0], saved.strRefused));
    const CSceneryProfile& saved =
        doc.Profiles()[static_cast<std::size_t>(FindProfile(doc.Profiles(), name))];
    return FinishProfileChange(run, {"save",
                                     "saved",
                                     "save",
                                     "already holds the areas on",
                                     name,
                                     {},
                                     ProfileAreaCount(saved, doc.Areas())});
}

int RunProfileApply(CCommandRun& run) {
    int nProfile = 0;
    if (int nExit = FindNamed(run, nProfile); nExit != kExitDone)
        return nExit;
    CSession& session = run.session;
    const std::string name =
        Quoted(session.Shown(session.Doc().Profiles()[static_cast<std::size_t>(nProfile)].strName));
    const CAppliedProfile applied = session.Doc().ApplyProfile(nProfile);
    for (const CEntryNames& names : applied.missing)
        PrintError("warning: the profile " + name + " names " + session.NamesText(names) +
                   ", which the library does not hold; the entry is kept");
    return session.Finish(applied.changes, run.args.bDryRun, run.args.bJson);
}

int RunProfileDelete(CCommandRun& run) {
    int nProfile = 0;
    if (int nExit = FindNamed(run, nProfile); nExit != kExitDone)
        return nExit;
    CLibraryDocument& doc = run.session.Doc();
    const CSceneryProfile& profile = doc.Profiles()[static_cast<std::size_t>(nProfile)];
    CProfileChange change{"delete",
                          "deleted",
                          "delete",
                          "",
                          profile.strName,
                          {},
                          ProfileAreaCount(profile, doc.Areas())};
    doc.DeleteProfile(nProfile);
    return FinishProfileChange(run, change);
}

int RunProfileRename(CCommandRun& run) {
    int nProfile = 0;
    if (int nExit = FindNamed(run, nProfile); nExit != kExitDone)
        return nExit;
    CSession& session = run.session;
    std::string name;
    if (std::string error = StoredLine(session.Sim().codePage, "NEW", run.operands[1], name);
        !error.empty())
        return UsageError(error);
    CLibraryDocument& doc = session.Doc();
    const CSceneryProfile& profile = doc.Profiles()[static_cast<std::size_t>(nProfile)];
    CProfileChange change{"rename",
                          "renamed",
                          "rename",
                          "already has that name",
                          name,
                          profile.strName,
                          ProfileAreaCount(profile, doc.Areas())};
    if (const CChangeResult renamed = doc.RenameProfile(nProfile, name); renamed.Refused())
        return UsageError(Refused(session, run.operands[1], renamed.strRefused));
    return FinishProfileChange(run, change);
}
