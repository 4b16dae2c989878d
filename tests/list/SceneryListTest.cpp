#include "MainWindowTest.h"

namespace {

class SceneryList : public CMainWindowTest {
protected:
    SceneryList()
        : CMainWindowTest("[area.001]\r\nTitle=A0\r\nActive=TRUE\r\n[area.002]\r\nTitle=A1\r\n"
                          "[area.003]\r\nTitle=A2\r\nActive=TRUE\r\n[area.004]\r\nTitle=" +
                          std::string(100, 't') + "\r\n") {}
};

} // namespace

// What the rows show is the view's test; here, the selection a refill keeps.
TEST_F(SceneryList, RefillKeepsTheSelectedPositionWhileItExists) {
    Run([&] {
        m_dlg.Doc().RemoveAreas({{1}});
        List().SetCurSel(2);
        m_dlg.m_view.ShowAllRows();
        EXPECT_EQ(List().GetCurSel(), 2);
        m_dlg.Doc().RemoveAreas({{0}});
        m_dlg.m_view.ShowAllRows();
        EXPECT_EQ(List().GetCurSel(), LB_ERR);
    });
}

TEST_F(SceneryList, RowsShowTheirMarksAndTitlesAsTheyAre) {
    Run([&] {
        // Pixels of a colour in a band of a row, the marks left of x = 25.
        auto ink = [&](int nRow, int xFrom, int xTo, COLORREF colour) {
            UpdateWindow(List().m_hWnd);
            int n = 0;
            for (int x = xFrom; x < xTo; ++x)
                for (int y = 0; y < CSceneryListBox::kRowHeight; ++y)
                    n += ListPixel(x, RowTop(nRow) + y) == colour;
            return n;
        };
        // Row 1 (A2) on and in the selected folder, row 0 off and in another
        // folder, row 2 in none: a tick, a filled dot, an outlined one.
        CLibraryDocument& doc = m_dlg.Doc();
        CLibraryView& view = m_dlg.m_view;
        view.Show(doc.NewFolder("Selected").changes);
        view.Show(doc.NewFolder("Other").changes);
        view.Show(doc.AddToFolder(0, 2));
        view.Show(doc.AddToFolder(1, 3));
        view.HighlightFolder(m_dlg.m_treeFolders.FolderItem(0));
        const COLORREF kDot = RGB(64, 64, 192), kBlack = RGB(0, 0, 0);
        EXPECT_GT(ink(1, 0, 16, kBlack), ink(0, 0, 16, kBlack));
        EXPECT_GT(ink(1, 16, 25, kDot), ink(0, 16, 25, kDot));
        EXPECT_GT(ink(0, 16, 25, kDot), 0);
        EXPECT_EQ(ink(2, 16, 25, kDot), 0);

        // An "&" in a title is drawn as the character, not taken for a
        // mnemonic prefix: "&&" takes twice the ink of "&".
        view.Show(doc.RenameArea(0, "&&"));
        view.Show(doc.RenameArea(1, "&"));
        const COLORREF kText = GetSysColor(COLOR_WINDOWTEXT);
        EXPECT_GT(ink(2, 25, 65, kText), 0);
        EXPECT_EQ(ink(3, 25, 65, kText), 2 * ink(2, 25, 65, kText));
    });
}

TEST_F(SceneryList, RowTipIsTheTitleCutTo79Characters) {
    Run([&] {
        NMTTDISPINFOA infoA{};
        infoA.hdr = {List().m_hWnd, 0, static_cast<UINT>(TTN_NEEDTEXTA)};
        List().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&infoA));
        EXPECT_EQ(std::string(infoA.szText), std::string(79, 't'));
        NMTTDISPINFOW infoW{};
        infoW.hdr = {List().m_hWnd, 1, static_cast<UINT>(TTN_NEEDTEXTW)};
        List().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&infoW));
        EXPECT_EQ(std::wstring(infoW.szText), L"A2");

        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        EXPECT_EQ(List().OnToolHitTest({30, RowTop(1) + 5}, &tool), 1);
        EXPECT_EQ(tool.uId, 1u);
        EXPECT_EQ(List().OnToolHitTest({30, 300}, &tool), 3);

        // The tips show titles as they are, "&" included.
        Mouse(WM_MOUSEMOVE, 30, RowTop(1) + 5);
        // A pop-up's owner is the dialog, as the help tips' is.
        HWND hTip = nullptr;
        while ((hTip = FindWindowExA(nullptr, hTip, TOOLTIPS_CLASSA, nullptr)) != nullptr &&
               (GetWindow(hTip, GW_OWNER) != m_dlg.m_hWnd || hTip == m_dlg.m_toolTip.m_hWnd)) {
        }
        ASSERT_NE(hTip, nullptr);
        EXPECT_TRUE(GetWindowLongPtrA(hTip, GWL_STYLE) & TTS_NOPREFIX);
    });
}
