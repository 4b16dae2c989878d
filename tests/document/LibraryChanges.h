#pragma once

// Every kind of change of the library, each with the library it leaves:
// the document's tests take each back and do it again, the window's show
// each in the list and the tree.

#include "LibraryOnDisk.h"

#include "LibraryDifferences.h"
#include "ProfileChanges.h"

#include <functional>
#include <ostream>
#include <vector>

struct CChangeCase {
    const char* pszName;
    std::function<CChanges(CLibraryOnDisk&)> change;
    std::string after;
    std::string profilesTxt = {}; // the library's, when it has profiles
};
inline void PrintTo(const CChangeCase& c, std::ostream* pOut) {
    *pOut << c.pszName;
}

inline const std::string kFolders = "Airports=2(Lake Town) Both=1(Lake) Empty=0()";
inline const std::string kStart = "-Town* Lake* Base | 3 | " + kFolders;
inline const std::string kProfiles = " || Quiet(Town ?Gone) Everything(Town Lake Base)";

// The folders' states as after a click on a box: a folder follows each of
// its areas, a switched folder takes its areas with it, an empty one only
// ticks, and a folder given an area takes the state of its areas. Applying
// a profile switches its areas on and every other off but the required
// Base; the folders follow as after switches in the list.
inline std::vector<CChangeCase> LibraryChangeCases() {
    using T = CLibraryOnDisk;
    return {
        {"MoveTopToEnd", [](T& t) { return t.m_doc.MoveRow(0, 3); },
         "Lake* Base -Town* | 3 | " + kFolders},
        {"MoveBottomToTop", [](T& t) { return t.m_doc.MoveRow(2, 0); },
         "Base -Town* Lake* | 3 | " + kFolders},
        {"MoveSeparateRowsTogetherInTheirOrder",
         [](T& t) {
             return t.m_doc.MoveRows(std::vector{0, 2}, 1);
         },
         "-Town* Base Lake* | 3 | " + kFolders},
        {"SwitchAreaInTwoFolders",
         [](T& t) { return t.m_doc.SetAreasActive({{t.Area("Lake")}}, false).changes; },
         "-Town* -Lake* Base | 3 | Airports=0(Lake Town) Both=0(Lake) Empty=0()"},
        {"SwitchOnTheOffAreaOfAMixedFolder",
         [](T& t) { return t.m_doc.SetAreasActive({{t.Area("Town")}}, true).changes; },
         "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()"},
        {"SwitchRequiredAreaInNoFolderWhenTold",
         [](T& t) {
             EXPECT_EQ(t.m_doc.SetAreasActive({{t.Area("Base")}}, false).strRefused,
                       "\"Base\" is required by the simulator, so nothing was switched off");
             return t.m_doc.SetAreasActive({{t.Area("Base")}}, false, true).changes;
         },
         "-Town* Lake* -Base | 3 | " + kFolders},
        {"RearrangeSwitchesAndMovesInOneStep",
         [](T& t) {
             return t.m_doc.Rearrange(
                 {{t.Area("Town")}, {t.Area("Lake")}, {t.Area("Base")}, t.Area("Town"), false});
         },
         "Base Town* -Lake* | 3 | Airports=2(Lake Town) Both=0(Lake) Empty=0()"},
        {"ReplaceLibraryByOneReadFromOtherFiles",
         [](T& t) {
             t.m_sim.Write("set.cfg", "[General]\r\nTitle=Set\r\n[Area.001]\r\nTitle=Lake\r\n"
                                      "Local=Addon\\Lake\r\nActive=FALSE\r\n");
             const std::string none = t.m_sim.Path("none.txt");
             return t.m_doc.ReplaceLibrary(ReadLibrarySet({t.m_sim.Path("set.cfg"), none, none}));
         },
         "-Lake | 1 |"},
        {"SwitchFolderOn", [](T& t) { return t.m_doc.SetFolderActive(0, true).changes; },
         "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()"},
        {"SwitchFolderOff", [](T& t) { return t.m_doc.SetFolderActive(0, false).changes; },
         "-Town* -Lake* Base | 3 | Airports=0(Lake Town) Both=0(Lake) Empty=0()"},
        {"SwitchEmptyFolder", [](T& t) { return t.m_doc.SetFolderActive(2, true).changes; },
         "-Town* Lake* Base | 3 | Airports=2(Lake Town) Both=1(Lake) Empty=1()"},
        {"Add", [](T& t) { return t.m_doc.AddArea(t.Addon("New"), "Brand New").changes; },
         "Brand New -Town* Lake* Base | 4 | " + kFolders},
        {"ScanAddsTheFoldersTheLibraryDoesNotHoldInOneStep",
         [](T& t) {
             const CChangeResult scanned = t.m_doc.Scan(t.m_disk.SimPath() + "Addon");
             EXPECT_EQ(scanned.held, (std::vector{t.Area("Lake"), t.Area("Town")}));
             return scanned.changes;
         },
         "Other New -Town* Lake* Base | 5 | " + kFolders},
        {"ScanAddsHeldFoldersAgainWhenTold",
         [](T& t) { return t.m_doc.Scan(t.m_disk.SimPath() + "Addon", true).changes; },
         "Town Other New Lake -Town* Lake* Base | 7 | " + kFolders},
        {"AddAreasAddsTheNewSceneryFoldersInOneStep",
         [](T& t) {
             return t.m_doc.AddAreas(std::vector{t.Addon("New"), t.Addon("Lake"), t.Addon("Other")})
                 .changes;
         },
         "Other New -Town* Lake* Base | 5 | " + kFolders},
        {"RemoveTwo",
         [](T& t) {
             return t.m_doc.RemoveAreas(std::vector{t.Area("Lake"), t.Area("Base")}, true).changes;
         },
         "-Town* | 3 | " + kFolders},
        {"Rename", [](T& t) { return t.m_doc.RenameArea(t.Area("Lake"), "Pond"); },
         "-Town* Pond* Base | 3 | Airports=2(Pond Town) Both=1(Pond) Empty=0()"},
        {"NewFolder", [](T& t) { return t.m_doc.NewFolder("New").changes; }, kStart + " New=0()"},
        {"RenameFolder", [](T& t) { return t.m_doc.RenameFolder(1, "Pair").changes; },
         "-Town* Lake* Base | 3 | Airports=2(Lake Town) Pair=1(Lake) Empty=0()"},
        {"RemoveFolder", [](T& t) { return t.m_doc.RemoveFolder(0); },
         "-Town Lake Base | 3 | Both=1(Lake) Empty=0()"},
        {"AddToFolder", [](T& t) { return t.m_doc.AddToFolder(2, t.Area("Base")); },
         "-Town* Lake* Base* | 3 | Airports=2(Lake Town) Both=1(Lake) Empty=1(Base)"},
        {"AddTwoToFolder",
         [](T& t) {
             return t.m_doc.AddToFolder(1, std::vector{t.Area("Base"), t.Area("Lake")});
         },
         "-Town* Lake* Base* | 3 | Airports=2(Lake Town) Both=1(Lake Base) Empty=0()"},
        {"RemoveFromFolder", [](T& t) { return t.m_doc.RemoveFromFolder(0, 1); },
         "-Town Lake* Base | 3 | Airports=2(Lake) Both=1(Lake) Empty=0()"},
        {"ApplyKeepsRequiredAreasOnAndNamesMissingOnes",
         [](T& t) {
             const CLibraryDocument& doc = t.m_doc;
             const CAppliedProfile applied = t.m_doc.ApplyProfile(0);
             EXPECT_EQ(applied.changes.size(), 2u);
             EXPECT_EQ(applied.missing.size(), 1u);
             for (const CEntryNames& missing : applied.missing)
                 EXPECT_EQ(missing.strLocal, "Addon\\Gone");
             EXPECT_TRUE(IsCurrentProfile(doc.Profiles()[0], doc.Areas(), doc.Rows()));
             EXPECT_FALSE(IsCurrentProfile(doc.Profiles()[1], doc.Areas(), doc.Rows()));
             return applied.changes;
         },
         "Town* -Lake* Base | 3 | Airports=2(Lake Town) Both=0(Lake) Empty=0()" + kProfiles,
         kProfilesTxt},
        {"ApplySwitchesFoldersWithTheirAreas", [](T& t) { return t.m_doc.ApplyProfile(1).changes; },
         "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()" + kProfiles,
         kProfilesTxt},
        {"SaveProfileAddsTheAreasOnTopRowFirst",
         [](T& t) { return t.m_doc.SaveProfile("Mine").changes; },
         kStart + kProfiles + " Mine(Lake Base)", kProfilesTxt},
        {"SaveProfileOfAnExistingNameReplacesItInItsPlace",
         [](T& t) { return t.m_doc.SaveProfile("QUIET").changes; },
         kStart + " || QUIET(Lake Base) Everything(Town Lake Base)", kProfilesTxt},
        {"RenameProfile",
         [](T& t) {
             EXPECT_EQ(t.m_doc.RenameProfile(1, "quiet").strRefused,
                       "There is already a profile named \"Quiet\" (letter case aside).");
             return t.m_doc.RenameProfile(1, "All").changes;
         },
         kStart + " || Quiet(Town ?Gone) All(Town Lake Base)", kProfilesTxt},
        {"DeleteProfile",
         [](T& t) {
             t.m_doc.DeleteProfile(0);
             return CChanges{};
         },
         kStart + " || Everything(Town Lake Base)", kProfilesTxt},
    };
}
