#include "MainWindowTest.h"

#include "BglWriter.h"
#include "RunProgram.h"
#include "resource.h"

namespace {

// Rows from the top: Two, One. EGLL and EGKK are in both, Two's used; KSEA
// in One alone. One's EGLL deletes the airport loaded before it.
const std::string kLibrary =
    "[Area.001]\r\nTitle=One\r\nLocal=Addon\\One\r\nLayer=1\r\nActive=TRUE\r\n"
    "[Area.002]\r\nTitle=Two\r\nLocal=Addon\\Two\r\nLayer=2\r\nActive=TRUE\r\n";

void WriteScenery(const CSimFolder& sim) {
    sim.Write("Addon/One/scenery/a.bgl",
              MakeBglFile({{"EGKK", "Gatwick Old"},
                           {"EGLL", "London", 0, 0, kDeletesWholeAirport},
                           {"KSEA", "Seattle"}}));
    sim.Write("Addon/Two/scenery/a.bgl", MakeBglFile({{"EGKK", "Gatwick"}, {"EGLL", "Heathrow"}}));
}

class ResolveDialog : public CMainWindowTest {
protected:
    ResolveDialog() : CMainWindowTest(kLibrary) { WriteScenery(m_sim); }

    std::vector<std::string> Titles() { return {List().GetText(0), List().GetText(1)}; }
    static std::vector<std::string> Row(const CListCtrl& list, int nRow) {
        std::vector<std::string> cells;
        for (int c = 0; c < 4; ++c)
            cells.push_back(list.GetItemText(nRow, c));
        return cells;
    }
    static void Select(CAirportsDlg& dlg, const std::string& ident) {
        for (int n = 0; n < dlg.m_listAirports.GetItemCount(); ++n)
            dlg.m_listAirports.SetItemState(
                n, dlg.m_listAirports.GetItemText(n, 0) == ident ? LVIS_SELECTED : 0,
                LVIS_SELECTED);
        Pump(dlg);
    }
};

} // namespace

// Resolve is greyed for an airport defined once; Apply moves One above Two
// as one step, and Save writes what twk writes for the same resolution.
TEST_F(ResolveDialog, ApplyMakesTheProposedMoveWhichUndoTakesBackAndSaveWrites) {
    bool bResolved = false;
    m_dlg.m_resolveScript = [&](CResolveDlg& dlg) {
        Pump(dlg);
        EXPECT_EQ(Row(dlg.m_listDefinitions, 0),
                  (std::vector<std::string>{"One", "a.bgl", "on", "merges"}));
        EXPECT_EQ(Row(dlg.m_listDefinitions, 1),
                  (std::vector<std::string>{"Two", "a.bgl", "on", "used"}));
        char szWords[512] = "";
        GetDlgItemTextA(dlg.m_hWnd, IDC_RESOLVE_WORDS, szWords, sizeof szWords);
        EXPECT_TRUE(std::string(szWords).starts_with("Move \"One\" above \"Two\"")) << szWords;
        EXPECT_EQ(Row(dlg.m_listEffects, 0),
                  (std::vector<std::string>{"EGKK", "Gatwick", "Two", "One"}));
        Click(dlg, IDOK);
        bResolved = true;
    };
    m_dlg.m_airportsScript = [&](CAirportsDlg& dlg) {
        Click(dlg, IDC_CONFLICTS_ONLY);
        Select(dlg, "KSEA");
        EXPECT_FALSE(IsWindowEnabled(dlg.GetDlgItem(IDC_RESOLVE)));
        Select(dlg, "EGLL");
        EXPECT_TRUE(IsWindowEnabled(dlg.GetDlgItem(IDC_RESOLVE)));
        Click(dlg, IDC_RESOLVE);
        // The rows anew, every airport still shown, EGLL now used from One.
        const int nRow = dlg.m_listAirports.GetNextItem(-1, LVNI_SELECTED);
        EXPECT_EQ(dlg.m_listAirports.GetItemCount(), 3);
        EXPECT_EQ(Row(dlg.m_listAirports, nRow),
                  (std::vector<std::string>{"EGLL", "London", "One", "Two (hidden)"}));
        Click(dlg, IDCANCEL);
    };
    Run([&] {
        SysCommand(IDM_AIRPORTS);
        EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two"}));
        Key('Z', {VK_CONTROL});
        EXPECT_EQ(Titles(), (std::vector<std::string>{"Two", "One"}));
        Key('Y', {VK_CONTROL});
        Click(m_dlg, IDC_SAVE);
    });
    EXPECT_TRUE(bResolved);

    CSimFolder expected(kLibrary);
    WriteScenery(expected);
    RunProgram(TwkPath(),
               {"--sim", expected.WinPath(), "airports", "resolve", "EGLL", "--use", "One"});
    EXPECT_EQ(m_sim.Read("scenery.cfg"), expected.Read("scenery.cfg"));
}
