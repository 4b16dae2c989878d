#include "MainWindowTest.h"

#include "BglWriter.h"
#include "RunProgram.h"
#include "resource.h"

#include <tuple>

namespace {

// Rows from the top: Off (inactive), Two, One, Default Scenery (stock).
// EGLL and EGKK are in Two and One, conflicts, Two's used; One's EGLL
// deletes the airport loaded before it. KSEA is in One, KBFI in the stock
// area and LFPG in Off alone.
const std::string kLibrary =
    "[Area.001]\r\nTitle=Default Scenery\r\nLocal=Scenery\\Base\r\nLayer=1\r\nActive=TRUE\r\n"
    "[Area.002]\r\nTitle=One\r\nLocal=Addon\\One\r\nLayer=2\r\nActive=TRUE\r\n"
    "[Area.003]\r\nTitle=Two\r\nLocal=Addon\\Two\r\nLayer=3\r\nActive=TRUE\r\n"
    "[Area.004]\r\nTitle=Off\r\nLocal=Addon\\Off\r\nLayer=4\r\nActive=FALSE\r\n";

void WriteScenery(const CSimFolder& sim) {
    const std::pair<const char*, std::vector<CTestAirport>> files[] = {
        {"Scenery/Base", {{"KBFI", "Boeing Field"}}},
        {"Addon/One",
         {{"EGKK", "Gatwick Old"},
          {"EGLL", "London", 0, 0, kDeletesWholeAirport},
          {"KSEA", "Seattle"}}},
        {"Addon/Two", {{"EGKK", "Gatwick"}, {"EGLL", "Heathrow"}}},
        {"Addon/Off", {{"LFPG", "Paris"}}}};
    for (const auto& [folder, airports] : files)
        sim.Write(std::string(folder) + "/scenery/a.bgl", MakeBglFile(airports));
}

class AirportsDialog : public CMainWindowTest {
protected:
    AirportsDialog() : CMainWindowTest(kLibrary) { WriteScenery(m_sim); }

    std::vector<std::string> Titles() { return {List().GetText(1), List().GetText(2)}; }
};

} // namespace

// Show in list is greyed for an airport no active area defines.
TEST_F(AirportsDialog, OpensOnTheConflictsNarrowsItsRowsAndShowsTheUsedAreaInTheList) {
    m_dlg.Drive<CAirportsDlg>([&](CAirportsDlg& dlg) {
        Pump(dlg);
        EXPECT_EQ(RowText(dlg.m_listAirports, 1, 4), "EGLL|Heathrow|Two|One (merges)");
        EXPECT_EQ(RowTexts(dlg.m_listAirports, 1), (std::vector<std::string>{"EGKK", "EGLL"}));
        Click(dlg, IDC_CONFLICTS_ONLY);
        EXPECT_EQ(RowTexts(dlg.m_listAirports, 1),
                  (std::vector<std::string>{"EGKK", "EGLL", "KBFI", "KSEA", "LFPG"}));
        for (const auto& [pszFilter, pszIdent, bEnabled] :
             {std::tuple{"lfpG", "LFPG", false}, std::tuple{"egll", "EGLL", true}}) {
            dlg.m_editFilter.SetWindowText(pszFilter);
            EXPECT_EQ(RowTexts(dlg.m_listAirports, 1), std::vector<std::string>{pszIdent});
            SelectRow(dlg, dlg.m_listAirports, 0);
            EXPECT_EQ(IsEnabled(dlg, IDC_SHOW_IN_LIST), bEnabled);
        }
        Click(dlg, IDC_SHOW_IN_LIST);
    });
    Run([&] {
        SysCommand(IDM_AIRPORTS);
        EXPECT_EQ(List().GetCurSel(), 1);
    });
    // Driven, not answered as an undriven dialog would be.
    EXPECT_TRUE(m_answerer.m_aBoxes.empty());
}

// Resolve is greyed for an airport defined once; Apply moves One above Two
// as one step, and Save writes what twk writes for the same resolution.
TEST_F(AirportsDialog, ResolveAppliesTheProposedMoveWhichUndoTakesBackAndSaveWrites) {
    m_dlg.Drive<CResolveDlg>([&](CResolveDlg& dlg) {
        Pump(dlg);
        EXPECT_EQ(RowText(dlg.m_listDefinitions, 0, 4), "One|a.bgl|on|merges");
        EXPECT_EQ(RowText(dlg.m_listDefinitions, 1, 4), "Two|a.bgl|on|used");
        const std::string words = ItemText(dlg.m_hWnd, IDC_RESOLVE_WORDS);
        EXPECT_TRUE(words.starts_with("Move \"One\" above \"Two\"")) << words;
        EXPECT_EQ(RowText(dlg.m_listEffects, 0, 4), "EGKK|Gatwick|Two|One");
        Click(dlg, IDOK);
    });
    m_dlg.Drive<CAirportsDlg>([&](CAirportsDlg& dlg) {
        Click(dlg, IDC_CONFLICTS_ONLY);
        // Rows: EGKK, EGLL, KBFI, KSEA, LFPG.
        SelectRow(dlg, dlg.m_listAirports, 3);
        EXPECT_FALSE(IsEnabled(dlg, IDC_RESOLVE));
        SelectRow(dlg, dlg.m_listAirports, 1);
        Click(dlg, IDC_RESOLVE);
        // The rows anew, every airport still shown, EGLL now used from One.
        const int nRow = dlg.m_listAirports.GetNextItem(-1, LVNI_SELECTED);
        EXPECT_EQ(dlg.m_listAirports.GetItemCount(), 5);
        EXPECT_EQ(RowText(dlg.m_listAirports, nRow, 4), "EGLL|London|One|Two (hidden)");
        Click(dlg, IDCANCEL);
    });
    Run([&] {
        SysCommand(IDM_AIRPORTS);
        EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two"}));
        Key('Z', {VK_CONTROL});
        EXPECT_EQ(Titles(), (std::vector<std::string>{"Two", "One"}));
        Key('Y', {VK_CONTROL});
        Click(m_dlg, IDC_SAVE);
    });
    EXPECT_TRUE(m_answerer.m_aBoxes.empty());

    CSimFolder expected(kLibrary);
    WriteScenery(expected);
    RunProgram(TwkPath(),
               {"--sim", expected.WinPath(), "airports", "resolve", "EGLL", "--use", "One"});
    EXPECT_EQ(m_sim.Read("scenery.cfg"), expected.Read("scenery.cfg"));
}

TEST_F(AirportsDialog, CancelDuringASlowReadingStopsItAndShowsNothingMore) {
    m_dlg.m_bSlowIndex = true;
    m_answerer.m_nButton = IDCANCEL;
    for (UINT nCommand : {IDM_CHECK_LIBRARY, IDM_AIRPORTS}) {
        m_dlg.m_nSlowSteps = 0;
        m_answerer.m_aBoxes.clear();
        RunMain(m_dlg, [&] {
            SysCommand(nCommand);
            Click(m_dlg, IDOK);
        });
        // Answered once shown: after half a second (ten steps), not at once.
        EXPECT_GT(m_dlg.m_nSlowSteps, 1);
        EXPECT_LT(m_dlg.m_nSlowSteps, 100);
        // The progress dialog, answered; neither the check's box nor the Airports dialog.
        EXPECT_EQ(m_answerer.m_aBoxes, std::vector<std::string>{"Reading scenery files|"});
    }
}
