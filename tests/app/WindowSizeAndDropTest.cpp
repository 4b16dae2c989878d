#include "MainWindowTest.h"

#include "resource.h"

#include <shlobj.h>

#include <cstring>
#include <filesystem>

namespace {

class WindowSizeAndDrop : public CMainWindowTest {
protected:
    RECT Child(int nID) const { return WindowRect(m_dlg.GetDlgItem(nID)); }
    static int Width(const RECT& rect) { return rect.right - rect.left; }
    static int Height(const RECT& rect) { return rect.bottom - rect.top; }
    std::string Settings(const std::string& place) const {
        return "[Tarnwick]\r\nFS2004Path=" + m_sim.WinPath() + "\\\r\n" + place;
    }
};

} // namespace

// Resized: list and tree grow, the buttons follow, and the window stops at
// the template's size. Then moved and maximized: kept, and restored so in
// the next run, which leaves the file as it is. A place on no screen is
// ignored.
TEST_F(WindowSizeAndDrop, ResizeMovesTheControlsAndThePlaceIsKeptRestoredOrIgnored) {
    RECT window{}, moved{};
    Run([&] {
        window = WindowRect(m_dlg.m_hWnd);
        const RECT list = Child(IDC_LIST_SCENERY), tree = Child(IDC_TREE_FOLDERS),
                   add = Child(IDC_ADD_SCENERY), arrow = Child(IDC_ADD_TO_FOLDER),
                   save = Child(IDC_SAVE);
        EXPECT_TRUE(GetWindowLongA(m_dlg.m_hWnd, GWL_STYLE) & WS_MAXIMIZEBOX);
        SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, Width(window) + 200, Height(window) + 100,
                     SWP_NOMOVE | SWP_NOZORDER);
        Pump(m_dlg);

        // List and tree share the growth as they share the width; each
        // button as far from what it sits under (or beside) as before.
        const int nListGrowth = Width(Child(IDC_LIST_SCENERY)) - Width(list);
        EXPECT_NEAR(nListGrowth, 200.0 * Width(list) / (Width(list) + Width(tree)), 1);
        const struct {
            RECT before;
            int nID, dx, dy, dWidth, dHeight;
        } children[] = {{list, IDC_LIST_SCENERY, 0, 0, nListGrowth, 100},
                        {tree, IDC_TREE_FOLDERS, nListGrowth, 0, 200 - nListGrowth, 100},
                        {add, IDC_ADD_SCENERY, 0, 100, 0, 0},
                        {arrow, IDC_ADD_TO_FOLDER, nListGrowth, 50, 0, 0},
                        {save, IDC_SAVE, 200, 100, 0, 0}};
        for (const auto& child : children) {
            const RECT now = Child(child.nID);
            EXPECT_EQ(now.left, child.before.left + child.dx) << child.nID;
            EXPECT_EQ(now.top, child.before.top + child.dy) << child.nID;
            EXPECT_EQ(Width(now), Width(child.before) + child.dWidth) << child.nID;
            EXPECT_EQ(Height(now), Height(child.before) + child.dHeight) << child.nID;
        }

        SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
        Pump(m_dlg);
        const RECT smallest = WindowRect(m_dlg.m_hWnd), smallestList = Child(IDC_LIST_SCENERY);
        EXPECT_TRUE(EqualRect(&smallest, &window));
        EXPECT_TRUE(EqualRect(&list, &smallestList));

        moved = {50, 40, Width(window) + 150, Height(window) + 100};
        MoveWindow(m_dlg.m_hWnd, 50, 40, Width(moved), Height(moved), TRUE);
        SysCommand(SC_MAXIMIZE);
    });
    const std::string kept = Settings("WindowPlacement=50,40," + std::to_string(moved.right) + "," +
                                      std::to_string(moved.bottom) + ",1\r\n");
    EXPECT_EQ(m_settings.Read(), kept);
    // The window of a later run, left as it opened.
    auto again = [&](const std::function<void(CTestManagerDlg&)>& script) {
        CTestManagerDlg dlg;
        RunMain(dlg, [&] {
            script(dlg);
            Click(dlg, IDOK);
        });
    };
    again([&](CTestManagerDlg& dlg) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(dlg.m_hWnd, &placement);
        EXPECT_TRUE(EqualRect(&placement.rcNormalPosition, &moved));
        EXPECT_TRUE(IsZoomed(dlg.m_hWnd));
    });
    EXPECT_EQ(m_settings.Read(), kept);
    const std::string offScreen = Settings("WindowPlacement=-30000,-30000,-29000,-29500,0\r\n");
    m_settings.Write(offScreen);
    again([&](CTestManagerDlg& dlg) {
        const RECT offScreenWindow = WindowRect(dlg.m_hWnd);
        EXPECT_TRUE(EqualRect(&offScreenWindow, &window));
    });
    EXPECT_EQ(m_settings.Read(), offScreen);
}

// As the file manager drops them: a scenery folder, given twice, one the
// library holds (in another spelling), one without scenery and a plain file;
// one area added, on top and named as Add proposes, in one undo step, the
// rest in one box, in the order given.
TEST_F(WindowSizeAndDrop, DroppedSceneryFolderIsAddedAndTheOthersNamedInOneBox) {
    for (const char* pszFolder : {"Addon/New/scenery", "Scenery/Alpha/scenery", "Addon/Empty"})
        std::filesystem::create_directories(m_sim.Path(pszFolder));
    m_sim.Write("Addon/New/scenery/a.bgl", "");
    m_sim.Write("readme.txt", "");
    const std::string sim = m_sim.WinPath() + "\\";
    // Posted as the system hands a drop to a window: a DROPFILES header and
    // the names, each ending in a zero and a zero after the last, in a block
    // of global memory the receiver frees.
    const std::string names = sim + "Addon\\New" + '\0' + sim + "Addon\\New" + '\0' + sim +
                              "SCENERY\\alpha\\" + '\0' + sim + "Addon\\Empty" + '\0' + sim +
                              "readme.txt" + '\0' + '\0';
    HGLOBAL hBlock = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* pDrop = static_cast<DROPFILES*>(GlobalLock(hBlock));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->pt = {40, 40};
    std::memcpy(pDrop + 1, names.data(), names.size());
    GlobalUnlock(hBlock);
    Run([&] {
        m_dlg.PostMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hBlock));
        Pump(m_dlg);
        ASSERT_EQ(List().GetCount(), 4);
        const CLibraryDocument& doc = m_dlg.Document();
        EXPECT_EQ(doc.Area(doc.Rows()[0].nArea).GetTitle(), "New");
        EXPECT_EQ(doc.Area(doc.Rows()[0].nArea).GetLocal(), "Addon\\New");
        SysCommand(IDM_UNDO);
        EXPECT_EQ(List().GetCount(), 3);
        EXPECT_FALSE(doc.CanUndo());
    });
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 1u);
    EXPECT_EQ(m_answerer.m_aBoxes[0], "Tarnwick|Not added:\n" + sim +
                                          "Addon\\New: already in the library\n" + sim +
                                          "SCENERY\\alpha\\: already in the library\n" + sim +
                                          "Addon\\Empty: no scenery files in its scenery folder\n" +
                                          sim + "readme.txt: not a folder");
}
