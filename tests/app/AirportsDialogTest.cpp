#include "MainWindowTest.h"

#include "BglWriter.h"
#include "resource.h"

#include <tuple>

namespace {

// Rows from the top: Off (inactive), Two, One, Default Scenery (stock).
// EGLL is in Two and One, a conflict; KSEA in One, KBFI in the stock area
// and LFPG in Off alone.
const std::string kLibrary =
    "[Area.001]\r\nTitle=Default Scenery\r\nLocal=Scenery\\Base\r\nLayer=1\r\nActive=TRUE\r\n"
    "[Area.002]\r\nTitle=One\r\nLocal=Addon\\One\r\nLayer=2\r\nActive=TRUE\r\n"
    "[Area.003]\r\nTitle=Two\r\nLocal=Addon\\Two\r\nLayer=3\r\nActive=TRUE\r\n"
    "[Area.004]\r\nTitle=Off\r\nLocal=Addon\\Off\r\nLayer=4\r\nActive=FALSE\r\n";

class AirportsDialog : public CMainWindowTest {
protected:
    AirportsDialog() : CMainWindowTest(kLibrary) {
        const std::pair<const char*, std::vector<CTestAirport>> files[] = {
            {"Scenery/Base", {{"KBFI", "Boeing Field"}}},
            {"Addon/One", {{"EGLL", "London"}, {"KSEA", "Seattle"}}},
            {"Addon/Two", {{"EGLL", "Heathrow"}}},
            {"Addon/Off", {{"LFPG", "Paris"}}}};
        for (const auto& [folder, airports] : files)
            m_sim.Write(std::string(folder) + "/scenery/a.bgl", MakeBglFile(airports));
    }

    static std::vector<std::string> Idents(const CAirportsDlg& dlg) {
        std::vector<std::string> idents;
        for (int n = 0; n < dlg.m_listAirports.GetItemCount(); ++n)
            idents.push_back(dlg.m_listAirports.GetItemText(n, 0));
        return idents;
    }
};

} // namespace

// Show in list is greyed for an airport no active area defines.
TEST_F(AirportsDialog, OpensOnTheConflictsNarrowsItsRowsAndShowsTheUsedAreaInTheList) {
    bool bRan = false;
    m_dlg.m_airportsScript = [&](CAirportsDlg& dlg) {
        Pump(dlg);
        std::vector<std::string> cells;
        for (int c = 0; c < 4; ++c)
            cells.push_back(dlg.m_listAirports.GetItemText(0, c));
        EXPECT_EQ(cells, (std::vector<std::string>{"EGLL", "Heathrow", "Two", "One (merges)"}));
        EXPECT_EQ(Idents(dlg), std::vector<std::string>{"EGLL"});
        Click(dlg, IDC_CONFLICTS_ONLY);
        EXPECT_EQ(Idents(dlg), (std::vector<std::string>{"EGLL", "KBFI", "KSEA", "LFPG"}));
        for (const auto& [pszFilter, pszIdent, bEnabled] :
             {std::tuple{"lfpG", "LFPG", false}, std::tuple{"egll", "EGLL", true}}) {
            dlg.m_editFilter.SetWindowText(pszFilter);
            EXPECT_EQ(Idents(dlg), std::vector<std::string>{pszIdent});
            dlg.m_listAirports.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            Pump(dlg);
            EXPECT_EQ(IsWindowEnabled(dlg.GetDlgItem(IDC_SHOW_IN_LIST)) != FALSE, bEnabled);
        }
        Click(dlg, IDC_SHOW_IN_LIST);
        bRan = true;
    };
    Run([&] {
        SysCommand(IDM_AIRPORTS);
        EXPECT_EQ(List().GetCurSel(), 1);
    });
    EXPECT_TRUE(bRan);
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
