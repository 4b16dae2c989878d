#include "MainWindowTest.h"

#include "Dpi.h"
#include "RunProgram.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// Rows from the top: Off, then Ag (on, in the folder Both).
const std::string kLibrary = "[area.1]\r\nTitle=Ag\r\nActive=TRUE\r\nLocal=Scenery\\Ag\r\n"
                             "[area.2]\r\nTitle=Off\r\nActive=FALSE\r\nLocal=Scenery\\Off\r\n";
const std::string kFolders =
    "[Both]\r\nActive=1\r\nExpand=1\r\nTitle.0=Ag\r\nLocal.0=Scenery\\Ag\r\n";
constexpr int kOnRow = 1;
constexpr const char* kExpectedDpi = "TARNWICK_TEST_DPI";

// The smallest rectangle holding the pixels of a colour in an area of a
// window's client; empty (right < left) when there are none.
RECT InkBox(HWND hWnd, const RECT& area, COLORREF colour) {
    RECT box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    HDC hDC = GetDC(hWnd);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (GetPixel(hDC, x, y) == colour)
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
        }
    }
    ReleaseDC(hWnd, hDC);
    return box;
}

int FontHeight(HWND hWnd) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(hWnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

class DpiWindow : public CMainWindowTest {
protected:
    DpiWindow() : CMainWindowTest(kLibrary) { m_sim.Write("Folder.txt", kFolders); }

    // The sizes of the window's own drawing, as their 96-DPI sizes scale to
    // the DPI, each inside its place: nothing clipped.
    void ExpectOwnSizesAt(UINT nDpi) {
        auto scaled = [nDpi](int n) { return ScaleToDpi(n, nDpi); };
        SCOPED_TRACE(nDpi);
        const int nRowHeight = scaled(CSceneryListBox::kRowHeight);
        EXPECT_EQ(List().GetItemHeight(0), nRowHeight);
        EXPECT_EQ(FontHeight(List().m_hWnd), scaled(16));
        EXPECT_EQ(FontHeight(m_dlg.m_treeFolders.m_hWnd), scaled(16));
        // The check box in the check zone, and the tree's picture before its
        // title, each at its size and clear of its row's edges.
        HWND hTree = m_dlg.m_treeFolders.m_hWnd;
        RECT row, item;
        List().GetItemRect(kOnRow, &row);
        TreeView_GetItemRect(hTree, m_dlg.m_treeFolders.FolderItem(0), &item, TRUE);
        const struct {
            HWND hWnd;
            RECT area;
            COLORREF colour;
        } probes[] = {
            {List().m_hWnd, {row.left, row.top + 1, row.left + scaled(16), row.bottom - 1}, 0},
            {hTree, {item.left - scaled(20), item.top, item.left, item.bottom}, RGB(64, 64, 64)}};
        for (const auto& probe : probes) {
            UpdateWindow(probe.hWnd);
            const RECT ink = InkBox(probe.hWnd, probe.area, probe.colour);
            ASSERT_LE(ink.left, ink.right);
            EXPECT_NEAR(ink.right - ink.left, scaled(12), scaled(2));
            EXPECT_NEAR(ink.bottom - ink.top, scaled(12), scaled(2));
            EXPECT_TRUE(ink.left >= probe.area.left && ink.top >= probe.area.top &&
                        ink.right < probe.area.right && ink.bottom < probe.area.bottom);
        }

        // A release just inside the check zone switches the row, just
        // beside it does not.
        for (auto [x, bActive] : {std::pair{scaled(16) - 1, false}, std::pair{scaled(16), false},
                                  std::pair{scaled(16) - 1, true}}) {
            ClickAt(x, row.top + nRowHeight / 2);
            EXPECT_EQ(List().IsItemActive(kOnRow), bActive) << x;
        }
        List().SetCurSel(-1);
    }
};

} // namespace

// Run at the DPI the prefix gives, and by the test below in processes of
// their own started at 144 and 192 DPI. Then WM_DPICHANGED, sent as the
// system sends it when the window moves to another monitor; 120 DPI has no
// pictures drawn for it: the 100% ones stretched.
TEST_F(DpiWindow, OwnSizesFollowTheDpiTheProcessStartedAtAndEachChange) {
    const char* pszExpected = std::getenv(kExpectedDpi);
    bool bShown = false;
    Run([&] {
        bShown = true;
        UINT nOld = GetWindowDpi(m_dlg.m_hWnd);
        if (pszExpected) {
            EXPECT_EQ(nOld, static_cast<UINT>(std::atoi(pszExpected)));
        }
        ExpectOwnSizesAt(nOld);
        for (UINT nDpi : {120u, 96u}) {
            // Moved a little, and sized for the new DPI as the system proposes.
            RECT place = WindowRect(m_dlg.m_hWnd);
            place = {place.left + 8, place.top + 4,
                     place.left + 8 + MulDiv(place.right - place.left, nDpi, nOld),
                     place.top + 4 + MulDiv(place.bottom - place.top, nDpi, nOld)};
            nOld = nDpi;
            m_dlg.SendMessage(WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi),
                              reinterpret_cast<LPARAM>(&place));
            Pump(m_dlg);
            ExpectOwnSizesAt(nDpi);
            const RECT now = WindowRect(m_dlg.m_hWnd);
            EXPECT_TRUE(EqualRect(&now, &place));
        }
    });
    EXPECT_TRUE(bShown);
}

TEST(Dpi, ProgramStartedAt144Or192DpiDrawsRowsOf30Or40PixelsAndAllToScale) {
    char szSelf[MAX_PATH];
    GetModuleFileNameA(nullptr, szSelf, sizeof szSelf);
    // The prefix's next processes start at that DPI; the suites' prefix sets
    // none, and none is left behind.
    const char* pszDesktop = "Control Panel\\Desktop";
    for (DWORD nDpi : {144u, 192u}) {
        RegSetKeyValueA(HKEY_CURRENT_USER, pszDesktop, "LogPixels", REG_DWORD, &nDpi, sizeof nDpi);
        CProgramRun run = RunProgram(
            szSelf,
            {"--gtest_filter=DpiWindow.OwnSizesFollowTheDpiTheProcessStartedAtAndEachChange"},
            {{kExpectedDpi, std::to_string(nDpi)}});
        EXPECT_EQ(run.nExit, 0) << run.strOut;
        EXPECT_NE(run.strOut.find("[  PASSED  ] 1 test."), std::string::npos) << run.strOut;
    }
    RegDeleteKeyValueA(HKEY_CURRENT_USER, pszDesktop, "LogPixels");
}
