#include "MainWindowTest.h"

#include "resource.h"

namespace {

// Six areas: the rows from the top show A5 down to A0, "543210".
class ListInput : public CMainWindowTest {
protected:
    explicit ListInput(int nAreas = 6) : CMainWindowTest(NumberedAreas(nAreas)) {}
};

} // namespace

TEST_F(ListInput, DragMovesTheRowAboveTheMarkedOneOrToTheEndAndNothingWhenLetGoOutside) {
    Run([&] {
        Drag(1, 50, RowTop(4) + 5);
        EXPECT_EQ(Order(), "532410");
        Drag(4, 50, RowTop(1) + 5);
        EXPECT_EQ(Order(), "513240");
        Drag(0, 50, RowTop(6) + 30); // below the last row
        EXPECT_EQ(Order(), "132405");
        Drag(2, 50, RowTop(2) + 15); // on itself
        Drag(2, 50, RowTop(3) + 5);  // just below itself
        // Let go outside the list, nothing moves and nothing switches.
        Drag(1, -5, RowTop(3) + 5);
        Drag(1, 5, 2000);
        // A press below the last row starts no drag.
        Mouse(WM_LBUTTONDOWN, 50, 200, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 50, RowTop(1) + 10, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, 50, 30);
        EXPECT_EQ(Order(), "132405");
        for (int n = 0; n < 6; ++n)
            EXPECT_TRUE(List().IsItemActive(n)) << n;
    });
}

// Where the zone ends, at each DPI, is the DPI test's.
TEST_F(ListInput, CheckZoneSwitchesTheRowAndItsArea) {
    Run([&] {
        // Below the last row the nearest row is switched.
        ClickAt(5, 200);
        // A double-click: two releases, two switches.
        ClickAt(5, 30);
        Mouse(WM_LBUTTONDBLCLK, 5, RowTop(1) + 10, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, 5, 30);
        // A click that trembles is a drag, and still switches its row.
        Mouse(WM_LBUTTONDOWN, 5, 50, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 6, 51, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, 6, 51);
        // Let go over another row's box, a drag only drops: A1 above A4, then
        // A3, pressed in its box, above A0.
        Drag(4, 5, RowTop(1) + 5);
        Mouse(WM_LBUTTONDOWN, 5, 70, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 5, 72, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 5, 110, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, 5, 110);
        EXPECT_EQ(Order(), "514230");
        std::string active; // A0 to A5: each switch above reached its area
        for (int nArea = 0; nArea < 6; ++nArea)
            active += m_dlg.Document().Area(nArea).IsActive() ? '1' : '0';
        EXPECT_EQ(active, "011011");
    });
}

// Space on selected rows is the selection's and the backups' tests'.
TEST_F(ListInput, WithoutASelectedRowSpaceAndDeleteDoNothingAndDeleteAsksFirst) {
    Run([&] {
        Key(VK_DELETE); // asks nothing, as the boxes below show
        Key(VK_SPACE);  // switches nothing; the list then selects its caret row
        EXPECT_TRUE(List().IsItemActive(0));

        List().SetCurSel(2);
        m_answerer.m_nButton = IDNO;
        Key(VK_DELETE);
        EXPECT_EQ(Order(), "543210");
        m_answerer.m_nButton = IDYES;
        Key(VK_DELETE);
        EXPECT_EQ(Order(), "54210");
        EXPECT_EQ(
            m_answerer.m_aBoxes,
            std::vector<std::string>(2, "Warning|Do you really want to remove this scenery ?"));
    });
}

TEST_F(ListInput, InsertMarkIsDrawnAboveTheTargetRowAndErasedWhenItMoves) {
    Run([&] {
        Mouse(WM_LBUTTONDOWN, 50, RowTop(1) + 10, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 50, RowTop(1) + 12, MK_LBUTTON);
        EXPECT_NE(ListPixel(50, RowTop(1) + 1), RGB(0, 0, 0)); // no mark on the dragged row
        Mouse(WM_MOUSEMOVE, 50, RowTop(4) + 10, MK_LBUTTON);
        EXPECT_EQ(ListPixel(50, RowTop(4) + 1), RGB(0, 0, 0));
        Mouse(WM_MOUSEMOVE, 50, RowTop(5) + 10, MK_LBUTTON);
        EXPECT_EQ(ListPixel(50, RowTop(4) + 1), RGB(255, 255, 255));
        EXPECT_EQ(ListPixel(50, RowTop(5) + 1), RGB(0, 0, 0));
        Mouse(WM_LBUTTONUP, -5, RowTop(5) + 10);
    });
}

class LongList : public ListInput {
protected:
    LongList() : ListInput(60) {}

    // Rows scrolled while the pointer is held below the list for a while,
    // and how long it was held, as the clock saw it.
    std::pair<int, DWORD> RowsScrolledAt(int nBelow) {
        RECT client;
        List().GetClientRect(&client);
        List().SetTopIndex(0);
        Mouse(WM_LBUTTONDOWN, 50, RowTop(0) + 10, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 50, 12, MK_LBUTTON);
        DWORD nStart = GetTickCount();
        Mouse(WM_MOUSEMOVE, 50, client.bottom + nBelow, MK_LBUTTON);
        while (GetTickCount() - nStart < 600) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            Pump(m_dlg);
        }
        EXPECT_EQ(List().GetCurSel(), 0); // the selection stays on the dragged row
        Mouse(WM_MOUSEMOVE, 50, client.bottom / 2, MK_LBUTTON);
        const std::pair held{List().GetTopIndex(), GetTickCount() - nStart};
        Mouse(WM_LBUTTONUP, -5, client.bottom / 2);
        return held;
    }
};

TEST_F(LongList, HoldingBelowScrollsFasterFurtherAway) {
    Run([&] {
        // A busy machine delays timers and the loop that waits, so the counts
        // are bounded by the time actually held: one step at once, then one
        // every 250 ms close below and every 83 ms further away.
        const auto [nSlowRows, nSlowMillis] = RowsScrolledAt(10);
        const auto [nFastRows, nFastMillis] = RowsScrolledAt(45);
        EXPECT_GE(nSlowRows, 1);
        EXPECT_LE(nSlowRows, 2 + static_cast<int>(nSlowMillis / 250));
        EXPECT_GT(nFastRows, 2 + static_cast<int>(nFastMillis / 250));
    });
}

TEST_F(ListInput, RemoveRenameAndAddThroughTheDialog) {
    Run([&] {
        m_answerer.m_nButton = IDYES;
        List().SetCurSel(1);
        Click(m_dlg, IDC_REMOVE_SCENERY);
        EXPECT_EQ(Order(), "53210");
        EXPECT_EQ(List().GetCurSel(), 1);

        m_answerer.m_strName = "Renamed";
        Click(m_dlg, IDC_RENAME_SCENERY);
        EXPECT_EQ(List().GetText(1), "Renamed");

        // The browsers are cancelled; what follows the choice is run directly.
        Click(m_dlg, IDC_ADD_SCENERY);
        Click(m_dlg, IDC_SCAN_DIRECTORY);
        EXPECT_EQ(m_answerer.m_nBrowsers, 2); // adding nothing, as the 7 areas below show

        m_sim.Write("Addon\\Lake\\scenery\\LAKE.BGL", "");
        m_answerer.m_strName = "";
        const std::string lake = m_sim.WinPath() + "\\Addon\\Lake";
        m_dlg.m_areaCommands.AddSceneryFolder(lake);
        EXPECT_EQ(m_dlg.m_areaCommands.m_strBrowsePath, lake);
        ASSERT_EQ(m_dlg.Document().Areas().GetSize(), 7);
        EXPECT_EQ(m_dlg.Document().Area(6).GetLocal(), "Addon\\Lake");
        // A folder the library holds: Scan says so and adds nothing; Add asks
        // first, No the default.
        m_answerer.m_aBoxes.clear();
        m_answerer.m_nButton = 0;
        m_dlg.m_areaCommands.AddSceneryFolders(m_sim.WinPath() + "\\Addon");
        m_dlg.m_areaCommands.AddSceneryFolder(lake);
        EXPECT_EQ(m_dlg.Document().Areas().GetSize(), 7);
        EXPECT_EQ(
            m_answerer.m_aBoxes,
            (std::vector<std::string>{
                "Tarnwick|No new scenery folder in " + m_sim.WinPath() +
                    "\\Addon: the 1 found are in the library already.",
                "Tarnwick|" + lake + " is already in the library as \"Lake\".\nAdd it again?"}));
    });
}

class HugeList : public ListInput {
protected:
    HugeList() : ListInput(70000) {}
};

TEST_F(HugeList, RowsBeyond65535AnswerClicksAndTips) {
    Run([&] {
        List().SetTopIndex(69990);
        const int nTop = List().GetTopIndex();
        ASSERT_GT(nTop, 65535);
        ClickAt(5, RowTop(nTop + 1) + 10);
        EXPECT_FALSE(m_dlg.Document().Area(List().GetItemAreaIndex(nTop + 1)).IsActive());
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        EXPECT_EQ(List().OnToolHitTest({30, RowTop(nTop + 1) + 5}, &tool), nTop + 1);
    });
}
