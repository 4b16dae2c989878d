#include "MainWindowTest.h"

#include <gtest/gtest.h>

namespace {

class SceneryList : public CMainWindowTest {
protected:
    SceneryList()
        : CMainWindowTest("[area.001]\r\nTitle=A0\r\nActive=TRUE\r\n[area.002]\r\nTitle=A1\r\n"
                          "[area.003]\r\nTitle=A2\r\nActive=TRUE\r\n[area.004]\r\nTitle=" +
                          std::string(100, 't') + "\r\n") {}

    COLORREF Pixel(int nRow, int dx, int dy) {
        RECT row;
        List().GetItemRect(nRow, &row);
        UpdateWindow(List().m_hWnd);
        HDC hDC = GetDC(List().m_hWnd);
        COLORREF colour = GetPixel(hDC, row.left + dx, row.top + dy);
        ReleaseDC(List().m_hWnd, hDC);
        return colour;
    }
};

} // namespace

TEST_F(SceneryList, RowDataKeepsIndexAndInvertedFlags) {
    Run([&] {
        CSceneryListBox& list = List();
        EXPECT_EQ(list.GetItemHeight(0), 20);
        list.SetItemData(0, 3 | CSceneryListBox::kInactive | CSceneryListBox::kNotInFolder |
                                CSceneryListBox::kNotInSelectedFolder);
        list.SetItemActive(0, true);
        EXPECT_EQ(list.GetItemData(0),
                  3u | CSceneryListBox::kNotInFolder | CSceneryListBox::kNotInSelectedFolder);
        EXPECT_TRUE(list.IsItemActive(0));
        EXPECT_FALSE(list.IsItemInFolder(0));
        list.SetItemAreaIndex(0, (1 << 24) + 7);
        EXPECT_EQ(list.GetItemAreaIndex(0), 7);
        EXPECT_TRUE(list.IsItemActive(0));
        EXPECT_FALSE(list.IsItemInSelectedFolder(0));
        EXPECT_EQ(list.GetItemData(1) & 0xF1000000u, 0u);
    });
}

TEST_F(SceneryList, RefillShowsTheAreasLastFirstAndKeepsTheSelectedPosition) {
    Run([&] {
        // Rows from the top: the long title, A2, A1, A0.
        EXPECT_EQ(List().GetItemAreaIndex(0), 3);
        EXPECT_FALSE(List().IsItemActive(0));
        EXPECT_TRUE(List().IsItemActive(1));
        m_dlg.m_areas.GetAt(1).SetRemoved(true);
        List().SetCurSel(2);
        m_dlg.FillSceneryList();
        ASSERT_EQ(List().GetCount(), 3);
        EXPECT_EQ(List().GetText(2), "A0");
        EXPECT_EQ(List().GetItemAreaIndex(1), 2);
        EXPECT_EQ(List().GetCurSel(), 2);
        m_dlg.m_areas.GetAt(0).SetRemoved(true);
        m_dlg.FillSceneryList();
        EXPECT_EQ(List().GetCount(), 2);
        EXPECT_EQ(List().GetCurSel(), LB_ERR);
    });
}

TEST_F(SceneryList, RowsDrawCheckBoxTickDotAndHighlight) {
    Run([&] {
        const COLORREF kDot = RGB(64, 64, 192), kBlack = RGB(0, 0, 0);
        const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
        // Row 1 (A2): on, in the selected folder; row 0: off, in another folder.
        List().SetItemInFolder(1, true);
        List().SetItemInSelectedFolder(1, true);
        List().SetItemInFolder(0, true);
        EXPECT_EQ(Pixel(1, 2, 8), kBlack);  // box edge
        EXPECT_EQ(Pixel(1, 6, 9), kBlack);  // tick
        EXPECT_EQ(Pixel(0, 6, 9), kWindow); // no tick
        EXPECT_EQ(Pixel(1, 20, 8), kDot);   // filled dot
        EXPECT_EQ(Pixel(0, 20, 8), kWindow);
        EXPECT_EQ(Pixel(0, 17, 8), kDot); // outlined dot
        EXPECT_EQ(Pixel(2, 20, 8), kWindow);
        List().SetCurSel(2);
        EXPECT_EQ(Pixel(2, 27, 1), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(Pixel(2, 22, 1), kWindow);

        // An "&" in a title is drawn as the character, not taken for a
        // mnemonic prefix: "&&" takes twice the ink of "&".
        m_dlg.m_areas.GetAt(0).SetTitle("&&");
        m_dlg.m_areas.GetAt(1).SetTitle("&");
        m_dlg.FillSceneryList();
        List().SetCurSel(-1);
        auto ink = [&](int nRow) {
            int n = 0;
            for (int x = 25; x < 25 + 40; ++x) // the text starts after the marks
                for (int y = 0; y < CSceneryListBox::kRowHeight; ++y)
                    n += Pixel(nRow, x, y) == GetSysColor(COLOR_WINDOWTEXT);
            return n;
        };
        EXPECT_GT(ink(2), 0);
        EXPECT_EQ(ink(3), 2 * ink(2));
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
        EXPECT_EQ(List().OnToolHitTest({30, 25}, &tool), 1);
        EXPECT_EQ(tool.uId, 1u);
        EXPECT_EQ(List().OnToolHitTest({30, 300}, &tool), 3);

        // The tips show titles as they are, "&" included.
        PostMessageA(List().m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(30, 25));
        Pump(m_dlg);
        // A pop-up's owner is the dialog, as the help tips' is.
        HWND hTip = nullptr;
        while ((hTip = FindWindowExA(nullptr, hTip, TOOLTIPS_CLASSA, nullptr)) != nullptr &&
               (GetWindow(hTip, GW_OWNER) != m_dlg.m_hWnd || hTip == m_dlg.m_toolTip.m_hWnd)) {
        }
        ASSERT_NE(hTip, nullptr);
        EXPECT_TRUE(GetWindowLongPtrA(hTip, GWL_STYLE) & TTS_NOPREFIX);
    });
}
