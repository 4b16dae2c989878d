#include "LibraryDocument.h"

#include "FindingCodes.h"

#include "BglWriter.h"
#include "TempFolder.h"
#include "TestDisk.h"

#include <gtest/gtest.h>

namespace {

std::string Area(const std::string& section, const std::string& local, int nLayer,
                 bool bActive = true) {
    return "[" + section + "]\r\nTitle=" + section + "\r\nLocal=" + local +
           "\r\nLayer=" + std::to_string(nLayer) + "\r\nActive=" + (bActive ? "TRUE" : "FALSE") +
           "\r\n";
}

struct CCheckCase {
    const char* pszName;
    std::string sceneryCfg;
    std::string folderTxt; // none when empty
    // Below the simulator folder; after it "+": with a .bgl file, "!": with a damaged one.
    std::vector<std::string> folders;
    std::vector<std::string> findings; // "code #position" or "code file", in order
};

class LibraryCheck : public ::testing::TestWithParam<CCheckCase> {};

} // namespace

TEST_P(LibraryCheck, FindsWhatIsBrokenAndWhatTheNextSaveRewrites) {
    CTempFolder sim;
    const CCheckCase& param = GetParam();
    const CTestDisk test(sim.Path(""));
    const std::string& simPath = test.SimPath();
    // $SIM: the simulator folder, for whole paths.
    std::string sceneryCfg = param.sceneryCfg;
    for (std::size_t n; (n = sceneryCfg.find("$SIM")) != std::string::npos;)
        sceneryCfg.replace(n, 4, simPath.substr(0, simPath.size() - 1));
    sim.Write("scenery.cfg", sceneryCfg);
    if (!param.folderTxt.empty())
        sim.Write("Folder.txt", param.folderTxt);
    for (std::string folder : param.folders) {
        const bool bDamaged = folder.ends_with('!');
        const bool bScenery = bDamaged || folder.ends_with('+');
        folder.resize(folder.size() - (bScenery ? 1 : 0));
        sim.Write(folder + (bScenery ? "/scenery/x.BgL" : "/scenery/readme.txt"),
                  bDamaged   ? "MZ"
                  : bScenery ? MakeBglFile({})
                             : "");
    }
    CLibraryDocument doc;
    ASSERT_EQ(doc.Open(simPath, test.Disk()), "");
    std::vector<std::string> found;
    for (const CFinding& finding : doc.Check()) {
        found.push_back(finding.strCode + " " +
                        (finding.nPosition ? PositionName(finding.nPosition) : finding.strFile));
        EXPECT_NE(FindFindingCode(finding.strCode), nullptr) << finding.strCode;
    }
    EXPECT_EQ(found, param.findings);
}

INSTANTIATE_TEST_SUITE_P(
    Findings, LibraryCheck,
    ::testing::Values(
        CCheckCase("MissingFolderOnAndOff",
                   Area("area.001", "Gone", 1, false) + Area("area.002", "Gone Too", 2), {}, {},
                   {"missing-folder #1", "missing-folder-inactive #2"}),
        CCheckCase("NoneForPathsInAnyCaseSeparatorOrWhole",
                   Area("area.001", "addon/a\\", 1) + Area("area.002", "$SIM\\Addon\\B", 2),
                   "[F]\r\nTitle.0=area.001\r\nLocal.0=addon/a\\\r\n", {"Addon/A+", "Addon/B+"},
                   {}),
        CCheckCase("DuplicateLocal",
                   Area("area.001", "Addon\\A", 1) + Area("area.002", "ADDON/a/", 2) +
                       Area("area.003", "$SIM\\addon\\A", 3),
                   {}, {"Addon/A+"}, {"duplicate-local #2", "duplicate-local #3"}),
        CCheckCase("UnmatchedFolderEntryAndOneAfterAGap", Area("area.001", "Addon\\A", 1),
                   "[F]\r\nTitle.0=area.001\r\nLocal.0=Elsewhere\r\nTitle.1=area.001\r\n"
                   "Local.1=Addon\\A\r\nTitle.3=area.001\r\n",
                   {"Addon/A+"},
                   {"unmatched-folder-entry Folder.txt", "folder-entry-after-gap Folder.txt"}),
        CCheckCase("NoAreas", "[General]\r\n", {}, {}, {"no-areas scenery.cfg"}),
        CCheckCase("RequiredOffAndAllAreasOff",
                   Area("area.001", "A", 1, false) + "Required=TRUE\r\n", {}, {"A+"},
                   {"required-off #1", "all-areas-off scenery.cfg"}),
        CCheckCase("SectionsRenumbered",
                   Area("Area.1", "Addon\\A", 1) + Area("area.003", "Addon\\A", 2) +
                       Area("area.003", "Addon\\B", 3),
                   {}, {"Addon/A+", "Addon/B+"},
                   {"duplicate-local #3", "renumbered-sections scenery.cfg"}),
        CCheckCase("LayersRewrittenAndADamagedSceneryFile",
                   Area("area.001", "Addon\\A", 5) + Area("area.002", "Addon\\B", 6), {},
                   {"Addon/A+", "Addon/B!"}, {"bgl-damaged #1", "layers-rewritten scenery.cfg"}),
        CCheckCase("UnreadableFileFirst",
                   Area("Area.1", "Gone", 1) + Area("area.002", "Addon\\A", 2),
                   std::string("[F]\r\n\0", 7), {"Addon/A"},
                   {"unreadable-file Folder.txt", "missing-folder #2", "no-scenery-files #1",
                    "renumbered-sections scenery.cfg"})),
    [](const ::testing::TestParamInfo<CCheckCase>& info) { return info.param.pszName; });

#ifdef TARNWICK_README
TEST(FindingCodes, AreListedInTheReadme) {
    std::string readme;
    ASSERT_TRUE(ReadWholeFile(TARNWICK_README, readme));
    for (const CFindingCode& row : FindingCodes()) {
        const std::string line = std::string("| `") + row.pszCode + "` | " +
                                 SeverityName(row.severity) + " | " + row.pszMeaning + " |\n";
        EXPECT_NE(readme.find(line), std::string::npos) << line;
    }
}
#endif

TEST(LibraryCheckText, ShowsAtMostTheLinesAskedThenHowManyMore) {
    EXPECT_EQ(FindingsText({}, 40), "No problems found.");
    std::vector<CFinding> findings(
        3, {"missing-folder", ESeverity::kError, 2, "T", "L", {}, "x", "C:\\F"});
    findings[2] = {"layers-rewritten", ESeverity::kInfo, 0, {}, {}, "scenery.cfg", "y"};
    EXPECT_EQ(FindingsText(findings, 2), "error missing-folder: #2 \"T\": the folder C:\\F x\n"
                                         "error missing-folder: #2 \"T\": the folder C:\\F x\n"
                                         "... and 1 more");
    EXPECT_TRUE(FindingsText(findings, 3).ends_with("x\ninfo layers-rewritten: scenery.cfg: y"));
}
