#include "Matching.h"

#include "IniText.h"
#include "Output.h"
#include "SceneryFolder.h"
#include "SceneryProfile.h"

#include <algorithm>

namespace {

bool IsPosition(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '#' &&
           std::all_of(argument.begin() + 1, argument.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Why a NAME argument names none of the count names of that kind, listing
// them.
template <typename CNameOf>
std::string WhyNamesNone(const CSession& session, const std::string& argument,
                         const std::string& kind, int nCount, CNameOf nameOf) {
    std::string names;
    for (int n = 0; n < nCount; ++n) {
        names += n ? ", \"" : "\"";
        names += session.Shown(nameOf(n));
        names += '"';
    }
    std::string error = "NAME \"" + argument + "\" names no " + kind;
    if (names.empty())
        return error + " (there are none)";
    return error + "; the " + kind + "s: " + names;
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
    if (std::string error = StoredLine(session.Sim().codePage, "AREA", argument, title);
        !error.empty())
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

std::string MatchFolder(const CSession& session, const std::string& name, int& nFolder) {
    const CFolderArray& folders = session.Doc().Folders();
    std::string stored;
    if (std::string error = StoredLine(session.Sim().codePage, "NAME", name, stored);
        !error.empty())
        return error;
    for (nFolder = 0; nFolder < folders.GetSize(); ++nFolder) {
        if (EqualsNoCase(folders.GetAt(nFolder).GetName(), stored))
            return {};
    }
    return WhyNamesNone(session, name, "folder", folders.GetSize(),
                        [&](int f) -> const std::string& { return folders.GetAt(f).GetName(); });
}

std::string MatchProfile(const CSession& session, const std::string& name, int& nProfile) {
    const CSceneryProfiles& profiles = session.Doc().Profiles();
    std::string stored;
    if (std::string error = StoredLine(session.Sim().codePage, "NAME", name, stored);
        !error.empty())
        return error;
    nProfile = FindProfile(profiles, stored);
    if (nProfile >= 0)
        return {};
    return WhyNamesNone(
        session, name, "profile", static_cast<int>(profiles.size()),
        [&](int p) -> const std::string& { return profiles[static_cast<std::size_t>(p)].strName; });
}
